#include "probes/registry_reader.h"


#include "core/text.h"

namespace orvane {

using platform::RegValue;

std::string InvalidDataTypeMessage(std::string_view valueName) {
    return "Invalid data type for '" + std::string(valueName) + "'";
}

std::string NormaliseKeyPath(std::string_view path) {
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return std::string(path);
}

RegKey RegKey::Open(platform::Registry& registry, std::string_view path, platform::Hive hive) {
    RegKey key;
    const std::string keyPath = NormaliseKeyPath(path);
    if (!keyPath.empty()) key.key_ = registry.OpenKey(hive, keyPath);
    return key;
}

RegKey RegKey::Open32(platform::Registry& registry, std::string_view path, platform::Hive hive) {
    RegKey key;
    const std::string keyPath = NormaliseKeyPath(path);
    if (!keyPath.empty()) key.key_ = registry.OpenKey32(hive, keyPath);
    return key;
}

bool RegKey::HasValue(std::string_view name) { return key_ && key_->QueryValue(name).has_value(); }

std::optional<std::uint32_t> RegKey::ValueType(std::string_view name) {
    if (!key_) return std::nullopt;
    const std::optional<RegValue> value = key_->QueryValue(name);
    if (!value) return std::nullopt;
    return value->type;
}

std::string RegKey::ReadText(std::string_view name) {
    if (!key_) return {};
    const std::optional<RegValue> value = key_->QueryValue(name);
    if (!value) return {};
    if (value->type != platform::kRegSz && value->type != platform::kRegExpandSz) {
        throw RegistryError(InvalidDataTypeMessage(name));
    }
    return TextUpToNul(value->data);
}

std::vector<std::uint8_t> RegKey::ReadRaw(std::string_view name, std::size_t capacity) {
    if (!key_) return {};
    const std::optional<RegValue> value = key_->QueryValue(name);
    if (!value) return {};
    const bool rawType = value->type != platform::kRegSz && value->type != platform::kRegExpandSz &&
                         value->type != platform::kRegDword;
    if (!rawType || value->data.size() > capacity) throw RegistryError(InvalidDataTypeMessage(name));
    return value->data;
}

std::uint32_t RegKey::ReadInteger(std::string_view name) {
    const std::optional<RegValue> value = key_ ? key_->QueryValue(name) : std::nullopt;
    if (!value) throw RegistryError("Failed to get data for '" + std::string(name) + "'");
    if (value->type != platform::kRegDword || value->data.size() < 4) {
        throw RegistryError(InvalidDataTypeMessage(name));
    }
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | value->data[static_cast<std::size_t>(i)];
    return number;
}

std::vector<std::string> RegKey::SubkeyNames() { return key_ ? key_->SubkeyNames() : std::vector<std::string>{}; }

std::vector<std::string> RegKey::ValueNames() { return key_ ? key_->ValueNames() : std::vector<std::string>{}; }

}  // namespace orvane
