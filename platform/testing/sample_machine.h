#pragma once
// A whole machine of today for the tests that read every window at once: Windows 10 on a Pentium III E
// (its CPUID answers by hand), one display adapter, a floppy drive without a disk, a fixed disk and a CD
// drive without a medium, device classes, installed applications in every place 64-bit Windows keeps
// them, Run entries and a Startup-folder file, a sound device, and an identity whose every name,
// address and serial number is a planted text that redaction must remove.

#include "platform/testing/test_machine.h"

namespace orvane::testing {

// The planted identity.
inline constexpr const char* kSampleComputer = "PLANTEDPC";
inline constexpr const char* kSampleUser = "planteduser";
inline constexpr const char* kSampleProfile = "C:\\Users\\planteduser";
inline constexpr const char* kSampleIp = "10.41.7.9";
inline constexpr const char* kSampleMac = "00-1B-21-3C-4D-5E";
inline constexpr const char* kSampleProductId = "00330-80000-00000-AA123";
inline constexpr const char* kSampleBiosSerial = "PLANTED-BIOS-7731";
inline constexpr const char* kSampleVolumeSerial = "1A2B-3C4D";

void FillSampleMachine(TestMachine& machine);

}  // namespace orvane::testing
