#pragma once
// The registry as the program sees it: keys opened for reading, values returned raw with their type.
// The rules about what a value means (accepted types, NUL cuts, errors) live in probes/registry_reader.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::platform {

enum class Hive { LocalMachine, CurrentUser };

// Registry value types, numbered as the operating system numbers them.
enum RegType : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegDwordBigEndian = 5,
    kRegLink = 6,
    kRegMultiSz = 7,
    kRegResourceList = 8,
    kRegQword = 11,
};

struct RegValue {
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> data;
};

class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // nullopt when the key has no value of that name. The empty name is the key's default value.
    virtual std::optional<RegValue> QueryValue(std::string_view name) = 0;
    virtual std::vector<std::string> SubkeyNames() = 0;
    virtual std::vector<std::string> ValueNames() = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens an existing key for reading; nullptr when it is missing or may not be read. Never creates.
    // The path has no leading or trailing backslash.
    virtual std::unique_ptr<RegistryKey> OpenKey(Hive hive, std::string_view path) = 0;
    // The same in the view 64-bit Windows gives 32-bit programs (KEY_WOW64_32KEY: HKLM\SOFTWARE is
    // redirected to its WOW6432Node). Only for 64-bit Windows: Windows 2000 refuses the flag.
    virtual std::unique_ptr<RegistryKey> OpenKey32(Hive hive, std::string_view path) = 0;
};

}  // namespace orvane::platform
