#include "screens/startup/startup_window_win.h"

#include "ui/list_view_win.h"
#include "ui/status_bar_win.h"
#include "screens/startup/startup_window_layout.h"
#include "screens/startup/startup_model.h"

namespace orvane {

StartupForm::StartupForm(platform::System& sys)
    : DetailForm(ui::DetailFrame("TfrmStartup", "Startup", 674, 563, false, ui::FormBorder::Sizeable),
                 sys,
                 {.fileCaption = "&File",
                  .printName = nullptr,
                  .closeName = "Exit1",
                  .closeCaption = "Exit",
                  .closeShortcut = ui::Key(ui::kKeyF12),
                  .viewCaption = "&View",
                  .refreshOnShow = false}) {}

ui::Layout StartupForm::BuildLayout() {
    return BuildStartupWindowLayout();
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
        // Lets the window repaint while it fills.
        ui::ProcessPendingMessages();
    }
    Status(kInventoryStatusName).SetPanelText(0, CountText(refresh.rows.size()));
}

}  // namespace orvane
