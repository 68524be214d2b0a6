#pragma once
// Starting programs and acting on the desktop: command lines, the shell's execution and automation
// object, the system folders, monitor power, the CD tray's MCI commands, the warning beeper and the
// taskbar.

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::platform {

// A window of the program carried through the seam without its type; 0 is no window.
using WindowRef = std::uintptr_t;

// The shell's execute call's arguments (Win32: the ANSI ShellExecute); nullopt passes a null pointer.
struct ShellExecuteRequest {
    WindowRef parent = 0;
    std::optional<std::string> verb{};
    std::string file{};
    std::optional<std::string> parameters{};
    std::optional<std::string> directory{};
    int show = 1;

    bool operator==(const ShellExecuteRequest&) const = default;
};

// How a late-bound call on the "Shell.Application" object ended.
struct ShellObjectAnswer {
    std::int32_t result = 0;  // the HRESULT of the step that failed, or of the call itself
    std::string description;  // the automation exception's own description, when it gave one
};

class Shell {
public:
    virtual ~Shell() = default;
    // WinExec; its answer (above 31 when the program started).
    virtual std::uint32_t RunCommandLine(const std::string& commandLine, int show) = 0;
    // The shell's execute call; its answer (above 32 when it worked). Not named after the call, which the
    // shell header makes a macro.
    virtual std::intptr_t ShellOpen(const ShellExecuteRequest& request) = 0;
    // GetFileAttributesA succeeds for the path.
    virtual bool FileExists(const std::string& path) = 0;
    // GetSystemDirectoryA and GetWindowsDirectoryA, into buffers of 260 characters.
    virtual std::string SystemDirectory() = 0;
    virtual std::string WindowsDirectory() = 0;
    // Creates a "Shell.Application" object, looks the method up by name and calls it with no argument or
    // one integer, then releases the object.
    virtual ShellObjectAnswer CallShellObject(const std::string& method, std::optional<std::int32_t> argument) = 0;
    // FormatMessageA's text for a system error or HRESULT, without its line end; empty when it has none.
    virtual std::string SystemErrorText(std::uint32_t code) = 0;
    // WM_SYSCOMMAND with SC_MONITORPOWER and the power state, sent to the window.
    virtual void SendMonitorPower(WindowRef window, int state) = 0;
    // mciSendStringA without a return buffer; its answer (0 when it worked).
    virtual std::uint32_t SendMciCommand(const std::string& command, WindowRef callback) = 0;
    // mciGetErrorStringA's text for an MCI answer.
    virtual std::string MciErrorText(std::uint32_t code) = 0;
    // SystemParametersInfoA(SPI_SETBEEP) with SPIF_UPDATEINIFILE.
    virtual bool SetWarningBeep(bool on) = 0;
    // ShowWindow of the top-level "Shell_TrayWnd" window; false when there is none.
    virtual bool ShowTaskbar(bool shown) = 0;
};

}  // namespace orvane::platform
