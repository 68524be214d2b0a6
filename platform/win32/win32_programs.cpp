// The inventory windows' part of the platform: shell folders, folder entries, the program search and
// ShellExecuteA.
#include <windows.h>
#include <shellapi.h>

#include "platform/win32/system_dlls.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/imports.h"

namespace orvane::win32 {

std::optional<std::string> Win32System::ShellFolderPath(int csidl) {
    // SHGetFolderPathA is in the shell from Windows 2000 on and in shfolder.dll where Internet Explorer 5
    // brought it; older systems have neither.
    using GetFolderPathFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
    for (const char* library : {"shell32.dll", "shfolder.dll"}) {
        const HMODULE module = LoadSystemLibrary(library);
        if (!module) continue;
        const auto getFolderPath = ImportFrom<GetFolderPathFn>(module, "SHGetFolderPathA");
        if (!getFolderPath) {
            FreeLibrary(module);
            continue;
        }
        char path[MAX_PATH] = {};
        const HRESULT result = getFolderPath(nullptr, csidl, nullptr, 0, path);
        FreeLibrary(module);
        if (result != S_OK || path[0] == '\0') return std::nullopt;
        return std::string(path);
    }
    return std::nullopt;
}

std::vector<platform::FoundFile> Win32System::FindFiles(std::string_view pattern) {
    std::vector<platform::FoundFile> found;
    const std::string text(pattern);
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA(text.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return found;
    do {
        found.push_back({entry.cFileName, entry.dwFileAttributes});
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

namespace {

std::optional<std::string> SearchForProgram(const char* folders, std::string_view name) {
    const std::string text(name);
    if (text.empty()) return std::nullopt;
    char path[MAX_PATH] = {};
    char* filePart = nullptr;
    const DWORD length = SearchPathA(folders, text.c_str(), ".exe", sizeof path, path, &filePart);
    if (length == 0 || length >= sizeof path) return std::nullopt;
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
    return std::string(path, length);
}

}  // namespace

std::optional<std::string> Win32System::FindProgramFile(std::string_view name) {
    return SearchForProgram(nullptr, name);
}

std::optional<std::string> Win32System::FindProgramFileIn(const std::string& folders, std::string_view name) {
    // An empty list would make SearchPathA use the default search, which starts in the program's folder.
    if (folders.empty()) return std::nullopt;
    return SearchForProgram(folders.c_str(), name);
}

std::optional<std::string> Win32System::EnvironmentVariable(const std::string& name) {
    std::string value(256, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        SetLastError(0);
        const DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (length == 0) {
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
            return std::string();
        }
        // A value that does not fit answers the size it needs, its NUL counted.
        if (length < value.size()) return value.substr(0, length);
        value.assign(length, '\0');
    }
    return std::nullopt;
}

}  // namespace orvane::win32
