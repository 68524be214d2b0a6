#include "inventory/inventory_value.h"

#include <cstdio>
#include <cstdlib>

namespace orvane::inventory {

Value Value::Boolean(bool value) {
    Value v;
    v.kind_ = Kind::Boolean;
    v.boolean_ = value;
    return v;
}

Value Value::Integer(std::int64_t value) {
    Value v;
    v.kind_ = Kind::Integer;
    v.integer_ = value;
    return v;
}

Value Value::Unsigned(std::uint64_t value) {
    Value v;
    v.kind_ = Kind::Unsigned;
    v.unsigned_ = value;
    return v;
}

Value Value::Real(double value) {
    Value v;
    v.kind_ = Kind::Real;
    v.real_ = value;
    return v;
}

Value Value::Text(std::string ansi, Origin origin) {
    Value v;
    v.kind_ = Kind::Text;
    v.text_ = std::move(ansi);
    v.origin_ = origin;
    return v;
}

Value Value::Object() {
    Value v;
    v.kind_ = Kind::Object;
    return v;
}

Value Value::List() {
    Value v;
    v.kind_ = Kind::List;
    return v;
}

Value& Value::Set(std::string_view key, Value value, std::string_view caption, bool shown) {
    for (Member& member : members_) {
        if (member.key == key) {
            member.value = std::move(value);
            return member.value;
        }
    }
    members_.push_back({std::string(key), std::string(caption), shown, std::move(value)});
    return members_.back().value;
}

const Value* Value::Find(std::string_view key) const {
    for (const Member& member : members_) {
        if (member.key == key) return &member.value;
    }
    return nullptr;
}

Value* Value::Find(std::string_view key) {
    for (Member& member : members_) {
        if (member.key == key) return &member.value;
    }
    return nullptr;
}

Value& Value::Append(Value value) {
    items_.push_back(std::move(value));
    return items_.back();
}

std::string RealText(double number) {
    // The printf family, not std::to_chars: the library's shortest-form tables would add a third of a
    // megabyte to the exe. Fifteen digits are exact for most figures; 17 always read back whole.
    char digits[40];
    for (int precision = 15; precision <= 17; ++precision) {
        std::snprintf(digits, sizeof digits, "%.*g", precision, number);
        if (std::strtod(digits, nullptr) == number) break;
    }
    return digits;
}

}  // namespace orvane::inventory
