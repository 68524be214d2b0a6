#include "ui/check_list_win.h"

#include <algorithm>

#include "ui/dpi_win.h"
#include "ui/form_host_win.h"

namespace orvane::ui {

void PrepareCheckList(FormHost&, HWND control, const ControlSpec& design) {
    if (design.itemHeight > 0) SendMessageA(control, LB_SETITEMHEIGHT, 0, Scale(design.itemHeight));
    const int columns = std::max<int>(1, static_cast<int>(design.columns.size()));
    if (columns > 1) {
        RECT client;
        GetClientRect(control, &client);
        SendMessageA(control, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(client.right / columns), 0);
    }
}

void DrawCheckListItem(FormHost& form, const ControlSpec& design, const DRAWITEMSTRUCT& draw) {
    if (draw.itemID == static_cast<UINT>(-1)) return;
    HDC dc = draw.hDC;
    RECT rect = draw.rcItem;
    HBRUSH brush = CreateSolidBrush(KindBackground(design, form.Background()));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    const int height = rect.bottom - rect.top;
    const int box = std::min(height - 2, Scale(13));
    RECT mark{rect.left + 2, rect.top + (height - box) / 2, rect.left + 2 + box, rect.top + (height - box) / 2 + box};
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (draw.itemData) state |= DFCS_CHECKED;
    DrawFrameControl(dc, &mark, DFC_BUTTON, state);
    const auto length = SendMessageA(draw.hwndItem, LB_GETTEXTLEN, draw.itemID, 0);
    std::string text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    SendMessageA(draw.hwndItem, LB_GETTEXT, draw.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
    RECT textRect{mark.right + 4, rect.top, rect.right, rect.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void CheckList::Clear() {
    if (control_) SendMessageA(control_, LB_RESETCONTENT, 0, 0);
}

int CheckList::Add(const std::string& item, bool checked) {
    if (!control_) return -1;
    const auto index = SendMessageA(control_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (index >= 0) SendMessageA(control_, LB_SETITEMDATA, static_cast<WPARAM>(index), checked ? 1 : 0);
    return static_cast<int>(index);
}

int CheckList::Count() const {
    return control_ ? static_cast<int>(SendMessageA(control_, LB_GETCOUNT, 0, 0)) : 0;
}

std::string CheckList::Item(int index) const {
    if (!control_) return {};
    const auto length = SendMessageA(control_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(control_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

bool CheckList::Checked(int index) const {
    return control_ && SendMessageA(control_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0) == 1;
}

}  // namespace orvane::ui
