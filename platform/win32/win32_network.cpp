// Network adapters, NetBIOS and Winsock 1.1 behind the platform seam.
#include <winsock2.h>
// After winsock2.h, which must come first.
#include <iphlpapi.h>
#include <nb30.h>

#include <cstring>
#include <utility>

#include "platform/win32/bounded_call.h"
#include "platform/win32/win32_system.h"

namespace orvane::win32 {

platform::AdapterListAnswer Win32System::AdaptersInfo(std::uint32_t bufferBytes) {
    platform::AdapterListAnswer answer;
    // Whole records, so that the list's Next links land on aligned storage inside it.
    std::vector<IP_ADAPTER_INFO> storage((bufferBytes + sizeof(IP_ADAPTER_INFO) - 1) / sizeof(IP_ADAPTER_INFO));
    ULONG size = bufferBytes;
    answer.status = GetAdaptersInfo(storage.empty() ? nullptr : storage.data(), &size);
    answer.neededBytes = size;
    if (answer.status != NO_ERROR) return answer;
    const auto* begin = reinterpret_cast<const std::uint8_t*>(storage.data());
    const auto* end = begin + storage.size() * sizeof(IP_ADAPTER_INFO);
    for (const IP_ADAPTER_INFO* adapter = storage.data(); adapter; adapter = adapter->Next) {
        const auto* at = reinterpret_cast<const std::uint8_t*>(adapter);
        if (at < begin || at + sizeof(IP_ADAPTER_INFO) > end) break;  // a link outside the buffer
        // The buffer holds no more records than this: a link back to an earlier one would go round forever.
        if (answer.adapters.size() >= storage.size()) break;
        platform::AdapterRecord record;
        static_assert(sizeof adapter->Description == 132);
        std::memcpy(record.description.data(), adapter->Description, record.description.size());
        std::memcpy(record.address.data(), adapter->Address, record.address.size());
        record.addressLength = adapter->AddressLength;
        answer.adapters.push_back(record);
    }
    return answer;
}

std::uint8_t Win32System::SendNetbios(platform::NetbiosCommand& command) {
    NCB block{};
    block.ncb_command = command.command;
    block.ncb_lana_num = command.lana;
    std::memcpy(block.ncb_callname, command.callName.data(), sizeof block.ncb_callname);
    block.ncb_buffer = command.buffer.empty() ? nullptr : command.buffer.data();
    block.ncb_length = static_cast<WORD>(command.buffer.size());
    return Netbios(&block);
}

void Win32System::StartSockets(std::uint16_t version) {
    WSADATA data{};
    WSAStartup(version, &data);
}

void Win32System::StopSockets() {
    WSACleanup();
}

std::optional<std::string> Win32System::HostName(std::size_t bufferBytes) {
    std::vector<char> name(bufferBytes + 1, '\0');
    if (gethostname(name.data(), static_cast<int>(bufferBytes)) != 0) return std::nullopt;
    return std::string(name.data());
}

namespace {

using Addresses = std::vector<std::array<std::uint8_t, 4>>;

// gethostbyname on the calling thread, its answer copied out of the thread's own host record.
std::optional<Addresses> LookUpHost(const std::string& name) {
    const hostent* host = gethostbyname(name.c_str());
    if (!host) return std::nullopt;
    Addresses addresses;
    if (host->h_addrtype != AF_INET || host->h_length != 4 || !host->h_addr_list) return addresses;
    for (char** entry = host->h_addr_list; *entry; ++entry) {
        std::array<std::uint8_t, 4> address{};
        std::memcpy(address.data(), *entry, 4);
        addresses.push_back(address);
    }
    return addresses;
}

}  // namespace

std::optional<Addresses> Win32System::ResolveHost(const std::string& name) {
    // A resolver that cannot be reached holds gethostbyname for as long as its retries take. The lookup
    // runs on a helper that holds the sockets library itself, so that the caller's WSACleanup cannot
    // pull it away from an abandoned lookup.
    auto answer = CallWithin<std::optional<Addresses>>(platform::kResolveHostWaitMs, [name] {
        WSADATA data{};
        const bool started = WSAStartup(MAKEWORD(1, 1), &data) == 0;
        std::optional<Addresses> addresses = LookUpHost(name);
        if (started) WSACleanup();
        return addresses;
    });
    if (answer.outcome == BoundedOutcome::TimedOut || !answer.result) return std::nullopt;
    return std::move(*answer.result);
}

}  // namespace orvane::win32
