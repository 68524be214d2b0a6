#pragma once
// Network and identity probes: adapters, MAC and IP addresses, computer and user names, modems.

#include <cstdint>
#include <span>
#include <string>

#include "probes/probe.h"

namespace orvane {

std::string GetNetworkAdapters(System& sys);
std::string GetMACAddress(System& sys);
std::string GetIPAddresses(System& sys);
std::string GetLocalComputerName(System& sys);
std::string GetLocalUserName(System& sys);
std::string GetModems(System& sys);

// Six bytes as "00-1A-2B-3C-4D-5E"; fewer than six bytes are padded with zeros.
std::string FormatMacAddress(std::span<const std::uint8_t> bytes);
inline constexpr const char* kZeroMac = "00-00-00-00-00-00";

}  // namespace orvane
