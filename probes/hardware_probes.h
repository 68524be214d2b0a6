#pragma once
// Processor, memory, sound, display and input probes: the rows "Memory (RAM)", "CPU Info",
// "Sound card", "Display Adapters", "Screen Resolution", "Mouse" and "Network".

#include <cstdint>
#include <string>

#include "probes/probe.h"

namespace orvane {

std::string GetMemorySize(System& sys);
bool HasCPUID(System& sys);
std::string GetCPUBrand(System& sys);
std::string GetCPUIdentifier(System& sys);
bool HasSoundCard(System& sys);
std::string GetSoundCardName(System& sys);
std::string GetDisplayAdapters(System& sys);
std::string GetScreenResolution(System& sys);
std::string GetMouseInfo(System& sys);
std::string GetNetworkPresence(System& sys);

// The memory row for a physical total in bytes: whole MiB, truncated, plus one.
std::string FormatMemorySize(std::uint64_t totalBytes);

// System-metric indices.
inline constexpr int kSmCxScreen = 0;
inline constexpr int kSmCyScreen = 1;
inline constexpr int kSmMousePresent = 19;
inline constexpr int kSmCMouseButtons = 43;
inline constexpr int kSmNetwork = 63;
inline constexpr int kSmMouseWheelPresent = 75;

}  // namespace orvane
