#pragma once
// TfrmDisk, the drive window: one drive at a time, chosen from the system's drive letters, with its
// type, file system, universal path, serial, sizes, percentage used, cluster figures, file-system
// properties and icon. The list is rebuilt at every showing.

#include "platform/system.h"
#include "ui/form_win.h"
#include "windows/drive_window.h"

namespace orvane {

class DiskForm : public ui::Form {
public:
    explicit DiskForm(platform::System& sys);

    // View > Refresh, also run each time the window is shown: the drive list and its start drive.
    void Refresh1Click();
    // File > Print: the window's image on the default printer.
    void Print1Click();
    // File > Exit.
    void Exit1Click();

protected:
    ui::Layout BuildLayout() override;
    ui::MenuBar BuildMenuBar() override;
    void OnShow() override;
    void OnClick(const std::string& name) override;
    void OnSelectionChanged(const std::string& name) override;

private:
    void ShowDrive();

    platform::System& sys_;
    DriveWindowModel model_;
};

}  // namespace orvane
