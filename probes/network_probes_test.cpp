#include "probes/network_probes.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using namespace orvane::testing;
using Mac = std::array<std::uint8_t, 6>;

constexpr Mac kZero{};
constexpr Mac kCard{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
constexpr Mac kOther{0x02, 0xFC, 0x00, 0x00, 0x00, 0x01};

platform::AdapterRecord Adapter(const char* description, std::size_t descriptionBytes, const Mac& mac) {
    platform::AdapterRecord record;
    std::memcpy(record.description.data(), description, descriptionBytes);
    std::copy(mac.begin(), mac.end(), record.address.begin());
    record.addressLength = 6;
    return record;
}

TEST(FormatMacAddress, SixUppercasePairsJoinedByDashes) {
    EXPECT_EQ(FormatMacAddress(kCard), "00-1A-2B-3C-4D-5E");
    EXPECT_EQ(FormatMacAddress(kZero), "00-00-00-00-00-00");
    const std::uint8_t high[] = {0xFF, 0xAB, 0xCD, 0xEF, 0x10, 0x09, 0x77};  // only six are shown
    EXPECT_EQ(FormatMacAddress(high), "FF-AB-CD-EF-10-09");
}

TEST(GetNetworkAdapters, ListsTrimmedDescriptionsOrNothing) {
    TestMachine machine;
    EXPECT_EQ(GetNetworkAdapters(machine), "") << "no adapters";
    // Zero fill after the text, and padding that some drivers leave on both sides.
    machine.adapters.push_back(Adapter("Intel(R) PRO/1000 MT Network Connection", 40, kCard));
    machine.adapters.push_back(Adapter("  Realtek RTL8139   \0\0\t", 24, kOther));
    EXPECT_EQ(GetNetworkAdapters(machine), "Intel(R) PRO/1000 MT Network Connection | Realtek RTL8139 | ");
    machine.adapterListStatus = 87;  // the filled call fails
    EXPECT_EQ(GetNetworkAdapters(machine), "");
}

struct MacCase {
    const char* name;
    std::vector<std::uint8_t> lanas;
    std::vector<std::pair<std::uint8_t, TestMachine::NetbiosAdapter>> netbios;
    std::vector<Mac> adapterList;
    const char* mac;
};

TEST(GetMACAddress, SearchesNetbiosAdaptersThenTheAdapterList) {
    const MacCase cases[] = {
        {"the first non-zero address wins",                  {3, 5}, {{3, {0, kZero}}, {5, {0, kCard}}},     {},      "00-1A-2B-3C-4D-5E"},
        {"a short buffer still holds the address",           {3},    {{3, {6, kCard}}},                      {},      "00-1A-2B-3C-4D-5E"},
        {"every adapter all zeros",                          {3, 5}, {{3, {0, kZero}}, {5, {0, kZero}}},     {kCard}, "00-00-00-00-00-00"},
        {"a failed status command ends the search",          {3, 5}, {{3, {0x23, kOther}}, {5, {0, kCard}}}, {},      ""                 },
        {"the search ended empty: the adapter list answers",
         {3, 5},
         {{3, {0x23, kOther}}, {5, {0, kCard}}},
         {kZero, kOther},
         "02-FC-00-00-00-01"                                                                                                             },
        {"no adapters counted: adapter 0 is still asked",    {},     {{0, {0, kOther}}},                     {},      "02-FC-00-00-00-01"},
    };
    for (const MacCase& c : cases) {
        TestMachine machine;
        machine.lanas = c.lanas;
        for (const auto& [lana, adapter] : c.netbios) machine.netbiosAdapters[lana] = adapter;
        for (const Mac& mac : c.adapterList) machine.adapters.push_back(Adapter("card", 4, mac));
        EXPECT_EQ(GetMACAddress(machine), c.mac) << c.name;
    }
}

TEST(GetMACAddress, ResetsEachAdapterBeforeAskingItsStatus) {
    TestMachine machine;
    machine.lanas = {3, 5};
    machine.netbiosAdapters[3] = {0, kZero};
    machine.netbiosAdapters[5] = {0, kCard};
    GetMACAddress(machine);
    std::vector<std::pair<int, int>> sent;
    for (const auto& command : machine.netbiosLog) sent.emplace_back(command.command, command.lana);
    EXPECT_EQ(sent, (std::vector<std::pair<int, int>>{
                        {0x37, 0},
                        {0x32, 3},
                        {0x33, 3},
                        {0x32, 5},
                        {0x33, 5}
    }));
    const auto& status = machine.netbiosLog[2];
    EXPECT_EQ(std::string(status.callName.begin(), status.callName.end()), "*               ");
    EXPECT_EQ(status.buffer.size(), 60u);
    EXPECT_EQ(machine.netbiosLog[0].buffer.size(), 256u);
}

TEST(GetMACAddress, WithoutNetbiosTakesTheFirstNonZeroListedAddress) {
    TestMachine machine;
    machine.netbiosAvailable = false;
    EXPECT_EQ(GetMACAddress(machine), "");
    machine.adapters.push_back(Adapter("loopback", 8, kZero));
    machine.adapters.push_back(Adapter("eth0", 4, kCard));
    machine.adapters.push_back(Adapter("eth1", 4, kOther));
    EXPECT_EQ(GetMACAddress(machine), "00-1A-2B-3C-4D-5E");
    machine.adapters[1].addressLength = 0;  // no hardware address at all
    EXPECT_EQ(GetMACAddress(machine), "02-FC-00-00-00-01");
}

TEST(GetIPAddresses, ListsEveryAddressOfTheHostAndPairsTheSocketCalls) {
    TestMachine machine;
    machine.hostName = "WORKSTATION";
    EXPECT_EQ(GetIPAddresses(machine), "") << "the name does not resolve";
    machine.hosts["WORKSTATION"] = {
        {192, 168, 1, 20 },
        {10,  0,   0, 255}
    };
    EXPECT_EQ(GetIPAddresses(machine), "192.168.1.20 | 10.0.0.255 | ");
    EXPECT_EQ(machine.socketStarts, 2);
    EXPECT_EQ(machine.socketStops, 2);
}

TEST(GetLocalNames, AreWhatThePlatformDeliversOrEmpty) {
    TestMachine machine;
    EXPECT_EQ(GetLocalComputerName(machine), "");
    EXPECT_EQ(GetLocalUserName(machine), "");
    machine.computerName = "WORKSTATION";
    machine.userName = "Administrator";
    EXPECT_EQ(GetLocalComputerName(machine), "WORKSTATION");
    EXPECT_EQ(GetLocalUserName(machine), "Administrator");
}

constexpr const char* kFax = "SOFTWARE\\Microsoft\\Fax\\Devices";
constexpr const char* kModem = "SOFTWARE\\Microsoft\\Ras\\Tapi Device\\Unimodem";

TEST(GetModems, ListsFaxDevicesOrElseTheModemAlone) {
    TestMachine machine;
    EXPECT_EQ(GetModems(machine), "");
    machine.SetText(kModem, "Friendly Name", "Standard 56000 bps Modem");
    EXPECT_EQ(GetModems(machine), "Standard 56000 bps Modem") << "the fallback has no separator";
    machine.AddKey(platform::Hive::LocalMachine, kFax);
    EXPECT_EQ(GetModems(machine), "Standard 56000 bps Modem") << "a fax key without devices";
    machine.AddKey(platform::Hive::LocalMachine, std::string(kFax) + "\\65539");
    EXPECT_EQ(GetModems(machine), " | ") << "an empty device name still counts and suppresses the modem";
    machine.SetText(std::string(kFax) + "\\65540", "Device Name", "Fax Modem (COM3)");
    machine.DenyKey(platform::Hive::LocalMachine, std::string(kFax) + "\\65541");  // skipped
    EXPECT_EQ(GetModems(machine), " | Fax Modem (COM3) | ");
}

TEST(GetModems, AValueOfTheWrongTypeDiscardsEverything) {
    TestMachine machine;
    machine.SetText(std::string(kFax) + "\\1", "Device Name", "Fax Modem (COM3)");
    machine.SetDword(std::string(kFax) + "\\2", "Device Name", 7);
    EXPECT_EQ(GetModems(machine), "");
    TestMachine modemOnly;
    modemOnly.SetBinary(kModem, "Friendly Name", {'M', 0});
    EXPECT_EQ(GetModems(modemOnly), "");
}

}  // namespace
}  // namespace orvane
