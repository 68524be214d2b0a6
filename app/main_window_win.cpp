#include "app/main_window_win.h"

#include <shellapi.h>

#include <array>
#include <cstring>

#include "app/application_win.h"
#include "app/batch.h"
#include "app/main_window_layout.h"
#include "app/printed_report.h"
#include "app/report_formats.h"
#include "app/report_outputs.h"
#include "app/status_ticker.h"
#include "app/version_gate.h"
#include "app/web_addresses.h"
#include "core/error.h"
#include "res/toolbar_pictures.h"
#include "ui/locale_win.h"
#include "ui/clipboard_win.h"
#include "ui/print_image_win.h"
#include "ui/menu_win.h"

namespace orvane {

namespace {

constexpr int kMinimumHeight = 450;
constexpr int kStripHeight = 67;
constexpr int kButtonSize = 53;
constexpr int kPictureSize = 32;
constexpr int kSeparatorWidth = 8;
constexpr UINT_PTR kTickerTimer = 1;
constexpr const char* kStripClass = "TCoolBar";

// Tool-bar buttons, left to right; a null caption is a separator.
struct ToolButtonSpec {
    int id;
    const char* caption;
    const char* hint;
    res::ToolPicture picture;
};
enum ToolButtonId : int {
    kToolSystem = 900, kToolPersonal, kToolMemory, kToolDisplay, kToolDrives, kToolCpu, kToolDevices,
    kToolAppInfo, kToolStartup, kToolSound, kToolExit, kToolSeparator,
};
// Columns: id, caption, hint, picture.
constexpr ToolButtonSpec kToolButtons[] = {
    {kToolSystem,    " System",    nullptr,         res::ToolPicture::System  },
    {kToolSeparator, nullptr,      nullptr,         res::ToolPicture::System  },
    {kToolPersonal,  "Personal",   "Personal Info", res::ToolPicture::Personal},
    {kToolMemory,    "Memory",     "Memory Info",   res::ToolPicture::Memory  },
    {kToolDisplay,   "Display",    "Display Info",  res::ToolPicture::Display },
    {kToolDrives,    "Drives",     "Disk Info",     res::ToolPicture::Drives  },
    {kToolCpu,       "CPU",        nullptr,         res::ToolPicture::Cpu     },
    {kToolDevices,   "Devices",    nullptr,         res::ToolPicture::Devices },
    {kToolAppInfo,   "App Info",   nullptr,         res::ToolPicture::AppInfo },
    {kToolStartup,   "Startup",    nullptr,         res::ToolPicture::Startup },
    {kToolSound,     "Sound",      nullptr,         res::ToolPicture::Sound   },
    {kToolSeparator, nullptr,      nullptr,         res::ToolPicture::System  },
    {kToolExit,      "Exit (F12)", "Exit Program",  res::ToolPicture::Exit    },
};

// A 32-bit top-down DIB with premultiplied alpha, as image lists and menus draw them.
HBITMAP BitmapFromPixels(const std::vector<std::uint32_t>& pixels, int width, int height, bool premultiply) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) return bitmap;
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        std::uint32_t p = pixels[i];
        if (premultiply) {
            const std::uint32_t a = p >> 24;
            auto channel = [&](int shift) { return (((p >> shift) & 0xFF) * a + 127) / 255; };
            p = (a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
        }
        out[i] = p;
    }
    return bitmap;
}

