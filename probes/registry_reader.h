#pragma once
// The one way the program reads the registry. Every reader, now and later, goes through RegKey, so the
// read rules hold everywhere:
// - keys are opened for reading only, never created; a key that cannot be opened reads as empty;
// - text accepts REG_SZ and REG_EXPAND_SZ (not expanded) and stops at the first NUL;
// - a missing value, or any value of a key that is not open, reads as the empty text;
// - a value of any other type raises RegistryError "Invalid data type for '<name>'".

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "platform/registry.h"

namespace orvane {

class RegistryError : public UserError {
public:
    using UserError::UserError;
};

std::string InvalidDataTypeMessage(std::string_view valueName);

class RegKey {
public:
    RegKey() = default;
    // A path may start and end with backslashes; both name the same key as the bare path. An empty path
    // (one a registry value supplied, say) names no key: the hive's root is never read.
    static RegKey Open(platform::Registry& registry, std::string_view path,
                       platform::Hive hive = platform::Hive::LocalMachine);
    // The key in the view 64-bit Windows gives 32-bit programs; only for 64-bit Windows.
    static RegKey Open32(platform::Registry& registry, std::string_view path,
                         platform::Hive hive = platform::Hive::LocalMachine);

    bool IsOpen() const { return key_ != nullptr; }
    void Close() { key_.reset(); }

    bool HasValue(std::string_view name);
    // The value's type; nullopt when it is missing or the key is not open.
    std::optional<std::uint32_t> ValueType(std::string_view name);
    std::string ReadText(std::string_view name);
    // Raw bytes of any type but text, expandable text and 32-bit numbers, when they fit in capacity bytes.
    std::vector<std::uint8_t> ReadRaw(std::string_view name, std::size_t capacity);
    // A REG_DWORD value; the value must exist.
    std::uint32_t ReadInteger(std::string_view name);

    std::vector<std::string> SubkeyNames();
    std::vector<std::string> ValueNames();

private:
    std::unique_ptr<platform::RegistryKey> key_;
};

// The path without leading and trailing backslashes.
std::string NormaliseKeyPath(std::string_view path);

}  // namespace orvane
