#include "screens/drive/drive_window_win.h"

#include "core/web_addresses.h"
#include "ui/check_list_win.h"
#include "ui/combo_box_win.h"
#include "ui/gauge_win.h"
#include "ui/image_win.h"
#include "screens/drive/drive_window_layout.h"

namespace orvane {

DiskForm::DiskForm(platform::System& sys)
    : DetailForm(ui::DetailFrame("TfrmDisk", "Drive Info", kDriveOuterWidth, kDriveOuterHeight, false,
                                 ui::FormBorder::Sizeable),
                 sys, {.closeName = "Exit1", .closeCaption = "Exit", .authorLink = kDriveLinkName}) {}

ui::Layout DiskForm::BuildLayout() {
    return BuildDriveWindowLayout(kAuthorSite);
}

void DiskForm::Refresh1Click() {
    model_.Refresh(sys_);
    ui::ComboBox drives = Combo(kDriveComboName);
    drives.Clear();
    for (const std::string& drive : model_.DriveItems()) drives.Add(drive);
    ShowDrive();
}

void DiskForm::OnSelectionChanged(const std::string& name) {
    if (name != kDriveComboName) return;
    model_.SelectDrive(sys_, Combo(kDriveComboName).Selected());
    ShowDrive();
}

void DiskForm::ShowDrive() {
    ui::ComboBox drives = Combo(kDriveComboName);
    const int selected = model_.SelectedDrive();
    // The chosen entry has its label appended now.
    if (selected >= 0) drives.SetItem(selected, model_.DriveItems()[static_cast<std::size_t>(selected)]);
    drives.Select(selected);

    const std::string iconRoot = model_.IconRoot();
    Image(kDriveImageName)
        .SetIcon(iconRoot.empty() ? nullptr : ui::AssociatedIcon(iconRoot, platform::kDriveAnswerWaitMs));
    for (const ShownText& row : model_.Rows()) SetTextNow(row.control, row.text);
    GaugeOf(kDriveGaugeName).SetPosition(model_.GaugePosition());
    ui::CheckList flags = Checks(kDriveFlagListName);
    flags.Clear();
    for (const CheckItem& item : model_.FlagItems()) flags.Add(item.caption, item.checked);
}

}  // namespace orvane
