#include "ui/check_list_win.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/dpi_win.h"
#include "ui/form_host_win.h"

namespace orvane::ui {

namespace {

constexpr UINT_PTR kSubclassId = 0x434C;  // "CL"

// Where an item's check box is drawn, and where a click toggles it.
RECT MarkRect(const RECT& item) {
    const int height = item.bottom - item.top;
    const int box = std::min(height - 2, Scale(13));
    const int top = item.top + (height - box) / 2;
    return RECT{item.left + 2, top, item.left + 2 + box, top + box};
}

void Toggle(HWND list, int index) {
    const LRESULT data = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    if (data == LB_ERR) return;
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), data == 1 ? 0 : 1);
    RECT item;
    if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
        InvalidateRect(list, &item, FALSE);
    }
}

// The item whose check box lies under a point of the list's client area; -1 for none.
int MarkAt(HWND list, LPARAM point) {
    // The list answers with the item nearest the point, also below the last one: the box decides.
    const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, point);
    if (HIWORD(hit) != 0) return -1;  // outside the client area
    const int index = LOWORD(hit);
    RECT item;
    if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
        return -1;
    }
    RECT mark = MarkRect(item);
    InflateRect(&mark, 2, 2);  // a click just beside the box's edge still meant the box
    const POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    return PtInRect(&mark, at) ? index : -1;
}

// The marks are the user's to change on screen: a click on an item's box, or the space bar on the
// selected item, toggles it. Nothing reads them back; the list's next filling sets them afresh.
LRESULT CALLBACK CheckListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            // The list selects the item and takes the focus first. The second click of a double click
            // on the box toggles again, as two single clicks would.
            const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
            const int index = MarkAt(list, lParam);
            if (index >= 0) Toggle(list, index);
            return result;
        }
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                // A held space bar toggles once, not at the keyboard's repeat rate.
                if (lParam & (1 << 30)) return 0;
                LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
                if (index == LB_ERR) {
                    // Nothing selected yet: the item with the focus rectangle becomes the selection.
                    index = SendMessageA(list, LB_GETCARETINDEX, 0, 0);
                    if (index == LB_ERR || index >= SendMessageA(list, LB_GETCOUNT, 0, 0)) return 0;
                    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
                }
                Toggle(list, static_cast<int>(index));
                return 0;
            }
            break;
        case WM_CHAR:
            // The space is the toggle, not the start of a search for an item beginning with a blank.
            if (wParam == ' ') return 0;
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(list, CheckListProc, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

void PrepareCheckList(FormHost&, HWND control, const ControlSpec& design) {
    if (design.itemHeight > 0) SendMessageA(control, LB_SETITEMHEIGHT, 0, Scale(design.itemHeight));
    const int columns = std::max<int>(1, static_cast<int>(design.columns.size()));
    if (columns > 1) {
        RECT client;
        GetClientRect(control, &client);
        SendMessageA(control, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(client.right / columns), 0);
    }
    SetWindowSubclass(control, CheckListProc, kSubclassId, 0);
}

void DrawCheckListItem(FormHost& form, const ControlSpec& design, const DRAWITEMSTRUCT& draw) {
    if (draw.itemID == static_cast<UINT>(-1)) return;
    HDC dc = draw.hDC;
    RECT rect = draw.rcItem;
    HBRUSH brush = CreateSolidBrush(KindBackground(design, form.Background()));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    RECT mark = MarkRect(rect);
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (draw.itemData == 1) state |= DFCS_CHECKED;
    DrawFrameControl(dc, &mark, DFC_BUTTON, state);
    const auto length = SendMessageA(draw.hwndItem, LB_GETTEXTLEN, draw.itemID, 0);
    std::string text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    SendMessageA(draw.hwndItem, LB_GETTEXT, draw.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
    // The selected entry's caption in the selection colours; the box keeps the list's background.
    RECT textRect{mark.right + 4, rect.top, rect.right, rect.bottom};
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    RECT captionRect{textRect.left - 1, rect.top, std::min(rect.right, textRect.left + extent.cx + 2), rect.bottom};
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    if (selected) FillRect(dc, &captionRect, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (draw.itemState & ODS_FOCUS) DrawFocusRect(dc, &captionRect);
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
