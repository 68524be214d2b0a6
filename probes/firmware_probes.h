#pragma once
// Firmware and power probes: the BIOS line, the motherboard's OEM text, the AC line and the battery.

#include <cstdint>
#include <string>

#include "probes/probe.h"

namespace orvane {

std::string GetBIOSInfo(System& sys);
// Lets a registry type error through to the refresh.
std::string GetMotherboard(System& sys);
std::string GetACPowerStatus(System& sys);
std::string GetBatteryStatus(System& sys);

// The words for SYSTEM_POWER_STATUS's ACLineStatus and BatteryFlag.
const char* AcLineWord(std::uint8_t acLineStatus);
const char* BatteryFlagWord(std::uint8_t batteryFlag);

}  // namespace orvane
