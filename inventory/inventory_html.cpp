#include "inventory/inventory_html.h"

#include <cmath>

#include "inventory/inventory_value.h"
#include "inventory/text_encoding.h"

namespace orvane::inventory {

namespace {

constexpr const char* kStyle =
    "body { font-family: Arial, Helvetica, sans-serif; font-size: 13px; margin: 1em 2em; }\n"
    "h1 { font-family: Georgia, serif; font-weight: normal; }\n"
    "h2 { border-bottom: 1px solid #000; margin-top: 1.5em; }\n"
    "table { border-collapse: collapse; margin: 0.5em 0 1em; }\n"
    "th, td { border: 1px solid #999; padding: 2px 6px; text-align: left; vertical-align: top; }\n"
    "th, td.item { background: #A6CAF0; font-weight: bold; }\n"
    "td { background: #FFFFE1; }\n"
    "td.item { width: 16em; }\n"
    ".unread { color: #777; font-style: italic; }\n"
    ".error { color: #A00000; font-weight: bold; }\n";

bool IsScalar(const Value& value) {
    return value.GetKind() != Value::Kind::Object && value.GetKind() != Value::Kind::List;
}

bool IsTextList(const Value& value) {
    if (value.GetKind() != Value::Kind::List) return false;
    for (const Value& item : value.Items()) {
        if (!IsScalar(item)) return false;
    }
    return true;
}

// A list of objects whose shown members are all plain values: one table, a row per object.
bool IsFlatTable(const Value& value) {
    if (value.GetKind() != Value::Kind::List) return false;
    for (const Value& item : value.Items()) {
        if (item.GetKind() != Value::Kind::Object) return false;
        for (const Value::Member& member : item.Members()) {
            if (member.shown && !IsScalar(member.value)) return false;
        }
    }
    return true;
}

class HtmlWriter {
public:
    explicit HtmlWriter(platform::Locale& locale) : locale_(locale) {}

    std::string Text(std::string_view ansi) { return EscapeHtmlText(AnsiToUtf8(locale_, ansi)); }

    std::string Scalar(const Value& value) {
        switch (value.GetKind()) {
            case Value::Kind::Null: return "<span class=\"unread\">not read</span>";
            case Value::Kind::Boolean: return value.AsBoolean() ? "Yes" : "No";
            case Value::Kind::Integer: return std::to_string(value.AsInteger());
            case Value::Kind::Unsigned: return std::to_string(value.AsUnsigned());
            case Value::Kind::Real: {
                if (!std::isfinite(value.AsReal())) return "";
                return RealText(value.AsReal());
            }
            case Value::Kind::Text: return Text(value.AsText());
            case Value::Kind::List: {
                std::string lines;
                for (const Value& item : value.Items()) {
                    if (!lines.empty()) lines += "<br>";
                    lines += Scalar(item);
                }
                return lines;
            }
            case Value::Kind::Object: break;
        }
        return "";
    }

    void Line(std::string_view text) {
        out_.append(text);
        out_ += '\n';
    }

    void Heading(int level, std::string_view caption) {
        const std::string tag = "h" + std::to_string(level > 6 ? 6 : level);
        Line("<" + tag + ">" + Text(caption) + "</" + tag + ">");
    }

    // The object's plain values as Item / Details rows, then its objects and lists under their captions.
    void Object(const Value& object, int level) {
        bool open = false;
        for (const Value::Member& member : object.Members()) {
            if (!member.shown || !(IsScalar(member.value) || IsTextList(member.value))) continue;
            if (!open) Line("<table>");
            open = true;
            Line("<tr><td class=\"item\">" + Text(member.caption) + "</td><td>" + Scalar(member.value) +
                 "</td></tr>");
        }
        if (open) Line("</table>");
        for (const Value::Member& member : object.Members()) {
            if (!member.shown || IsScalar(member.value) || IsTextList(member.value)) continue;
            Heading(level, member.caption);
            if (member.value.GetKind() == Value::Kind::Object) {
                Object(member.value, level + 1);
            } else if (IsFlatTable(member.value)) {
                Table(member.value);
            } else {
                for (const Value& item : member.value.Items()) {
                    Heading(level + 1, TitleOf(item));
                    Object(item, level + 2);
                }
            }
        }
    }

