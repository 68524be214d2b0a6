#include "probes/administrator.h"

#include <gtest/gtest.h>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using platform::TokenGroup;
using platform::TokenGroupList;
using testing::TestMachine;

constexpr std::uint32_t kEnabled = 0x4;                                     // SE_GROUP_ENABLED
constexpr std::uint32_t kDenyOnly = 0x10;                                   // SE_GROUP_USE_FOR_DENY_ONLY
const platform::SidBytes kEveryone = {1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0};  // S-1-1-0
const platform::SidBytes kUsers = {1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 0x21, 0x02, 0, 0};  // S-1-5-32-545

TokenGroupList Groups(std::vector<TokenGroup> groups) {
    TokenGroupList list;
    list.groupCount = static_cast<std::uint32_t>(groups.size());
    list.groups = std::move(groups);
    return list;
}

TEST(AdministratorsSid, IsSid_S_1_5_32_544) {
    EXPECT_EQ(AdministratorsSid(), (platform::SidBytes{1, 2, 0, 0, 0, 0, 0, 5, 0x20, 0, 0, 0, 0x20, 0x02, 0, 0}));
}

TEST(IsAdministrator, FindsTheAdministratorsGroupInTheRightToken) {
    const TokenGroupList admin = Groups({
        {kEveryone,           kEnabled},
        {AdministratorsSid(), kEnabled}
    });
    const TokenGroupList filtered = Groups({
        {kEveryone,           kEnabled },
        {AdministratorsSid(), kDenyOnly}
    });
    // Mandatory, enabled by default, enabled: an administrator's token without User Account Control.
    const TokenGroupList classic = Groups({
        {kEveryone,           0x7},
        {AdministratorsSid(), 0x7}
    });
    const TokenGroupList disabled = Groups({
        {AdministratorsSid(), 0x0}
    });
    const TokenGroupList enabledButDenyOnly = Groups({
        {AdministratorsSid(), kEnabled | kDenyOnly}
    });
    const TokenGroupList user = Groups({
        {kEveryone, kEnabled},
        {kUsers,    kEnabled}
    });
    TokenGroupList uncounted = admin;
    uncounted.groupCount = 1;  // only the entries GroupCount names are walked
    std::vector<TokenGroup> many(100, TokenGroup{kUsers, kEnabled});
    many.push_back({AdministratorsSid(), kEnabled});
    const TokenGroupList overLong = Groups(many);
    ASSERT_GT(testing::TokenGroupsBytes(overLong), kTokenGroupsBufferBytes);

    struct Case {
        const char* name;
        std::optional<TokenGroupList> thread;
        std::uint32_t threadError;
        std::optional<TokenGroupList> process;
        bool administrator;  // holds the rights now
        bool account;        // an administrator's account, elevated or not
    };
    const Case cases[] = {
        {"no thread token: the process token is an administrator's", std::nullopt, 1008, admin,        true,  true },
        {"a filtered token's deny-only membership does not count",  std::nullopt, 1008, filtered,     false, true },
        {"an administrator without User Account Control",           std::nullopt, 1008, classic,      true,  true },
        {"a group that is present but not enabled",                 std::nullopt, 1008, disabled,     false, false},
        {"deny-only wins over enabled",                             std::nullopt, 1008, enabledButDenyOnly, false, true},
        {"an ordinary user",                                         std::nullopt, 1008, user,         false, false},
        {"an impersonated user is judged by the thread token",       user,         0,    admin,        false, false},
        {"an impersonated administrator",                            admin,        0,    user,         true,  true },
        {"a platform without tokens",                                std::nullopt, 120,  admin,        false, false},
        {"no token at all",                                          std::nullopt, 1008, std::nullopt, false, false},
        {"entries beyond the count are not walked",                  std::nullopt, 1008, uncounted,    false, false},
        {"a group list too long for the buffer",                     std::nullopt, 1008, overLong,     false, false},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.threadToken = c.thread;
        machine.threadTokenError = c.threadError;
        machine.processToken = c.process;
        EXPECT_EQ(IsAdministrator(machine), c.administrator) << c.name;
        EXPECT_EQ(IsAdministratorAccount(machine), c.account) << c.name;
    }
}

TEST(AdministratorLine, SaysWhichWay) {
    EXPECT_EQ(AdministratorLine(true), "You have Administrator Privileges");
    EXPECT_EQ(AdministratorLine(false), "You Do NOT have Administrator Privileges");
}

}  // namespace
}  // namespace orvane
