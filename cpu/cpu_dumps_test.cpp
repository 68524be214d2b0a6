// The CPU window's identification over CPUID dumps recorded on real processors. Every expected row
// was checked by hand against the processor its dump came from: names and code names from the
// vendors' model numbers, the name table's own rows where the extended fields are 0, the brand string
// where neither table knows the processor.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "screens/cpu/cpu_model.h"
#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using testing::TestMachine;

const std::filesystem::path kDumpFolder = std::filesystem::path(ORVANE_SHARED_DIR) / "cpuid-dumps";

struct DumpCase {
    const char* dump;  // file name without ".txt"
    const char* vendor;
    const char* name;  // the "CPU Chip" text without "1 x "
    const char* codeName;
    int busSpeed;
    int transistors;
    const char* model;  // the "CPU Family" text without "Model ID: "
    const char* cpuId;
    // One character per check-list entry, '1' checked: 3D Now!, Enhanced 3D Now!, Enhanced MMX, SIMD,
    // FXSAVE/FXRSTOR, MMX, Serial number, PSE-36, PAT, CMOV, MCA, PGE, MTRR, SYSENTER, APIC, CMPXCHG8B,
    // MCE, PAE, MSR, TSC, PSE, DE, VME, FPU, FDIV Bug.
    const char* features;
    TCPUCache cache;
};

