#include "ui/status_bar_win.h"

#include <commctrl.h>

#include <vector>

#include "ui/dpi_win.h"

namespace orvane::ui {

void PrepareStatusBar(FormHost&, HWND control, const ControlSpec& design) {
    std::vector<int> edges;
    int edge = 0;
    for (const ColumnSpec& panel : design.columns) {
        edge += Scale(panel.width);
        edges.push_back(edge);
    }
    if (edges.empty()) edges.push_back(-1);
    SendMessageA(control, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    StatusBar bar(control);
    for (std::size_t i = 0; i < design.columns.size(); ++i)
        bar.SetPanelText(static_cast<int>(i), design.columns[i].caption);
}

void StatusBar::SetPanelText(int panel, const std::string& text) {
    if (control_)
        SendMessageA(control_, SB_SETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::PanelText(int panel) const {
    if (!control_) return {};
    const auto length = LOWORD(SendMessageA(control_, SB_GETTEXTLENGTHA, static_cast<WPARAM>(panel), 0));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(control_, SB_GETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

}  // namespace orvane::ui
