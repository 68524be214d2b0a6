#pragma once
// A strict JSON reader for the tests and the fuzz targets: the grammar of RFC 8259 and nothing more (no
// trailing commas, no raw control characters in strings, escapes as defined, paired surrogates), over
// well-formed UTF-8. It gives the tree back so that a test can read the values a script would read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inventory/text_encoding.h"

namespace orvane::inventory::testing {

struct JsonNode {
    enum class Kind { Null, Boolean, Number, String, Object, Array };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string number;  // as written
    std::string string;  // UTF-8, escapes resolved
    // An object's members in order: keys[i] names values[i].
    std::vector<std::string> keys;
    std::vector<JsonNode> values;
    std::vector<JsonNode> items;

    // The member of that key, or a null node.
    const JsonNode& operator[](std::string_view key) const;
    const JsonNode& operator[](std::size_t index) const;
    bool IsNull() const { return kind == Kind::Null; }
};

inline const JsonNode& JsonNode::operator[](std::string_view key) const {
    static const JsonNode kNull;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == key) return values[i];
    }
    return kNull;
}

inline const JsonNode& JsonNode::operator[](std::size_t index) const {
    static const JsonNode kNull;
    return index < items.size() ? items[index] : kNull;
}

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    // The document, or nullopt with Error() saying where it went wrong.
    std::optional<JsonNode> Read() {
        if (!IsValidUtf8(text_)) return Fail("not UTF-8");
        JsonNode node;
        SkipBlanks();
        if (!Value(node, 0)) return std::nullopt;
        SkipBlanks();
        if (at_ != text_.size()) return Fail("text after the document");
        return node;
    }
    const std::string& Error() const { return error_; }

private:
    std::nullopt_t Fail(const std::string& what) {
        if (error_.empty()) error_ = what + " at byte " + std::to_string(at_);
        return std::nullopt;
    }
    bool Failed(const std::string& what) {
        Fail(what);
        return false;
    }
    bool More() const { return at_ < text_.size(); }
    char Peek() const { return More() ? text_[at_] : '\0'; }
    void SkipBlanks() {
        while (More() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) ++at_;
    }
    bool Literal(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return Failed("bad literal");
        at_ += word.size();
        return true;
    }

    bool Value(JsonNode& node, int depth) {
        if (depth > 64) return Failed("too deep");
        switch (Peek()) {
            case '{': return Object(node, depth);
            case '[': return Array(node, depth);
            case '"': node.kind = JsonNode::Kind::String; return String(node.string);
            case 't': node.kind = JsonNode::Kind::Boolean, node.boolean = true; return Literal("true");
            case 'f': node.kind = JsonNode::Kind::Boolean, node.boolean = false; return Literal("false");
            case 'n': node.kind = JsonNode::Kind::Null; return Literal("null");
            default: node.kind = JsonNode::Kind::Number; return Number(node.number);
        }
    }

    bool Object(JsonNode& node, int depth) {
        node.kind = JsonNode::Kind::Object;
        ++at_;
        SkipBlanks();
        if (Peek() == '}') return ++at_, true;
        while (true) {
            SkipBlanks();
            std::string key;
            if (Peek() != '"' || !String(key)) return Failed("a key expected");
            SkipBlanks();
            if (Peek() != ':') return Failed("':' expected");
            ++at_;
            SkipBlanks();
            JsonNode value;
            if (!Value(value, depth + 1)) return false;
            node.keys.push_back(std::move(key));
            node.values.push_back(std::move(value));
            SkipBlanks();
            if (Peek() == ',') {
                ++at_;
                continue;
            }
            if (Peek() == '}') return ++at_, true;
            return Failed("',' or '}' expected");
        }
    }

    bool Array(JsonNode& node, int depth) {
        node.kind = JsonNode::Kind::Array;
        ++at_;
        SkipBlanks();
        if (Peek() == ']') return ++at_, true;
        while (true) {
            SkipBlanks();
            JsonNode item;
            if (!Value(item, depth + 1)) return false;
            node.items.push_back(std::move(item));
            SkipBlanks();
            if (Peek() == ',') {
                ++at_;
                continue;
            }
            if (Peek() == ']') return ++at_, true;
            return Failed("',' or ']' expected");
        }
    }

    bool Digits() {
        const std::size_t start = at_;
        while (More() && Peek() >= '0' && Peek() <= '9') ++at_;
        return at_ > start;
    }

    bool Number(std::string& number) {
        const std::size_t start = at_;
        if (Peek() == '-') ++at_;
        if (Peek() == '0') {
            ++at_;
        } else if (!Digits()) {
            return Failed("a value expected");
        }
        if (Peek() == '.') {
            ++at_;
            if (!Digits()) return Failed("digits expected after '.'");
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++at_;
            if (Peek() == '+' || Peek() == '-') ++at_;
            if (!Digits()) return Failed("digits expected in the exponent");
        }
        number = std::string(text_.substr(start, at_ - start));
        return true;
    }

    bool Hex4(std::uint32_t& unit) {
        if (at_ + 4 > text_.size()) return Failed("short \\u escape");
        unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            unit <<= 4;
            if (c >= '0' && c <= '9') {
                unit |= static_cast<std::uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                unit |= static_cast<std::uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                unit |= static_cast<std::uint32_t>(c - 'A' + 10);
            } else {
                return Failed("bad \\u escape");
            }
        }
        return true;
    }

    bool String(std::string& out) {
        ++at_;  // the opening quote
        while (true) {
            if (!More()) return Failed("unterminated string");
            const char c = text_[at_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return Failed("raw control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (!More()) return Failed("unterminated escape");
            const char e = text_[at_++];
            switch (e) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case '/': out += '/'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    std::uint32_t unit = 0;
                    if (!Hex4(unit)) return false;
                    std::u16string units(1, static_cast<char16_t>(unit));
                    if (unit >= 0xD800 && unit <= 0xDBFF) {
                        std::uint32_t low = 0;
                        if (text_.substr(at_, 2) != "\\u" || (at_ += 2, !Hex4(low)) || low < 0xDC00 || low > 0xDFFF) {
                            return Failed("unpaired surrogate");
                        }
                        units += static_cast<char16_t>(low);
                    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
                        return Failed("unpaired surrogate");
                    }
                    out += Utf16ToUtf8(units);
                    break;
                }
                default: return Failed("bad escape");
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string error_;
};

}  // namespace orvane::inventory::testing
