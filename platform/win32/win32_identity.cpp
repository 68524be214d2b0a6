// Computer and user names and the access token's groups behind the platform seam.
#include <windows.h>

#include <cstring>

#include "platform/win32/handles.h"
#include "platform/win32/win32_system.h"

namespace orvane::win32 {

namespace {

class Win32Token : public platform::AccessToken {
  public:
    explicit Win32Token(HANDLE token) : token_(token) {}

    std::optional<platform::TokenGroupList> Groups(std::size_t bufferBytes) override {
        // Pointer-aligned storage for TOKEN_GROUPS and the SIDs it points into.
        std::vector<void*> storage((bufferBytes + sizeof(void*) - 1) / sizeof(void*));
        DWORD needed = 0;
        if (!GetTokenInformation(token_.Get(), TokenGroups, storage.data(), static_cast<DWORD>(bufferBytes), &needed)) {
            return std::nullopt;
        }
        const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(storage.data());
        platform::TokenGroupList list;
        list.groupCount = groups->GroupCount;
        for (DWORD i = 0; i < groups->GroupCount; ++i) {
            const SID_AND_ATTRIBUTES& entry = groups->Groups[i];
            platform::TokenGroup group;
            group.attributes = entry.Attributes;
            if (entry.Sid && IsValidSid(entry.Sid)) {
                const auto* bytes = static_cast<const std::uint8_t*>(entry.Sid);
                group.sid.assign(bytes, bytes + GetLengthSid(entry.Sid));
            }
            list.groups.push_back(std::move(group));
        }
        return list;
    }

  private:
    UniqueHandle token_;
};

platform::TokenAnswer Answer(BOOL opened, HANDLE token) {
    platform::TokenAnswer answer;
    if (opened) {
        answer.token = std::make_unique<Win32Token>(token);
    } else {
        answer.error = GetLastError();
    }
    return answer;
}

}  // namespace

std::optional<std::string> Win32System::ComputerName(std::size_t bufferChars) {
    std::vector<char> name(bufferChars + 1, '\0');
    DWORD size = static_cast<DWORD>(bufferChars);
    if (!GetComputerNameA(name.data(), &size)) return std::nullopt;
    return std::string(name.data());
}

std::optional<std::string> Win32System::UserName(std::size_t bufferChars) {
    std::vector<char> name(bufferChars + 1, '\0');
    DWORD size = static_cast<DWORD>(bufferChars);
    if (!GetUserNameA(name.data(), &size)) return std::nullopt;
    return std::string(name.data());
}

platform::TokenAnswer Win32System::OpenThreadToken(std::uint32_t access, bool openAsSelf) {
    HANDLE token = nullptr;
    const BOOL opened = ::OpenThreadToken(GetCurrentThread(), access, openAsSelf, &token);
    return Answer(opened, token);
}

platform::TokenAnswer Win32System::OpenProcessToken(std::uint32_t access) {
    HANDLE token = nullptr;
    const BOOL opened = ::OpenProcessToken(GetCurrentProcess(), access, &token);
    return Answer(opened, token);
}

bool Win32System::SidsEqual(const platform::SidBytes& a, const platform::SidBytes& b) {
    // EqualSid reads as far as each SID says it is long: check both are whole first.
    auto whole = [](const platform::SidBytes& sid) {
        return sid.size() >= 8 && sid.size() >= 8 + 4u * sid[1] && IsValidSid(const_cast<std::uint8_t*>(sid.data()));
    };
    return whole(a) && whole(b) &&
           EqualSid(const_cast<std::uint8_t*>(a.data()), const_cast<std::uint8_t*>(b.data())) != FALSE;
}

}  // namespace orvane::win32
