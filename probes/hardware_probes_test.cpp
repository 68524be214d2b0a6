#include "probes/hardware_probes.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using namespace orvane::testing;

TEST(GetMemorySize, ShowsWholeMebibytesTruncatedPlusOne) {
    struct Case {
        std::uint64_t bytes;
        const char* shown;
    };
    const Case cases[] = {
        {536242585,             "512 MB"          }, // 511.4 MiB
        {536870912,             "513 MB"          }, // an exact multiple still shows one more
        {0xFFFFFFFFull,         "4096 MB"         }, // the most a 32-bit record could hold
        {0x1000000000ull,       "65537 MB"        }, // 64 GiB: no 32-bit overflow
        {0x7FFFFFFFFFFFFFFFull, "8796093022208 MB"},
        {0,                     "1 MB"            },
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.totalPhysicalMemory = c.bytes;
        EXPECT_EQ(GetMemorySize(machine), c.shown) << c.bytes;
    }
    TestMachine failing;
    EXPECT_EQ(GetMemorySize(failing), "");
}

TEST(HasCPUID, IsWhetherTheIdBitCanBeToggled) {
    TestMachine modern;
    EXPECT_TRUE(HasCPUID(modern));
    modern.flags |= platform::kFlagsIdBit;  // set or clear before the test, either way it toggles
    EXPECT_TRUE(HasCPUID(modern));
    TestMachine i486;
    i486.writableFlags = 0;
    EXPECT_FALSE(HasCPUID(i486));
}

// Brand words in CPUID register order: four characters per register, first character in the low byte.
void SetBrandLeaves(TestMachine& machine, const std::string& brand48) {
    std::uint32_t words[12] = {};
    for (std::size_t i = 0; i < brand48.size() && i < 48; ++i) {
        words[i / 4] |= static_cast<std::uint32_t>(static_cast<unsigned char>(brand48[i])) << (8 * (i % 4));
    }
    for (std::uint32_t leaf = 0; leaf < 3; ++leaf) {
        machine.cpuidLeaves[0x80000002u + leaf] = {words[4 * leaf], words[4 * leaf + 1], words[4 * leaf + 2],
                                                   words[4 * leaf + 3]};
    }
}

TEST(GetCPUBrand, NeedsCpuidAndTheThirdBrandLeaf) {
    struct Case {
        bool cpuid;
        std::uint32_t highestExtended;
        const char* brand;
    };
    const Case cases[] = {
        {true,  0x80000004u, "Some CPU"},
        {true,  0x80000008u, "Some CPU"},
        {true,  0x80000003u, ""        }, // one brand leaf short
        {true,  0x00000002u, ""        }, // a basic-leaf number echoed back: unsigned, so below 0x80000004
        {true,  0xFFFFFFFFu, "Some CPU"},
        {false, 0x80000004u, ""        }, // the leaves are never asked without the ID bit
    };
    for (const Case& c : cases) {
        TestMachine machine;
        if (!c.cpuid) machine.writableFlags = 0;
        machine.cpuidLeaves[0x80000000u] = {c.highestExtended, 0, 0, 0};
        SetBrandLeaves(machine, "Some CPU");
        EXPECT_EQ(GetCPUBrand(machine), c.brand) << std::hex << c.highestExtended << " cpuid " << c.cpuid;
    }
}

TEST(GetCPUBrand, TrimsPaddingAndUsesAllFortyEightCharacters) {
    TestMachine machine;
    machine.cpuidLeaves[0x80000000u] = {0x80000004u, 0, 0, 0};
    SetBrandLeaves(machine, "   \t Right Aligned CPU  ");
    EXPECT_EQ(GetCPUBrand(machine), "Right Aligned CPU");
    const std::string full(48, 'X');
    SetBrandLeaves(machine, full);
    EXPECT_EQ(GetCPUBrand(machine), full);
    SetBrandLeaves(machine, std::string("Cut") + '\0' + "Hidden");
    EXPECT_EQ(GetCPUBrand(machine), "Cut");
}

