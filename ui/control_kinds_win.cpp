#include "ui/control_kinds_win.h"

#include <commctrl.h>

#include <iterator>

#include "ui/button_win.h"
#include "ui/check_list_win.h"
#include "ui/colour_win.h"
#include "ui/combo_box_win.h"
#include "ui/form_host_win.h"
#include "ui/gauge_win.h"
#include "ui/group_box_win.h"
#include "ui/label_win.h"
#include "ui/list_view_win.h"
#include "ui/paint_box_win.h"
#include "ui/scroll_box_win.h"
#include "ui/status_bar_win.h"
#include "ui/tool_bar_win.h"

namespace orvane::ui {

namespace {

constexpr Paint kOwn{};
constexpr Paint kFormBack{Paint::Source::FormBackground, 0};
constexpr Paint kDeclared{Paint::Source::Declared, 0};
constexpr Paint Fixed(Colour colour) {
    return {Paint::Source::Fixed, colour};
}
constexpr Paint System(int index) {
    return {Paint::Source::System, static_cast<Colour>(index)};
}

// The fonts of the windows: the rows' MS Sans Serif 13 pixels, and the 8-point window font.
constexpr FontSpec kRowFont{"MS Sans Serif", 13, false, false, false};
constexpr FontSpec kRowBold{"MS Sans Serif", 13, true, false, false};
constexpr FontSpec kWindowFont{"MS Sans Serif", 11, false, false, false};
constexpr FontSpec kHeadingFont{"Arial Narrow", 21, true, true, false};
constexpr FontSpec kLinkFont{"Arial", 16, true, false, true};

// A read-only, flat edit outside the tab order.
constexpr DWORD kRowEdit = WS_BORDER | ES_READONLY | ES_AUTOHSCROLL;
constexpr DWORD kText = SS_NOPREFIX | SS_NOTIFY;

// The kinds without a file of their own: the fields and the image, coloured by the table, and the
// containers, which pass their messages up to the form themselves.
constexpr KindHooks kColouredByTable{.colour = ColourByKind};
constexpr KindHooks kNoHooks{};

// clang-format off
// Columns: kind, window class, style, extended style, font, background, text colour, container, hooks.
constexpr KindTraits kKinds[] = {
    {ControlKind::LabelEdit,     "EDIT",              kRowEdit,                                   0, kRowBold,     Fixed(kSkyBlue),       System(COLOR_WINDOWTEXT), false, kColouredByTable},
    {ControlKind::ValueEdit,     "EDIT",              kRowEdit,                                   0, kRowFont,     System(COLOR_INFOBK),  System(COLOR_INFOTEXT),   false, kColouredByTable},
    {ControlKind::Heading,       "STATIC",            kText,                                      0, kHeadingFont, kFormBack,             System(COLOR_WINDOWTEXT), false, kLabelHooks},
    {ControlKind::Link,          "STATIC",            kText,                                      0, kLinkFont,    kFormBack,             Fixed(kLinkBlue),         false, kLinkHooks},
    {ControlKind::Label,         "STATIC",            kText,                                      0, kWindowFont,  kFormBack,             System(COLOR_WINDOWTEXT), false, kLabelHooks},
    {ControlKind::StaticLink,    "STATIC",            kText,                                      0, kLinkFont,    kFormBack,             Fixed(kLinkBlue),         false, kLabelHooks},
    {ControlKind::ArrowLink,     "STATIC",            kText,                                      0, kLinkFont,    kFormBack,             Fixed(kLinkBlue),         false, kLinkHooks},
    {ControlKind::ScrollBox,     kScrollBoxClass,     WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN,  0, kRowFont,     kOwn,                  kOwn,                     true,  kNoHooks},
    {ControlKind::Panel,         kScrollBoxClass,     WS_CLIPCHILDREN,                            0, kRowFont,     kOwn,                  kOwn,                     true,  kNoHooks},
    {ControlKind::Bevel,         "STATIC",            SS_OWNERDRAW | WS_CLIPSIBLINGS,             0, kWindowFont,  kOwn,                  kOwn,                     false, kBevelHooks},
    {ControlKind::Button,        "BUTTON",            BS_PUSHBUTTON | WS_TABSTOP,                 0, kWindowFont,  kOwn,                  kOwn,                     false, kButtonHooks},
    {ControlKind::DefaultButton, "BUTTON",            BS_DEFPUSHBUTTON | WS_TABSTOP,              0, kWindowFont,  kOwn,                  kOwn,                     false, kButtonHooks},
    {ControlKind::PaintBox,      "STATIC",            SS_OWNERDRAW,                               0, kWindowFont,  kOwn,                  kOwn,                     false, kPaintBoxHooks},
    {ControlKind::Edit,          "EDIT",              WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,    0, kWindowFont,  kDeclared,             System(COLOR_WINDOWTEXT), false, kColouredByTable},
    {ControlKind::GroupBox,      "BUTTON",            BS_GROUPBOX,                                0, kWindowFont,  kFormBack,             System(COLOR_WINDOWTEXT), false, kGroupBoxHooks},
    {ControlKind::DropDownList,  "COMBOBOX",          CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, kWindowFont,  kOwn,                  kOwn,                     false, kDropDownListHooks},
    {ControlKind::DropDown,      "COMBOBOX",          CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                                                                                                  0, kWindowFont,  kDeclared,             kOwn,                     false, kDropDownHooks},
    {ControlKind::ListView,      WC_LISTVIEWA,        LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP,
                                                                                   WS_EX_CLIENTEDGE, kWindowFont,  kOwn,                  kOwn,                     false, kListViewHooks},
    {ControlKind::CheckList,     "LISTBOX",           LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_TABSTOP,
                                                                                                  0, kWindowFont,  System(COLOR_INFOBK),  kOwn,                     false, kCheckListHooks},
    {ControlKind::VerticalGauge, PROGRESS_CLASSA,     PBS_VERTICAL | PBS_SMOOTH,                  0, kWindowFont,  kOwn,                  kOwn,                     false, kVerticalGaugeHooks},
    {ControlKind::BarGauge,      kBarGaugeClass,      WS_BORDER,                                  0, kRowFont,     kOwn,                  kOwn,                     false, kBarGaugeHooks},
    {ControlKind::Image,         "STATIC",            SS_ICON | SS_REALSIZECONTROL,               0, kWindowFont,  kFormBack,             kOwn,                     false, kColouredByTable},
    {ControlKind::StatusBar,     STATUSCLASSNAMEA,    CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                                                                                                  0, kWindowFont,  kOwn,                  kOwn,                     false, kStatusBarHooks},
    {ControlKind::ToolBar,       TOOLBARCLASSNAMEA,   TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | TBSTYLE_TRANSPARENT | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                                                                                                  0, kWindowFont,  kOwn,                  kOwn,                     false, kToolBarHooks},
};
// clang-format on

constexpr bool RowsFollowTheKinds() {
    for (std::size_t i = 0; i < std::size(kKinds); ++i) {
        if (static_cast<std::size_t>(kKinds[i].kind) != i) return false;
    }
    return std::size(kKinds) == kControlKindCount;
}
static_assert(RowsFollowTheKinds(), "one row per control kind, in the kinds' order");

constexpr bool ColouredKindsAnswerTheirColours() {
    for (const KindTraits& row : kKinds) {
        if ((row.hooks.colour != nullptr) != (row.background.source != Paint::Source::Own)) return false;
    }
    return true;
}
static_assert(ColouredKindsAnswerTheirColours(),
              "a kind the toolkit colours has a colour hook, one that paints itself none");

COLORREF ColourOf(const Paint& paint, const ControlSpec& design, Colour formBackground) {
    switch (paint.source) {
        case Paint::Source::FormBackground:
            return formBackground;
        case Paint::Source::Fixed:
            return paint.value;
        case Paint::Source::System:
            return GetSysColor(static_cast<int>(paint.value));
        case Paint::Source::Declared:
            return ResolveColour(design.background.value_or(SystemColour(COLOR_WINDOW)));
        default:
            return formBackground;
    }
}

}  // namespace

const KindTraits& TraitsOf(ControlKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

COLORREF KindBackground(const ControlSpec& design, Colour formBackground) {
    // A background declared in the layout wins over the kind's.
    return design.background ? ResolveColour(*design.background)
                             : ColourOf(TraitsOf(design.kind).background, design, formBackground);
}

COLORREF KindTextColour(const ControlSpec& design, Colour formBackground) {
    const Paint& text = TraitsOf(design.kind).text;
    return text.source == Paint::Source::Own ? GetSysColor(COLOR_WINDOWTEXT) : ColourOf(text, design, formBackground);
}

bool ColourByKind(FormHost& form, const ControlSpec& design, HDC dc, LRESULT& result) {
    const COLORREF back = KindBackground(design, form.Background());
    return ApplyColours(form, dc, KindTextColour(design, form.Background()), back, result);
}

bool ApplyColours(FormHost& form, HDC dc, COLORREF text, COLORREF background, LRESULT& result) {
    SetTextColor(dc, text);
    SetBkColor(dc, background);
    result = reinterpret_cast<LRESULT>(form.BrushFor(background));
    return true;
}

}  // namespace orvane::ui
