#pragma once
// The end-to-end harness: starts the real orvane.exe, finds its windows and controls, reads what a
// user would see, and cleans up what it started or planted. Every wait polls with a deadline.

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;

bool WaitUntil(const std::function<bool()>& condition, Duration timeout = 20s);

// The exe under test, from the ORVANE_EXE environment variable.
std::string OrvaneExe();
// A fresh, empty folder for the test's files.
std::string MakeTempDir();
std::optional<std::string> ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);

// A running orvane.exe; terminated when the object goes, if it is still running.
class Orvane {
public:
    // Starts orvane.exe with the parameters (quoted as given) in the Windows version mode named, e.g.
    // "win98"; an empty mode leaves Wine's default.
    explicit Orvane(const std::string& parameters, const std::string& versionMode = "");
    // Starts it with a command line in UTF-16, for parameters the ANSI code page cannot spell.
    explicit Orvane(const std::wstring& parameters);
    ~Orvane();
    Orvane(const Orvane&) = delete;
    Orvane& operator=(const Orvane&) = delete;

    DWORD Pid() const { return process_.dwProcessId; }
    bool Running() const;
    // Waits for the process to end; its exit code, or nullopt on a time-out.
    std::optional<DWORD> WaitForExit(Duration timeout = 30s);

    // A top-level window of this process of the given class, visible or not.
    HWND FindWindowOfClass(const std::string& className, bool mustBeVisible = true) const;
    HWND WaitForWindow(const std::string& className, Duration timeout = 20s) const;
    // The main window, shown.
    HWND Main(Duration timeout = 20s) const { return WaitForWindow("TForm1", timeout); }

    // Sends a message whose lParam points to a buffer of `size` bytes, lent inside this process, and
    // returns what the buffer then holds (SB_GETTEXT, TB_GETRECT and the like cross no process).
    std::string SendWithBuffer(HWND window, UINT message, WPARAM wParam, std::size_t size,
                               const std::string& initial = "") const;
    std::string StatusPanel(HWND main, int panel) const;
    // A report list view's rows, every column's text, read through an item record lent in this process.
    std::vector<std::vector<std::string>> ListRows(HWND list) const;
    // Selects and focuses a row of a list view, as a click on it would.
    void SelectListRow(HWND list, int row) const;
    // Clicks a tool-bar button of the main window with the mouse, as a user would.
    bool ClickToolButton(HWND main, int index, bool dropDownArrow = false) const;

private:
    PROCESS_INFORMATION process_{};
};

// The first child of the window (at any depth) of the given class.
HWND FindChildOfClass(HWND window, const std::string& className);

// A control of the window found by the name the program gave it (case ignored).
HWND FindControl(HWND window, const std::string& name);
std::string WindowText(HWND window);
// Where the window is on the screen.
RECT ScreenRect(HWND window);
// The text of the named control, or a marker when it does not exist.
std::string ControlText(HWND window, const std::string& name);

struct MessageBoxInfo {
    HWND box = nullptr;
    std::string caption;
    std::string text;
};
// Waits for a message box of the process.
std::optional<MessageBoxInfo> WaitForMessageBox(DWORD pid, Duration timeout = 20s);
void PressOk(const MessageBoxInfo& box);

// The process's common file dialog (it has the file-name box, control 0x47C).
HWND WaitForFileDialog(DWORD pid, Duration timeout = 20s);
// Types the name, picks the file type `typeSteps` entries below the current one (by keyboard, the only
// way Wine's dialog takes it), and confirms.
void ConfirmFileDialog(HWND dialog, const std::string& path, int typeSteps = 0);
// Types a name the ANSI code page cannot spell, as a user may, and confirms.
void ConfirmFileDialog(HWND dialog, const std::wstring& path, int typeSteps = 0);
void CancelFileDialog(HWND dialog);
// The clipboard's plain text.
std::string ClipboardText();

// Gives the window the keyboard and types one key (with Ctrl when asked).
void PressKey(HWND window, WORD virtualKey, bool control = false);
// Alt and a letter, as for opening a menu.
void PressAltKey(HWND window, WORD letter);

// A registry value planted for one test and put back as it was afterwards.
class PlantedValue {
public:
    // hive/path/name in the 64-bit view that the program reads (or the view given: KEY_WOW64_32KEY for
    // the one 32-bit programs see). Keys of the path that are missing are created, and removed again
    // with the value.
    PlantedValue(HKEY hive, const std::string& path, const std::string& name, DWORD type,
                 const std::vector<BYTE>& data, REGSAM view = KEY_WOW64_64KEY);
    ~PlantedValue();
    PlantedValue(const PlantedValue&) = delete;
    PlantedValue& operator=(const PlantedValue&) = delete;

private:
    HKEY hive_;
    REGSAM view_;
    std::string path_;
    std::string name_;
    std::vector<std::string> createdKeys_;  // the keys of the path that were missing, outermost first
    std::optional<std::pair<DWORD, std::vector<BYTE>>> original_;
};

// An environment variable of the driver, which the programs it starts inherit, set for one test and put
// back as it was afterwards.
class ScopedVariable {
public:
    ScopedVariable(const std::string& name, const std::string& value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::string name_;
    std::optional<std::string> original_;
};

std::vector<std::string> SplitCrLfLines(const std::string& text);

// The entries of another process's drop-down. Wine carries the text across processes as UTF-16 only.
std::vector<std::string> ComboItems(HWND combo);
// The user picks an entry of a drop-down: the selection moves and its owner hears of the change.
void ChooseEntry(HWND combo, int index);

// The folder the PDF printer writes into (ORVANE_PDF_DIR, set by the printing fixtures), and how many
// PDFs it holds.
std::string PdfFolder();
int PdfCount();

}  // namespace e2e