TEST(GetCPUBrand, ReadsRecordedProcessors) {
    const std::filesystem::path dumps = std::filesystem::path(ORVANE_SHARED_DIR) / "cpuid-dumps";
    if (!std::filesystem::is_directory(dumps)) GTEST_SKIP() << "no CPUID dumps at " << dumps;
    struct Case {
        const char* file;
        const char* brand;
    };
    // Leaves a dump does not list answer zeros.
    const Case cases[] = {
        {"intel_ia-32_netburst_intel-pentium-4-cpu-2.80ghz.txt", "Intel(R) Pentium(R) 4 CPU 2.80GHz"      }, // right-aligned
        {"amd_zen5_amd-ryzen-9-9950x-16-core-processor.txt",     "AMD Ryzen 9 9950X 16-Core Processor"    }, // left-aligned
        {"intel_x86-64_haswell_intel-core-i3-4130-cpu.txt",      "Intel(R) Core(TM) i3-4130 CPU @ 3.40GHz"},
        {"via_esther_via-c7-m-processor-1200mhz.txt",            "VIA C7-M Processor 1200MHz"             },
        {"amd_k5_amd-k5-pr133.txt",                              "AMD-K5(tm) Processor"                   },
        {"intel_ia-32_p6_intel-celeron-coppermine.txt",          ""                                       }, // echoes basic leaf 2 (0x03020101) for 0x80000000
        {"intel_ia-32_p6_intel-pentium-iii-katmai.txt",          ""                                       }, // no extended leaves at all
        {"amd_k5_amd-k5-pr100.txt",                              ""                                       },
    };
    for (const Case& c : cases) {
        TestMachine machine;
        ASSERT_TRUE(machine.LoadCpuidDump((dumps / c.file).string())) << c.file;
        EXPECT_EQ(GetCPUBrand(machine), c.brand) << c.file;
    }
}

TEST(GetCPUIdentifier, ReadsTheFirstProcessorsIdentifier) {
    constexpr const char* kKey = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
    TestMachine machine;
    EXPECT_EQ(GetCPUIdentifier(machine), "");
    machine.SetText(kKey, "Identifier", "x86 Family 6 Model 8 Stepping 3");
    EXPECT_EQ(GetCPUIdentifier(machine), "x86 Family 6 Model 8 Stepping 3");
    machine.SetDword(kKey, "Identifier", 6);
    EXPECT_EQ(GetCPUIdentifier(machine), "");  // the type error stays inside the probe
}

TEST(SoundCard, IsDetectedByTheWaveOutputCountAndNamedByDeviceZero) {
    TestMachine machine;
    EXPECT_FALSE(HasSoundCard(machine));
    machine.waveOutCount = 2;
    machine.waveOutNames = {"PulseAudio", "Second"};
    EXPECT_TRUE(HasSoundCard(machine));
    EXPECT_EQ(GetSoundCardName(machine), "PulseAudio");
}

TEST(GetDisplayAdapters, ListsEveryEnumeratedDeviceInOrder) {
    TestMachine machine;
    EXPECT_EQ(GetDisplayAdapters(machine), "");
    machine.displayDevices = {"RADEON 9200", "RADEON 9200", "Mirror Driver"};  // once per output
    EXPECT_EQ(GetDisplayAdapters(machine), "RADEON 9200 | RADEON 9200 | Mirror Driver | ");
}

TEST(MetricProbes, ScreenNetworkAndMouseForms) {
    TestMachine machine;
    machine.metrics = {
        {kSmCxScreen, 1024},
        {kSmCyScreen, 768 }
    };
    EXPECT_EQ(GetScreenResolution(machine), "1024 X 768");
    EXPECT_EQ(GetNetworkPresence(machine), "");
    machine.metrics[kSmNetwork] = 1;
    EXPECT_EQ(GetNetworkPresence(machine), "Network Present");

    struct MouseCase {
        int present, wheel, buttons;
        const char* shown;
    };
    const MouseCase mice[] = {
        {1, 1, 3, "3 Button Wheel Mouse Present"},
        {1, 0, 2, "2 Button Mouse Present"      },
        {1, 1, 0, "Wheel Mouse Present"         },
        {1, 0, 0, "Mouse Present"               },
        {0, 1, 3, ""                            }, // nothing else counts without a mouse
    };
    for (const MouseCase& m : mice) {
        machine.metrics[kSmMousePresent] = m.present;
        machine.metrics[kSmMouseWheelPresent] = m.wheel;
        machine.metrics[kSmCMouseButtons] = m.buttons;
        EXPECT_EQ(GetMouseInfo(machine), m.shown);
    }
}

}  // namespace
}  // namespace orvane
