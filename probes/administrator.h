#pragma once
// Whether the user holds administrator rights: the built-in Administrators group among the groups
// of the calling thread's access token, or of the process token when the thread has none.

#include <string>

#include "platform/identity.h"
#include "probes/probe.h"

namespace orvane {

bool IsAdministrator(System& sys);
// The walk over a group list already read: true at the first entry equal to Administrators.
bool ListsAdministrators(System& sys, const platform::TokenGroupList& list);
// S-1-5-32-544 as AllocateAndInitializeSid builds it.
platform::SidBytes AdministratorsSid();

// The personal window's administrator line.
std::string AdministratorLine(bool administrator);

// GetTokenInformation's buffer: a longer group list counts as no answer.
inline constexpr std::size_t kTokenGroupsBufferBytes = 1024;

}  // namespace orvane
