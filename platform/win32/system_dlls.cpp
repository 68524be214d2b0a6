#include "platform/win32/system_dlls.h"

// After windows.h.
#include <delayimp.h>

#include <cstring>

#include "platform/win32/imports.h"

namespace orvane::win32 {

namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32, from the headers of Windows 8 and KB2533623.
constexpr DWORD kSearchSystem32 = 0x00000800;

bool RestrictSearch() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    // kernel32 is loaded before any code of the program runs, always from the system.
    const auto setDefaults = ImportLoaded<SetDefaultDllDirectoriesFn>("kernel32.dll", "SetDefaultDllDirectories");
    return setDefaults && setDefaults(kSearchSystem32);
}

// Before the static initialisers of every other part of the program (priority 101 is the first a program
// may use), so that none of them can load a DLL the default way.
__attribute__((constructor(101))) void RestrictSearchAtStart() {
    RestrictSearch();
}

// The delay-load helper asks before it loads a DLL by its bare name: loading it by its full path makes
// the system folder's file the one that answers, on systems without SetDefaultDllDirectories too. A DLL
// missing there is left to the helper, whose search is then the restricted one where the system has it.
FARPROC WINAPI LoadDelayedFromSystemFolder(unsigned notification, PDelayLoadInfo info) {
    if (notification != dliNotePreLoadLibrary || !info || !info->szDll) return nullptr;
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(LoadSystemLibrary(info->szDll)));
}

}  // namespace

bool LoadDllsFromSystemFolderOnly() {
    return RestrictSearch();
}

HMODULE LoadSystemLibrary(const char* name) {
    char path[MAX_PATH] = {};
    const UINT folderLength = GetSystemDirectoryA(path, MAX_PATH);
    const std::size_t nameLength = std::strlen(name);
    if (folderLength == 0 || folderLength + 1 + nameLength >= MAX_PATH) return nullptr;
    path[folderLength] = '\\';
    std::memcpy(path + folderLength + 1, name, nameLength + 1);
    return LoadLibraryA(path);
}

}  // namespace orvane::win32

// The delay-load helper's notification hook, which the runtime reads by this name.
extern "C" {
PfnDliHook __pfnDliNotifyHook2 = orvane::win32::LoadDelayedFromSystemFolder;
}
