// The launcher's calls behind the platform seam: command lines, the shell, its automation object, the
// system folders, monitor power, MCI, the warning beeper and the taskbar.
#include <windows.h>
// After windows.h.
#include <mmsystem.h>
#include <oleauto.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_system.h"

namespace orvane::win32 {

namespace {

std::string FolderFrom(UINT(WINAPI* call)(LPSTR, UINT)) {
    char buffer[MAX_PATH] = {};
    const UINT length = call(buffer, MAX_PATH);
    // A longer answer is the size the folder would need: no folder fits the designed buffer.
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

std::string Narrow(BSTR text) {
    return text ? win32::Narrow(text, SysStringLen(text)) : std::string();
}

// The strings of an automation exception, freed with their owner.
class ExceptionInfo {
public:
    ExceptionInfo() = default;
    ExceptionInfo(const ExceptionInfo&) = delete;
    ExceptionInfo& operator=(const ExceptionInfo&) = delete;
    ~ExceptionInfo() {
        SysFreeString(info_.bstrSource);
        SysFreeString(info_.bstrDescription);
        SysFreeString(info_.bstrHelpFile);
    }
    EXCEPINFO* Get() { return &info_; }
    std::string Description() {
        if (info_.pfnDeferredFillIn) info_.pfnDeferredFillIn(&info_);
        return Narrow(info_.bstrDescription);
    }
    HRESULT Code() const { return info_.scode != 0 ? info_.scode : static_cast<HRESULT>(info_.wCode); }

private:
    EXCEPINFO info_{};
};

}  // namespace

std::uint32_t Win32System::RunCommandLine(const std::string& commandLine, int show) {
    return WinExec(commandLine.c_str(), static_cast<UINT>(show));
}

std::intptr_t Win32System::ShellOpen(const platform::ShellExecuteRequest& request) {
    const auto text = [](const std::optional<std::string>& value) { return value ? value->c_str() : nullptr; };
    HINSTANCE answer = ShellExecuteA(reinterpret_cast<HWND>(request.parent), text(request.verb), request.file.c_str(),
                                     text(request.parameters), text(request.directory), request.show);
    return reinterpret_cast<std::intptr_t>(answer);
}

bool Win32System::FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Win32System::SystemDirectory() {
    return FolderFrom(GetSystemDirectoryA);
}

std::string Win32System::WindowsDirectory() {
    return FolderFrom(GetWindowsDirectoryA);
}

platform::ShellObjectAnswer Win32System::CallShellObject(const std::string& method,
                                                         std::optional<std::int32_t> argument) {
    CLSID shellClass{};
    HRESULT result = CLSIDFromProgID(L"Shell.Application", &shellClass);
    if (FAILED(result)) return {result, {}};
    // Released on every way out of the call.
    ComPtr<IDispatch> shell;
    result = CoCreateInstance(shellClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                              shell.PutVoid());
    if (FAILED(result) || !shell) return {FAILED(result) ? result : E_NOINTERFACE, {}};
    std::wstring name = Widen(method);
    LPOLESTR names[] = {name.data()};
    DISPID id = 0;
    result = shell->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(result)) return {result, {}};
    UniqueVariant value;
    DISPPARAMS parameters{};
    if (argument) {
        (*value.Get()).vt = VT_I4;
        (*value.Get()).lVal = *argument;
        parameters.rgvarg = value.Get();
        parameters.cArgs = 1;
    }
    UniqueVariant answer;
    ExceptionInfo exception;
    UINT argumentError = 0;
    result = shell->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, answer.Get(),
                           exception.Get(), &argumentError);
    if (result == DISP_E_EXCEPTION) {
        std::string description = exception.Description();
        const HRESULT code = exception.Code();
        return {FAILED(code) ? code : result, std::move(description)};
    }
    return {result, {}};
}

std::string Win32System::SystemErrorText(std::uint32_t code) {
    char buffer[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

void Win32System::SendMonitorPower(platform::WindowRef window, int state) {
    // Sent to the program's own window: a broadcast would wait on every window of the desktop.
    SendMessageA(reinterpret_cast<HWND>(window), WM_SYSCOMMAND, SC_MONITORPOWER, state);
}

std::uint32_t Win32System::SendMciCommand(const std::string& command, platform::WindowRef callback) {
    return mciSendStringA(command.c_str(), nullptr, 0, reinterpret_cast<HWND>(callback));
}

std::string Win32System::MciErrorText(std::uint32_t code) {
    char buffer[256] = {};
    if (!mciGetErrorStringA(code, buffer, sizeof buffer)) return {};
    return buffer;
}

bool Win32System::SetWarningBeep(bool on) {
    return SystemParametersInfoA(SPI_SETBEEP, on ? 1 : 0, nullptr, SPIF_UPDATEINIFILE) != FALSE;
}

bool Win32System::ShowTaskbar(bool shown) {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar) return false;
    ShowWindow(taskbar, shown ? SW_SHOW : SW_HIDE);
    return true;
}

}  // namespace orvane::win32
