#include "probes/registry_reader.h"

#include <gtest/gtest.h>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using platform::kRegBinary;
using platform::kRegDword;
using platform::kRegExpandSz;
using platform::kRegMultiSz;
using platform::kRegQword;
using platform::kRegSz;
using testing::TestMachine;

constexpr const char* kKey = "Software\\Fixture";

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(RegistryReader, TextValuesFollowTheReadRules) {
    struct Case {
        const char* what;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        const char* text;  // nullptr: the read raises the type error
    };
    const Case cases[] = {
        {"plain text", kRegSz, Bytes(std::string("6.0\0", 4)), "6.0"},
        {"expandable text is not expanded", kRegExpandSz, Bytes(std::string("%SystemRoot%\0", 13)), "%SystemRoot%"},
        {"cut at the first NUL", kRegSz, Bytes(std::string("ab\0cd\0", 6)), "ab"},
        {"no terminator at all", kRegSz, Bytes("abc"), "abc"},
        {"empty data", kRegSz, {}, ""},
        {"binary", kRegBinary, {1, 2, 3}, nullptr},
        {"number", kRegDword, {1, 0, 0, 0}, nullptr},
        {"multi-string", kRegMultiSz, Bytes(std::string("a\0b\0\0", 5)), nullptr},
        {"64-bit number", kRegQword, std::vector<std::uint8_t>(8, 0), nullptr},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.SetValue(platform::Hive::LocalMachine, kKey, "Version", {c.type, c.data});
        RegKey key = RegKey::Open(machine, kKey);
        if (c.text) {
            EXPECT_EQ(key.ReadText("Version"), c.text) << c.what;
        } else {
            try {
                key.ReadText("Version");
                ADD_FAILURE() << c.what << ": no error";
            } catch (const RegistryError& error) {
                EXPECT_STREQ(error.what(), "Invalid data type for 'Version'") << c.what;
            }
        }
    }
}

TEST(RegistryReader, MissingValuesAndUnopenableKeysReadEmpty) {
    TestMachine machine;
    machine.SetText(kKey, "Present", "x");
    machine.DenyKey(platform::Hive::LocalMachine, "Software\\Locked");
    machine.SetText("Software\\Locked", "Value", "secret");

    RegKey key = RegKey::Open(machine, kKey);
    EXPECT_TRUE(key.IsOpen());
    EXPECT_EQ(key.ReadText("Absent"), "");
    EXPECT_FALSE(key.HasValue("Absent"));

    for (const char* path : {"Software\\Locked", "Software\\Nowhere"}) {
        RegKey closed = RegKey::Open(machine, path);
        EXPECT_FALSE(closed.IsOpen()) << path;
        EXPECT_EQ(closed.ReadText("Value"), "") << path;
        EXPECT_FALSE(closed.HasValue("Value")) << path;
        EXPECT_TRUE(closed.SubkeyNames().empty()) << path;
        EXPECT_TRUE(closed.ValueNames().empty()) << path;
    }
}

TEST(RegistryReader, BackslashesAroundAPathNameTheSameKey) {
    TestMachine machine;
    machine.SetText("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProductID", "55274-640");
    for (const char* path : {"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\",
                             "software\\microsoft\\windows\\currentversion", "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion"}) {
        EXPECT_EQ(RegKey::Open(machine, path).ReadText("ProductID"), "55274-640") << path;
    }
}

TEST(RegistryReader, AnEmptyPathNeverOpensTheHiveRoot) {
    // A path taken from a registry value can come out empty; the root's values are nobody's to read.
    TestMachine machine;
    machine.SetText("", "Stray", "root value");
    for (const char* path : {"", "\\", "\\\\"}) {
        for (const bool view32 : {false, true}) {
            RegKey key = view32 ? RegKey::Open32(machine, path) : RegKey::Open(machine, path);
            EXPECT_FALSE(key.IsOpen()) << "'" << path << "' 32-bit view: " << view32;
            EXPECT_EQ(key.ReadText("Stray"), "") << "'" << path << "'";
        }
    }
    EXPECT_TRUE(machine.registryRequests.empty());
}

TEST(RegistryReader, RawReadsAcceptEveryNonTextTypeThatFits) {
    struct Case {
        const char* what;
        std::uint32_t type;
        std::size_t size;
        bool accepted;
    };
    const Case cases[] = {
        {"binary that fits", kRegBinary, 255, true},
        {"multi-string that fits", kRegMultiSz, 10, true},
        {"binary one byte too long", kRegBinary, 256, false},
        {"text", kRegSz, 4, false},
        {"expandable text", kRegExpandSz, 4, false},
        {"32-bit number", kRegDword, 4, false},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.SetValue(platform::Hive::LocalMachine, kKey, "SystemBiosVersion",
                         {c.type, std::vector<std::uint8_t>(c.size, 'x')});
        RegKey key = RegKey::Open(machine, kKey);
        if (c.accepted) {
            EXPECT_EQ(key.ReadRaw("SystemBiosVersion", 255).size(), c.size) << c.what;
        } else {
            EXPECT_THROW(key.ReadRaw("SystemBiosVersion", 255), RegistryError) << c.what;
        }
    }
}

TEST(RegistryReader, IntegersAreLittleEndianDwords) {
    TestMachine machine;
    machine.SetDword(kKey, "VideoMemory", 0x08000000);
    machine.SetText(kKey, "Text", "1");
    RegKey key = RegKey::Open(machine, kKey);
    EXPECT_EQ(key.ReadInteger("VideoMemory"), 0x08000000u);
    EXPECT_THROW(key.ReadInteger("Text"), RegistryError);
}

}  // namespace
}  // namespace orvane
