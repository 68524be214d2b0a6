#include "screens/cpu/cpu_window_win.h"

#include "core/web_addresses.h"
#include "core/text.h"
#include "screens/cpu/cpu_window_display.h"
#include "screens/cpu/cpu_model.h"
#include "screens/cpu/cpu_window_layout.h"
#include "res/digit_pictures.h"
#include "ui/check_list_win.h"
#include "ui/gauge_win.h"
#include "ui/locale_win.h"

namespace orvane {

namespace {

constexpr unsigned kTimerInterval = 1000;

// Runs one step of the tick; a failure ends that step only.
template <typename Step>
void RunStep(Step step) {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace

CpuForm::CpuForm(platform::System& sys, CPUClockRecord& clock)
    : DetailForm(
          ui::DetailFrame("TfrmCPU", "CPU Info", kCpuWindowWidth, kCpuWindowHeight, false, ui::FormBorder::Sizeable),
          sys,
          {.closeName = "Exit1", .closeCaption = "Exit", .closeShortcut = ui::Key(ui::kKeyF12),
           .authorLink = kCpuLinkName}),
      clock_(clock) {}

ui::Layout CpuForm::BuildLayout() {
    return BuildCpuWindowLayout(kAuthorSite);
}

ui::MenuBar CpuForm::BuildMenuBar() {
    return {FileMenu(), ViewMenu({ui::Command("CPUSpeed1", "CPU Speed", [this] { CPUSpeed1Click(); })})};
}

void CpuForm::OnCreate() {
    // The ten digit pictures, drawn from their shapes at the screen's scale.
    const int width = ui::Scale(res::kDigitWidth);
    const int height = ui::Scale(res::kDigitHeight);
    digitImages_ = ImageList_Create(width, height, ILC_COLOR32, 10, 0);
    KeepImageList(digitImages_);
    if (!digitImages_) return;
    for (int digit = 0; digit <= 9; ++digit) {
        HBITMAP picture =
            ui::BitmapFromPixels(res::Rasterise(res::DigitPicture(digit), width, height), width, height, false);
        if (!picture) continue;
        ImageList_Add(digitImages_, picture, nullptr);
        DeleteObject(picture);
    }
}

void CpuForm::StartUpdates() {
    StartTimer("Timer1", kTimerInterval);
}

void CpuForm::OnCloseRequest() {
    // Closing always ends the live displays: shown again from the menu, the window stays still.
    StopTimer("Timer1");
    HideForm();
}

void CpuForm::Refresh1Click() {
    const CPUWindowInfo info = ReadCPUWindowInfo(sys_, clock_.WholeMHz());
    SetTextNow(kCpuSerialName, info.serial);
    SetTextNow(kCpuBrandName, info.brand);
    SetTextNow(kCpuChipName, info.chip);
    SetTextNow("Info1", info.model);
    SetTextNow("Info2", info.codeName);
    SetTextNow("Info3", info.vendor);
    SetTextNow("Info4", info.busSpeed);
    SetTextNow("Info5", info.transistors);
    SetTextNow("Info7", info.cpuId);
    ui::CheckList features = Checks(kCpuFeatureListName);
    features.Clear();
    for (const CheckListEntry& entry : info.features) features.Add(entry.caption, entry.checked);
}

void CpuForm::CPUSpeed1Click() {
    DrawDigits(kCpuSpeedBoxName, SpeedDigits(clock_.Measure(sys_)));
}

void CpuForm::OnTimer(const std::string& name) {
    if (name == "Timer1") Timer1Timer();
}

void CpuForm::Timer1Timer() {
    if (ticking_) return;
    ticking_ = true;
    struct TickEnd {
        bool& ticking;
        ~TickEnd() { ticking = false; }
    } end{ticking_};

    RunStep([&] {
        // The first sample only stores itself; from the second tick on the displays show the usage.
        const std::optional<double> usage = SampleCPUUsage(sys_, usage_);
        if (!usage) return;
        SetTextNow(kCpuUsageLabelName, UsageLabelText(*usage, ui::LocaleDecimalSeparator()));
        ui::Gauge first = GaugeOf(kCpuGaugeNames[0]);
        first.SetPosition(UsageGaugePosition(*usage));
        GaugeOf(kCpuGaugeNames[1]).SetPosition(first.Position());
    });
    RunStep([&] {
        // Half a second at raised priority, which the measurement puts back; the window then catches
        // up with what the user did meanwhile before the digits are drawn.
        const std::string digits = SpeedDigits(clock_.Measure(sys_));
        ui::ProcessPendingMessages();
        DrawDigits(kCpuSpeedBoxName, digits);
    });
    RunStep([&] {
        std::string digits;
        try {
            digits = CounterDigits(ReadTimeStampCounter(sys_));
        } catch (...) {
            digits = CounterFailureDigits();
        }
        DrawDigits(kCpuCounterBoxName, digits);
    });
    ui::ProcessPendingMessages();
}

std::string& CpuForm::DigitsOf(const std::string& paintBox) {
    return EqualsIgnoreCase(paintBox, kCpuSpeedBoxName) ? speedDigits_ : counterDigits_;
}

void CpuForm::DrawDigits(const char* paintBox, const std::string& digits) {
    DigitsOf(paintBox) = digits;
    // The paint box's text is what it shows, for whoever reads the window rather than looks at it.
    SetWindowTextA(Control(paintBox), digits.c_str());
    Redraw(paintBox);
}

void CpuForm::OnPaintBox(const std::string& name, HDC dc, const RECT& rect) {
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!EqualsIgnoreCase(name, kCpuSpeedBoxName) && !EqualsIgnoreCase(name, kCpuCounterBoxName)) return;
    if (!digitImages_) return;
    const std::string& digits = DigitsOf(name);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int digit = DigitValue(digits[i]);
        if (digit < 0) continue;
        ImageList_Draw(digitImages_, digit, dc, rect.left + ui::Scale(kCpuDigitPitch * static_cast<int>(i)), rect.top,
                       ILD_NORMAL);
    }
}

bool CpuForm::OnPaintBackground(const std::string& name, HDC dc, const RECT& rect) {
    const bool usagePanel = EqualsIgnoreCase(name, kCpuUsagePanelName);
    if (!usagePanel && !EqualsIgnoreCase(name, kCpuSpeedPanelName) && !EqualsIgnoreCase(name, kCpuCounterPanelName)) {
        return false;
    }
    RECT area = rect;
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (usagePanel) {
        // A single dark border around a lowered bevel.
        FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        InflateRect(&area, -1, -1);
        DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
    } else {
        // A lowered bevel two pixels wide.
        DrawEdge(dc, &area, EDGE_SUNKEN, BF_RECT);
    }
    return true;
}

}  // namespace orvane
