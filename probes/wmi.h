#pragma once
// The program's one WMI query and the three summary rows that use it.

#include <optional>
#include <string>
#include <vector>

#include "platform/wmi.h"
#include "probes/probe.h"

namespace orvane {

// The named property of every instance of the class; the last instance enumerated wins, and any
// error empties the result. The server "." and the empty server both mean this computer.
std::string GetWMIValue(System& sys, const std::string& server, const std::string& className,
                        const std::string& property);

std::string BuildWmiQuery(const std::string& className);
// The rules above, over what the query delivered.
std::string ChooseWmiResult(const std::optional<std::vector<platform::WmiValue>>& values);

// Asks the platform to prepare the namespaces the three rows below query, so that connecting overlaps
// the refresh's earlier rows.
void PrepareWMIRows(System& sys);

// The summary rows "Manufacturer", "Product Make" and "Serial Number".
std::string GetBIOSManufacturer(System& sys);
std::string GetProductMake(System& sys);
std::string GetBIOSSerialNumber(System& sys);

}  // namespace orvane
