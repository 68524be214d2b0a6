#include "screens/uninstall/uninstall_window_win.h"

#include "core/error.h"
#include "core/text.h"
#include "ui/list_view_win.h"
#include "ui/status_bar_win.h"
#include "screens/uninstall/uninstall_window_layout.h"
#include "screens/lists/list_print_win.h"
#include "screens/uninstall/uninstall_model.h"

namespace orvane {

UninstallForm::UninstallForm(platform::System& sys)
    : DetailForm(ui::DetailFrame("TfrmUnistall", "Application Install / Uninstall Information", 624, 472, false,
                                 ui::FormBorder::Sizeable),
                 sys,
                 {.fileCaption = "&File",
                  .printShortcut = ui::Ctrl('P'),
                  .closeName = "Exit1",
                  .closeCaption = "Exit",
                  .closeShortcut = ui::Key(ui::kKeyF10),
                  .viewCaption = "&View"}) {}

ui::Layout UninstallForm::BuildLayout() {
    return BuildUninstallWindowLayout();
}

ui::MenuBar UninstallForm::BuildMenuBar() {
    using ui::Command;
    return {
        FileMenu(),
        // Hidden, and it stays so: searching is not offered.
        ui::Submenu("Search1", "&Search", {Command("SearchName1", "Search Name", {})}, false),
        ViewMenu({Command("Sort1", "Sort", [this] { Sort1Click(); })}),
        // The list's context menu, a hidden top-level menu.
        ui::Submenu("", kUninstallPopupCaption,
                    {Command("BrowseHelpLink1", "Browse Help Link", [this] { BrowseHelpLink1Click(); }),
                     Command("OpenInstallLocation1", "Open Install Location", [this] { OpenInstallLocation1Click(); }),
                     Command("OpenInstallSource1", "Open Install Source", [this] { OpenInstallSource1Click(); }),
                     Command("ViewReadme1", "View Readme", {}),
                     ui::MenuItem::Separator(),
                     Command("Uninstall1", "Uninstall", [this] { Uninstall1Click(); })},
                    false),
    };
}

void UninstallForm::Open() {
    ShowForm(shownBefore_ ? SW_SHOW : SW_SHOWMAXIMIZED);
    shownBefore_ = true;
}

void UninstallForm::Refresh1Click() {
    ui::BusyCursor busy;
    ui::ListView list = List(kInventoryListName);
    list.Clear();
    const bool windows64 = RunsOn64BitWindows(sizeof(void*) == 8, sys_);
    const ListRefresh refresh = ReadUninstallList(sys_, windows64);
    for (const ListRow& row : refresh.rows) list.AddRow(row);
    if (refresh.error) {
        // A list already sorting itself sorted the rows as they came; the count waits for a whole refresh.
        if (sorted_) list.SortByItemText();
        throw UserError(*refresh.error);
    }
    Status(kInventoryStatusName).SetPanelText(0, CountText(refresh.rows.size()));
    Sort1Click();
}

void UninstallForm::Sort1Click() {
    List(kInventoryListName).SortByItemText();
    sorted_ = true;
}

void UninstallForm::PrintClick() {
    PrintListView(Handle(), List(kInventoryListName), "Installed Applications");
}

void UninstallForm::OpenSelectedCell(std::size_t cell) {
    const ui::ListView list = List(kInventoryListName);
    const int row = list.SelectedRow();
    if (row < 0) return;
    const std::string name = list.Cell(row, 0);
    const std::string text = list.Cell(row, static_cast<int>(cell));
    // Opening a link or a folder is fire-and-forget: the shell shows its own message where it fails. A
    // text that is not what the item opens is reported instead of handed to the shell.
    const std::optional<std::string> refused =
        cell == kHelpLinkCell
            ? OpenHelpLink(sys_, name, text)
            : OpenInstallFolder(sys_, name, cell == kInstallLocationCell ? "install location" : "install source", text);
    if (refused) ui::ShowErrorBox(Handle(), *refused);
}

void UninstallForm::BrowseHelpLink1Click() {
    OpenSelectedCell(kHelpLinkCell);
}

void UninstallForm::OpenInstallLocation1Click() {
    OpenSelectedCell(kInstallLocationCell);
}

void UninstallForm::OpenInstallSource1Click() {
    OpenSelectedCell(kInstallSourceCell);
}

void UninstallForm::Uninstall1Click() {
    const ui::ListView list = List(kInventoryListName);
    const int row = list.SelectedRow();
    if (row < 0) return;
    const std::string name = list.Cell(row, 0);
    const std::string commandLine = list.Cell(row, static_cast<int>(kUninstallCell));
    // The program is found once: the question names the very file that then runs.
    const CommandLine command = FindUninstallProgram(sys_, commandLine);
    if (!UninstallRefusal(name, commandLine, command)) {
        // Uninstalling cannot be undone: ask first.
        if (MessageBoxA(Handle(), UninstallQuestion(name, commandLine, command.program).c_str(), "Orvane",
                        MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
            return;
        }
    }
    if (const std::optional<std::string> failure = StartUninstall(sys_, name, commandLine, command)) {
        ui::ShowErrorBox(Handle(), *failure);
    }
    // The uninstaller is not waited for; whatever it has removed by now is gone from the list.
    Refresh1Click();
}

}  // namespace orvane
