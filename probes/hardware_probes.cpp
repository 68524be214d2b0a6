#include "probes/hardware_probes.h"

#include <array>
#include <cstring>

#include "core/text.h"
#include "probes/registry_reader.h"

namespace orvane {

std::string FormatMemorySize(std::uint64_t totalBytes) {
    // The extra mebibyte makes up for what the firmware and the video memory keep from the total.
    const unsigned long long mebibytes = (totalBytes >> 20) + 1;
    return Format("%llu MB", mebibytes);
}

std::string GetMemorySize(System& sys) {
    return Guarded([&] {
        const auto total = sys.TotalPhysicalMemory();
        return total ? FormatMemorySize(*total) : std::string();
    });
}

bool HasCPUID(System& sys) {
    const std::uint64_t original = sys.ReadFlags();
    sys.WriteFlags(original ^ platform::kFlagsIdBit);
    const std::uint64_t toggled = sys.ReadFlags();
    return ((original ^ toggled) & platform::kFlagsIdBit) != 0;
}

std::string GetCPUBrand(System& sys) {
    return Guarded([&] {
        // 48 bytes of brand text and the zero that ends it when all 48 are used.
        std::array<std::uint8_t, 49> brand{};
        if (!HasCPUID(sys)) return std::string();
        // Unsigned: a processor without extended leaves may echo a small basic-leaf number here.
        const std::uint32_t highest = sys.Cpuid(0x80000000u).eax;
        if (highest < 0x80000004u) return std::string();
        std::size_t offset = 0;
        for (std::uint32_t leaf = 0x80000002u; leaf <= 0x80000004u; ++leaf) {
            const platform::CpuidRegisters r = sys.Cpuid(leaf);
            for (std::uint32_t word : {r.eax, r.ebx, r.ecx, r.edx}) {
                for (int byte = 0; byte < 4; ++byte) brand[offset++] = static_cast<std::uint8_t>(word >> (8 * byte));
            }
        }
        return Trim(TextUpToNul(brand.data(), brand.size()));
    });
}

std::string GetCPUIdentifier(System& sys) {
    return Guarded([&] {
        RegKey key = RegKey::Open(sys, "\\Hardware\\Description\\System\\CentralProcessor\\0");
        return key.IsOpen() ? key.ReadText("Identifier") : std::string();
    });
}

bool HasSoundCard(System& sys) {
    try {
        return sys.WaveOutDeviceCount() > 0;
    } catch (...) {
        return false;
    }
}

std::string GetSoundCardName(System& sys) {
    return Guarded([&] { return sys.WaveOutDeviceName(0); });
}

std::string GetDisplayAdapters(System& sys) {
    return Guarded([&] {
        std::string list;
        for (std::uint32_t index = 0;; ++index) {
            const auto adapter = sys.DisplayDeviceString(index);
            if (!adapter) break;
            AppendListItem(list, *adapter);
        }
        return list;
    });
}

std::string GetScreenResolution(System& sys) {
    return Guarded([&] { return Format("%d X %d", sys.SystemMetric(kSmCxScreen), sys.SystemMetric(kSmCyScreen)); });
}

std::string GetMouseInfo(System& sys) {
    return Guarded([&] {
        if (sys.SystemMetric(kSmMousePresent) == 0) return std::string();
        std::string line = "Mouse Present";
        if (sys.SystemMetric(kSmMouseWheelPresent) != 0) line = "Wheel " + line;
        const int buttons = sys.SystemMetric(kSmCMouseButtons);
        if (buttons != 0) line = Format("%d Button ", buttons) + line;
        return line;
    });
}

std::string GetNetworkPresence(System& sys) {
    return Guarded([&] { return sys.SystemMetric(kSmNetwork) != 0 ? std::string("Network Present") : std::string(); });
}

}  // namespace orvane
