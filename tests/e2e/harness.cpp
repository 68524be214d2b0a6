#include "tests/e2e/harness.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace e2e {

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    });
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Sets or clears the Windows version that Wine reports to orvane.exe.
void SetVersionMode(const std::string& mode) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\orvane.exe", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    if (mode.empty()) {
        RegDeleteValueA(key, "Version");
    } else {
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(mode.c_str()),
                       static_cast<DWORD>(mode.size() + 1));
    }
    RegCloseKey(key);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, Duration timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(50ms);
    }
}

std::string OrvaneExe() {
    char path[MAX_PATH] = {};
    GetEnvironmentVariableA("ORVANE_EXE", path, sizeof path);
    return path;
}

std::string MakeTempDir() {
    char base[MAX_PATH] = {};
    GetTempPathA(sizeof base, base);
    static int counter = 0;
    for (;;) {
        std::ostringstream name;
        name << base << "orvane-e2e-" << GetCurrentProcessId() << "-" << ++counter;
        if (CreateDirectoryA(name.str().c_str(), nullptr)) return name.str();
    }
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

Orvane::Orvane(const std::string& parameters, const std::string& versionMode) {
    SetVersionMode(versionMode);
    std::string commandLine(1, '"');
    commandLine += OrvaneExe();
    commandLine += '"';
    if (!parameters.empty()) commandLine += " " + parameters;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
        process_ = {};
    }
}

Orvane::Orvane(const std::wstring& parameters) {
    SetVersionMode("");
    const std::string exe = OrvaneExe();
    std::wstring commandLine = L"\"";
    for (unsigned char c : exe) commandLine += static_cast<wchar_t>(c);  // a path the driver chose: ASCII
    commandLine += L"\"";
    if (!parameters.empty()) commandLine += L" " + parameters;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
        process_ = {};
    }
}

Orvane::~Orvane() {
    if (process_.hProcess) {
        if (Running()) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 10000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    SetVersionMode("");
}

bool Orvane::Running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Orvane::WaitForExit(Duration timeout) {
    if (!process_.hProcess) return std::nullopt;
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

HWND Orvane::FindWindowOfClass(const std::string& className, bool mustBeVisible) const {
    struct Search {
        DWORD pid;
        const std::string* className;
        bool visible;
        HWND found;
    } search{process_.dwProcessId, &className, mustBeVisible, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            if (pid == s->pid && ClassOf(window) == *s->className && (!s->visible || IsWindowVisible(window))) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Orvane::WaitForWindow(const std::string& className, Duration timeout) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowOfClass(className)) != nullptr; }, timeout);
    return found;
}

std::string Orvane::SendWithBuffer(HWND window, UINT message, WPARAM wParam, std::size_t size,
                                   const std::string& initial) const {
    void* remote = VirtualAllocEx(process_.hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) return {};
    std::string buffer(size, '\0');
    buffer.replace(0, std::min(initial.size(), size), initial.substr(0, size));
    SIZE_T moved = 0;
    WriteProcessMemory(process_.hProcess, remote, buffer.data(), size, &moved);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000, &result);
    ReadProcessMemory(process_.hProcess, remote, buffer.data(), size, &moved);
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    return buffer;
}

std::string Orvane::StatusPanel(HWND main, int panel) const {
    HWND bar = FindChildOfClass(main, "msctls_statusbar32");
    if (!bar) return "<no status bar>";
    const std::string text = SendWithBuffer(bar, SB_GETTEXTA, static_cast<WPARAM>(panel), 512);
    return text.substr(0, text.find('\0'));
}

std::vector<std::vector<std::string>> Orvane::ListRows(HWND list) const {
    std::vector<std::vector<std::string>> rows;
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    // The item record and its text buffer in one block of the program's memory.
    constexpr std::size_t kText = 1024;
    const std::size_t size = sizeof(LVITEMA) + kText;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process_.hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!remote) return rows;
    for (int row = 0; row < count; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column) {
            LVITEMA item{};
            item.iSubItem = column;
            item.pszText = remote + sizeof(LVITEMA);
            item.cchTextMax = static_cast<int>(kText);
            SIZE_T moved = 0;
            WriteProcessMemory(process_.hProcess, remote, &item, sizeof item, &moved);
            DWORD_PTR length = 0;
            SendMessageTimeoutA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote),
                                SMTO_ABORTIFHUNG, 5000, &length);
            std::string text(kText, '\0');
            ReadProcessMemory(process_.hProcess, remote + sizeof(LVITEMA), text.data(), kText, &moved);
            cells.push_back(text.substr(0, std::min<std::size_t>(length, text.find('\0'))));
        }
        rows.push_back(cells);
    }
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    return rows;
}

