#include "windows/startup_window_win.h"

#include "ui/list_view_win.h"
#include "ui/status_bar_win.h"
#include "windows/inventory_window_layouts.h"
#include "windows/startup_list.h"

namespace orvane {

namespace {

// Lets the window repaint while it fills.
void ProcessPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

StartupForm::StartupForm(platform::System& sys)
    : ui::Form(ui::DetailFrame("TfrmStartup", "Startup", 674, 563, false, ui::FormBorder::Sizeable)), sys_(sys) {}

ui::Layout StartupForm::BuildLayout() {
    return BuildStartupWindowLayout();
}

ui::MenuBar StartupForm::BuildMenuBar() {
    using ui::Key;
    // clang-format off
    return {
        {"File1", "&File", {}, {}, false, true, {
            {"Exit1", "Exit", Key(ui::kKeyF12), [this] { Exit1Click(); }, false, true, {}},
        }},
        {"View1", "&View", {}, {}, false, true, {
            {"Refresh1", "Refresh", {}, [this] { Refresh1Click(); }, false, true, {}},
        }},
    };
    // clang-format on
}

void StartupForm::Refresh1Click() {
    // A second refresh asked for while this one fills the list would fill it twice.
    if (refreshing_) return;
    refreshing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{refreshing_};
    ui::ListView list = List(kInventoryListName);
    list.Clear();
    const ListRefresh refresh = ReadStartupList(sys_, RunsOn64BitWindows(sizeof(void*) == 8, sys_));
    for (const ListRow& row : refresh.rows) {
        list.AddRow(row);
        ProcessPendingMessages();
    }
    Status(kInventoryStatusName).SetPanelText(0, CountText(refresh.rows.size()));
}

void StartupForm::Exit1Click() {
    HideForm();
}

}  // namespace orvane
