#include "probes/administrator.h"

#include <algorithm>

namespace orvane {

platform::SidBytes AdministratorsSid() {
    // Revision 1, two sub-authorities, SECURITY_NT_AUTHORITY (0,0,0,0,0,5), then
    // SECURITY_BUILTIN_DOMAIN_RID (32) and DOMAIN_ALIAS_RID_ADMINS (544), little-endian.
    return {1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 0x20, 0x02, 0, 0};
}

bool ListsAdministrators(System& sys, const platform::TokenGroupList& list) {
    const platform::SidBytes administrators = AdministratorsSid();
    const std::size_t count = std::min<std::size_t>(list.groupCount, list.groups.size());
    // As CheckTokenMembership judges it: the group counts only where it is enabled and not held for deny
    // only. Under User Account Control an administrator's programs run with a filtered token in which
    // the group is present for deny only; those programs cannot do what an administrator can.
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t attributes = list.groups[i].attributes;
        const bool effective = (attributes & kGroupEnabled) && !(attributes & kGroupUseForDenyOnly);
        if (effective && sys.SidsEqual(list.groups[i].sid, administrators)) return true;
    }
    return false;
}

namespace {

std::optional<platform::TokenGroupList> TokenGroups(System& sys) {
    platform::TokenAnswer answer = sys.OpenThreadToken(platform::kTokenQuery, true);
    // A thread that impersonates nobody has no token of its own: the process token speaks for it.
    if (!answer.token && answer.error == platform::kErrorNoToken) answer = sys.OpenProcessToken(platform::kTokenQuery);
    if (!answer.token) return std::nullopt;
    return answer.token->Groups(kTokenGroupsBufferBytes);
}

}  // namespace

bool IsAdministrator(System& sys) {
    const std::optional<platform::TokenGroupList> groups = TokenGroups(sys);
    return groups && ListsAdministrators(sys, *groups);
}

bool IsAdministratorAccount(System& sys) {
    const std::optional<platform::TokenGroupList> groups = TokenGroups(sys);
    if (!groups) return false;
    const platform::SidBytes administrators = AdministratorsSid();
    const std::size_t count = std::min<std::size_t>(groups->groupCount, groups->groups.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t attributes = groups->groups[i].attributes;
        const bool held = (attributes & kGroupEnabled) || (attributes & kGroupUseForDenyOnly);
        if (held && sys.SidsEqual(groups->groups[i].sid, administrators)) return true;
    }
    return false;
}

std::string AdministratorLine(bool administrator) {
    return administrator ? "You have Administrator Privileges" : "You Do NOT have Administrator Privileges";
}

std::string ReadAdministratorLine(System& sys) {
    try {
        return AdministratorLine(IsAdministrator(sys));
    } catch (...) {
        return std::string();
    }
}

}  // namespace orvane
