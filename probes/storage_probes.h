#pragma once
// Storage, port and bus probes: the rows "Hard Disks", "Hard Disks - Free", "CD / DVD Drives",
// "COM Ports", "LPT Ports", "USB Controllers", "Firewire (1394)" and "PCMCIA (Laptops)", and the
// device records the CD model is asked with.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/device_records.h"
#include "probes/probe.h"

namespace orvane {

std::string GetHardDisks(System& sys);
std::string GetHardDisksFree(System& sys);
std::string GetCDDrives(System& sys);
// letter is 'A' to 'Z'.
std::string GetCDDriveModel(System& sys, char letter);
std::string GetCOMPorts(System& sys);
std::string GetCOMPortsFromRegistry(System& sys);
std::string GetLPTPorts(System& sys);
std::string GetLPTPortsFromRegistry(System& sys);
std::string GetUSBControllers(System& sys);
// GUID_DEVINTERFACE_USB_HOST_CONTROLLER, {3ABF6F2D-71C4-462A-8A92-1E6861E6AF27}.
inline constexpr platform::Guid kUsbHostControllerInterface{
    0x3ABF6F2D, 0x71C4, 0x462A, {0x8A, 0x92, 0x1E, 0x68, 0x61, 0xE6, 0xAF, 0x27}};
// A list that never ends is cut here.
inline constexpr std::uint32_t kMaxInterfaces = 1024;
std::string GetFirewireControllers(System& sys);
std::string GetPCMCIAStatus(System& sys);

// A drive size as the hard-disk rows show it: "%3.1fGB" above 1 GiB, "%3.1fMB" otherwise.
std::string FormatDriveSize(double bytes);
// "COM1" to "COM9", "\\.\COM10" and up; the same for "LPT".
std::string PortName(const char* kind, int number);

// How long the port probes wait for one port's open. A driver that does not answer within it gives the
// port up, and the ports after it are not tried: one such port holds the refresh for this long at most.
inline constexpr std::uint32_t kPortOpenWaitMs = 2000;

// --- the CD model's device records ---

inline constexpr std::size_t kInquiryDataLength = 100;

// A standard INQUIRY (100 bytes, no vital-product page) whose data lands at dataBufferAddress.
std::vector<std::uint8_t> BuildInquiryRequest(std::size_t pointerSize, std::uint64_t dataBufferAddress);
// Vendor, product and revision of the inquiry data: the text from byte 8 to the first zero or the end.
std::string ParseInquiryModel(std::span<const std::uint8_t> inquiryData);

// STORAGE_PROPERTY_QUERY for StorageDeviceProperty, PropertyStandardQuery.
std::vector<std::uint8_t> BuildDevicePropertyQuery();
// The NUL-terminated text of a STORAGE_DEVICE_DESCRIPTOR reply whose offset is stored at offsetField
// (12 vendor, 16 product, 24 serial number), bounded by the descriptor's own Size and by the reply;
// empty when the offset is 0, outside, or the reply too short to hold it.
std::string StorageDescriptorText(std::span<const std::uint8_t> reply, std::size_t offsetField);
// The vendor (padded to 8 characters) and product identification of a STORAGE_DEVICE_DESCRIPTOR reply,
// the same form the inquiry data has; the empty text when the reply names neither.
std::string ParseDeviceDescriptorModel(std::span<const std::uint8_t> reply);

}  // namespace orvane