// clang-format off
const DumpCase kDumpCases[] = {
    {"amd_bulldozer_amd-a10-4600m-apu-with-radeon-hd-graphics",
     "Advanced Micro Devices", "A10", "Trinity (Piledriver)", 0, 0,
     "Family 21  Model 16  Stepping 1", "610F01", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_bulldozer_amd-a10-5800k-apu-with-radeon-hd-graphics",
     "Advanced Micro Devices", "A10", "Trinity (Piledriver)", 0, 0,
     "Family 21  Model 16  Stepping 1", "610F01", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_bulldozer_amd-a10-6800k-apu-with-radeon-hd-graphics",
     "Advanced Micro Devices", "A10", "Richland (Piledriver)", 0, 0,
     "Family 21  Model 19  Stepping 1", "610F31", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_k10_amd-a8-3850-apu-with-radeon-hd-graphics",
     "Advanced Micro Devices", "A8", "Llano (K10)", 0, 0,
     "Family 18  Model 1  Stepping 0", "300F10", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k10_amd-athlon-7750-dual-core-processor",
     "Advanced Micro Devices", "Athlon", "Barcelona/Agena/Toliman/Kuma (K10)", 0, 0,
     "Family 16  Model 2  Stepping 3", "100F23", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k5_amd-k5-pr100",
     "Advanced Micro Devices", "K5", "SSA5 (0.50-0.35 \xB5m)", 66, 4300000,
     "Family 5  Model 0  Stepping 1", "0501", "0000000000000011101111110", {0, 0, 0, 0}},
    {"amd_k5_amd-k5-pr133",
     "Advanced Micro Devices", "K5-5k86 (PR120, PR133)", "5k86 (0.35 \xB5m)", 66, 4300000,
     "Family 5  Model 1  Stepping 1", "0511", "0000000000010001101111110", {0, 0, 0, 0}},
    {"amd_k5_amd-k5-pr200",
     "Advanced Micro Devices", "K5-5k86 (PR120, PR133)", "5k86 (0.35 \xB5m)", 66, 4300000,
     "Family 5  Model 3  Stepping 4", "0534", "0000000000010001101111110", {0, 0, 0, 0}},
    {"amd_k5_amd-k5-pr75",
     "Advanced Micro Devices", "K5", "SSA5 (0.50-0.35 \xB5m)", 66, 4300000,
     "Family 5  Model 0  Stepping 0", "0500", "0000000000000011101111110", {0, 0, 0, 0}},
    {"amd_k6_amd-k6-2-chomper-extended",
     "Advanced Micro Devices", "K6-II", "Chomper (0.25 \xB5m)", 100, 9300000,
     "Family 5  Model 8  Stepping 12", "058C", "1000010000010001101111110", {0, 0, 0, 0}},
    {"amd_k6_amd-k6-2-chomper",
     "Advanced Micro Devices", "K6-II", "Chomper (0.25 \xB5m)", 100, 9300000,
     "Family 5  Model 8  Stepping 0", "0580", "1000010000000001101111110", {0, 0, 0, 0}},
    {"amd_k6_amd-k6-iii+",
     "Advanced Micro Devices", "K6-II+/K6-III+", "", 0, 0,
     "Family 5  Model 13  Stepping 0", "05D0", "1100010000010001101111110", {0, 0, 0, 0}},
    {"amd_k6_amd-k6-iii-sharptooth",
     "Advanced Micro Devices", "K6-III", "Slarptooth (0.25 \xB5m)", 100, 21300000,
     "Family 5  Model 9  Stepping 1", "0591", "1000010000010001101111110", {0, 0, 0, 0}},
    {"amd_k6_amd-k6",
     "Advanced Micro Devices", "K6", "K6 (0.30 \xB5m)", 66, 8800000,
     "Family 5  Model 6  Stepping 2", "0562", "0000010000000001101111110", {0, 0, 0, 0}},
    {"amd_k7_amd-athlon-processor",
     "Advanced Micro Devices", "K7", "Athlon (0.25-0.18 \xB5m)", 100, 22000000,
     "Family 6  Model 2  Stepping 2", "0622", "1110110111111101111111110", {0, 0, 0, 0}},
    {"amd_k7_amd-athlon-xp-2200+",
     "Advanced Micro Devices", "K7", "Athlon (0.25-0.18 \xB5m)", 100, 22000000,
     "Family 6  Model 8  Stepping 0", "0680", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k7_amd-athlon-xp-3200+",
     "Advanced Micro Devices", "K7", "Athlon (0.25-0.18 \xB5m)", 100, 22000000,
     "Family 6  Model 10  Stepping 0", "06A0", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k7_amd-athlon-xp-palomino",
     "Advanced Micro Devices", "K7", "Athlon (0.25-0.18 \xB5m)", 100, 22000000,
     "Family 6  Model 6  Stepping 2", "0662", "1111110111111101111111110", {0, 0, 0, 0}},
    {"amd_k7_amd-athlon-xp",
     "Advanced Micro Devices", "K7", "Athlon (0.25-0.18 \xB5m)", 100, 22000000,
     "Family 6  Model 8  Stepping 1", "0681", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k7_amd-duron-spitfire",
     "Advanced Micro Devices", "K7", "Athlon (0.25-0.18 \xB5m)", 100, 22000000,
     "Family 6  Model 3  Stepping 0", "0630", "1110110111111101111111110", {0, 0, 0, 0}},
    {"amd_k7_amd-sempron-3000+",
     "Advanced Micro Devices", "K7", "Athlon (0.25-0.18 \xB5m)", 100, 22000000,
     "Family 6  Model 10  Stepping 0", "06A0", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_amd-athlon-64-processor-2800+",
     "Advanced Micro Devices", "Athlon 64", "ClawHammer (K8)", 0, 0,
     "Family 15  Model 4  Stepping 10", "0F4A", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_amd-athlon-64-processor-3000+",
     "Advanced Micro Devices", "Athlon 64", "Venice/Palermo (K8)", 0, 0,
     "Family 15  Model 44  Stepping 2", "20FC2", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_amd-athlon-64-processor-3200+",
     "Advanced Micro Devices", "Athlon 64", "Venice/Palermo (K8)", 0, 0,
     "Family 15  Model 47  Stepping 0", "20FF0", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_amd-athlon-64-x2-dual-core-processor-3800+",
     "Advanced Micro Devices", "Athlon 64 X2", "Manchester (K8)", 0, 0,
     "Family 15  Model 43  Stepping 1", "20FB1", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_amd-athlon-64-x2-dual-core-processor-5200+",
     "Advanced Micro Devices", "Athlon 64 X2", "Brisbane (K8)", 0, 0,
     "Family 15  Model 107  Stepping 2", "60FB2", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_amd-athlon-64-x2-dual-core-processor-6400+",
     "Advanced Micro Devices", "Athlon 64 X2", "Windsor/Santa Ana (K8)", 0, 0,
     "Family 15  Model 67  Stepping 3", "40F33", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_amd-athlon-processor-tf-20",
     "Advanced Micro Devices", "Athlon", "K8 revision G (65 nm)", 0, 0,
     "Family 15  Model 124  Stepping 2", "70FC2", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_amd-opteron-processor-240-he-dual",
     "Advanced Micro Devices", "Opteron", "SledgeHammer (K8)", 0, 0,
     "Family 15  Model 5  Stepping 1", "0F51", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_amd-opteron-processor-248",
     "Advanced Micro Devices", "Opteron", "SledgeHammer (K8)", 0, 0,
     "Family 15  Model 5  Stepping 10", "0F5A", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_amd-sempron-processor-2600+",
     "Advanced Micro Devices", "Sempron", "Venice/Palermo (K8)", 0, 0,
     "Family 15  Model 44  Stepping 2", "20FC2", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_amd-turion-64-mobile-technology-ml-34",
     "Advanced Micro Devices", "Turion 64", "Lancaster/Newark (K8)", 0, 0,
     "Family 15  Model 36  Stepping 2", "20F42", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_dual-core-amd-opteron-processor-165",
     "Advanced Micro Devices", "Opteron", "Toledo/Denmark (K8)", 0, 0,
     "Family 15  Model 35  Stepping 2", "20F32", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_dual-core-amd-opteron-processor-2210-he-quad",
     "Advanced Micro Devices", "Opteron", "Santa Rosa (K8)", 0, 0,
     "Family 15  Model 65  Stepping 2", "40F12", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_dual-core-amd-opteron-processor-8220-se-octo",
     "Advanced Micro Devices", "Opteron", "Santa Rosa (K8)", 0, 0,
     "Family 15  Model 65  Stepping 2", "40F12", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_mobile-amd-sempron-processor-3300+",
     "Advanced Micro Devices", "Sempron", "Palermo/Sonora (K8)", 0, 0,
     "Family 15  Model 28  Stepping 0", "10FC0", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_k8_mobile-amd-sempron-processor-3500+",
     "Advanced Micro Devices", "Sempron", "Keene/Richmond (K8)", 0, 0,
     "Family 15  Model 76  Stepping 2", "40FC2", "1111110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen2_amd-4800s-8-core-processor-desktop-kit",
     "Advanced Micro Devices", "AMD 4800S 8-Core Processor Desktop Kit", "Zen 2", 0, 0,
     "Family 23  Model 132  Stepping 0", "880F40", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen2_amd-custom-apu-0405",
     "Advanced Micro Devices", "AMD Custom APU 0405", "Van Gogh (Zen 2)", 0, 0,
     "Family 23  Model 144  Stepping 2", "890F02", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen3_amd-ryzen-5-5600x3d-6-core-processor",
     "Advanced Micro Devices", "Ryzen 5", "Vermeer (Zen 3)", 0, 0,
     "Family 25  Model 33  Stepping 2", "A20F12", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen3_amd-ryzen-7-5700x3d-8-core-processor",
     "Advanced Micro Devices", "Ryzen 7", "Vermeer (Zen 3)", 0, 0,
     "Family 25  Model 33  Stepping 2", "A20F12", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen3_amd-ryzen-7-5800h-with-radeon-graphics",
     "Advanced Micro Devices", "Ryzen 7", "Cezanne/Barcelo (Zen 3)", 0, 0,
     "Family 25  Model 80  Stepping 0", "A50F00", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen4_amd-ryzen-5-7600x-6-core-processor",
     "Advanced Micro Devices", "Ryzen 5", "Raphael (Zen 4)", 0, 0,
     "Family 25  Model 97  Stepping 2", "A60F12", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen4_amd-ryzen-7-7800x3d-8-core-processor",
     "Advanced Micro Devices", "Ryzen 7", "Raphael (Zen 4)", 0, 0,
     "Family 25  Model 97  Stepping 2", "A60F12", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen5_amd-ryzen-7-9700x-8-core-processor",
     "Advanced Micro Devices", "Ryzen 7", "Granite Ridge (Zen 5)", 0, 0,
     "Family 26  Model 68  Stepping 0", "B40F40", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen5_amd-ryzen-7-9800x3d-8-core-processor",
     "Advanced Micro Devices", "Ryzen 7", "Granite Ridge (Zen 5)", 0, 0,
     "Family 26  Model 68  Stepping 0", "B40F40", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen5_amd-ryzen-9-9950x-16-core-processor",
     "Advanced Micro Devices", "Ryzen 9", "Granite Ridge (Zen 5)", 0, 0,
     "Family 26  Model 68  Stepping 0", "B40F40", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen_amd-3020e-with-radeon-graphics",
     "Advanced Micro Devices", "AMD 3020e with Radeon Graphics", "Dali (Zen)", 0, 0,
     "Family 23  Model 32  Stepping 1", "820F01", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen_amd-ryzen-3-2200g-with-radeon-vega-graphics",
     "Advanced Micro Devices", "Ryzen 3", "Raven Ridge (Zen)", 0, 0,
     "Family 23  Model 17  Stepping 0", "810F10", "0011110111111111111111110", {0, 0, 0, 0}},
    {"amd_zen_amd-ryzen-5-1500x-quad-core-processor",
     "Advanced Micro Devices", "Ryzen 5", "Summit Ridge/Naples/Whitehaven (Zen)", 0, 0,
     "Family 23  Model 1  Stepping 1", "800F11", "0011110111111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_intel-celeron-cpu-1.70ghz",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 1  Stepping 3", "0F13", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_intel-celeron-cpu-1.80ghz",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 1  Stepping 3", "0F13", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_intel-celeron-cpu-2.00ghz",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 2  Stepping 7", "0F27", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_intel-celeron-cpu-2.40ghz",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 3  Stepping 4", "0F34", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_intel-celeron-cpu-2.50ghz",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 2  Stepping 9", "0F29", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_intel-celeron-cpu-215",
     "Intel Corporation", "Celeron", "Yonah", 0, 0,
     "Family 6  Model 14  Stepping 8", "06E8", "0001110011111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_intel-pentium-4-cpu-1700mhz",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 0  Stepping 10", "0F0A", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_intel-pentium-4-cpu-2.40ghz",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 2  Stepping 7", "0F27", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_intel-pentium-4-cpu-2.66ghz",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 2  Stepping 9", "0F29", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_intel-pentium-4-cpu-2.80ghz",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 2  Stepping 9", "0F29", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_intel-pentium-4-cpu-3.20ghz",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 3  Stepping 4", "0F34", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_intel-pentium-m-processor-1.60ghz",
     "Intel Corporation", "Pentium M", "Dothan", 0, 0,
     "Family 6  Model 13  Stepping 8", "06D8", "0001110011111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_netburst_mobile-intel-pentium-4-m-cpu",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 2  Stepping 9", "0F29", "0001110111111101111111110", {0, 0, 0, 0}},
    {"intel_ia-32_p6_intel-celeron-coppermine",
     "Intel Corporation", "Pentium III E", "Coppermine (0.18 \xB5m)", 133, 28100000,
     "Family 6  Model 8  Stepping 10", "068A", "0001110111111101111111110", {16, 16, 0, 128}},
    {"intel_ia-32_p6_intel-celeron-m-processor-1300mhz",
     "Intel Corporation", "Celeron M", "Banias", 0, 0,
     "Family 6  Model 9  Stepping 5", "0695", "0001110011111111101111110", {0, 0, 0, 0}},
    {"intel_ia-32_p6_intel-celeron-processor-600mhz",
     "Intel Corporation", "Celeron", "Banias", 0, 0,
     "Family 6  Model 9  Stepping 5", "0695", "0001110011111111101111110", {0, 0, 0, 0}},
    {"intel_ia-32_p6_intel-core-duo-cpu-t2600",
     "Intel Corporation", "Core Duo", "Yonah", 0, 0,
     "Family 6  Model 14  Stepping 12", "06EC", "0001110011111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_p6_intel-cpu-1300",
     "Intel Corporation", "Core Solo/Duo", "Yonah", 0, 0,
     "Family 6  Model 14  Stepping 8", "06E8", "0001110011111111111111110", {0, 0, 0, 0}},
    {"intel_ia-32_p6_intel-pentium-ii-dixon",
     "Intel Corporation", "Pentium II PE (mobile)", "Dixon (0.25 \xB5m)", 66, 27400000,
     "Family 6  Model 6  Stepping 10", "066A", "0000110111111101111111110", {16, 16, 0, 256}},
    {"intel_ia-32_p6_intel-pentium-iii-coppermine",
     "Intel Corporation", "Pentium III E", "Coppermine (0.18 \xB5m)", 133, 28100000,
     "Family 6  Model 8  Stepping 10", "068A", "0001110111111111111111110", {16, 16, 0, 256}},
    {"intel_ia-32_p6_intel-pentium-iii-cpu-family-1266mhz",
     "Intel Corporation", "Pentium III", "Tualatin", 0, 0,
     "Family 6  Model 11  Stepping 1", "06B1", "0001110111111111111111110", {16, 16, 0, 512}},
    {"intel_ia-32_p6_intel-pentium-iii-katmai-dual",
     "Intel Corporation", "Pentium III", "Katmai (0.25 \xB5m)", 133, 9500000,
     "Family 6  Model 7  Stepping 3", "0673", "0001111111111111111111110", {16, 16, 0, 512}},
    {"intel_ia-32_p6_intel-pentium-iii-katmai",
     "Intel Corporation", "Pentium III", "Katmai (0.25 \xB5m)", 133, 9500000,
     "Family 6  Model 7  Stepping 3", "0673", "0001111111111101111111110", {16, 16, 0, 512}},
    {"intel_ia-32_p6_intel-pentium-m-processor-1.60ghz",
     "Intel Corporation", "Pentium M", "Dothan", 0, 0,
     "Family 6  Model 13  Stepping 6", "06D6", "0001110011111101101111110", {0, 0, 0, 0}},
    {"intel_x86-64_core_intel-celeron-cpu-420",
     "Intel Corporation", "Celeron", "Merom-L/Conroe-L", 0, 0,
     "Family 6  Model 22  Stepping 1", "10661", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_core_intel-celeron-cpu-900",
     "Intel Corporation", "Celeron", "Penryn/Wolfdale/Yorkfield/Harpertown", 0, 0,
     "Family 6  Model 23  Stepping 10", "1067A", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_core_intel-celeron-cpu-e1200",
     "Intel Corporation", "Celeron", "Merom/Conroe/Allendale/Kentsfield/Woodcrest", 0, 0,
     "Family 6  Model 15  Stepping 13", "06FD", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_golden-cove_12th-gen-intel-core-i3-1220p",
     "Intel Corporation", "Core i3", "Alder Lake", 0, 0,
     "Family 6  Model 154  Stepping 4", "906A4", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_golden-cove_12th-gen-intel-core-i5-12400",
     "Intel Corporation", "Core i5", "Alder Lake", 0, 0,
     "Family 6  Model 151  Stepping 2", "90672", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_haswell_intel-core-i3-4130-cpu",
     "Intel Corporation", "Core i3", "Haswell", 0, 0,
     "Family 6  Model 60  Stepping 3", "306C3", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_haswell_intel-core-i5-5250u-cpu",
     "Intel Corporation", "Core i5", "Broadwell", 0, 0,
     "Family 6  Model 61  Stepping 4", "306D4", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_lion-cove_intel-core-ultra-5-245k",
     "Intel Corporation", "Core Ultra", "Arrow Lake", 0, 0,
     "Family 6  Model 198  Stepping 2", "C0662", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_lion-cove_intel-core-ultra-7-265k",
     "Intel Corporation", "Core Ultra", "Arrow Lake", 0, 0,
     "Family 6  Model 198  Stepping 2", "C0662", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_lion-cove_intel-core-ultra-7-265u",
     "Intel Corporation", "Core Ultra", "Arrow Lake", 0, 0,
     "Family 6  Model 181  Stepping 0", "B0650", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_nehalem_intel-core-i5-cpu-650",
     "Intel Corporation", "Core i5", "Clarkdale/Arrandale (Westmere)", 0, 0,
     "Family 6  Model 37  Stepping 2", "20652", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_nehalem_intel-core-i5-cpu-750",
     "Intel Corporation", "Core i5", "Lynnfield/Clarksfield (Nehalem)", 0, 0,
     "Family 6  Model 30  Stepping 5", "106E5", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_netburst_intel-celeron-326",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 4  Stepping 1", "0F41", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_netburst_intel-celeron-d-347",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 6  Stepping 5", "0F65", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_netburst_intel-pentium-4-640",
     "Intel Corporation", "Pentium 4", "Northwood", 444, 0,
     "Family 15  Model 4  Stepping 3", "0F43", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_raptor-cove_13th-gen-intel-core-i5-13500",
     "Intel Corporation", "Core i5", "Raptor Lake", 0, 0,
     "Family 6  Model 191  Stepping 2", "B06F2", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_raptor-cove_13th-gen-intel-core-i5-13600k",
     "Intel Corporation", "Core i5", "Raptor Lake", 0, 0,
     "Family 6  Model 183  Stepping 1", "B0671", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_raptor-cove_13th-gen-intel-core-i7-1365u",
     "Intel Corporation", "Core i7", "Raptor Lake", 0, 0,
     "Family 6  Model 186  Stepping 3", "B06A3", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_sandy-bridge_intel-celeron-cpu-g1610",
     "Intel Corporation", "Celeron", "Ivy Bridge", 0, 0,
     "Family 6  Model 58  Stepping 9", "306A9", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_sandy-bridge_intel-celeron-cpu-g540",
     "Intel Corporation", "Celeron", "Sandy Bridge", 0, 0,
     "Family 6  Model 42  Stepping 7", "206A7", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_sandy-bridge_intel-core-i3-3220t-cpu",
     "Intel Corporation", "Core i3", "Ivy Bridge", 0, 0,
     "Family 6  Model 58  Stepping 9", "306A9", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_skylake_intel-cc150-cpu",
     "Intel Corporation", "Intel(R) CC150 CPU @ 3.50GHz", "Kaby Lake/Coffee Lake", 0, 0,
     "Family 6  Model 158  Stepping 13", "906ED", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_skylake_intel-core-i3-10110u-cpu",
     "Intel Corporation", "Core i3", "Kaby Lake/Amber Lake/Whiskey Lake/Comet Lake", 0, 0,
     "Family 6  Model 142  Stepping 12", "806EC", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-64_skylake_intel-core-i3-6100-cpu",
     "Intel Corporation", "Core i3", "Skylake", 0, 0,
     "Family 6  Model 94  Stepping 3", "506E3", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-atom_bonnell_intel-atom-cpu-230",
     "Intel Corporation", "Atom", "Diamondville/Pineview/Silverthorne (Bonnell)", 0, 0,
     "Family 6  Model 28  Stepping 2", "106C2", "0001110011111111111111110", {0, 0, 16, 0}},
    {"intel_x86-atom_bonnell_intel-atom-cpu-d425",
     "Intel Corporation", "Atom", "Diamondville/Pineview/Silverthorne (Bonnell)", 0, 0,
     "Family 6  Model 28  Stepping 10", "106CA", "0001110111111111111111110", {0, 0, 16, 0}},
    {"intel_x86-atom_gracemont_intel-core-3-n355",
     "Intel Corporation", "Core 3", "Alder Lake-N/Twin Lake", 0, 0,
     "Family 6  Model 190  Stepping 0", "B06E0", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-atom_gracemont_intel-core-i3-n305",
     "Intel Corporation", "Core i3", "Alder Lake-N/Twin Lake", 0, 0,
     "Family 6  Model 190  Stepping 0", "B06E0", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-atom_gracemont_intel-n95",
     "Intel Corporation", "Intel(R) N95", "Alder Lake-N/Twin Lake", 0, 0,
     "Family 6  Model 190  Stepping 0", "B06E0", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-atom_silvermont_intel-atom-cpu-c2750",
     "Intel Corporation", "Atom", "Avoton/Rangeley (Silvermont)", 0, 0,
     "Family 6  Model 77  Stepping 8", "406D8", "0001110111111111111111110", {0, 0, 0, 0}},
    {"intel_x86-atom_silvermont_intel-atom-cpu-c2758",
     "Intel Corporation", "Atom", "Avoton/Rangeley (Silvermont)", 0, 0,
     "Family 6  Model 77  Stepping 8", "406D8", "0001110111111111111111110", {0, 0, 0, 0}},
    {"via_esther_via-c7-m-processor-1200mhz",
     "IDT/Centaur", "IDT", "", 0, 0,
     "Family 6  Model 13  Stepping 0", "06D0", "0001110011011111111111110", {0, 0, 0, 0}},
    {"via_esther_via-esther-processor-1500mhz",
     "IDT/Centaur", "IDT", "", 0, 0,
     "Family 6  Model 10  Stepping 9", "06A9", "0001110011011111111111110", {0, 0, 0, 0}},
    {"via_ezra_via-c3-ezra",
     "IDT/Centaur", "IDT", "", 0, 0,
     "Family 6  Model 8  Stepping 9", "0689", "1000010000011001001101010", {0, 0, 0, 0}},
    {"via_ezra_via-ezra",
     "IDT/Centaur", "IDT", "", 0, 0,
     "Family 6  Model 7  Stepping 8", "0678", "1000010000011001001101010", {0, 0, 0, 0}},
    {"via_isaiah_via-eden-x4-c4250",
     "IDT/Centaur", "IDT", "", 0, 0,
     "Family 6  Model 15  Stepping 14", "06FE", "0001110111111111111111110", {0, 0, 0, 0}},
    {"via_isaiah_via-nano-l3050",
     "IDT/Centaur", "IDT", "", 0, 0,
     "Family 6  Model 15  Stepping 8", "06F8", "0001110011111111111111110", {0, 0, 0, 0}},
    {"via_isaiah_via-nano-processor",
     "IDT/Centaur", "IDT", "", 0, 0,
     "Family 6  Model 15  Stepping 10", "06FA", "0001110011111111111111110", {0, 0, 0, 0}},
    {"via_isaiah_via-quadcore-l4700",
     "IDT/Centaur", "IDT", "", 0, 0,
     "Family 6  Model 15  Stepping 12", "06FC", "0001110011111111111111110", {0, 0, 0, 0}},
    {"via_nehemiah_via-nehemiah",
     "IDT/Centaur", "IDT", "", 0, 0,
     "Family 6  Model 9  Stepping 3", "0693", "0001110001011001001111010", {0, 0, 0, 0}},
    {"via_samuel2_via-samuel-2",
     "IDT/Centaur", "IDT", "", 0, 0,
     "Family 6  Model 7  Stepping 3", "0673", "1000010000011001001101010", {0, 0, 0, 0}},
    {"via_samuel_via-samuel",
     "IDT/Centaur", "IDT", "", 0, 0,
     "Family 6  Model 6  Stepping 0", "0660", "1000010000011001101101010", {0, 0, 0, 0}},
    {"zhaoxin_lujiazui_zhaoxin-kaixian-kx-6000g",
     "IDT/Centaur", "ZHAOXIN KaiXian KX-6000G/4@2.6GHz", "", 0, 0,
     "Family 7  Model 11  Stepping 2", "307B2", "0001110111111111111111110", {0, 0, 0, 0}},
    {"zhaoxin_lujiazui_zhaoxin-kaixian-kx-u6780a",
     "IDT/Centaur", "ZHAOXIN KaiXian KX-U6780A@2.7GHz", "", 0, 0,
     "Family 7  Model 11  Stepping 1", "307B1", "0001110111111111111111110", {0, 0, 0, 0}},
    {"zhaoxin_yongfeng_zhaoxin-kaisheng-kh-40000",
     "IDT/Centaur", "ZHAOXIN KaiSheng KH-40000/16@2.2GHz", "", 0, 0,
     "Family 7  Model 11  Stepping 3", "507B3", "0001110111111111111111110", {0, 0, 0, 0}},
    {"zhaoxin_zhangjiang_zhaoxin-kaixian-zx-c+-c4580",
     "IDT/Centaur", "IDT", "", 0, 0,
     "Family 6  Model 15  Stepping 14", "06FE", "0001110111111111111111110", {0, 0, 0, 0}},
};
// clang-format on

// Some dumps list only the leaves the processor reported. For the others they are answered as the
// processors do: an Intel processor gives its highest basic leaf's registers for a leaf beyond its
// range (Intel SDM, CPUID), the other vendors answer zeros (the test machine's default).
void AnswerUnlistedLeavesAsTheVendorDoes(TestMachine& machine) {
    if (VendorIdentification(machine.cpuidLeaves[0]) != "GenuineIntel") return;
    const platform::CpuidRegisters highest = machine.cpuidLeaves[machine.cpuidLeaves[0].eax];
    for (std::uint32_t leaf : {2u, 0x80000000u, 0x80000001u, 0x80000002u, 0x80000003u, 0x80000004u}) {
        if (!machine.cpuidLeaves.contains(leaf)) machine.cpuidLeaves[leaf] = highest;
    }
}

std::string CheckMarks(const std::vector<CheckListEntry>& entries) {
    std::string marks;
    for (const CheckListEntry& entry : entries) marks += entry.checked ? '1' : '0';
    return marks;
}

TEST(CPUDumps, EachRecordedProcessorIsIdentified) {
    if (!std::filesystem::is_directory(kDumpFolder)) {
        GTEST_SKIP() << "no recorded CPUID dumps at " << kDumpFolder.string();
    }
    for (const DumpCase& c : kDumpCases) {
        SCOPED_TRACE(c.dump);
        TestMachine machine;
        ASSERT_TRUE(machine.LoadCpuidDump((kDumpFolder / (std::string(c.dump) + ".txt")).string()));
        AnswerUnlistedLeavesAsTheVendorDoes(machine);
        const CPUWindowInfo info = ReadCPUWindowInfo(machine, 0);
        EXPECT_EQ(info.vendor, c.vendor);
        EXPECT_EQ(info.chip, std::string("1 x ") + c.name);
        EXPECT_EQ(info.codeName, c.codeName);
        EXPECT_EQ(info.busSpeed, std::to_string(c.busSpeed) + " MHz");
        EXPECT_EQ(info.transistors, std::to_string(c.transistors));
        EXPECT_EQ(info.model, std::string("Model ID: ") + c.model);
        EXPECT_EQ(info.cpuId, c.cpuId);
        EXPECT_EQ(CheckMarks(info.features), c.features);
        EXPECT_EQ(info.cache.L1Data, c.cache.L1Data);
        EXPECT_EQ(info.cache.L1Code, c.cache.L1Code);
        EXPECT_EQ(info.cache.Level1, c.cache.Level1);
        EXPECT_EQ(info.cache.Level2, c.cache.Level2);
    }
}

TEST(CPUDumps, EveryDumpInTheFolderHasAnExpectedRow) {
    if (!std::filesystem::is_directory(kDumpFolder)) {
        GTEST_SKIP() << "no recorded CPUID dumps at " << kDumpFolder.string();
    }
    std::set<std::string> expected;
    for (const DumpCase& c : kDumpCases) expected.insert(c.dump);
    for (const auto& entry : std::filesystem::directory_iterator(kDumpFolder)) {
        if (entry.path().extension() != ".txt") continue;
        EXPECT_TRUE(expected.contains(entry.path().stem().string())) << entry.path().filename().string();
    }
}

}  // namespace
}  // namespace orvane
