// Power status and the BIOS image behind the platform seam.
#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/win32_system.h"

namespace orvane::win32 {

std::optional<platform::PowerStatus> Win32System::SystemPowerStatus() {
    SYSTEM_POWER_STATUS status{};
    if (!GetSystemPowerStatus(&status)) return std::nullopt;
    return platform::PowerStatus{status.ACLineStatus, status.BatteryFlag};
}

std::optional<std::string> Win32System::ReadBiosText(std::uint32_t linearAddress, std::size_t maxBytes) {
    // ReadProcessMemory fails instead of faulting where the address is not mapped, as in every NT process.
    std::string text(maxBytes, '\0');
    SIZE_T read = 0;
    const auto* address = reinterpret_cast<const void*>(static_cast<std::uintptr_t>(linearAddress));
    if (!ReadProcessMemory(GetCurrentProcess(), address, text.data(), text.size(), &read)) return std::nullopt;
    text.resize(read);
    return text;
}


}  // namespace orvane::win32
