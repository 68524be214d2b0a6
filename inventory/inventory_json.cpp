#include "inventory/inventory_json.h"

#include <cmath>

#include "core/text.h"
#include "inventory/inventory_value.h"
#include "inventory/text_encoding.h"

namespace orvane::inventory {

namespace {

class JsonWriter {
public:
    explicit JsonWriter(platform::Locale& locale) : locale_(locale) {}

    void Write(const Value& value, int depth) {
        switch (value.GetKind()) {
            case Value::Kind::Null: out_ += "null"; break;
            case Value::Kind::Boolean: out_ += value.AsBoolean() ? "true" : "false"; break;
            case Value::Kind::Integer: out_ += std::to_string(value.AsInteger()); break;
            case Value::Kind::Unsigned: out_ += std::to_string(value.AsUnsigned()); break;
            case Value::Kind::Real: WriteReal(value.AsReal()); break;
            case Value::Kind::Text: WriteText(value.AsText()); break;
            case Value::Kind::Object: {
                if (value.Members().empty()) {
                    out_ += "{}";
                    break;
                }
                out_ += "{";
                bool first = true;
                for (const Value::Member& member : value.Members()) {
                    out_ += first ? "\n" : ",\n";
                    first = false;
                    Indent(depth + 1);
                    out_ += JsonString(member.key);
                    out_ += ": ";
                    Write(member.value, depth + 1);
                }
                out_ += "\n";
                Indent(depth);
                out_ += "}";
                break;
            }
            case Value::Kind::List: {
                if (value.Items().empty()) {
                    out_ += "[]";
                    break;
                }
                out_ += "[";
                bool first = true;
                for (const Value& item : value.Items()) {
                    out_ += first ? "\n" : ",\n";
                    first = false;
                    Indent(depth + 1);
                    Write(item, depth + 1);
                }
                out_ += "\n";
                Indent(depth);
                out_ += "]";
                break;
            }
        }
    }

    void WriteText(std::string_view ansi) { out_ += JsonString(AnsiToUtf8(locale_, ansi)); }

    std::string Take() { return std::move(out_); }

private:
    void Indent(int depth) { out_.append(static_cast<std::size_t>(depth) * 2, ' '); }

    void WriteReal(double number) {
        // JSON has no words for infinities and NaN: they are numbers nobody could read.
        if (!std::isfinite(number)) {
            out_ += "null";
            return;
        }
        out_ += RealText(number);
    }

    platform::Locale& locale_;
    std::string out_;
};

}  // namespace

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                    out += Format("\\u%04X", static_cast<unsigned>(static_cast<unsigned char>(c)));
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

std::string BuildInventoryJson(const Inventory& inventory, platform::Locale& locale) {
    Value document = Value::Object();
    document.Set("schema_version", Value::Text(kSchemaVersion, Origin::Program));
    Value& generator = document.Set("generator", Value::Object());
    generator.Set("name", Value::Text(kGeneratorName, Origin::Program));
    generator.Set("version", Value::Text(kGeneratorVersion, Origin::Program));
    document.Set("generated_at", Value::Text(inventory.generatedAt, Origin::Program));
    document.Set("redacted", Value::Boolean(inventory.redacted));
    Value& errors = document.Set("errors", Value::List());
    for (const SectionError& error : inventory.errors) {
        Value entry = Value::Object();
        entry.Set("section", Value::Text(error.section, Origin::Program));
        entry.Set("message", Value::Text(error.message, Origin::Machine));
        errors.Append(std::move(entry));
    }
    for (const Value::Member& section : inventory.sections.Members()) document.Set(section.key, section.value);
    JsonWriter writer(locale);
    writer.Write(document, 0);
    return writer.Take() + "\n";
}

}  // namespace orvane::inventory
