#include "windows/device_window_win.h"

#include "core/error.h"
#include "ui/list_view_win.h"
#include "ui/status_bar_win.h"
#include "windows/device_list.h"
#include "windows/inventory_window_layouts.h"
#include "windows/list_print_win.h"

namespace orvane {

DevicesForm::DevicesForm(platform::System& sys)
    : ui::Form(ui::DetailFrame("TfrmDevices", "Device Info", 526, 453, false, ui::FormBorder::Sizeable)), sys_(sys) {}

ui::Layout DevicesForm::BuildLayout() {
    return BuildDeviceWindowLayout();
}

ui::MenuBar DevicesForm::BuildMenuBar() {
    using ui::Ctrl;
    using ui::Key;
    // clang-format off
    return {
        {"File1", "&File", {}, {}, false, true, {
            {"Print1", "Print", Ctrl('P'), [this] { Print1Click(); }, false, true, {}},
            ui::MenuItem::Separator(),
            {"Exit1", "Exit", Key(ui::kKeyF12), [this] { Exit1Click(); }, false, true, {}},
        }},
        {"View1", "&View", {}, {}, false, true, {
            {"Refresh1", "Refresh", Key(ui::kKeyF5), [this] { Refresh1Click(); }, false, true, {}},
        }},
    };
    // clang-format on
}

void DevicesForm::OnShow() {
    InvokeMenu("Refresh1");
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

void DevicesForm::Print1Click() {
    PrintListView(Handle(), List(kInventoryListName), "Device Info");
}

void DevicesForm::Exit1Click() {
    HideForm();
}

}  // namespace orvane
