#pragma once
// Every DLL the program loads comes from the system folder: a portable exe is run from a folder such as
// Downloads, where a file named like a system DLL may lie beside it. The DLLs that are no known DLLs of
// the system are delay-loaded (the build's delay-import libraries), loaded here by their full path in
// the system folder, and the DLLs they and the program load later are looked for there alone.

#include <windows.h>

namespace orvane::win32 {

// SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32), looked up at run time: Windows 7 without
// KB2533623 and older systems lack it, and keep their default search. It also runs before the program's
// static initialisers; calling it again is harmless. True when the search was restricted.
bool LoadDllsFromSystemFolderOnly();

// LoadLibraryA of the named DLL in the system folder (by its full path); nullptr when it is not there.
HMODULE LoadSystemLibrary(const char* name);

}  // namespace orvane::win32
