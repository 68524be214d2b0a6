#include "ui/control_kinds_win.h"

#include <commctrl.h>

#include <iterator>

#include "ui/check_list_win.h"
#include "ui/gauge_win.h"
#include "ui/group_box_win.h"
#include "ui/list_view_win.h"
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

// clang-format off
// Columns: kind, window class, style, extended style, font, background, text colour, container, set-up.
constexpr KindTraits kKinds[] = {
    {ControlKind::LabelEdit,     "EDIT",              kRowEdit,                                   0, kRowBold,     Fixed(kSkyBlue),       System(COLOR_WINDOWTEXT), false, nullptr},
    {ControlKind::ValueEdit,     "EDIT",              kRowEdit,                                   0, kRowFont,     System(COLOR_INFOBK),  System(COLOR_INFOTEXT),   false, nullptr},
    {ControlKind::Heading,       "STATIC",            kText,                                      0, kHeadingFont, kFormBack,             System(COLOR_WINDOWTEXT), false, nullptr},
    {ControlKind::Link,          "STATIC",            kText,                                      0, kLinkFont,    kFormBack,             Fixed(kLinkBlue),         false, nullptr},
    {ControlKind::Label,         "STATIC",            kText,                                      0, kWindowFont,  kFormBack,             System(COLOR_WINDOWTEXT), false, nullptr},
    {ControlKind::StaticLink,    "STATIC",            kText,                                      0, kLinkFont,    kFormBack,             Fixed(kLinkBlue),         false, nullptr},
    {ControlKind::ArrowLink,     "STATIC",            kText,                                      0, kLinkFont,    kFormBack,             Fixed(kLinkBlue),         false, nullptr},
    {ControlKind::ScrollBox,     kScrollBoxClass,     WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN,  0, kRowFont,     kOwn,                  kOwn,                     true,  nullptr},
    {ControlKind::Panel,         kScrollBoxClass,     WS_CLIPCHILDREN,                            0, kRowFont,     kOwn,                  kOwn,                     true,  nullptr},
    {ControlKind::Bevel,         "STATIC",            SS_OWNERDRAW | WS_CLIPSIBLINGS,             0, kWindowFont,  kOwn,                  kOwn,                     false, nullptr},
    {ControlKind::Button,        "BUTTON",            BS_PUSHBUTTON | WS_TABSTOP,                 0, kWindowFont,  kOwn,                  kOwn,                     false, nullptr},
    {ControlKind::DefaultButton, "BUTTON",            BS_DEFPUSHBUTTON | WS_TABSTOP,              0, kWindowFont,  kOwn,                  kOwn,                     false, nullptr},
    {ControlKind::PaintBox,      "STATIC",            SS_OWNERDRAW,                               0, kWindowFont,  kOwn,                  kOwn,                     false, nullptr},
    {ControlKind::Edit,          "EDIT",              WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,    0, kWindowFont,  kDeclared,             System(COLOR_WINDOWTEXT), false, nullptr},
    {ControlKind::GroupBox,      "BUTTON",            BS_GROUPBOX,                                0, kWindowFont,  kFormBack,             System(COLOR_WINDOWTEXT), false, PrepareGroupBox},
    {ControlKind::DropDownList,  "COMBOBOX",          CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, kWindowFont,  kOwn,                  kOwn,                     false, nullptr},
    {ControlKind::DropDown,      "COMBOBOX",          CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                                                                                                  0, kWindowFont,  kDeclared,             kOwn,                     false, nullptr},
    {ControlKind::ListView,      WC_LISTVIEWA,        LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP,
                                                                                   WS_EX_CLIENTEDGE, kWindowFont,  kOwn,                  kOwn,                     false, PrepareListView},
    {ControlKind::CheckList,     "LISTBOX",           LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_TABSTOP,
                                                                                                  0, kWindowFont,  System(COLOR_INFOBK),  kOwn,                     false, PrepareCheckList},
    {ControlKind::VerticalGauge, PROGRESS_CLASSA,     PBS_VERTICAL | PBS_SMOOTH,                  0, kWindowFont,  kOwn,                  kOwn,                     false, PrepareVerticalGauge},
    {ControlKind::BarGauge,      kBarGaugeClass,      WS_BORDER,                                  0, kRowFont,     kOwn,                  kOwn,                     false, PrepareBarGauge},
    {ControlKind::Image,         "STATIC",            SS_ICON | SS_REALSIZECONTROL,               0, kWindowFont,  kFormBack,             kOwn,                     false, nullptr},
    {ControlKind::StatusBar,     STATUSCLASSNAMEA,    CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                                                                                                  0, kWindowFont,  kOwn,                  kOwn,                     false, PrepareStatusBar},
    {ControlKind::ToolBar,       TOOLBARCLASSNAMEA,   TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | TBSTYLE_TRANSPARENT | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                                                                                                  0, kWindowFont,  kOwn,                  kOwn,                     false, PrepareToolBar},
};
// clang-format on

constexpr bool RowsFollowTheKinds() {
    for (std::size_t i = 0; i < std::size(kKinds); ++i) {
        if (static_cast<std::size_t>(kKinds[i].kind) != i) return false;
    }
    return std::size(kKinds) == kControlKindCount;
}
static_assert(RowsFollowTheKinds(), "one row per control kind, in the kinds' order");

}  // namespace

const KindTraits& TraitsOf(ControlKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

}  // namespace orvane::ui
