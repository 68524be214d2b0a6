#include "screens/devices/device_model.h"

#include <gtest/gtest.h>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using platform::Hive;
using testing::TestMachine;

std::string Class(const std::string& rest) {
    return std::string(kDeviceClassTree) + "\\" + rest;
}

TEST(DeviceList, ListsTheFirstInstanceOfEachClassInEnumerationOrder) {
    TestMachine machine;
    machine.SetText(Class("{display}\\0000"), "DriverDesc", "Zeta Graphics");
    machine.SetText(Class("{display}\\0000"), "ProviderName", "Contoso");
    machine.SetText(Class("{display}\\0000"), "DriverVersion", "1.2.3");
    machine.SetText(Class("{display}\\0001"), "DriverDesc", "Second Adapter");
    machine.AddKey(Hive::LocalMachine, Class("{ports}"));  // no instance
    machine.SetText(Class("{monitor}\\0000"), "DriverDesc", "");
    machine.SetText(Class("{hid}\\0000"), "InfPath", "input.inf");  // no description
    machine.SetText(Class("{media}\\0000"), "DriverDesc", "Zeta Graphics");
    machine.SetText(Class("{media}\\0000"), "ProviderName", "Fabrikam");
    machine.SetText(Class("{system}\\0000"), "DriverDesc", std::string("Alpha Bus\0junk", 14), platform::kRegExpandSz);
    machine.DenyKey(Hive::LocalMachine, Class("{secret}\\0000"));

    const ListRefresh list = ReadDeviceList(machine);
    EXPECT_FALSE(list.error);
    // Duplicates stay; the window sorts, the model keeps the registry's order.
    const std::vector<ListRow> expected = {
        {"Zeta Graphics", "Contoso", "1.2.3"}, {"Zeta Graphics", "Fabrikam", ""}, {"Alpha Bus", "", ""}};
    EXPECT_EQ(list.rows, expected);
    EXPECT_EQ(CountText(list.rows.size()), "Count: 3");
}

TEST(DeviceList, ReadsTheControlSetInUseNotTheBackupSets) {
    TestMachine machine;
    machine.SetText("SYSTEM\\ControlSet002\\Control\\Class\\{display}\\0000", "DriverDesc", "Backup Only");
    machine.SetText("SYSTEM\\ControlSet003\\Control\\Class\\{display}\\0000", "DriverDesc", "Older Backup");
    const ListRefresh list = ReadDeviceList(machine);
    EXPECT_TRUE(list.rows.empty());
    EXPECT_FALSE(list.error);
    EXPECT_EQ(CountText(list.rows.size()), "Count: 0");
}

TEST(DeviceList, AValueOfAnotherTypeEndsTheWalkKeepingWhatWasRead) {
    struct Case {
        const char* badValue;
        std::vector<ListRow> rows;
    };
    const Case cases[] = {
        {"DriverDesc", {{"First", "P", "V"}}},
        {"ProviderName", {{"First", "P", "V"}, {"Broken"}}},
        {"DriverVersion", {{"First", "P", "V"}, {"Broken", "Provider"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.badValue);
        TestMachine machine;
        machine.SetText(Class("{a}\\0000"), "DriverDesc", "First");
        machine.SetText(Class("{a}\\0000"), "ProviderName", "P");
        machine.SetText(Class("{a}\\0000"), "DriverVersion", "V");
        machine.SetText(Class("{b}\\0000"), "DriverDesc", "Broken");
        machine.SetText(Class("{b}\\0000"), "ProviderName", "Provider");
        machine.SetDword(Class("{b}\\0000"), c.badValue, 1);
        machine.SetText(Class("{c}\\0000"), "DriverDesc", "Never Reached");
        const ListRefresh list = ReadDeviceList(machine);
        EXPECT_EQ(list.rows, c.rows);
        EXPECT_EQ(list.error, "Invalid data type for '" + std::string(c.badValue) + "'");
    }
}

}  // namespace
}  // namespace orvane
