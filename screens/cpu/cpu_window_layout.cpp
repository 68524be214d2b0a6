#include "screens/cpu/cpu_window_layout.h"

#include <iterator>

#include "screens/cpu/cpu_window_display.h"

namespace orvane {

namespace {

constexpr ui::Colour kAqua = ui::Rgb(0, 255, 255);
constexpr ui::Colour kBlack = ui::Rgb(0, 0, 0);

ui::ControlSpec Heading(const char* name, const char* caption, int x, int y) {
    return {.name = name,
            .kind = ui::ControlKind::Heading,
            .caption = caption,
            .rect = {x, y, 0, 0},
            .parent = kCpuAreaName};
}

// Aqua text on the black panels.
ui::ControlSpec PanelLabel(const char* name, const char* caption, ui::Rect rect, const char* panel, int pixels,
                           bool bold) {
    return {.name = name,
            .kind = ui::ControlKind::Label,
            .caption = caption,
            .rect = rect,
            .parent = panel,
            .font = ui::FontSpec{"Comic Sans MS", pixels, bold, false, false},
            .colour = kAqua,
            .background = kBlack};
}

ui::ControlSpec Panel(const char* name, ui::Rect rect) {
    return {.name = name, .kind = ui::ControlKind::Panel, .rect = rect, .parent = kCpuAreaName};
}

}  // namespace

ui::Layout BuildCpuWindowLayout(const char* webSite) {
    using ui::ControlKind;
    ui::Layout layout;
    layout.push_back({.name = kCpuAreaName, .kind = ControlKind::ScrollBox, .align = ui::Align::Client});
    ui::AddItemDetailsHeadings(layout, kCpuAreaName, 8);
    layout.push_back(Heading("lblCPUUsage", "CPU Usage", 512, 8));
    layout.push_back(Heading("lblFeatures", "Features", 8, 336));
    layout.push_back(Heading("lblCPUSpeed", "CPU Speed", 7, 552));
    layout.push_back(Heading("lblClockCycles", "CPU clock cycles ", 183, 552));

    ui::AddRows(layout, kCpuAreaName, {8, 130, 152, 345, 22}, 48,
                {{"Edit3", "CPU Brand", kCpuBrandName},
                 {"Edit7", "CPU Chip", kCpuChipName},
                 {"Desc1", "CPU Family", "Info1"},
                 {"Desc2", "Code Name", "Info2"},
                 {"Desc3", "Vendor", "Info3"},
                 {"Desc4", "Bus Speed", "Info4"},
                 {"Desc6", "Transistors", "Info5"},
                 {"Desc21", "Serial Number", kCpuSerialName},
                 {"Edit2", "CPU-ID", "Info7"}});

    // Two columns of 13 rows hold the 25 features.
    layout.push_back({.name = kCpuFeatureListName,
                      .kind = ControlKind::CheckList,
                      .rect = {8, 368, 489, 177},
                      .parent = kCpuAreaName,
                      .columns = {{}, {}},
                      .itemHeight = 13});

    // The usage: two vertical gauges and the figure below them.
    layout.push_back(Panel(kCpuUsagePanelName, {511, 48, 82, 433}));
    // Side by side: each a window of its own here, so the second starts where the first ends.
    for (int i = 0; i < 2; ++i) {
        layout.push_back({.name = kCpuGaugeNames[i],
                          .kind = ControlKind::VerticalGauge,
                          .rect = {22 + 17 * i, 16, 17, 369},
                          .parent = kCpuUsagePanelName,
                          .colour = kAqua});
    }
    // Wide enough for "100.5 %" on one line, also in a font wider than the one asked for.
    layout.push_back(PanelLabel(kCpuUsageLabelName, "0 %", {8, 392, 70, 24}, kCpuUsagePanelName, 16, false));

    // The speed: five digits and "MHz".
    layout.push_back(Panel(kCpuSpeedPanelName, {8, 589, 165, 68}));
    layout.push_back({.name = kCpuSpeedBoxName,
                      .kind = ControlKind::PaintBox,
                      .rect = {15, 24, 80, 25},
                      .parent = kCpuSpeedPanelName});
    layout.push_back(PanelLabel("Label9", "MHz", {104, 30, 0, 0}, kCpuSpeedPanelName, 15, true));

    // The counter: sixteen digits and " Clock cycles". The paint box ends after the sixteenth digit,
    // so that it never paints over the label beside it.
    layout.push_back(Panel(kCpuCounterPanelName, {184, 589, 409, 68}));
    layout.push_back({.name = kCpuCounterBoxName,
                      .kind = ControlKind::PaintBox,
                      .rect = {15, 24, static_cast<int>(kCounterDigitCount) * kCpuDigitPitch, 25},
                      .parent = kCpuCounterPanelName});
    layout.push_back(PanelLabel("Label7", " Clock cycles", {304, 30, 0, 0}, kCpuCounterPanelName, 15, true));

    layout.push_back({.name = kCpuLinkName,
                      .kind = ControlKind::Link,
                      .caption = webSite,
                      .rect = {8, 673, 0, 0},
                      .parent = kCpuAreaName});
    return layout;
}

ui::WindowLayout CpuWindowLayout(const char* webSite) {
    ui::WindowLayout window{"TfrmCPU",
                            ui::ClientWidthOfOuter(kCpuWindowWidth, true),
                            ui::ClientHeightOfOuter(kCpuWindowHeight, true, true),
                            BuildCpuWindowLayout(webSite),
                            {}};
    window.written = {kCpuBrandName,
                      kCpuChipName,
                      "Info1",
                      "Info2",
                      "Info3",
                      "Info4",
                      "Info5",
                      kCpuSerialName,
                      "Info7",
                      kCpuFeatureListName,
                      kCpuUsageLabelName,
                      kCpuSpeedBoxName,
                      kCpuCounterBoxName};
    window.written.insert(window.written.end(), std::begin(kCpuGaugeNames), std::end(kCpuGaugeNames));
    return window;
}

}  // namespace orvane
