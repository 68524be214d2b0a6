#include "screens/devices/device_window_win.h"

#include "core/error.h"
#include "ui/list_view_win.h"
#include "ui/status_bar_win.h"
#include "screens/devices/device_model.h"
#include "screens/devices/device_window_layout.h"
#include "screens/lists/list_print_win.h"

namespace orvane {

DevicesForm::DevicesForm(platform::System& sys)
    : DetailForm(ui::DetailFrame("TfrmDevices", "Device Info", 526, 453, false, ui::FormBorder::Sizeable),
                 sys,
                 {.fileCaption = "&File",
                  .printShortcut = ui::Ctrl('P'),
                  .closeName = "Exit1",
                  .closeCaption = "Exit",
                  .closeShortcut = ui::Key(ui::kKeyF12),
                  .viewCaption = "&View",
                  .refreshShortcut = ui::Key(ui::kKeyF5)}) {}

ui::Layout DevicesForm::BuildLayout() {
    return BuildDeviceWindowLayout();
}

void DevicesForm::Refresh1Click() {
    ui::BusyCursor busy;
    ui::ListView list = List(kInventoryListName);
    list.Clear();
    const ListRefresh refresh = ReadDeviceList(sys_);
    for (const ListRow& row : refresh.rows) list.AddRow(row);
    // The list stays sorted by the driver's description, the rows read before an error too.
    list.SortByItemText();
    if (refresh.error) throw UserError(*refresh.error);
    Status(kInventoryStatusName).SetPanelText(0, CountText(refresh.rows.size()));
}

void DevicesForm::PrintClick() {
    PrintListView(Handle(), List(kInventoryListName), "Device Info");
}

}  // namespace orvane
