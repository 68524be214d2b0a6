#include "probes/network_probes.h"

#include <algorithm>

#include "core/text.h"
#include "probes/registry_reader.h"

namespace orvane {

using platform::NetbiosCommand;

namespace {

// IP Helper answers a too-small buffer with the size it needs; 4 bytes is never enough.
constexpr std::uint32_t kAdapterProbeBytes = 4;

platform::AdapterListAnswer ReadAdapterList(System& sys) {
    const platform::AdapterListAnswer sizing = sys.AdaptersInfo(kAdapterProbeBytes);
    return sys.AdaptersInfo(sizing.neededBytes);
}

// LANA_ENUM: the adapter count, then one adapter number per byte.
constexpr std::size_t kLanaEnumBytes = 256;
// The start of ADAPTER_STATUS: the MAC address is its first six bytes.
constexpr std::size_t kAdapterStatusBytes = 60;
constexpr std::uint8_t kNrcGoodReturn = 0;
constexpr std::uint8_t kNrcBufferTooSmall = 6;  // the buffer holds the start of the record: enough

std::string MacFromNetbios(System& sys) {
    NetbiosCommand enumerate;
    enumerate.command = platform::kNcbEnum;
    enumerate.buffer.assign(kLanaEnumBytes, 0);
    sys.SendNetbios(enumerate);  // on failure the zeroed buffer names adapter 0 and a count of 0
    const std::vector<std::uint8_t>& lanas = enumerate.buffer;
    const std::size_t count = lanas.empty() ? 0 : lanas[0];

    std::string mac;
    std::size_t i = 0;
    do {
        const std::uint8_t lana = i + 1 < lanas.size() ? lanas[i + 1] : 0;
        NetbiosCommand reset;
        reset.command = platform::kNcbReset;
        reset.lana = lana;
        sys.SendNetbios(reset);

        NetbiosCommand status;
        status.command = platform::kNcbAdapterStatus;
        status.lana = lana;
        status.callName.fill(' ');
        status.callName[0] = '*';
        status.buffer.assign(kAdapterStatusBytes, 0);
        const std::uint8_t code = sys.SendNetbios(status);
        if (code == kNrcGoodReturn || code == kNrcBufferTooSmall) {
            status.buffer.resize(kAdapterStatusBytes);
            mac = FormatMacAddress(std::span(status.buffer).first(6));
        }
        ++i;
    } while (i < count && mac == kZeroMac);
    return mac;
}

// Systems without NetBIOS (most current ones) still list their adapters.
std::string MacFromAdapterList(System& sys) {
    const platform::AdapterListAnswer list = ReadAdapterList(sys);
    if (list.status != 0) return {};
    for (const platform::AdapterRecord& adapter : list.adapters) {
        const std::size_t length = std::min<std::size_t>(adapter.addressLength, adapter.address.size());
        const std::string mac = FormatMacAddress(std::span(adapter.address).first(length));
        if (length > 0 && mac != kZeroMac) return mac;
    }
    return {};
}

std::string DottedDecimal(const std::array<std::uint8_t, 4>& address) {
    return Format("%u.%u.%u.%u", address[0], address[1], address[2], address[3]);
}

constexpr std::size_t kNameBufferChars = 100;

}  // namespace

std::string FormatMacAddress(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::size_t i = 0; i < 6; ++i) {
        if (i > 0) text += '-';
        text += Format("%02X", i < bytes.size() ? bytes[i] : 0u);
    }
    return text;
}

std::string GetNetworkAdapters(System& sys) {
    return Guarded([&] {
        const platform::AdapterListAnswer list = ReadAdapterList(sys);
        std::string text;
        if (list.status != 0) return text;
        for (const platform::AdapterRecord& adapter : list.adapters) {
            AppendListItem(text, Trim(std::string_view(reinterpret_cast<const char*>(adapter.description.data()),
                                                       adapter.description.size())));
        }
        return text;
    });
}

std::string GetMACAddress(System& sys) {
    return Guarded([&] {
        std::string mac = MacFromNetbios(sys);
        if (mac.empty()) mac = MacFromAdapterList(sys);
        return mac;
    });
}

std::string GetIPAddresses(System& sys) {
    return Guarded([&] {
        sys.StartSockets(0x0101);
        std::string text;
        const std::optional<std::string> host = sys.HostName(64);
        const auto addresses = sys.ResolveHost(host.value_or(std::string()));
        if (addresses) {
            for (const auto& address : *addresses) AppendListItem(text, DottedDecimal(address));
        }
        sys.StopSockets();
        return text;
    });
}

std::string GetLocalComputerName(System& sys) {
    return Guarded([&] { return sys.ComputerName(kNameBufferChars).value_or(std::string()); });
}

std::string GetLocalUserName(System& sys) {
    return Guarded([&] { return sys.UserName(kNameBufferChars).value_or(std::string()); });
}

std::string GetModems(System& sys) {
    return Guarded([&] {
        constexpr const char* kFaxDevices = "\\SOFTWARE\\Microsoft\\Fax\\Devices";
        std::string text;
        RegKey devices = RegKey::Open(sys, kFaxDevices);
        if (devices.IsOpen()) {
            for (const std::string& name : devices.SubkeyNames()) {
                RegKey device = RegKey::Open(sys, std::string(kFaxDevices) + "\\" + name + "\\");
                if (device.IsOpen()) AppendListItem(text, device.ReadText("Device Name"));
            }
            devices.Close();
        }
        if (text.empty()) {
            RegKey modem = RegKey::Open(sys, "\\SOFTWARE\\Microsoft\\Ras\\Tapi Device\\Unimodem");
            // A single fallback value, shown alone.
            if (modem.IsOpen()) text = modem.ReadText("Friendly Name");
        }
        return text;
    });
}

}  // namespace orvane
