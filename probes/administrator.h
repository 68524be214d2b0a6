#pragma once
// Whether this program holds administrator rights now: the built-in Administrators group enabled among
// the groups of the calling thread's access token, or of the process token when the thread has none.

#include <string>

#include "platform/identity.h"
#include "probes/probe.h"

namespace orvane {

bool IsAdministrator(System& sys);
// Whether the account is an administrator's, holding the rights now or able to consent to them: the
// Administrators group among the token's groups, enabled or (under User Account Control's filtered
// token) for deny only. A standard user's token does not list the group at all.
bool IsAdministratorAccount(System& sys);
// The walk over a group list already read: true at the first entry equal to Administrators that is
// enabled and not for deny only.
bool ListsAdministrators(System& sys, const platform::TokenGroupList& list);
// S-1-5-32-544 as AllocateAndInitializeSid builds it.
platform::SidBytes AdministratorsSid();

// The personal window's administrator line.
std::string AdministratorLine(bool administrator);
// The line its Refresh shows: the empty text when the test fails with an error.
std::string ReadAdministratorLine(System& sys);

// TOKEN_GROUPS attributes: SE_GROUP_ENABLED, SE_GROUP_USE_FOR_DENY_ONLY.
inline constexpr std::uint32_t kGroupEnabled = 0x4;
inline constexpr std::uint32_t kGroupUseForDenyOnly = 0x10;

// GetTokenInformation's buffer: a longer group list counts as no answer.
inline constexpr std::size_t kTokenGroupsBufferBytes = 1024;

}  // namespace orvane