void Orvane::SelectListRow(HWND list, int row) const {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendWithBuffer(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), sizeof item,
                   std::string(reinterpret_cast<const char*>(&item), sizeof item));
}

bool Orvane::ClickToolButton(HWND main, int index, bool dropDownArrow) const {
    HWND toolBar = FindChildOfClass(main, "ToolbarWindow32");
    if (!toolBar) return false;
    const std::string bytes = SendWithBuffer(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(index), sizeof(RECT));
    RECT rect;
    std::memcpy(&rect, bytes.data(), sizeof rect);
    // The middle of the button's picture (the first button's right part is its drop-down arrow).
    const int x = dropDownArrow ? rect.right - 4 : (rect.left + rect.right) / 2 - 6;
    const LPARAM at = MAKELPARAM(x, (rect.top + rect.bottom) / 2);
    SetForegroundWindow(main);
    PostMessageA(toolBar, WM_MOUSEMOVE, 0, at);
    PostMessageA(toolBar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(toolBar, WM_LBUTTONUP, 0, at);
    return true;
}

HWND FindChildOfClass(HWND window, const std::string& className) {
    struct Search {
        const std::string* className;
        HWND found;
    } search{&className, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (ClassOf(child) == *s->className) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindControl(HWND window, const std::string& name) {
    struct Search {
        std::string name;
        HWND found;
    } search{Upper(name), nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(child, "OrvaneControlName")));
            char text[256] = {};
            if (atom && GlobalGetAtomNameA(atom, text, sizeof text) && Upper(text) == s->name) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
    std::string text(length + 1, '\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        5000, &got);
    text.resize(got);
    return text;
}

std::string ControlText(HWND window, const std::string& name) {
    HWND control = FindControl(window, name);
    return control ? WindowText(control) : "<no control " + name + ">";
}

std::optional<MessageBoxInfo> WaitForMessageBox(DWORD pid, Duration timeout) {
    MessageBoxInfo info;
    const bool found = WaitUntil(
        [&] {
            struct Search {
                DWORD pid;
                HWND found;
            } search{pid, nullptr};
            EnumWindows(
                [](HWND window, LPARAM param) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(param);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    if (owner == s->pid && ClassOf(window) == "#32770" && IsWindowVisible(window)) {
                        s->found = window;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&search));
            info.box = search.found;
            return info.box != nullptr;
        },
        timeout);
    if (!found) return std::nullopt;
    info.caption = WindowText(info.box);
    // The message text is the static control with id 0xFFFF.
    if (HWND text = GetDlgItem(info.box, 0xFFFF)) info.text = WindowText(text);
    return info;
}

void PressOk(const MessageBoxInfo& box) { PostMessageA(box.box, WM_COMMAND, IDOK, 0); }

void PressKey(HWND window, WORD virtualKey, bool control) {
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; }, 2s);
    if (control) keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event(static_cast<BYTE>(virtualKey), 0, 0, 0);
    keybd_event(static_cast<BYTE>(virtualKey), 0, KEYEVENTF_KEYUP, 0);
    if (control) keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}

void PressAltKey(HWND window, WORD letter) {
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; }, 2s);
    keybd_event(VK_MENU, 0, 0, 0);
    keybd_event(static_cast<BYTE>(letter), 0, 0, 0);
    keybd_event(static_cast<BYTE>(letter), 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
}

HWND WaitForFileDialog(DWORD pid, Duration timeout) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const auto box = WaitForMessageBox(pid, 0ms);
            found = box && GetDlgItem(box->box, 0x47C) ? box->box : nullptr;
            return found != nullptr;
        },
        timeout);
    return found;
}

