#include "probes/wmi.h"

#include <gtest/gtest.h>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using platform::WmiValue;
using Kind = platform::WmiValue::Kind;
using testing::TestMachine;

const WmiValue kA{Kind::Text, "Award Software"};
const WmiValue kB{Kind::Text, "Phoenix"};
const WmiValue kNull{Kind::Null, ""};
const WmiValue kError{Kind::Error, ""};

TEST(ChooseWmiResult, TheLastInstanceWinsAndAnyErrorEmptiesTheResult) {
    struct Case {
        const char* name;
        std::optional<std::vector<WmiValue>> values;
        const char* result;
    };
    const Case cases[] = {
        {"query failed",                       std::nullopt,            ""              },
        {"no instances",                       std::vector<WmiValue>{}, ""              },
        {"one instance",                       std::vector{kA},         "Award Software"},
        {"the last of several",                std::vector{kA, kB},     "Phoenix"       },
        {"a Null last",                        std::vector{kA, kNull},  ""              },
        {"a Null first",                       std::vector{kNull, kB},  "Phoenix"       },
        {"an error discards an earlier value", std::vector{kA, kError}, ""              },
        {"an error ends the walk",             std::vector{kError, kB}, ""              },
    };
    for (const Case& c : cases) EXPECT_EQ(ChooseWmiResult(c.values), c.result) << c.name;
}

TEST(GetWMIValue, TheRowsQueryTheirClassesOnThisComputer) {
    TestMachine machine;
    machine.wmiClasses["SELECT * FROM Win32_BIOS"] = {
        {{"Manufacturer", kA}, {"SerialNumber", {Kind::Text, "VMware-56 4d"}}},
    };
    machine.wmiClasses["SELECT * FROM Win32_ComputerSystemProduct"] = {{{"Name", {Kind::Text, "OptiPlex 755"}}}};
    EXPECT_EQ(GetBIOSManufacturer(machine), "Award Software");
    EXPECT_EQ(GetProductMake(machine), "OptiPlex 755");
    EXPECT_EQ(GetBIOSSerialNumber(machine), "VMware-56 4d");
    EXPECT_EQ(machine.wmiCalls, (std::vector<std::string>{
                                    ".|root\\cimv2|SELECT * FROM Win32_BIOS|Manufacturer",
                                    "|root\\cimv2|SELECT * FROM Win32_ComputerSystemProduct|Name",
                                    "|root\\cimv2|SELECT * FROM Win32_BIOS|SerialNumber",
                                }));
    EXPECT_EQ(GetWMIValue(machine, "", "Win32_BIOS", "NoSuchProperty"), "");
    EXPECT_EQ(GetWMIValue(machine, "", "Win32_NoSuchClass", "Name"), "");
}

}  // namespace
}  // namespace orvane
