#include "app/inventory_batch_win.h"

#include <windows.h>

#include <exception>
#include <string>

#include "inventory/inventory.h"
#include "app/inventory_batch.h"
#include "platform/win32/win32_system.h"

namespace orvane {

namespace {

// The line goes where the caller can read it: a redirected standard error first, else the console of the
// process that started this one (cmd or PowerShell). A program started from Explorer has neither.
void TellConsole(const std::string& line) {
    const std::string text = line + "\r\n";
    DWORD written = 0;
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error && error != INVALID_HANDLE_VALUE &&
        WriteFile(error, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) {
        return;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    HANDLE console = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) {
        // The prompt was already written when this process started: begin on a line of its own.
        const std::string onItsOwnLine = "\r\n" + text;
        WriteFile(console, onItsOwnLine.data(), static_cast<DWORD>(onItsOwnLine.size()), &written, nullptr);
        CloseHandle(console);
    }
    FreeConsole();
}

}  // namespace

std::string CurrentTimeRfc3339() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    return inventory::Rfc3339Utc(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

int RunInventoryBatch(const LaunchOptions& options) {
    // No dialog of the system's either: a drive without a disk answers instead of asking for one.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    inventory::BatchOutcome outcome;
    try {
        win32::Win32System system;
        outcome = inventory::RunInventoryCommand(system, options, CurrentTimeRfc3339());
    } catch (const std::exception& error) {
        outcome = {inventory::kExitNotWritten, std::string("Orvane: ") + error.what()};
    } catch (...) {
        outcome = {inventory::kExitNotWritten, "Orvane: the inventory could not be written"};
    }
    if (!outcome.message.empty()) TellConsole(outcome.message);
    return outcome.exitStatus;
}

}  // namespace orvane
