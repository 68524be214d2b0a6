#include "screens/drive/drive_window_layout.h"

#include <iterator>
#include <string_view>

#include "screens/drive/drive_model.h"

namespace orvane {

namespace {

constexpr ui::RowGeometry kGeometry{8, 145, 168, 280, 22};
constexpr int kDriveRowY = 56;
constexpr int kDriveListWidth = 200;
constexpr ui::Rect kIconBox{kGeometry.valueX + kDriveListWidth + 16, kDriveRowY - 10, 49, 41};
// The icon stands taller than a row: the rows below start under it.
constexpr int kFirstDetailRowY = kIconBox.y + kIconBox.height + 1;

}  // namespace

ui::Layout BuildDriveWindowLayout(const char* webSite) {
    using ui::ControlKind;
    ui::Layout layout;
    layout.push_back({.name = kDriveAreaName, .kind = ControlKind::ScrollBox, .align = ui::Align::Client});
    ui::AddItemDetailsHeadings(layout, kDriveAreaName, 16, kGeometry.valueX);

    const RowSpec& drive = kDriveRows[0];
    layout.push_back({.name = drive.labelName,
                      .kind = ControlKind::LabelEdit,
                      .caption = drive.caption,
                      .rect = {kGeometry.labelX, kDriveRowY, kGeometry.labelWidth, kGeometry.height},
                      .parent = kDriveAreaName});
    layout.push_back({.name = kDriveComboName,
                      .kind = ControlKind::DropDownList,
                      .rect = {kGeometry.valueX, kDriveRowY, kDriveListWidth, kGeometry.height},
                      .parent = kDriveAreaName,
                      .handCursor = true});
    layout.push_back({.name = kDriveImageName, .kind = ControlKind::Image, .rect = kIconBox, .parent = kDriveAreaName});

    // The detail rows: text values, and the percentage used as a bar gauge.
    int y = kFirstDetailRowY;
    for (auto row = std::next(std::begin(kDriveRows)); row != std::end(kDriveRows); ++row, y += ui::kRowPitch) {
        if (std::string_view(row->valueName) != kDriveGaugeName) {
            ui::AddRow(layout, kDriveAreaName, kGeometry, y, row->labelName, row->caption, row->valueName);
            continue;
        }
        layout.push_back({.name = row->labelName,
                          .kind = ControlKind::LabelEdit,
                          .caption = row->caption,
                          .rect = {kGeometry.labelX, y, kGeometry.labelWidth, kGeometry.height},
                          .parent = kDriveAreaName});
        layout.push_back({.name = kDriveGaugeName,
                          .kind = ControlKind::BarGauge,
                          .rect = {kGeometry.valueX, y, kGeometry.valueWidth, kGeometry.height},
                          .parent = kDriveAreaName,
                          .colour = ui::kNavy,
                          .background = ui::kInfoTipBackground});
    }

    layout.push_back({.name = "Label4",
                      .kind = ControlKind::Heading,
                      .caption = "File System Flags",
                      .rect = {kGeometry.labelX, y + 8, 0, 0},
                      .parent = kDriveAreaName});
    // Twelve properties, six to a column.
    const int flagsY = y + 40;
    layout.push_back({.name = kDriveFlagListName,
                      .kind = ControlKind::CheckList,
                      .rect = {kGeometry.labelX, flagsY, 441, 82},
                      .parent = kDriveAreaName,
                      .columns = {{}, {}},
                      .background = ui::kInfoTipBackground,
                      .itemHeight = 13});
    layout.push_back({.name = kDriveLinkName,
                      .kind = ControlKind::Link,
                      .caption = webSite,
                      .rect = {kGeometry.labelX, flagsY + 82 + 14, 0, 0},
                      .parent = kDriveAreaName});
    return layout;
}

ui::WindowLayout DriveWindowLayout(const char* webSite) {
    ui::WindowLayout window{"TfrmDisk",
                            ui::ClientWidthOfOuter(kDriveOuterWidth, true),
                            ui::ClientHeightOfOuter(kDriveOuterHeight, true, true),
                            BuildDriveWindowLayout(webSite),
                            {}};
    for (const RowSpec& row : kDriveRows) window.written.push_back(row.valueName);
    window.written.push_back(kDriveImageName);
    window.written.push_back(kDriveFlagListName);
    return window;
}

}  // namespace orvane
