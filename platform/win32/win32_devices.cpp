// Devices, power status and the BIOS image behind the platform seam.
#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/win32_system.h"

namespace orvane::win32 {

namespace {

class Win32Device : public platform::Device {
  public:
    explicit Win32Device(HANDLE handle) : handle_(handle) {}

    std::optional<std::vector<std::uint8_t>> Control(std::uint32_t code, const std::vector<std::uint8_t>& input,
                                                     std::size_t outputBytes) override {
        std::vector<std::uint8_t> in = input;  // the platform's declaration takes a writable buffer
        std::vector<std::uint8_t> out(outputBytes, 0);
        DWORD returned = 0;
        if (!DeviceIoControl(handle_.Get(), code, in.empty() ? nullptr : in.data(), static_cast<DWORD>(in.size()),
                             out.empty() ? nullptr : out.data(), static_cast<DWORD>(out.size()), &returned, nullptr)) {
            return std::nullopt;
        }
        out.resize(std::min<std::size_t>(returned, out.size()));
        return out;
    }

  private:
    UniqueHandle handle_;
};

}  // namespace

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

std::unique_ptr<platform::Device> Win32System::OpenDevice(const platform::DeviceOpen& how) {
    HANDLE handle = CreateFileA(how.path.c_str(), how.access, how.share, nullptr, how.creation, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32Device>(handle);
}

}  // namespace orvane::win32
