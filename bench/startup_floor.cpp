// On-demand benchmark: the least program that does a batch report's required work, written straight
// onto the system's interfaces and sharing no code with Orvane. It starts as a windowed program, shows
// one maximised window with a summary's 29 label edits, 29 value edits and a status bar, initialises
// COM for its one thread, asks WMI for the three firmware values through IWbemLocator and
// IWbemServices on that thread, sleeps the clock measurement's 500 ms, writes the three values to the
// file named on the command line and ends. What a batch report spends beyond this is Orvane's own.
//   startup_floor.exe file
#include <windows.h>
// After windows.h.
#include <commctrl.h>
#include <objbase.h>
#include <oleauto.h>
#include <wbemcli.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kRows = 29;
constexpr int kRowPitch = 32;

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The named property of the query's last instance, as ANSI text; empty on any failure or a Null.
void QueryLast(IWbemServices* services, const wchar_t* query, const wchar_t* property, char* out, int size) {
    out[0] = '\0';
    BSTR language = SysAllocString(L"WQL");
    BSTR text = SysAllocString(query);
    IEnumWbemClassObject* instances = nullptr;
    const HRESULT queried = services->ExecQuery(language, text, 0, nullptr, &instances);
    SysFreeString(text);
    SysFreeString(language);
    if (FAILED(queried) || !instances) return;
    for (;;) {
        IWbemClassObject* instance = nullptr;
        ULONG returned = 0;
        if (instances->Next(static_cast<LONG>(WBEM_INFINITE), 1, &instance, &returned) != S_OK || returned != 1) break;
        VARIANT value;
        VariantInit(&value);
        out[0] = '\0';
        if (SUCCEEDED(instance->Get(property, 0, &value, nullptr, nullptr)) && value.vt != VT_NULL &&
            SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BSTR))) {
            WideCharToMultiByte(CP_ACP, 0, value.bstrVal, -1, out, size, nullptr, nullptr);
        }
        VariantClear(&value);
        instance->Release();
    }
    instances->Release();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    const bool com = SUCCEEDED(CoInitialize(nullptr));

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "StartupFloor";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 639, 510, nullptr, nullptr, instance, nullptr);
    HFONT font = CreateFontA(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
    HWND values[kRows]{};
    for (int row = 0; row < kRows; ++row) {
        const int top = 48 + row * kRowPitch;
        char label[16];
        std::snprintf(label, sizeof label, "Row %d", row + 1);
        HWND edit = CreateWindowExA(0, "EDIT", label, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY, 8, top, 130, 22,
                                    window, nullptr, instance, nullptr);
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        values[row] = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL,
                                      152, top, 439, 22, window, nullptr, instance, nullptr);
        SendMessageA(values[row], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    UpdateWindow(window);

    // One connection to this computer's namespace serves the three queries.
    char results[3][256] = {};
    IWbemLocator* locator = nullptr;
    if (com && SUCCEEDED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                          reinterpret_cast<void**>(&locator)))) {
        BSTR nameSpace = SysAllocString(L"root\\cimv2");
        IWbemServices* services = nullptr;
        if (SUCCEEDED(locator->ConnectServer(nameSpace, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services))) {
            QueryLast(services, L"SELECT * FROM Win32_BIOS", L"Manufacturer", results[0], sizeof results[0]);
            QueryLast(services, L"SELECT * FROM Win32_ComputerSystemProduct", L"Name", results[1], sizeof results[1]);
            QueryLast(services, L"SELECT * FROM Win32_BIOS", L"SerialNumber", results[2], sizeof results[2]);
            services->Release();
        }
        SysFreeString(nameSpace);
        locator->Release();
    }
    Sleep(500);

    char report[3 * 258] = {};
    for (int i = 0; i < 3; ++i) {
        SetWindowTextA(values[i], results[i]);
        std::strcat(report, results[i]);
        std::strcat(report, "\r\n");
    }
    int code = 0;
    if (__argc > 1) {
        HANDLE file = CreateFileA(__argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        const DWORD length = static_cast<DWORD>(std::strlen(report));
        if (file == INVALID_HANDLE_VALUE || !WriteFile(file, report, length, &written, nullptr) || written != length) {
            code = 1;
        }
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }

    DestroyWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    DeleteObject(font);
    if (com) CoUninitialize();
    return code;
}
