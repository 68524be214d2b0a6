#pragma once
// The inventory as one tree of values that every writer walks: objects with their members in a fixed
// order, lists, texts, numbers, booleans and null for what could not be read. Texts hold the program's
// ANSI bytes as the windows show them; the writers convert them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::inventory {

// Where a text comes from: the program's own words (labels, fixed answers) or the machine (the registry,
// the devices, the probes' answers). Redaction looks only into the machine's texts.
enum class Origin { Program, Machine };

class Value {
public:
    enum class Kind { Null, Boolean, Integer, Unsigned, Real, Text, Object, List };
    struct Member;

    Value() = default;  // null
    static Value Boolean(bool value);
    static Value Integer(std::int64_t value);
    static Value Unsigned(std::uint64_t value);
    static Value Real(double value);
    static Value Text(std::string ansi, Origin origin = Origin::Machine);
    static Value Object();
    static Value List();

    Kind GetKind() const { return kind_; }
    bool IsNull() const { return kind_ == Kind::Null; }
    bool AsBoolean() const { return boolean_; }
    std::int64_t AsInteger() const { return integer_; }
    std::uint64_t AsUnsigned() const { return unsigned_; }
    double AsReal() const { return real_; }
    const std::string& AsText() const { return text_; }
    Origin TextOrigin() const { return origin_; }
    // Replaces a text, keeping its origin.
    void SetText(std::string ansi) { text_ = std::move(ansi); }

    // An object's member: added at the end, or replaced where the key is already there (keeping its
    // place). The caption is what the window calls the value; shown is false for a number whose text is
    // beside it, so that a page for people shows the text only.
    Value& Set(std::string_view key, Value value, std::string_view caption = {}, bool shown = true);
    const std::vector<Member>& Members() const { return members_; }
    std::vector<Member>& Members() { return members_; }
    const Value* Find(std::string_view key) const;
    Value* Find(std::string_view key);

    Value& Append(Value value);
    const std::vector<Value>& Items() const { return items_; }
    std::vector<Value>& Items() { return items_; }

private:
    Kind kind_ = Kind::Null;
    bool boolean_ = false;
    std::int64_t integer_ = 0;
    std::uint64_t unsigned_ = 0;
    double real_ = 0;
    std::string text_;
    Origin origin_ = Origin::Machine;
    std::vector<Member> members_;
    std::vector<Value> items_;
};

struct Value::Member {
    std::string key;
    std::string caption;
    bool shown = true;
    Value value;
};

// Calls visit(value) for the value and everything inside it, depth first, members in order.
template <typename Visit>
void VisitValues(Value& value, Visit&& visit) {
    visit(value);
    for (Value::Member& member : value.Members()) VisitValues(member.value, visit);
    for (Value& item : value.Items()) VisitValues(item, visit);
}

// A finite number as the shortest decimal text that reads back as the same double ("0.1", "2400.5"), in the
// form JSON and a page both take.
std::string RealText(double number);

}  // namespace orvane::inventory
