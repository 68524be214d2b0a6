#include "app/main_window_layout.h"

#include "app/status_ticker.h"
#include "app/summary.h"
#include "res/toolbar_pictures.h"

namespace orvane {

namespace {

ui::PictureSource PictureOf(res::ToolPicture which) {
    return [which](int pixels) { return res::Rasterise(res::ToolBarPicture(which), pixels); };
}

std::vector<ui::ToolButtonSpec> ToolButtons() {
    using res::ToolPicture;
    const ui::ToolButtonSpec separator = ui::ToolButtonSpec::Separator();
    // Columns: name, caption, hint, picture, drop-down menu.
    return {
        {"ToolButton1", " System", "", PictureOf(ToolPicture::System), kOutputMenuCaption},
        separator,
        {"ToolButton2", "Personal", "Personal Info", PictureOf(ToolPicture::Personal), ""},
        {"ToolButton3", "Memory", "Memory Info", PictureOf(ToolPicture::Memory), ""},
        {"ToolButton4", "Display", "Display Info", PictureOf(ToolPicture::Display), ""},
        {"ToolButton5", "Drives", "Disk Info", PictureOf(ToolPicture::Drives), ""},
        {"ToolButton6", "CPU", "", PictureOf(ToolPicture::Cpu), ""},
        {"ToolButton7", "Devices", "", PictureOf(ToolPicture::Devices), ""},
        {"ToolButton8", "App Info", "", PictureOf(ToolPicture::AppInfo), ""},
        {"ToolButton9", "Startup", "", PictureOf(ToolPicture::Startup), ""},
        {"ToolButton12", "Sound", "", PictureOf(ToolPicture::Sound), ""},
        {"ToolButton14", "Machine", "Machine Info", PictureOf(ToolPicture::Machine), ""},
        separator,
        {"ToolButton13", "Exit (F12)", "Exit Program", PictureOf(ToolPicture::Exit), ""},
    };
}

}  // namespace

ui::Layout BuildMainWindowLayout(const char* webSite) {
    using ui::ControlKind;
    ui::Layout layout;
    layout.push_back(
        {.name = kStripName, .kind = ControlKind::Panel, .rect = {0, 0, 0, kStripHeight}, .align = ui::Align::Top});
    layout.push_back({.name = kToolBarName,
                      .kind = ControlKind::ToolBar,
                      .rect = {4, 7, 0, 0},
                      .parent = kStripName,
                      .buttons = ToolButtons(),
                      .itemHeight = 53,
                      .pictureSize = 32});
    std::vector<ui::ColumnSpec> panels;
    for (const char* text : kInitialStatusTexts) panels.push_back({text, kStatusPanelWidth});
    layout.push_back({.name = kStatusBarName,
                      .kind = ControlKind::StatusBar,
                      .rect = {0, 0, 0, 19},
                      .align = ui::Align::Bottom,
                      .columns = panels});
    layout.push_back({.name = kSummaryAreaName, .kind = ControlKind::ScrollBox, .align = ui::Align::Client});
    ui::AddItemDetailsHeadings(layout, kSummaryAreaName, 16);
    const ui::RowGeometry geometry{8, 130, 152, kSummaryValueWidth, 22};
    for (int row = 1; row <= kSummaryRowCount; ++row) {
        ui::AddRow(layout, kSummaryAreaName, geometry, SummaryRowTop(row), SummaryLabelName(row),
                   kSummaryRows[row - 1].label, SummaryValueName(row));
    }
    layout.push_back({.name = kMainLinkName,
                      .kind = ControlKind::Link,
                      .caption = webSite,
                      .rect = {8, 976, 0, 0},
                      .parent = kSummaryAreaName});
    return layout;
}

ui::WindowLayout MainWindowLayout(const char* webSite) {
    ui::WindowLayout window{"TForm1",
                            ui::ClientWidthOfOuter(639, true),
                            ui::ClientHeightOfOuter(510, true, true),
                            BuildMainWindowLayout(webSite),
                            {kStatusBarName}};
    for (int row = 1; row <= kSummaryRowCount; ++row) window.written.push_back(SummaryValueName(row));
    return window;
}

}  // namespace orvane
