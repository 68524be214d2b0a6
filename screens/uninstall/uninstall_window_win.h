#pragma once
// TfrmUnistall, the install and uninstall window: the applications registered for removal, with their
// registration data; from a row's context menu the user opens its help link, install location or
// source, or runs its uninstall command after confirming. Refreshed each time the window is shown.

#include "screens/detail/detail_form_win.h"

namespace orvane {

class UninstallForm : public DetailForm {
public:
    explicit UninstallForm(platform::System& sys);

    // Shows the window: maximised the first time, afterwards as the user left it.
    void Open();

    // View > Refresh, also run each time the window is shown.
    void Refresh1Click() override;
    // View > Sort.
    void Sort1Click();
    // File > Print: the list as a paged table.
    void PrintClick() override;
    // The list's context menu.
    void BrowseHelpLink1Click();
    void OpenInstallLocation1Click();
    void OpenInstallSource1Click();
    void Uninstall1Click();

protected:
    ui::Layout BuildLayout() override;
    ui::MenuBar BuildMenuBar() override;

private:
    // Opens the selected row's cell through the shell, when a row is selected and the cell has a text.
    void OpenSelectedCell(std::size_t cell);

    bool shownBefore_ = false;
    bool sorted_ = false;  // the list keeps itself sorted once a refresh or Sort made it so
};

}  // namespace orvane
