#pragma once
// Operating-system probes: the Windows line, the browser version, the product ID, the time zone,
// the default printer, and the Windows-kind code that the BIOS probe uses to choose its method.

#include <string>

#include "platform/os_info.h"
#include "probes/probe.h"

namespace orvane {

std::string GetWindowsVersion(System& sys);
// Lets a registry type error through to the refresh.
std::string GetIEVersion(System& sys);
std::string GetProductID(System& sys);
std::string GetTimeZoneName(System& sys);
std::string GetDefaultPrinterName(System& sys);
int GetWindowsKind(System& sys);

// The pure rules behind the probes above, for a version record already read.
// server: the product type says a server or a domain controller (it only names releases from NT 6 on).
std::string FormatWindowsVersion(const platform::OsVersion& version, bool server = false);
int ClassifyWindowsKind(const platform::OsVersion& version);

}  // namespace orvane