namespace {

void ChooseTypeAndConfirm(HWND dialog, int typeSteps) {
    if (typeSteps > 0) {
        HWND types = GetDlgItem(dialog, 0x470);
        const LRESULT wanted = SendMessageA(types, CB_GETCURSEL, 0, 0) + typeSteps;
        PressAltKey(dialog, 'T');
        for (int i = 0; i < typeSteps; ++i) PressKey(GetForegroundWindow(), VK_DOWN);
        WaitUntil([&] { return SendMessageA(types, CB_GETCURSEL, 0, 0) == wanted; }, 5s);
    }
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

HWND FileNameEdit(HWND dialog) {
    HWND nameBox = GetDlgItem(dialog, 0x47C);
    HWND edit = FindChildOfClass(nameBox, "Edit");
    return edit ? edit : nameBox;
}

}  // namespace

void ConfirmFileDialog(HWND dialog, const std::string& path, int typeSteps) {
    SendMessageA(FileNameEdit(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    ChooseTypeAndConfirm(dialog, typeSteps);
}

void ConfirmFileDialog(HWND dialog, const std::wstring& path, int typeSteps) {
    SendMessageW(FileNameEdit(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    ChooseTypeAndConfirm(dialog, typeSteps);
}

void CancelFileDialog(HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "<clipboard busy>";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

PlantedValue::PlantedValue(HKEY hive, const std::string& path, const std::string& name, DWORD type,
                           const std::vector<BYTE>& data, REGSAM view)
    : hive_(hive), view_(view), path_(path), name_(name) {
    // Every key of the path that is missing now is created here and removed again afterwards.
    for (std::size_t at = path.find('\\'); ; at = path.find('\\', at + 1)) {
        const std::string prefix = path.substr(0, at);
        HKEY existing = nullptr;
        if (RegOpenKeyExA(hive, prefix.c_str(), 0, KEY_READ | view_, &existing) == ERROR_SUCCESS) {
            RegCloseKey(existing);
        } else {
            createdKeys_.push_back(prefix);
        }
        if (at == std::string::npos) break;
    }
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(hive, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view_, nullptr, &key, &disposition) !=
        ERROR_SUCCESS) {
        return;
    }
    DWORD oldType = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &oldType, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<BYTE> old(size);
        RegQueryValueExA(key, name.c_str(), nullptr, &oldType, old.data(), &size);
        original_ = std::make_pair(oldType, old);
    }
    RegSetValueExA(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
}

PlantedValue::~PlantedValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(hive_, path_.c_str(), 0, KEY_ALL_ACCESS | view_, &key) != ERROR_SUCCESS) return;
    if (original_) {
        RegSetValueExA(key, name_.c_str(), 0, original_->first, original_->second.data(),
                       static_cast<DWORD>(original_->second.size()));
    } else {
        RegDeleteValueA(key, name_.c_str());
    }
    RegCloseKey(key);
    for (auto created = createdKeys_.rbegin(); created != createdKeys_.rend(); ++created) {
        RegDeleteKeyExA(hive_, created->c_str(), view_, 0);
    }
}

ScopedVariable::ScopedVariable(const std::string& name, const std::string& value) : name_(name) {
    std::vector<char> buffer(32768, '\0');
    const DWORD length = GetEnvironmentVariableA(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length > 0 && length < buffer.size()) original_ = std::string(buffer.data(), length);
    SetEnvironmentVariableA(name.c_str(), value.c_str());
}

ScopedVariable::~ScopedVariable() {
    SetEnvironmentVariableA(name_.c_str(), original_ ? original_->c_str() : nullptr);
}

std::vector<std::string> SplitCrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    if (start < text.size()) lines.push_back(text.substr(start));  // a last line without CR LF
    return lines;
}

}  // namespace e2e

namespace e2e {

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        if (SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) >= static_cast<LRESULT>(std::size(text))) {
            items.emplace_back("<too long>");
            continue;
        }
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        char narrow[1024] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
        items.emplace_back(narrow);
    }
    return items;
}

void ChooseEntry(HWND combo, int index) {
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

std::string PdfFolder() {
    char path[MAX_PATH] = {};
    GetEnvironmentVariableA("ORVANE_PDF_DIR", path, sizeof path);
    return path;
}

int PdfCount() {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((PdfFolder() + "\\*.pdf").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do ++count;
    while (FindNextFileA(search, &entry));
    FindClose(search);
    return count;
}

}  // namespace e2e