LRESULT CALLBACK StripProc(HWND strip, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<ui::Form*>(GetWindowLongPtrA(strip, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(strip, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
    } else if (form) {
        bool handled = false;
        const LRESULT result = form->RouteFromChild(strip, message, wParam, lParam, handled);
        if (handled) return result;
    }
    return DefWindowProcA(strip, message, wParam, lParam);
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
      htmlDialog_(kHtmlFilter, "htm", true) {}

MainForm::~MainForm() {
    if (toolImages_) ImageList_Destroy(toolImages_);
    if (outputMenu_) DestroyMenu(outputMenu_);
}

ui::Layout MainForm::BuildLayout() { return BuildMainWindowLayout(kAuthorSite); }

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
    MenuItem controlPanelItem = item("ControlPanel2", "Control Panel");
    controlPanelItem.visible = false;
    auto show = [this](ui::Form& (Application::*window)()) { return [this, window] { (app_.*window)().ShowForm(); }; };

    return {
        menu("&File", {item("Save1", "Save", Key(ui::kKeyF2), [this] { Save1Click(); }),
                       item("ExporttoHTML1", "Export to HTML", {}, [this] { ExporttoHTML1Click(); }), separator,
                       item("Print1", "Print", Ctrl('P'), [this] { Print1Click(); }),
                       item("QuickPrint1", "Quick Print", {}, [this] { QuickPrint1Click(); }), separator,
                       item("Exit1", "Exit", Key(ui::kKeyF12), [this] { Exit1Click(); })}),
        menu("&Edit", {item("CopytoClipboard1", "Copy to Clipboard", Ctrl('C'), [this] { CopytoClipboard1Click(); })}),
        menu("&View",
             {item("Refresh1", "System Info", Key(ui::kKeyF5), [this] { Refresh1Click(); }),
              item("PersonalInfo1", "Personal Info", Key(ui::kKeyF6), [this] { PersonalInfo1Click(); }),
              item("MemoryInfo1", "Memory Info", Key(ui::kKeyF7), show(&Application::Memory)),
              item("DisplayInfo1", "Display Info", Key(ui::kKeyF8), show(&Application::Display)),
              item("DiskInfo1", "Disk Info", Key(ui::kKeyF9), show(&Application::Disk)),
              item("Uninstallers1", "App Info", Key(ui::kKeyF10), show(&Application::Uninstall)),
              item("CPUInfo1", "CPU Info", Key(ui::kKeyF11), show(&Application::Cpu)),
              item("Sound1", "Sound", {}, show(&Application::Sound)),
              item("Startup1", "Startup", {},
                   [this] {
                       app_.Startup().ShowForm();
                       app_.Startup().InvokeMenu("Refresh1");
                   }),
              separator,
              check("ransparentBackground1", "Transparent Background", Ctrl('T'),
                    [this] { ransparentBackground1Click(); }),
              separator,
              item("ScrollDown1", "Scroll Down", Ctrl('D'), [this] { ScrollSummary(SB_PAGEDOWN); }),
              item("ScrollUp1", "Scroll Up", Ctrl('U'), [this] { ScrollSummary(SB_PAGEUP); })}),
        menu("&System", {item("Run1", "Run"), item("Explorer1", "Explorer"), separator, item("FindFiles1", "Find Files"),
                         item("FindComputer1", "Find Computer"), separator, item("MinimizeAll1", "Minimize All"),
                         item("rayProperties1", "Tray Properties"), controlPanelItem,
                         check("HideTaskbar1", "Hide Taskbar"), separator,
                         item("ShutdownWindows1", "Shutdown System"), separator, item("askManager1", "Task Manager"),
                         separator, item("VolumeControl1", "Volume Control")}),
        menu("&Control Panel",
             {item("Accessibility1", "Accessibility"), item("AddRemovePrograms1", "Add/Remove Programs"),
              item("Display1", "Display"), item("Desktop1", "Desktop"), item("Internet1", "Internet"),
              item("Regional1", "Regional"), item("Joystick1", "Joystick"), item("Mouse1", "Mouse"),
              item("Multimedia1", "Multimedia"), item("Modems1", "Modems"), item("Network1", "Network"),
              item("ODBC1", "ODBC"), item("Password1", "Password"), item("Printers1", "Printers"),
              item("System2", "System"), item("heme1", "Theme"), item("imeDate1", "Time/Date"),
              item("Workgroup1", "Workgroup")}),
        menu("Programs",
             {item("SystemFileChecker1", "System File Checker"), item("Scandisk1", "Scandisk"),
              item("Defrag1", "Defrag"), item("SysEdit1", "Sys Edit"),
              item("FileSignatureVerification1", "File Signature Verification"),
              item("DeviceManager1", "Device Manager"), item("Dxdiag1", "Dxdiag"),
              item("OnScreenKeyboard1", "On Screen Keyboard")}),
        menu("Hardware", {item("StandbyMonitor1", "Standby Monitor"), item("SwitchOffMonitor1", "Switch Off Monitor"),
                          separator, item("EjectCD1", "Eject CD"), item("LoadCD1", "Load CD"), separator,
                          check("MuteSpeakers1", "Mute Speakers"), check("MuteMicrophone1", "Mute Microphone")}),
        menu("Language", {item("English1", "English"), item("Spanish1", "Spanish")}, false),
        menu("&Help", {item("UsingOrvane1", "Using Orvane", {}, show(&Application::Help)),
                       item("Orvanewebpage1", "Orvane - Webpage", {},
                            [] { ShellExecuteA(nullptr, "open", kProductPage, nullptr, nullptr, SW_SHOWNORMAL); }),
                       separator, item("About1", "About", {}, [this] { app_.About().ShowModal(); })}),
        // The drop-down of the first tool button: each item invokes the main-menu command.
        menu("Output",
             {item("Save2", "Save", {}, [this] { InvokeMenu("Save1"); }),
              item("InfotoClipboard1", "Info to Clipboard", {}, [this] { InvokeMenu("CopytoClipboard1"); }),
              item("Print2", "Print", {}, [this] { InvokeMenu("Print1"); }),
              item("ExporttoHTML2", "Export to HTML", {}, [this] { InvokeMenu("ExporttoHTML1"); })},
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
    CreateToolBar();
    CreateStatusBar();
    SetTimer(Handle(), kTickerTimer, 1000, nullptr);
}

void MainForm::CreateToolBar() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA stripClass{};
    if (!GetClassInfoA(instance, kStripClass, &stripClass)) {
        stripClass.lpfnWndProc = StripProc;
        stripClass.hInstance = instance;
        stripClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        stripClass.lpszClassName = kStripClass;
        RegisterClassA(&stripClass);
    }
    RECT client;
    GetClientRect(Handle(), &client);
    strip_ = CreateWindowExA(0, kStripClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, client.right,
                             ui::Scale(kStripHeight), Handle(), nullptr, instance, this);
    const int stripWidth = ui::Scale(1600);
    const int stripHeight = ui::Scale(kStripHeight);
    stripPicture_ = win32::GdiObject<HBITMAP>(
        BitmapFromPixels(res::StripBackground(stripWidth, stripHeight), stripWidth, stripHeight, false));

    toolBar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | TBSTYLE_TRANSPARENT |
                                   CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                               ui::Scale(4), ui::Scale(7), ui::Scale(900), ui::Scale(kButtonSize + 2), strip_,
                               nullptr, instance, nullptr);
    SendMessageA(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolBar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    const int picture = ui::Scale(kPictureSize);
    toolImages_ = ImageList_Create(picture, picture, ILC_COLOR32, 11, 0);
    std::vector<TBBUTTON> buttons;
    for (const ToolButtonSpec& design : kToolButtons) {
        TBBUTTON button{};
        if (!design.caption) {
            button.iBitmap = ui::Scale(kSeparatorWidth);
            button.fsStyle = BTNS_SEP;
        } else {
            HBITMAP bitmap =
                BitmapFromPixels(res::Rasterise(res::ToolBarPicture(design.picture), picture), picture, picture, true);
            button.iBitmap = ImageList_Add(toolImages_, bitmap, nullptr);
            DeleteObject(bitmap);
            button.idCommand = design.id;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = static_cast<BYTE>(BTNS_BUTTON | (design.id == kToolSystem ? BTNS_DROPDOWN : 0));
            button.iString = SendMessageA(toolBar_, TB_ADDSTRINGA, 0,
                                          reinterpret_cast<LPARAM>((std::string(design.caption) + '\0').c_str()));
        }
        buttons.push_back(button);
    }
    SendMessageA(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(toolImages_));
    SendMessageA(toolBar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(ui::Scale(kButtonSize), ui::Scale(kButtonSize)));
    SendMessageA(toolBar_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(toolBar_, TB_AUTOSIZE, 0, 0);
    // The tool bar covers its buttons only, so a click beside them reaches the strip.
    SIZE size{};
    SendMessageA(toolBar_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    SetWindowPos(toolBar_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);

    // The output menu with its small pictures.
    const ui::MenuItem* output = nullptr;
    for (const auto& top : Menu().Bar()) {
        if (top.caption == "Output") output = &top;
    }
    if (output) {
        outputMenu_ = ui::BuildPopupHandle(Menu(), output->items);
        const res::MenuPicture pictures[] = {res::MenuPicture::Save, res::MenuPicture::Clipboard,
                                             res::MenuPicture::Print, res::MenuPicture::Html};
        const int small = ui::Scale(16);
        for (int i = 0; i < 4; ++i) {
            menuPictures_.emplace_back(BitmapFromPixels(
                res::Rasterise(res::OutputMenuPicture(pictures[i]), small), small, small, true));
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_BITMAP;
            info.hbmpItem = menuPictures_.back().Get();
            SetMenuItemInfoA(outputMenu_, static_cast<UINT>(i), TRUE, &info);
        }
    }
}

void MainForm::CreateStatusBar() {
    statusBar_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, Handle(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    std::array<int, kStatusPanelCount> edges{};
    for (int i = 0; i < kStatusPanelCount; ++i) edges[static_cast<std::size_t>(i)] = ui::Scale(kStatusPanelWidth * (i + 1));
    SendMessageA(statusBar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < kStatusPanelCount; ++i) {
        SendMessageA(statusBar_, SB_SETTEXTA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(kInitialStatusTexts[static_cast<std::size_t>(i)]));
    }
    RECT bar;
    GetWindowRect(statusBar_, &bar);
    SetFillInsets(ui::Scale(kStripHeight), bar.bottom - bar.top);
}

void MainForm::OnShow() {
    // The restored height; the window itself opens maximised.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(Handle(), &placement)) {
        placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + ui::Scale(kMinimumHeight);
        SetWindowPlacement(Handle(), &placement);
    }
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
    RunSummaryRefresh(app_.System(), *this, app_.Options());
}

void MainForm::PersonalInfo1Click() {
    // The full refresh runs only until the computer name is first known.
    ui::Form& personal = app_.Personal();
    if (personal.Text("Info1").empty()) {
        Refresh1Click();
        personal.InvokeMenu("Refresh1");
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
    ExportSummaryHtml(app_.System(), *path, ReadSummaryRows(*this), app_.Personal().Text("Info1"),
                      ui::LocaleShortDate() + " " + ui::LocaleLongTime());
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

void MainForm::QuickPrint1Click() {
    // The picture is of the summary alone, as large as the screen allows; the window comes back
    // restored, with its bars.
    ShowWindow(strip_, SW_HIDE);
    ShowWindow(statusBar_, SW_HIDE);
    SetFillInsets(0, 0);
    ShowWindow(Handle(), SW_MAXIMIZE);
    UpdateWindow(Handle());
    ui::PrintClientAreaImage(Handle());
    ShowWindow(Handle(), SW_RESTORE);
    ShowWindow(strip_, SW_SHOW);
    ShowWindow(statusBar_, SW_SHOW);
    RECT bar;
    GetWindowRect(statusBar_, &bar);
    SetFillInsets(ui::Scale(kStripHeight), bar.bottom - bar.top);
}

void MainForm::Timer1Timer() {
    // Three independent steps; an error in one only ends that step.
    if (!statusBar_) return;
    auto panel = [this](int index, const std::string& text) {
        SendMessageA(statusBar_, SB_SETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    };
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

void MainForm::Exit1Click() { PostMessageA(Handle(), WM_CLOSE, 0, 0); }

void MainForm::OpenAuthorSite() { ShellExecuteA(nullptr, "open", kAuthorSite, nullptr, nullptr, SW_SHOWNORMAL); }

void MainForm::OnCloseRequest() {
    HideForm();
    PostQuitMessage(0);
}

void MainForm::OnCommand(int id) {
    // Tool-bar buttons: each runs the command of its menu twin.
    switch (id) {
        case kToolSystem: InvokeMenu("Refresh1"); break;
        case kToolPersonal: InvokeMenu("PersonalInfo1"); break;
        case kToolMemory: InvokeMenu("MemoryInfo1"); break;
        case kToolDisplay: InvokeMenu("DisplayInfo1"); break;
        case kToolDrives: InvokeMenu("DiskInfo1"); break;
        case kToolCpu: app_.Cpu().ShowForm(); break;
        case kToolDevices: app_.Devices().ShowForm(); break;
        case kToolAppInfo: InvokeMenu("Uninstallers1"); break;
        case kToolStartup: InvokeMenu("Startup1"); break;
        case kToolSound: InvokeMenu("Sound1"); break;
        case kToolExit: InvokeMenu("Exit1"); break;
        default: break;
    }
}

void MainForm::OnResize() {
    if (!Handle()) return;
    if (strip_) {
        RECT client;
        GetClientRect(Handle(), &client);
        SetWindowPos(strip_, nullptr, 0, 0, client.right, ui::Scale(kStripHeight), SWP_NOMOVE | SWP_NOZORDER);
    }
    if (statusBar_) SendMessageA(statusBar_, WM_SIZE, 0, 0);
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

void MainForm::OnLinkClick(const std::string& name) {
    if (name == kMainLinkName) OpenAuthorSite();
}

void MainForm::OnBackgroundMouseDown(HWND container) {
    if (container == strip_) {
        OpenAuthorSite();
        return;
    }
    if (container == Control(kSummaryAreaName)) {
        // Dragging by the background moves the window as its title bar would.
        ReleaseCapture();
        SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    }
}

void MainForm::ShowOutputMenu(const RECT& button) {
    if (!outputMenu_) return;
    POINT corner{button.left, button.bottom};
    ClientToScreen(toolBar_, &corner);
    TrackPopupMenu(outputMenu_, TPM_LEFTALIGN | TPM_TOPALIGN, corner.x, corner.y, 0, Handle(), nullptr);
}

bool MainForm::OnMessage(HWND source, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_GETMINMAXINFO:
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.y = ui::Scale(kMinimumHeight);
            result = 0;
            return true;
        case WM_TIMER:
            if (wParam == kTickerTimer) Timer1Timer();
            result = 0;
            return true;
        case WM_MOUSEWHEEL: {
            // Each notch pages the summary: towards the user down, away from the user up.
            const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
            ScrollSummary(delta < 0 ? SB_PAGEDOWN : SB_PAGEUP);
            result = 0;
            return true;
        }
        case WM_ERASEBKGND:
            if (source == strip_ && stripPicture_.Get()) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                HDC memory = CreateCompatibleDC(dc);
                HGDIOBJ old = SelectObject(memory, stripPicture_.Get());
                RECT client;
                GetClientRect(strip_, &client);
                BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
                SelectObject(memory, old);
                DeleteDC(memory);
                result = TRUE;
                return true;
            }
            return false;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == toolBar_ && header->code == TBN_DROPDOWN) {
                const auto* drop = reinterpret_cast<const NMTOOLBARA*>(lParam);
                RECT button{};
                SendMessageA(toolBar_, TB_GETRECT, static_cast<WPARAM>(drop->iItem), reinterpret_cast<LPARAM>(&button));
                ShowOutputMenu(button);
                result = TBDDRET_DEFAULT;
                return true;
            }
            if (header->code == TTN_GETDISPINFOA) {
                auto* tip = reinterpret_cast<NMTTDISPINFOA*>(lParam);
                for (const ToolButtonSpec& design : kToolButtons) {
                    if (static_cast<UINT_PTR>(design.id) == header->idFrom && design.hint) {
                        tip->lpszText = const_cast<char*>(design.hint);
                    }
                }
                result = 0;
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

void MainForm::ShowValue(int row, const std::string& text) { SetTextNow(SummaryValueName(row), text); }

std::string MainForm::Value(int row) { return Text(SummaryValueName(row)); }

void MainForm::ShowPersonalValue(PersonalRow row, const std::string& text) {
    for (const PersonalRowSpec& design : kPersonalRefreshRows) {
        if (design.row == row) app_.Personal().SetTextNow(design.valueName, text);
    }
}

std::optional<std::string> MainForm::TextOf(std::string_view name) {
    if (!Control(name)) return std::nullopt;
    return Text(name);
}

}  // namespace orvane
