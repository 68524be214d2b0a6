#include "screens/personal/personal_model.h"

#include "probes/hdd_serial.h"
#include "probes/network_probes.h"
#include "probes/os_probes.h"

namespace orvane {

// clang-format off
// Columns: row, label, label control, value control, probe.
const PersonalRowSpec kPersonalRefreshRows[6] = {
    {PersonalRow::ComputerName, "Computer Name",    "Desc1",  "Info1",  GetLocalComputerName},
    {PersonalRow::UserName,     "Username",         "Desc2",  "Info2",  GetLocalUserName    },
    {PersonalRow::IpAddresses,  "IP Addresses",     "Desc3",  "Info3",  GetIPAddresses      },
    {PersonalRow::MacAddress,   "MAC Address",      "Desc4",  "Info4",  GetMACAddress       },
    {PersonalRow::ProductId,    "Product ID",       "Desc6",  "Info6",  GetProductID        },
    {PersonalRow::HddSerial,    "HD Serial Number", "Desc21", "Info21", GetHDDSerial        },
};
// clang-format on

}  // namespace orvane
