#include "app/main_window_win.h"

#include <shellapi.h>

#include <array>
#include <cstring>

#include "app/application_win.h"
#include "app/batch.h"
#include "app/inventory_batch_win.h"
#include "app/launcher.h"
#include "app/main_window_layout.h"
#include "app/printed_report.h"
#include "app/report_formats.h"
#include "app/report_outputs.h"
#include "app/status_ticker.h"
#include "app/version_gate.h"
#include "app/web_addresses.h"
#include "core/error.h"
#include "core/text.h"
#include "inventory/inventory_batch.h"
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

ui::PictureSource MenuPictureOf(res::MenuPicture which) {
    return [which](int pixels) { return res::Rasterise(res::OutputMenuPicture(which), pixels); };
}

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
    using ui::Ctrl;
    using ui::Key;
    using ui::MenuItem;
    auto item = [](const char* name, const char* caption, ui::Shortcut shortcut = {},
                   std::function<void()> onClick = {}) {
        return MenuItem{name, caption, shortcut, std::move(onClick), false, true, {}};
    };
    auto check = [](const char* name, const char* caption, ui::Shortcut shortcut = {},
                    std::function<void()> onClick = {}) {
        return MenuItem{name, caption, shortcut, std::move(onClick), true, true, {}};
    };
    auto menu = [](const char* caption, std::vector<MenuItem> items, bool visible = true) {
        return MenuItem{"", caption, {}, {}, false, visible, std::move(items)};
    };
    const MenuItem separator = MenuItem::Separator();
    // The launcher's items: the call is found on this system each time the item's menu opens, and an item
    // whose tool is missing is greyed.
    auto launch = [this, &item](const char* name, const char* caption) {
        MenuItem launcher = item(name, caption, {}, [this, name] { Launch(app_.System(), name, WindowRef()); });
        launcher.available = [this, name] { return LaunchAvailable(app_.System(), name); };
        return launcher;
    };
    MenuItem controlPanelItem = launch("ControlPanel2", "Control Panel");
    controlPanelItem.visible = false;
    auto show = [this](auto window) { return [this, window] { (app_.*window)().ShowForm(); }; };
    // The drop-down of the first tool button: each item invokes its main-menu twin.
    auto output = [this](const char* name, const char* caption, std::string target, res::MenuPicture picture) {
        return MenuItem{name,  caption, {}, [this, target] { InvokeMenu(target); },
                        false, true,    {}, MenuPictureOf(picture)};
    };

    return {
        menu("&File", {item("Save1", "Save", Key(ui::kKeyF2), [this] { Save1Click(); }),
                       item("ExporttoHTML1", "Export to HTML", {}, [this] { ExporttoHTML1Click(); }),
                       item("ExportFullReport1", "Export Full Report...", {}, [this] { ExportFullReport1Click(); }),
                       separator,
                       item("Print1", "Print", Ctrl('P'), [this] { Print1Click(); }),
                       item("QuickPrint1", "Quick Print", {}, [this] { QuickPrint1Click(); }), separator,
                       item("Exit1", "Exit", Key(ui::kKeyF12), [this] { Exit1Click(); })}),
        menu("&Edit", {item("CopytoClipboard1", "Copy to Clipboard", Ctrl('C'), [this] { CopytoClipboard1Click(); })}),
        menu("&View", {item("Refresh1", "System Info", Key(ui::kKeyF5), [this] { Refresh1Click(); }),
                       item("PersonalInfo1", "Personal Info", Key(ui::kKeyF6), [this] { PersonalInfo1Click(); }),
                       item("MemoryInfo1", "Memory Info", Key(ui::kKeyF7), show(&Application::Memory)),
                       item("DisplayInfo1", "Display Info", Key(ui::kKeyF8), show(&Application::Display)),
                       item("DiskInfo1", "Disk Info", Key(ui::kKeyF9), show(&Application::Disk)),
                       item("Uninstallers1", "App Info", Key(ui::kKeyF10), [this] { app_.Uninstall().Open(); }),
                       item("CPUInfo1", "CPU Info", Key(ui::kKeyF11), show(&Application::Cpu)),
                       item("Sound1", "Sound", {}, show(&Application::Sound)),
                       item("Startup1", "Startup", {},
                            [this] {
                                app_.Startup().ShowForm();
                                app_.Startup().Refresh1Click();
                            }),
                       separator,
                       check("ransparentBackground1", "Transparent Background", Ctrl('T'),
                             [this] { ransparentBackground1Click(); }),
                       separator, item("ScrollDown1", "Scroll Down", Ctrl('D'), [this] { ScrollSummary(SB_PAGEDOWN); }),
                       item("ScrollUp1", "Scroll Up", Ctrl('U'), [this] { ScrollSummary(SB_PAGEUP); })}),
        menu("&System",
             {launch("Run1", "Run"), launch("Explorer1", "Explorer"), separator, launch("FindFiles1", "Find Files"),
              launch("FindComputer1", "Find Computer"), separator, launch("MinimizeAll1", "Minimize All"),
              launch("rayProperties1", "Tray Properties"), controlPanelItem,
              check("HideTaskbar1", "Hide Taskbar", {},
                    [this] { ApplyTaskbarMark(app_.System(), MenuChecked("HideTaskbar1")); }),
              separator, launch("ShutdownWindows1", "Shutdown System"), separator,
              launch("askManager1", "Task Manager"), separator, launch("VolumeControl1", "Volume Control")}),
        menu("&Control Panel",
             {launch("Accessibility1", "Accessibility"), launch("AddRemovePrograms1", "Add/Remove Programs"),
              launch("Display1", "Display"), launch("Desktop1", "Desktop"), launch("Internet1", "Internet"),
              launch("Regional1", "Regional"), launch("Joystick1", "Joystick"), launch("Mouse1", "Mouse"),
              launch("Multimedia1", "Multimedia"), launch("Modems1", "Modems"), launch("Network1", "Network"),
              launch("ODBC1", "ODBC"), launch("Password1", "Password"), launch("Printers1", "Printers"),
              launch("System2", "System"), launch("heme1", "Theme"), launch("imeDate1", "Time/Date"),
              launch("Workgroup1", "Workgroup")}),
        menu("Programs", {launch("SystemFileChecker1", "System File Checker"), launch("Scandisk1", "Scandisk"),
                          launch("Defrag1", "Defrag"), launch("SysEdit1", "Sys Edit"),
                          launch("FileSignatureVerification1", "File Signature Verification"),
                          launch("DeviceManager1", "Device Manager"), launch("Dxdiag1", "Dxdiag"),
                          launch("OnScreenKeyboard1", "On Screen Keyboard")}),
        menu("Hardware",
             {item("StandbyMonitor1", "Standby Monitor", {},
                   [this] { SetMonitorPower(app_.System(), WindowRef(), kMonitorStandby); }),
              item("SwitchOffMonitor1", "Switch Off Monitor", {},
                   [this] { SetMonitorPower(app_.System(), WindowRef(), kMonitorOff); }),
              separator, item("EjectCD1", "Eject CD", {}, [this] { MoveCdTray(app_.System(), true, WindowRef()); }),
              item("LoadCD1", "Load CD", {}, [this] { MoveCdTray(app_.System(), false, WindowRef()); }), separator,
              check("MuteSpeakers1", "Mute Speakers", {},
                    [this] { ApplyMuteSpeakersMark(app_.System(), MenuChecked("MuteSpeakers1")); }),
              check("MuteMicrophone1", "Mute Microphone", {},
                    [this] { app_.Sound().SetMicrophoneMute(MenuChecked("MuteMicrophone1"), Handle()); })}),
        menu("Language", {item("English1", "English"), item("Spanish1", "Spanish")}, false),
        menu("&Help", {item("UsingOrvane1", "Using Orvane", {}, show(&Application::Help)),
                       launch("Orvanewebpage1", "Orvane - Webpage"), separator,
                       item("About1", "About", {}, [this] { app_.About().ShowModal(); })}),
        menu(kOutputMenuCaption,
             {output("Save2", "Save", "Save1", res::MenuPicture::Save),
              output("InfotoClipboard1", "Info to Clipboard", "CopytoClipboard1", res::MenuPicture::Clipboard),
              output("Print2", "Print", "Print1", res::MenuPicture::Print),
              output("ExporttoHTML2", "Export to HTML", "ExporttoHTML1", res::MenuPicture::Html)},
             false),
    };
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
        WriteTextReport(app_.System(), path, ReadSummaryRows(*this));
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
    ShellExecuteA(nullptr, "open", kAuthorSite, nullptr, nullptr, SW_SHOWNORMAL);
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
}

std::string MainForm::Value(int row) {
    return Text(SummaryValueName(row));
}

void MainForm::ShowPersonalValue(PersonalRow row, const std::string& text) {
    app_.Personal().ShowRefreshValue(row, text);
}

std::optional<std::string> MainForm::TextOf(std::string_view name) {
    if (!Control(name)) return std::nullopt;
    return Text(name);
}

}  // namespace orvane