    // A row per object; the columns are the first object's shown members.
    void Table(const Value& list) {
        if (list.Items().empty()) {
            Line("<p class=\"unread\">None</p>");
            return;
        }
        Line("<table>");
        std::string header = "<tr>";
        for (const Value::Member& member : list.Items().front().Members()) {
            if (member.shown) header += "<th>" + Text(member.caption) + "</th>";
        }
        Line(header + "</tr>");
        for (const Value& item : list.Items()) {
            std::string row = "<tr>";
            for (const Value::Member& member : item.Members()) {
                if (member.shown) row += "<td>" + Scalar(member.value) + "</td>";
            }
            Line(row + "</tr>");
        }
        Line("</table>");
    }

    std::string Take() { return std::move(out_); }

private:
    // An object's first shown text, as the heading of its part.
    static std::string TitleOf(const Value& item) {
        for (const Value::Member& member : item.Members()) {
            if (member.shown && member.value.GetKind() == Value::Kind::Text) return member.value.AsText();
        }
        return std::string();
    }

    platform::Locale& locale_;
    std::string out_;
};

std::string ComputerNameOf(const Inventory& inventory) {
    const Value* personal = inventory.sections.Find("personal");
    const Value* name = personal ? personal->Find("computer_name") : nullptr;
    return name && name->GetKind() == Value::Kind::Text ? name->AsText() : std::string();
}

}  // namespace

std::string EscapeHtmlText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            case '\t':
            case '\n':
            case '\r': out += c; break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    out += "\xEF\xBF\xBD";
                } else {
                    out += c;
                }
        }
    }
    return out;
}

std::string BuildInventoryHtml(const Inventory& inventory, platform::Locale& locale) {
    HtmlWriter page(locale);
    page.Line("<!DOCTYPE html>");
    page.Line("<html lang=\"en\">");
    page.Line("<head>");
    page.Line("<meta charset=\"utf-8\">");
    page.Line("<title>" + page.Text(std::string(kGeneratorName) + " inventory: " + ComputerNameOf(inventory)) +
              "</title>");
    page.Line("<style>");
    page.Line(std::string(kStyle) + "</style>");
    page.Line("</head>");
    page.Line("<body>");
    page.Line("<h1>" + page.Text(std::string(kGeneratorName) + " inventory") + "</h1>");
    page.Line("<p>Generated at " + page.Text(inventory.generatedAt) + " by " + page.Text(kGeneratorName) + " " +
              page.Text(kGeneratorVersion) + ".</p>");
    if (inventory.redacted) {
        page.Line(
            "<p><b>Redacted:</b> the computer name, the user name, the IP and MAC addresses, the product ID, the "
            "serial numbers and the user's folder read &quot;[redacted]&quot;.</p>");
    }
    page.Line("<nav>");
    page.Line("<h2>Contents</h2>");
    page.Line("<ol>");
    if (!inventory.errors.empty()) page.Line("<li><a href=\"#errors\">Errors</a></li>");
    for (const Value::Member& section : inventory.sections.Members()) {
        page.Line("<li><a href=\"#" + page.Text(section.key) + "\">" + page.Text(section.caption) + "</a></li>");
    }
    page.Line("</ol>");
    page.Line("</nav>");
    if (!inventory.errors.empty()) {
        page.Line("<section id=\"errors\">");
        page.Heading(2, "Errors");
        page.Line("<table>");
        page.Line("<tr><th>Section</th><th>Message</th></tr>");
        for (const SectionError& error : inventory.errors) {
            page.Line("<tr><td>" + page.Text(error.section) + "</td><td>" + page.Text(error.message) + "</td></tr>");
        }
        page.Line("</table>");
        page.Line("</section>");
    }
    for (const Value::Member& section : inventory.sections.Members()) {
        page.Line("<section id=\"" + page.Text(section.key) + "\">");
        page.Heading(2, section.caption);
        for (const SectionError& error : inventory.errors) {
            if (error.section == section.key) {
                page.Line("<p class=\"error\">Not read to the end: " + page.Text(error.message) + "</p>");
            }
        }
        page.Object(section.value, 3);
        page.Line("</section>");
    }
    page.Line("</body>");
    page.Line("</html>");
    return page.Take();
}

}  // namespace orvane::inventory
