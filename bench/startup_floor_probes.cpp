// On-demand benchmark: the floor program's work (bench/startup_floor.cpp) done through Orvane's own
// pieces: its three WMI probes, on their bounded helpers, over the Win32 layer, the trace and the file
// replacement. Beside the floor it shows what the program's WMI path and its layer cost on their own,
// without its windows and its other rows.
//   startup_floor_probes.exe file
#include <windows.h>
// After windows.h.
#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "app/startup_trace_win.h"
#include "core/replace_file.h"
#include "platform/win32/win32_system.h"
#include "probes/wmi.h"

namespace {

constexpr int kRows = 29;
constexpr int kRowPitch = 32;

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    orvane::StartupMark("entry");
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    if (FAILED(CoInitialize(nullptr))) return 1;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "OrvaneStartupFloorProbes";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 639, 510, nullptr, nullptr, instance, nullptr);
    HFONT font = CreateFontA(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
    orvane::StartupMark("window");
    HWND values[kRows]{};
    for (int row = 0; row < kRows; ++row) {
        const int top = 48 + row * kRowPitch;
        const std::string label = "Row " + std::to_string(row + 1);
        HWND edit = CreateWindowExA(0, "EDIT", label.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY, 8, top,
                                    130, 22, window, nullptr, instance, nullptr);
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        values[row] = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL,
                                      152, top, 439, 22, window, nullptr, instance, nullptr);
        SendMessageA(values[row], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr, instance, nullptr);
    orvane::StartupMark("controls");
    ShowWindow(window, SW_SHOWMAXIMIZED);
    orvane::StartupMark("ShowWindow");
    UpdateWindow(window);
    orvane::StartupMark("UpdateWindow");

    orvane::win32::Win32System sys;
    const std::string results[] = {orvane::GetBIOSManufacturer(sys), orvane::GetProductMake(sys),
                                   orvane::GetBIOSSerialNumber(sys)};
    orvane::StartupMark("WMI queries");
    Sleep(500);
    std::string report;
    for (int i = 0; i < 3; ++i) {
        SetWindowTextA(values[i], results[i].c_str());
        report += results[i] + "\r\n";
    }
    if (__argc > 1) orvane::ReplaceFileContents(sys, __argv[1], report);

    DestroyWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    DeleteObject(font);
    CoUninitialize();
    orvane::StartupMark("window destroyed, COM ended");
    orvane::WriteStartupTrace();
    return 0;
}
