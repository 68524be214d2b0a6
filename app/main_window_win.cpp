#include "app/main_window_win.h"

#include <array>
#include <cstring>
#include <map>
#include <string_view>

#include "app/application_win.h"
#include "app/batch.h"
#include "launcher/hardware_actions.h"
#include "launcher/launcher.h"
#include "launcher/open_address.h"
#include "app/inventory_batch_win.h"
#include "app/main_window_layout.h"
#include "app/main_window_menu.h"
#include "app/printed_report.h"
#include "app/report_formats.h"
#include "app/report_outputs.h"
#include "app/startup_trace_win.h"
#include "app/status_ticker.h"
#include "app/version_gate.h"
#include "core/web_addresses.h"
#include "core/error.h"
#include "core/text.h"
#include "app/inventory_batch.h"
#include "res/toolbar_pictures.h"
#include "ui/locale_win.h"
#include "ui/clipboard_win.h"
#include "ui/menu_win.h"
#include "ui/print_image_win.h"
#include "ui/status_bar_win.h"

namespace orvane {

namespace {

constexpr int kMinimumHeight = 450;
// The full report's file types, numbered from 1 as the dialog numbers them.
constexpr const char* kFullReportFilter = "HTML|*.htm|JSON|*.json";
constexpr int kFullReportJsonFilter = 2;

}  // namespace

MainForm::MainForm(Application& app)
    : ui::Form(ui::FormSpec{.className = "TForm1",
                            .caption = "Orvane",
                            .width = 639,
                            .height = 510,
                            .position = ui::FormPosition::ScreenCenter}),
      app_(app),
      saveDialog_(kSaveFilter, "TXT", true),
      htmlDialog_(kHtmlFilter, "htm", true),
      fullReportDialog_(kFullReportFilter, "htm", true) {}

ui::Layout MainForm::BuildLayout() {
    return BuildMainWindowLayout(kAuthorSite);
}

ui::MenuBar MainForm::BuildMenuBar() {
    auto show = [this](auto window) { return [this, window] { (app_.*window)().ShowForm(); }; };
    // A second control for a command invokes the first one by its name.
    auto invoke = [this](const char* target) { return [this, target] { InvokeMenu(target); }; };
    const std::map<std::string_view, std::function<void()>> handlers{
        {"Save1", [this] { Save1Click(); }},
        {"ExporttoHTML1", [this] { ExporttoHTML1Click(); }},
        {"ExportFullReport1", [this] { ExportFullReport1Click(); }},
        {"Print1", [this] { Print1Click(); }},
        {"QuickPrint1", [this] { QuickPrint1Click(); }},
        {"Exit1", [this] { Exit1Click(); }},
        {"CopytoClipboard1", [this] { CopytoClipboard1Click(); }},
        {"Refresh1", [this] { Refresh1Click(); }},
        {"PersonalInfo1", [this] { PersonalInfo1Click(); }},
        {"MemoryInfo1", show(&Application::Memory)},
        {"DisplayInfo1", show(&Application::Display)},
        {"DiskInfo1", show(&Application::Disk)},
        {"Uninstallers1", [this] { app_.Uninstall().Open(); }},
        {"CPUInfo1", show(&Application::Cpu)},
        {"Sound1", show(&Application::Sound)},
        {"MachineInfo1", show(&Application::Machine)},
        {"Startup1",
         [this] {
             app_.Startup().ShowForm();
             app_.Startup().Refresh1Click();
         }},
        {"ransparentBackground1", [this] { ransparentBackground1Click(); }},
        {"ScrollDown1", [this] { ScrollSummary(SB_PAGEDOWN); }},
        {"ScrollUp1", [this] { ScrollSummary(SB_PAGEUP); }},
        {"HideTaskbar1", [this] { ApplyTaskbarMark(app_.System(), MenuChecked("HideTaskbar1")); }},
        {"StandbyMonitor1", [this] { SetMonitorPower(app_.System(), WindowRef(), kMonitorStandby); }},
        {"SwitchOffMonitor1", [this] { SetMonitorPower(app_.System(), WindowRef(), kMonitorOff); }},
        {"EjectCD1", [this] { MoveCdTray(app_.System(), true, WindowRef()); }},
        {"LoadCD1", [this] { MoveCdTray(app_.System(), false, WindowRef()); }},
        {"MuteSpeakers1", [this] { ApplyMuteSpeakersMark(app_.System(), MenuChecked("MuteSpeakers1")); }},
        {"MuteMicrophone1", [this] { app_.Sound().SetMicrophoneMute(MenuChecked("MuteMicrophone1"), Handle()); }},
        {"UsingOrvane1", show(&Application::Help)},
        {"About1", [this] { app_.About().ShowModal(); }},
        {"Save2", invoke("Save1")},
        {"InfotoClipboard1", invoke("CopytoClipboard1")},
        {"Print2", invoke("Print1")},
        {"ExporttoHTML2", invoke("ExporttoHTML1")},
    };
    return BuildMainMenuBar(
        {.command =
             [&handlers](std::string_view name) {
                 const auto found = handlers.find(name);
                 return found == handlers.end() ? std::function<void()>() : found->second;
             },
         .launch = [this](std::string_view name) { Launch(app_.System(), name, WindowRef()); },
         .available = [this](std::string_view name) { return LaunchAvailable(app_.System(), name); }});
}

void MainForm::OnCreate() {
    // The version gate: Windows 95 and Win32s are refused before any other window exists.
    if (RefusesToRun(app_.System().Version())) {
        MessageBoxA(nullptr, kRefusalText, kRefusalTitle, MB_OK | MB_ICONWARNING);
        refused_ = true;
        PostQuitMessage(0);
        return;
    }
    // The restored height, set while the window is still hidden (it opens maximised): changing the
    // placement of the shown window costs a pass over all of it.
    RECT outer;
    GetWindowRect(Handle(), &outer);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, ui::Scale(kMinimumHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int stripHeight = ui::Scale(kStripHeight);
    stripPicture_ =
        win32::GdiObject<HBITMAP>(ui::BitmapFromPixels(res::StripBackground(1, stripHeight), 1, stripHeight, false));
    StartTimer("Timer1", 1000);
}

void MainForm::OnShow() {
    if (app_.Options().batchPath) RunBatchMode(*app_.Options().batchPath);
}

void MainForm::RunBatchMode(const std::string& path) {
    try {
        Refresh1Click();
        StartupMark("refresh ended");
        WriteTextReport(app_.System(), path, ReadSummaryRows(*this));
        StartupMark("report written");
        app_.BatchReportWritten();
    } catch (const std::exception& error) {
        // The program goes on as an ordinary interactive run.
        ui::ShowErrorBox(Handle(), error.what());
        return;
    }
    PostQuitMessage(0);
}

void MainForm::Refresh1Click() {
    ui::BusyCursor busy;
    RunSummaryRefresh(app_.System(), *this, app_.Options(), kSummaryRows, kPersonalRefreshRows, &app_.Clock());
}

void MainForm::PersonalInfo1Click() {
    // The full refresh runs only until the computer name is first known.
    PersonalForm& personal = app_.Personal();
    if (personal.ComputerName().empty()) {
        Refresh1Click();
        personal.Refresh1Click();
    }
    personal.ShowForm();
}

void MainForm::Save1Click() {
    const std::optional<std::string> path = saveDialog_.Show(Handle());
    if (!path) return;  // cancelled: nothing is refreshed and nothing is written
    Refresh1Click();
    SaveSummary(app_.System(), *path, saveDialog_.FilterIndex(), ReadSummaryRows(*this));
}

void MainForm::ExporttoHTML1Click() {
    // The rows are refreshed before the dialog, so a cancelled export still refreshes them.
    Refresh1Click();
    const std::optional<std::string> path = htmlDialog_.Show(Handle());
    if (!path) return;
    ExportSummaryHtml(app_.System(), *path, ReadSummaryRows(*this), app_.Personal().ComputerName(),
                      ui::LocaleShortDate() + " " + ui::LocaleLongTime());
}

void MainForm::ExportFullReport1Click() {
    const std::optional<std::string> path = fullReportDialog_.Show(Handle());
    if (!path) return;
    ui::BusyCursor busy;
    const InventoryFormat format =
        fullReportDialog_.FilterIndex() == kFullReportJsonFilter ? InventoryFormat::Json : InventoryFormat::Html;
    inventory::WriteInventory(app_.System(), *path, format, false, CurrentTimeRfc3339());
}

void MainForm::CopytoClipboard1Click() {
    Refresh1Click();
    const std::string text = BuildClipboardText(ReadSummaryRows(*this));
    ui::CopyTextToClipboard(Handle(), text);
    MessageBoxA(Handle(), kCopiedText, kCopiedTitle, MB_OK | MB_ICONINFORMATION);
}

void MainForm::Print1Click() {
    Refresh1Click();
    ReportLayout& report = app_.SummaryReport();
    for (int row = 1; row <= kSummaryRowCount; ++row) {
        ReportField* value = report.Find("QRInfo" + std::to_string(row));
        if (!value) continue;
        value->text = Text("Info" + std::to_string(row));
        if (ReportField* label = report.Find("QRDesc" + std::to_string(row))) label->text = Text(SummaryLabelName(row));
    }
    app_.Preview().Preview(report, ui::LocaleShortDate() + " " + ui::LocaleLongTime());
}

void MainForm::ShowBars(bool shown) {
    for (const char* bar : {kStripName, kStatusBarName}) ShowWindow(Control(bar), shown ? SW_SHOW : SW_HIDE);
    ArrangeControls();
}

void MainForm::QuickPrint1Click() {
    // The picture is of the summary alone, as large as the screen allows; the window comes back
    // restored, with its bars.
    ShowBars(false);
    ShowWindow(Handle(), SW_MAXIMIZE);
    UpdateWindow(Handle());
    ui::PrintClientAreaImage(Handle());
    ShowWindow(Handle(), SW_RESTORE);
    ShowBars(true);
}

void MainForm::Timer1Timer() {
    // Three independent steps; an error in one only ends that step.
    ui::StatusBar bar = Status(kStatusBarName);
    auto panel = [&bar](int index, const std::string& text) { bar.SetPanelText(index, text); };
    try {
        panel(0, "Date: " + ui::LocaleShortDate());
        panel(1, "Time: " + ui::LocaleLongTime());
    } catch (...) {
    }
    try {
        // The first sample only stores itself; from the second tick on the panel shows the usage.
        if (const std::optional<double> usage = SampleCPUUsage(app_.System(), usage_)) {
            panel(2, CpuUsagePanelText(*usage, ui::LocaleDecimalSeparator()));
        }
    } catch (...) {
    }
    try {
        std::array<std::uint8_t, 256> keyboard{};
        if (GetKeyboardState(keyboard.data())) {
            const LockPanels locks = LockPanelTexts(keyboard);
            panel(3, locks.num);
            panel(4, locks.caps);
            panel(5, locks.scroll);
        }
    } catch (...) {
    }
}

void MainForm::ScrollSummary(int request) {
    SendMessageA(Control(kSummaryAreaName), WM_VSCROLL, static_cast<WPARAM>(request), 0);
}

void MainForm::ransparentBackground1Click() {
    // While marked, pure white is the window's colour key: the summary's background disappears.
    const LONG exStyle = GetWindowLongA(Handle(), GWL_EXSTYLE);
    if (MenuChecked("ransparentBackground1")) {
        SetWindowLongA(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        SetLayeredWindowAttributes(Handle(), RGB(255, 255, 255), 0, LWA_COLORKEY);
    } else {
        SetWindowLongA(Handle(), GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

void MainForm::Exit1Click() {
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void MainForm::OpenAuthorSite() {
    orvane::OpenAuthorSite(app_.System());
}

platform::WindowRef MainForm::WindowRef() const {
    return reinterpret_cast<platform::WindowRef>(Handle());
}

void MainForm::OnCloseRequest() {
    HideForm();
    PostQuitMessage(0);
}

void MainForm::OnClick(const std::string& name) {
    // Tool-bar buttons: each runs the command of its menu twin, except CPU and Devices.
    if (name == "ToolButton1") InvokeMenu("Refresh1");
    if (name == "ToolButton2") InvokeMenu("PersonalInfo1");
    if (name == "ToolButton3") InvokeMenu("MemoryInfo1");
    if (name == "ToolButton4") InvokeMenu("DisplayInfo1");
    if (name == "ToolButton5") InvokeMenu("DiskInfo1");
    if (name == "ToolButton6") {
        ui::RunCommand(Handle(), [this] {
            app_.Cpu().StartUpdates();
            app_.Cpu().ShowForm();
        });
    }
    if (name == "ToolButton7") ui::RunCommand(Handle(), [this] { app_.Devices().ShowForm(); });
    if (name == "ToolButton8") InvokeMenu("Uninstallers1");
    if (name == "ToolButton9") InvokeMenu("Startup1");
    if (name == "ToolButton12") InvokeMenu("Sound1");
    if (name == "ToolButton14") InvokeMenu("MachineInfo1");
    if (name == "ToolButton13") InvokeMenu("Exit1");
    if (name == kMainLinkName) OpenAuthorSite();
}

void MainForm::OnTimer(const std::string& name) {
    if (name == "Timer1") Timer1Timer();
}

void MainForm::OnResize() {
    if (!Handle()) return;
    // The resize rule: every value control is the window's outer width less 200 pixels.
    try {
        RECT outer;
        GetWindowRect(Handle(), &outer);
        const int width = SummaryValueWidth(outer.right - outer.left, ui::Scale(kValueWidthMargin));
        for (int row = 1; row <= kSummaryRowCount; ++row) {
            HWND value = Control(SummaryValueName(row));
            if (!value) continue;
            RECT rect;
            GetWindowRect(value, &rect);
            SetWindowPos(value, nullptr, 0, 0, std::max(width, 0), rect.bottom - rect.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } catch (...) {
    }
}

bool MainForm::OnPaintBackground(const std::string& name, HDC dc, const RECT& rect) {
    if (name != kStripName || !stripPicture_.Get()) return false;
    // The band's columns are all alike: one stretched across the whole width paints it at any size.
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, stripPicture_.Get());
    BITMAP picture{};
    GetObjectA(stripPicture_.Get(), sizeof picture, &picture);
    StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, memory, 0, 0, picture.bmWidth,
               picture.bmHeight, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    return true;
}

void MainForm::OnBackgroundMouseDown(const std::string& container) {
    if (EqualsIgnoreCase(container, kStripName)) {
        OpenAuthorSite();
        return;
    }
    if (EqualsIgnoreCase(container, kSummaryAreaName)) {
        // Dragging by the background moves the window as its title bar would.
        ReleaseCapture();
        SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    }
}

bool MainForm::OnMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_GETMINMAXINFO:
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.y = ui::Scale(kMinimumHeight);
            result = 0;
            return true;
        case WM_MOUSEWHEEL: {
            // A page for each whole notch of movement: towards the user down, away from the user up.
            const int pages = ui::TakeWheelPages(wheelRemainder_, GET_WHEEL_DELTA_WPARAM(wParam));
            for (int i = 0; i < pages; ++i) ScrollSummary(SB_PAGEUP);
            for (int i = 0; i > pages; --i) ScrollSummary(SB_PAGEDOWN);
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

void MainForm::ShowValue(int row, const std::string& text) {
    SetTextNow(SummaryValueName(row), text);
    // Each row's probe and repaint, for the start-up benchmark.
    if (row >= 1 && row <= kSummaryRowCount) StartupMark(kSummaryRows[row - 1].label);
}

std::string MainForm::Value(int row) {
    return Text(SummaryValueName(row));
}

void MainForm::ShowPersonalValue(PersonalRow row, const std::string& text) {
    app_.ShowPersonalValue(row, text);
    for (const PersonalRowSpec& design : kPersonalRefreshRows) {
        if (design.row == row) StartupMark(design.label);
    }
}

std::optional<std::string> MainForm::TextOf(std::string_view name) {
    if (!Control(name)) return std::nullopt;
    return Text(name);
}

}  // namespace orvane
