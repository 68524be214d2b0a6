#include "ui/tool_bar_win.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/bitmap_win.h"
#include "ui/dpi_win.h"
#include "ui/form_host_win.h"

namespace orvane::ui {

namespace {

constexpr int kSeparatorWidth = 8;

}  // namespace

void PrepareToolBar(FormHost& form, HWND control, const ControlSpec& design) {
    SendMessageA(control, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(control, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    const int picture = Scale(design.pictureSize > 0 ? design.pictureSize : 16);
    HIMAGELIST images = ImageList_Create(picture, picture, ILC_COLOR32, static_cast<int>(design.buttons.size()), 0);
    form.KeepImageList(images);
    std::vector<TBBUTTON> buttons;
    for (const ToolButtonSpec& buttonDesign : design.buttons) {
        TBBUTTON button{};
        if (buttonDesign.name.empty()) {
            button.iBitmap = Scale(kSeparatorWidth);
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = I_IMAGENONE;
            if (buttonDesign.picture) {
                HBITMAP bitmap = BitmapFromPixels(buttonDesign.picture(picture), picture, picture, true);
                button.iBitmap = ImageList_Add(images, bitmap, nullptr);
                DeleteObject(bitmap);
            }
            button.idCommand = form.AddToolCommand(control, buttonDesign);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = static_cast<BYTE>(BTNS_BUTTON | (buttonDesign.dropDownMenu.empty() ? 0 : BTNS_DROPDOWN));
            button.iString = SendMessageA(control, TB_ADDSTRINGA, 0,
                                          reinterpret_cast<LPARAM>((buttonDesign.caption + '\0').c_str()));
        }
        buttons.push_back(button);
    }
    SendMessageA(control, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    if (design.itemHeight > 0) {
        SendMessageA(control, TB_SETBUTTONSIZE, 0, MAKELPARAM(Scale(design.itemHeight), Scale(design.itemHeight)));
    }
    SendMessageA(control, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(control, TB_AUTOSIZE, 0, 0);
    // The tool bar covers its buttons only, so a click beside them reaches its container.
    SIZE size{};
    SendMessageA(control, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    SetWindowPos(control, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}

void ToolBarCommand(FormHost& form, const ControlSpec&, WPARAM wParam) {
    if (const ToolButtonSpec* button = form.ToolButton(LOWORD(wParam))) form.RaiseClick(button->name);
}

bool ToolBarNotify(FormHost& form, HWND control, const ControlSpec&, const NMHDR& header, LRESULT& result) {
    if (header.code == TTN_GETDISPINFOA) {
        // A tool button's hint.
        const ToolButtonSpec* button = form.ToolButton(static_cast<int>(header.idFrom));
        if (!button || button->hint.empty()) return false;
        auto& tip = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
        tip.lpszText = const_cast<char*>(button->hint.c_str());
        result = 0;
        return true;
    }
    if (header.code == TBN_DROPDOWN && header.hwndFrom == control) {
        const auto& drop = reinterpret_cast<const NMTOOLBARA&>(header);
        const ToolButtonSpec* button = form.ToolButton(drop.iItem);
        if (!button) return false;
        RECT rect{};
        SendMessageA(header.hwndFrom, TB_GETRECT, static_cast<WPARAM>(drop.iItem), reinterpret_cast<LPARAM>(&rect));
        POINT corner{rect.left, rect.bottom};
        ClientToScreen(header.hwndFrom, &corner);
        form.ShowPopupMenu(button->dropDownMenu, corner);
        result = TBDDRET_DEFAULT;
        return true;
    }
    return false;
}

}  // namespace orvane::ui
