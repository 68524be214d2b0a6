#pragma once
// TfrmDisk, the drive window: one drive at a time, chosen from the system's drive letters, with its
// type, file system, universal path, serial, sizes, percentage used, cluster figures, file-system
// properties and icon. The list is rebuilt at every showing.

#include "screens/detail/detail_form_win.h"
#include "screens/drive/drive_model.h"

namespace orvane {

class DiskForm : public DetailForm {
public:
    explicit DiskForm(platform::System& sys);

    // View > Refresh, also run each time the window is shown: the drive list and its start drive.
    void Refresh1Click() override;

protected:
    ui::Layout BuildLayout() override;
    void OnSelectionChanged(const std::string& name) override;

private:
    void ShowDrive();

    DriveWindowModel model_;
};

}  // namespace orvane
