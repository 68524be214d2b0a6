#pragma once
// Windows are declared as data: a table of controls, each with its name, kind, caption and rectangle
// in design pixels at 96 DPI. The form toolkit builds the controls from the table and finds them by
// name without regard to case. The kind decides the look, so tables stay short.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::ui {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;   // 0: sized to the caption
    int height = 0;  // 0: sized to the caption
};

struct FontSpec {
    const char* face = "MS Sans Serif";
    int pixelHeight = 13;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class ControlKind {
    LabelEdit,  // read-only, flat, sky-blue, bold: the fixed text of a row
    ValueEdit,  // read-only, flat, tooltip background: the value of a row
    Heading,    // a column heading: Arial Narrow, bold italic, 21 pixels
    Link,       // the web address: blue, bold, underlined, 16 pixels
    Label,      // plain text in the font given
    StaticLink, // looks like a link, does not react to the mouse
    ScrollBox,  // a white area filling its parent that scrolls its controls
    Panel,      // a container that passes its messages to the form
    Bevel,      // a raised-inside, lowered-outside frame drawn around its rectangle
    Button,     // a push button
    DefaultButton,  // the push button that Enter presses
    PaintBox,   // a rectangle the form draws itself (OnPaintBox)
};

struct ControlSpec {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string caption;
    Rect rect;
    std::string parent;            // the container's name; empty for the form's client area
    std::optional<FontSpec> font;  // overrides the kind's font
};

using Layout = std::vector<ControlSpec>;

// The look that belongs to a kind.
FontSpec DefaultFont(ControlKind kind);

// Colours as 0x00BBGGRR, the platform's order.
using Colour = std::uint32_t;
constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
inline constexpr Colour kSkyBlue = Rgb(166, 202, 240);
inline constexpr Colour kWhite = Rgb(255, 255, 255);
inline constexpr Colour kLinkBlue = Rgb(0, 0, 255);

// Rows of the detail-window look: a label edit and a value edit side by side.
struct RowGeometry {
    int labelX = 8;
    int labelWidth = 130;
    int valueX = 152;
    int valueWidth = 300;
    int height = 22;
};

void AddRow(Layout& layout, const std::string& parent, const RowGeometry& geometry, int y,
            const std::string& labelName, const std::string& labelText, const std::string& valueName);

// The two column headings "Item" and "Details" at the given height.
void AddItemDetailsHeadings(Layout& layout, const std::string& parent, int y);

}  // namespace orvane::ui
