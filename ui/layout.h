#pragma once
// Windows are declared as data: a table of controls, each with its name, kind, caption and rectangle
// in design pixels at 96 DPI. The form toolkit builds the controls from the table and finds them by
// name without regard to case. The kind decides the look (one row per kind in the kinds table), so
// tables stay short.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvane::ui {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;   // 0: sized to the caption
    int height = 0;  // 0: sized to the caption

    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
};

struct FontSpec {
    const char* face = "MS Sans Serif";
    int pixelHeight = 13;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class ControlKind {
    LabelEdit,      // read-only, flat, sky-blue, bold: the fixed text of a row
    ValueEdit,      // read-only, flat, tooltip background: the value of a row
    Heading,        // a column heading: Arial Narrow, bold italic, 21 pixels
    Link,           // the web address: blue, bold, underlined, 16 pixels; the hand over it; a click event
    Label,          // plain text in the font given
    StaticLink,     // looks like a link, does not react to the mouse
    ArrowLink,      // looks like a link and reports a click, but keeps the arrow cursor
    ScrollBox,      // a white area that scrolls its controls
    Panel,          // a container that passes its messages to the form
    Bevel,          // a raised-inside, lowered-outside frame drawn around its rectangle
    Button,         // a push button
    DefaultButton,  // the push button that Enter presses
    PaintBox,       // a rectangle the form draws itself (OnPaintBox)
    Edit,           // an editable single-line field
    GroupBox,       // a captioned frame around other controls
    DropDownList,   // a drop-down list without free text; a selection event
    DropDown,       // a drop-down with an editable text field; a selection event
    ListView,       // a read-only report list: columns, grid lines, whole-row selection, a context menu
    CheckList,      // items with check marks, in one or more columns
    VerticalGauge,  // a vertical progress bar with its own bar colour
    BarGauge,       // a horizontal gauge from 0 to 100 printing its percentage in its middle
    Image,          // an icon
    StatusBar,      // panels of given widths
    ToolBar,        // buttons with pictures, captions and hints, separators, a drop-down button
};
inline constexpr std::size_t kControlKindCount = static_cast<std::size_t>(ControlKind::ToolBar) + 1;

// Where a control sits when the window changes size. Top and Bottom controls take the client area's
// width, stacked from its edges in table order; a Client control fills what they leave.
enum class Align { None, Top, Bottom, Client };

// Colours as 0x00BBGGRR, the platform's order.
using Colour = std::uint32_t;
constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
inline constexpr Colour kSkyBlue = Rgb(166, 202, 240);
inline constexpr Colour kWhite = Rgb(255, 255, 255);
inline constexpr Colour kLinkBlue = Rgb(0, 0, 255);
inline constexpr Colour kNavy = Rgb(0, 0, 128);
// A colour the user's system scheme decides, by its system colour index: the top bit marks it.
constexpr Colour SystemColour(int index) {
    return 0x80000000u | static_cast<Colour>(index);
}
inline constexpr Colour kInfoTipBackground = SystemColour(24);  // COLOR_INFOBK

// A picture drawn at the size asked for (pixels on a side): 0xAARRGGBB, top row first.
using PictureSource = std::function<std::vector<std::uint32_t>(int pixels)>;

// A list view's column, or a status bar's panel (its caption is the panel's first text).
struct ColumnSpec {
    std::string caption{};
    int width = 0;  // design pixels
};

// A tool-bar button; one without a name is a separator.
struct ToolButtonSpec {
    std::string name{};  // the click event's name
    std::string caption{};
    std::string hint{};  // the tooltip; empty for none
    PictureSource picture{};
    std::string dropDownMenu{};  // the caption of a hidden top-level menu shown by the button's arrow

    static ToolButtonSpec Separator() { return {}; }
};

struct ControlSpec {
    std::string name{};
    ControlKind kind = ControlKind::Label;
    std::string caption{};
    Rect rect{};
    std::string parent{};            // the container's name; empty for the form's client area
    std::optional<FontSpec> font{};  // overrides the kind's font
    Align align = Align::None;
    std::vector<ColumnSpec> columns{};      // list view columns; status bar panels; check list columns (count)
    std::vector<ToolButtonSpec> buttons{};  // tool bar
    std::string popupMenu{};                // the caption of a hidden top-level menu shown on right-click
    std::optional<Colour> colour{};         // a gauge's bar; a label's or heading's text
    std::optional<Colour> background{};     // a gauge's background; for other kinds it replaces the kind's
    int itemHeight = 0;                     // a check list's item height; a tool bar's button size
    int pictureSize = 0;                    // a tool bar's pictures
    bool handCursor = false;                // the hand over the control, as over a link
};

using Layout = std::vector<ControlSpec>;

// A window's layout with what the tests check it against: its client area in design pixels (the
// designed client size, or the outer size less a standard frame, caption and menu bar) and the names
// its handlers and refresh write.
struct WindowLayout {
    std::string window;
    int clientWidth = 0;
    int clientHeight = 0;
    Layout controls;
    std::vector<std::string> written;
};

// The client area of a window designed by its outer size, at 96 DPI with the standard frame.
int ClientWidthOfOuter(int outerWidth, bool sizeable);
int ClientHeightOfOuter(int outerHeight, bool sizeable, bool hasMenu);

// --- The detail-window look ---

// Rows of the detail-window look: a label edit and a value edit side by side.
struct RowGeometry {
    int labelX = 8;
    int labelWidth = 130;
    int valueX = 152;
    int valueWidth = 300;
    int height = 22;
};
inline constexpr int kRowPitch = 32;

struct RowSpec {
    std::string labelName;
    std::string label;
    std::string valueName;
};

void AddRow(Layout& layout, const std::string& parent, const RowGeometry& geometry, int y, const std::string& labelName,
            const std::string& labelText, const std::string& valueName);
// Rows one pitch apart from firstY; returns the y below the last row (where the next row would go).
int AddRows(Layout& layout, const std::string& parent, const RowGeometry& geometry, int firstY,
            const std::vector<RowSpec>& rows);

// The two column headings "Item" and "Details" at the given height, "Details" above the values.
void AddItemDetailsHeadings(Layout& layout, const std::string& parent, int y, int detailsX = 152);

// --- The mouse wheel ---

// Pages to move for a wheel message: one per whole notch (120 units) gathered so far, positive away
// from the user. Small deltas (touchpads, smooth wheels) add up in the remainder; turning the wheel
// the other way starts afresh.
int TakeWheelPages(int& remainder, int delta);

// --- Anchoring ---

// The rectangles of the aligned controls among the client area's own children (parent empty), for a
// client area of the given size; other controls keep their rectangles. The result has one entry per
// control of the layout, in its order, in the same units as the arguments.
std::vector<Rect> ArrangeAligned(const Layout& layout, int clientWidth, int clientHeight,
                                 const std::function<int(int)>& scale = {});

}  // namespace orvane::ui
