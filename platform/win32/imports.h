#pragma once
// Functions that some of the systems the program runs on lack, looked up at run time. Every such
// look-up goes through here, typed by the function's own signature at the call site.

#include <windows.h>

namespace orvane::win32 {

// The named function of a module as the given function-pointer type; nullptr where the module or the
// function is missing.
template <typename Function>
Function ImportFrom(HMODULE module, const char* name) {
    if (!module) return nullptr;
    // GetProcAddress answers a generic pointer; the caller's type says what the export really is.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The same from a module that every process has loaded (kernel32.dll, ntdll.dll).
template <typename Function>
Function ImportLoaded(const char* module, const char* name) {
    return ImportFrom<Function>(GetModuleHandleA(module), name);
}

}  // namespace orvane::win32
