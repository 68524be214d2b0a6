#pragma once
// Network adapters, NetBIOS and the sockets library, as the program asks them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::platform {

// The fields of one IP_ADAPTER_INFO record that the program uses, copied out of the list.
struct AdapterRecord {
    std::array<std::uint8_t, 132> description{};  // the raw, zero-filled field
    std::array<std::uint8_t, 8> address{};
    std::uint32_t addressLength = 0;
};

// One GetAdaptersInfo call with a buffer of the given size.
struct AdapterListAnswer {
    std::uint32_t status = 0;             // the call's return code; 0 is success
    std::uint32_t neededBytes = 0;        // the size the call reports back
    std::vector<AdapterRecord> adapters;  // the list, in its Next order, when status is 0
};

// A NetBIOS control block in our own terms; the platform builds its NCB from it. The buffer's size
// is ncb_length, and the platform's answer is written back into it.
struct NetbiosCommand {
    std::uint8_t command = 0;
    std::uint8_t lana = 0;
    std::array<std::uint8_t, 16> callName{};
    std::vector<std::uint8_t> buffer;
};

inline constexpr std::uint8_t kNcbEnum = 0x37;
inline constexpr std::uint8_t kNcbReset = 0x32;
inline constexpr std::uint8_t kNcbAdapterStatus = 0x33;

// How long a host-name lookup is waited for before it counts as not resolved.
inline constexpr std::uint32_t kResolveHostWaitMs = 3000;

class Network {
  public:
    virtual ~Network() = default;
    virtual AdapterListAnswer AdaptersInfo(std::uint32_t bufferBytes) = 0;
    // Netbios(); its return code.
    virtual std::uint8_t SendNetbios(NetbiosCommand& command) = 0;

    // WSAStartup and WSACleanup; their results are not used.
    virtual void StartSockets(std::uint16_t version) = 0;
    virtual void StopSockets() = 0;
    // gethostname into a buffer of that size; nullopt when it fails.
    virtual std::optional<std::string> HostName(std::size_t bufferBytes) = 0;
    // gethostbyname: the IPv4 addresses of its address list, nullopt when the name does not resolve or
    // no answer came within kResolveHostWaitMs (a resolver that cannot be reached).
    virtual std::optional<std::vector<std::array<std::uint8_t, 4>>> ResolveHost(const std::string& name) = 0;
};

}  // namespace orvane::platform
