#include "screens/machine/machine_window_win.h"

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
    // Each section is a group of the list; a list without groups has a heading row for each instead.
    const bool grouped = list.EnableGroups();
    if (grouped) {
        for (std::size_t s = 0; s < info.sections.size(); ++s) list.AddGroup(static_cast<int>(s), info.sections[s].caption);
    }
    std::size_t section = info.sections.size();
    for (const MachineRow& row : MachineRows(info)) {
        if (!grouped && row.section != section) list.AddRow({info.sections[row.section].caption, ""});
        section = row.section;
        list.AddRowInGroup({row.item, row.details}, grouped ? static_cast<int>(row.section) : -1);
    }
}

void MachineForm::PrintClick() {
    PrintListView(Handle(), List(kMachineListName), "Machine Info");
}

}  // namespace orvane
