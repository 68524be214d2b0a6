#include "screens/machine/machine_window_win.h"

#include <vector>

#include "screens/lists/list_print_win.h"
#include "screens/machine/machine_model.h"
#include "screens/machine/machine_window_layout.h"
#include "ui/list_view_win.h"

namespace orvane {

MachineForm::MachineForm(platform::System& sys)
    : DetailForm(ui::DetailFrame("TfrmMachine", "Machine Info", 560, 520, false, ui::FormBorder::Sizeable),
                 sys,
                 {.fileCaption = "&File",
                  .printShortcut = ui::Ctrl('P'),
                  .closeShortcut = ui::Key(ui::kKeyF12),
                  .viewCaption = "&View",
                  .refreshShortcut = ui::Key(ui::kKeyF5)}) {}

ui::Layout MachineForm::BuildLayout() {
    return BuildMachineWindowLayout();
}

void MachineForm::Refresh1Click() {
    ui::BusyCursor busy;
    ui::ListView list = List(kMachineListName);
    list.Clear();
    const MachineInfo info = ReadMachineInfo(sys_);
    const std::vector<MachineRow> rows = MachineRows(info);
    // Each section is a group of the list. Where the list draws no groups, each section has a heading
    // row instead, with its items indented under it.
    if (list.EnableGroups()) {
        for (std::size_t s = 0; s < info.sections.size(); ++s) list.AddGroup(static_cast<int>(s), info.sections[s].caption);
        for (const MachineRow& row : rows) list.AddRowInGroup({row.item, row.details}, static_cast<int>(row.section));
        return;
    }
    std::size_t section = info.sections.size();
    for (const MachineRow& row : rows) {
        if (row.section != section) list.AddRow({info.sections[row.section].caption, ""});
        section = row.section;
        list.AddRow({"  " + row.item, row.details});
    }
}

void MachineForm::PrintClick() {
    PrintListView(Handle(), List(kMachineListName), "Machine Info");
}

}  // namespace orvane
