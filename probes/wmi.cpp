#include "probes/wmi.h"

namespace orvane {

using platform::WmiValue;

namespace {

constexpr const char* kNamespace = "root\\cimv2";
// The rows name this computer in both ways.
constexpr const char* kThisComputer = ".";
constexpr const char* kDefaultServer = "";

}  // namespace

std::string BuildWmiQuery(const std::string& className) {
    return "SELECT * FROM " + className;
}

std::string ChooseWmiResult(const std::optional<std::vector<WmiValue>>& values) {
    if (!values) return {};
    std::string result;
    for (const WmiValue& value : *values) {
        switch (value.kind) {
            case WmiValue::Kind::Error:
                return {};  // discards what earlier instances gave
            case WmiValue::Kind::Null:
                result.clear();
                break;
            case WmiValue::Kind::Text:
                result = value.text;
                break;
        }
    }
    return result;
}

std::string GetWMIValue(System& sys, const std::string& server, const std::string& className,
                        const std::string& property) {
    return Guarded(
        [&] { return ChooseWmiResult(sys.QueryProperty(server, kNamespace, BuildWmiQuery(className), property)); });
}

void PrepareWMIRows(System& sys) {
    sys.PrepareQueries({{kThisComputer, kNamespace}, {kDefaultServer, kNamespace}});
}

std::string GetBIOSManufacturer(System& sys) {
    return GetWMIValue(sys, kThisComputer, "Win32_BIOS", "Manufacturer");
}

std::string GetProductMake(System& sys) {
    return GetWMIValue(sys, kDefaultServer, "Win32_ComputerSystemProduct", "Name");
}

std::string GetBIOSSerialNumber(System& sys) {
    return GetWMIValue(sys, kDefaultServer, "Win32_BIOS", "SerialNumber");
}

}  // namespace orvane
