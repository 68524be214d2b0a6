#pragma once
// Who and where: the computer and user names, and the access token's groups.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane::platform {

using SidBytes = std::vector<std::uint8_t>;

struct TokenGroup {
    SidBytes sid;
    std::uint32_t attributes = 0;
};

// What GetTokenInformation(TokenGroups) delivered: GroupCount and the entries it counts.
struct TokenGroupList {
    std::uint32_t groupCount = 0;
    std::vector<TokenGroup> groups;
};

class AccessToken {
  public:
    virtual ~AccessToken() = default;
    // GetTokenInformation(TokenGroups) into a buffer of that many bytes; nullopt when it fails (a
    // list larger than the buffer among others).
    virtual std::optional<TokenGroupList> Groups(std::size_t bufferBytes) = 0;
};

inline constexpr std::uint32_t kErrorNoToken = 1008;  // ERROR_NO_TOKEN
inline constexpr std::uint32_t kTokenQuery = 8;       // TOKEN_QUERY

struct TokenAnswer {
    std::unique_ptr<AccessToken> token;  // nullptr when the open failed
    std::uint32_t error = 0;             // GetLastError after a failed open
};

class Identity {
  public:
    virtual ~Identity() = default;
    // GetComputerNameA and GetUserNameA with a buffer of that many characters; nullopt when they fail.
    virtual std::optional<std::string> ComputerName(std::size_t bufferChars) = 0;
    virtual std::optional<std::string> UserName(std::size_t bufferChars) = 0;

    virtual TokenAnswer OpenThreadToken(std::uint32_t access, bool openAsSelf) = 0;
    virtual TokenAnswer OpenProcessToken(std::uint32_t access) = 0;
    // EqualSid.
    virtual bool SidsEqual(const SidBytes& a, const SidBytes& b) = 0;
};

}  // namespace orvane::platform
