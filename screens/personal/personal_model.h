#pragma once
// The personal window's rows that the summary refresh fills, in the order it fills them.

#include "probes/probe.h"

namespace orvane {

enum class PersonalRow { ComputerName, UserName, IpAddresses, MacAddress, ProductId, HddSerial };

struct PersonalRowSpec {
    PersonalRow row;
    const char* label;
    const char* labelName;
    const char* valueName;
    Probe probe;
};
extern const PersonalRowSpec kPersonalRefreshRows[6];

}  // namespace orvane
