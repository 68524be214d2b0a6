#include "cpu/cpu_id.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using testing::TestMachine;

// Leaf 0 as a processor with this 12-character identification answers it.
platform::CpuidRegisters Leaf0(const char (&identification)[13]) {
    platform::CpuidRegisters r;
    std::memcpy(&r.ebx, identification, 4);
    std::memcpy(&r.edx, identification + 4, 4);
    std::memcpy(&r.ecx, identification + 8, 4);
    return r;
}

TEST(IdentifyCPUVendor, MatchesTheTwelveCharactersExactly) {
    struct Case {
        const char identification[13];
        int index;
        const char* name;
    };
    // clang-format off
    const Case cases[] = {
        {"GenuineIntel", 1, "Intel Corporation"           },
        {"AuthenticAMD", 2, "Advanced Micro Devices"      },
        {"CyrixInstead", 3, "Cyrix Corporation"           },
        {"CentaurHauls", 4, "IDT/Centaur"                 },
        {"NexGenDriven", 5, "NexGen Inc."                 },
        {"UMC UMC UMC ", 6, "United Microelectronics Corp"},
        {"RiseRiseRise", 7, "Rise Technology"             },
        {"genuineintel", 0, ""                            },  // case counts
        {"UMC UMC UMC\0", 0, ""                           },  // the twelfth character is a space
        {"HygonGenuine", 0, ""                            },
        {"\0\0\0\0\0\0\0\0\0\0\0", 0, ""                  },
    };
    // clang-format on
    for (const Case& c : cases) {
        const CPUVendor vendor = IdentifyCPUVendor(Leaf0(c.identification));
        EXPECT_EQ(vendor.index, c.index) << c.identification;
        EXPECT_EQ(vendor.name, c.name) << c.identification;
    }
    EXPECT_EQ(VendorIdentification({0, 0x756E6547, 0x6C65746E, 0x49656E69}), "GenuineIntel");
}

struct LookupCase {
    const char* what;
    int vendor, family, model, clock, level2, type, brandIndex;
    const char* name;
    const char* codeName;
    int busSpeed;
    int transistors;
};

// clang-format off
const LookupCase kLookupCases[] = {
    {"Coppermine at 400",    1,  6, 8, 400,    0, 0, 0, "Pentium III E",        "Coppermine (0.18 \xB5m)", 100, 28100000},
    {"Coppermine at 733",    1,  6, 8, 733,    0, 0, 0, "Pentium III E",        "Coppermine (0.18 \xB5m)", 133, 28100000},
    {"Coppermine unclocked", 1,  6, 8,   0,    0, 0, 0, "Pentium III E",        "Coppermine (0.18 \xB5m)", 133, 28100000},
    {"Covington",            1,  6, 5, 300,    0, 0, 0, "Celeron",              "Covington (0,25\xB5m)",    66,  7500000},
    {"Deschutes",            1,  6, 5, 300,  512, 0, 0, "Pentium II",           "Deschutes (0,25\xB5m)",   100,  7500000},
    {"Deschutes smallest",   1,  6, 5, 300,    1, 0, 0, "Pentium II",           "Deschutes (0,25\xB5m)",   100,  7500000},
    {"Deschutes Xeon",       1,  6, 5, 300, 1024, 0, 0, "Pentium II Xeon",      "Deschutes (0.25 \xB5m)",  100,  7500000},
    {"Klamath OverDrive",    1,  6, 3, 300,  512, 1, 0, "Pentium II OverDrive", "Klamath (0.35 \xB5m)",    100,  7500000},
    {"P6T OverDrive",        1,  6, 3, 333,  512, 1, 0, "Pentium II OverDrive", "P6T (0.25 \xB5m)",         66,  7500000},
    {"P6T",                  1,  6, 3, 333,  512, 0, 0, "Pentium II",           "P6T (0.25 \xB5m)",         66,  7500000},
    {"Mendocino",            1,  6, 6, 300,  128, 0, 0, "Celeron A",            "Mendocino (0.25 \xB5m)",   66, 19000000},
    {"Dixon",                1,  6, 6, 300,  256, 0, 0, "Pentium II PE (mobile)", "Dixon (0.25 \xB5m)",     66, 27400000},
    {"Katmai at 450",        1,  6, 7, 450,  512, 0, 0, "Pentium III",          "Katmai (0.25 \xB5m)",     100,  9500000},
    {"Tanner",               1,  6, 7, 500, 1024, 0, 0, "Pentium III Xeon",     "Tanner (0.25 \xB5m)",     100,  9500000},
    {"Intel family 6 model 9", 1, 6, 9, 0,     0, 0, 0, "Pentium II",           "",                          0,        0},
    {"family 7 brand 4",     1,  7, 0,   0,    0, 0, 4, "Pentium IV",           "",                          0,        0},
    {"family 8 brand 1",     1,  8, 3,   0, 2048, 0, 1, "Celeron",              "",                          0,        0},
    {"family 7 brand 3",     1,  7, 0,   0,    0, 0, 3, "Pentium III Xeon",     "",                          0,        0},
    {"family 8 large L2",    1,  8, 0,   0, 1024, 0, 0, "Pentium III Xeon",     "",                          0,        0},
    {"family 8 small L2",    1,  8, 0,   0, 1023, 0, 0, "Pentium III",          "",                          0,        0},
    {"Itanium",              1, 10, 0,   0,    0, 0, 0, "Pentium III Xeon",     "",                          0,        0},
    {"Northwood",            1, 15, 2, 2400,   0, 0, 9, "Pentium 4",            "Northwood",               444,        0},
    {"any Intel family 15",  1, 15, 0,   0,    0, 0, 0, "Pentium 4",            "Northwood",               444,        0},
    {"Intel family 3",       1,  3, 0,   0,    0, 0, 0, "INTEL",                "",                          0,        0},
    {"Intel family 9",       1,  9, 4,   0,    0, 0, 0, "INTEL",                "",                          0,        0},
    {"486DX4 at 100",        1,  4, 8, 100,    0, 0, 0, "i80486DX4",            "P24C",                     33,  1600000},
    {"486SX at 16",          1,  4, 2,  16,    0, 0, 0, "i80486SX",             "P23",                       8,   900000},
    {"486SX at 25",          1,  4, 2,  25,    0, 0, 0, "i80486SX",             "P23",                      25,   900000},
    {"Intel 486 model 6",    1,  4, 6,  33,    0, 0, 0, "",                     "",                          0,        0},
    {"P5 at 60",             1,  5, 0,  60,    0, 0, 0, "Pentium",              "P5 (0,80\xB5m)",            50,  3100000},
    {"P55C at 166",          1,  5, 4, 166,    0, 0, 0, "Pentium MMX",          "P55C (0,28\xB5m)",          60,  4500000},
    {"Pentium Pro at 150",   1,  6, 0, 150,    0, 0, 0, "Pentium Pro",          "P6 (0.50 \xB5m)",           60,  5500000},
    {"Athlon 64",            2, 15, 15,  0,    0, 0, 0, "Athlon 64",            "",                          0,        0},
    {"AMD family 15 model 4",2, 15, 4,   0,    0, 0, 0, "",                     "",                          0,        0},
    {"AMD family 15 model 0",2, 15, 0,   0,    0, 0, 0, "",                     "",                          0,        0},
    {"K6-2 at 266",          2,  5, 8, 266,    0, 0, 0, "K6-II",                "Chomper (0.25 \xB5m)",      66,  9300000},
    {"K6-2 at 300",          2,  5, 8, 300,    0, 0, 0, "K6-II",                "Chomper (0.25 \xB5m)",     100,  9300000},
    {"K7",                   2,  6, 10,  0,    0, 0, 0, "K7",                   "Athlon (0.25-0.18 \xB5m)", 100, 22000000},
    {"AMD family 7",         2,  7, 0,   0,    0, 0, 0, "AMD",                  "",                          0,        0},
    {"Cyrix family 7",       3,  7, 0,   0,    0, 0, 0, "CYRIX",                "",                          0,        0},
    {"Cx486SLC at 20",       3,  4, 0,  20,    0, 0, 0, "Cx486SLC/DLC",         "M0.5",                     16,   600000},
    {"Cx486DLC at 66",       3,  4, 0,  66,    0, 0, 0, "Cx486SLC/DLC",         "M0.5",                     33,   600000},
    {"Cx486S at 33",         3,  4, 0,  33,    0, 0, 0, "Cx486S",               "M0.6",                     20,   600000},
    {"Cx486DX4 at 100",      3,  4, 0, 100,    0, 0, 0, "Cx486DX/DX2/DX4",      "M0.7",                     50,  1100000},
    {"Cyrix 486 at 40",      3,  4, 0,  40,    0, 0, 0, "",                     "",                          0,        0},
    {"M-II at 225",          3,  6, 0, 225,    0, 0, 0, "M-II (PR300-433)",     "M2 (0.35-0.25 \xB5m)",      66, 65000000},
    {"6x86MX at 224",        3,  6, 0, 224,    0, 0, 0, "6x86MX (PR166-266)",   "M2 (0.35 \xB5m)",           83, 65000000},
    {"WinChip 2x at 240",    4,  5, 8, 240,    0, 0, 0, "WinChip 2x",           "W2x (0.35-0.25 \xB5m)",     80, 59000000},
    {"Centaur family 6",     4,  6, 9,   0,    0, 0, 0, "IDT",                  "",                          0,        0},
    {"Nx686 at 180",         5,  5, 6, 180,    0, 0, 0, "Nx686",                "HA (0,50\xB5m)",            60, 60000000},
    {"UMC 4/0",              6,  4, 0,  33,    0, 0, 0, "",                     "U5D and U5S",              33, 12000000},
    {"UMC U5S",              6,  4, 2,  25,    0, 0, 0, "U5S",                  "U5D and U5S",              25, 12000000},
    {"UMC family 5",         6,  5, 0,  25,    0, 0, 0, "UMC",                  "",                          0,        0},
    {"mP6 at 166",           7,  4, 2, 166,    0, 0, 0, "mP6",                  "mP6 (0.25-0.18 \xB5m)",     83, 36000000},
    {"Rise family 5",        7,  5, 0,   0,    0, 0, 0, "RISE",                 "",                          0,        0},
    {"unknown vendor",       0,  6, 8, 400,  256, 0, 0, "",                     "",                          0,        0},
};
// clang-format on

TEST(LookupCPUName, FollowsTheVendorTables) {
    for (const LookupCase& c : kLookupCases) {
        const CPUNameInfo info = LookupCPUName(c.vendor, c.family, c.model, c.clock, c.level2, c.type, c.brandIndex);
        EXPECT_EQ(info.name, c.name) << c.what;
        EXPECT_EQ(info.codeName, c.codeName) << c.what;
        EXPECT_EQ(info.busSpeed, c.busSpeed) << c.what;
        EXPECT_EQ(info.transistors, c.transistors) << c.what;
    }
}

TEST(LookupCPUName, TheMicroSignIsTheAnsiByte) {
    const std::string code = LookupCPUName(1, 6, 8, 0, 0, 0, 0).codeName;
    ASSERT_EQ(code.size(), 20u);
    EXPECT_EQ(static_cast<unsigned char>(code[17]), 0xB5);
    EXPECT_EQ(code.substr(12), std::string("0.18 \xB5m)"));
}

struct NamingCase {
    const char* what;
    int vendor;
    std::uint32_t leaf1Eax;
    int clock, level2;
    bool leaf2ListsCaches;
    const char* brand;
    const char* name;
    const char* codeName;
    int busSpeed;
    int transistors;
};

// clang-format off
const NamingCase kNamingCases[] = {
    // Processors the first table was written for keep its rows.
    {"Coppermine",              1, 0x0000068A, 400,  256, true,  "",                                          "Pentium III E",  "Coppermine (0.18 \xB5m)", 100, 28100000},
    {"Covington",               1, 0x00000651, 266,    0, true,  "",                                          "Celeron",        "Covington (0,25\xB5m)",    66, 7500000},
    {"Northwood",               1, 0x00000F29,   0,    0, true,  "Intel(R) Pentium(R) 4 CPU 2.80GHz",         "Pentium 4",      "Northwood",               444, 0},
    {"Newcastle",               2, 0x00000FF0,   0,    0, false, "AMD Athlon(tm) 64 Processor 3000+",         "Athlon 64",      "",                          0, 0},
    {"UMC 4/0",                 6, 0x00000400,  33,    0, false, "",                                          "",               "U5D and U5S",              33, 12000000},
    {"Centaur family 6",        4, 0x000006FE,   0,    0, false, "VIA Eden X4 C4250@1.2+GHz",                 "IDT",            "",                          0, 0},
    // Intel family 6 from model 9 on is today's table's.
    {"Dothan",                  1, 0x000006D8,   0,    0, true,  "Intel(R) Pentium(R) M processor 1.60GHz",   "Pentium M",      "Dothan",                    0, 0},
    {"Conroe, no line in brand",1, 0x000006F6,   0,    0, true,  "Intel(R) Core(TM)2 CPU          6600  @ 2.40GHz", "Core 2", "Merom/Conroe/Allendale/Kentsfield/Woodcrest", 0, 0},
    {"Conroe, Core 2 Duo",      1, 0x000006F6,   0,    0, true,  "Intel(R) Core(TM)2 Duo CPU     E6600  @ 2.40GHz", "Core 2 Duo", "Merom/Conroe/Allendale/Kentsfield/Woodcrest", 0, 0},
    {"Cascades",                1, 0x000006A1,   0,    0, true,  "",                                          "Pentium III Xeon", "Cascades",                0, 0},
    {"no Intel model 12",       1, 0x000006C0,   0,    0, true,  "",                                          "",               "",                          0, 0},
    // Unknown level-2 sizes never reach the rows for a size of 0.
    {"see leaf 4, family 6/5",  1, 0x00000651,   0,    0, false, "Intel(R) Xeon(R) CPU",                      "Intel(R) Xeon(R) CPU", "",                    0, 0},
    {"see leaf 4, family 6/7",  1, 0x00000672,   0,    0, false, "",                                          "",               "",                          0, 0},
    {"see leaf 4, family 8",    1, 0x00000800,   0,    0, false, "",                                          "",               "",                          0, 0},
    {"see leaf 4, brand index", 1, 0x00000700,   0,    0, false, "",                                          "",               "",                          0, 0},
    // Extended fields: display family and model.
    {"Alder Lake",              1, 0x000906A4,   0,    0, false, "12th Gen Intel(R) Core(TM) i3-1220P",       "Core i3",        "Alder Lake",                0, 0},
    {"Coffee Lake, no line",    1, 0x000906ED, 3500,   0, true,  "  Intel(R) CC150 CPU @ 3.50GHz  ",          "Intel(R) CC150 CPU @ 3.50GHz", "Kaby Lake/Coffee Lake", 0, 0},
    {"Xeon on a client model",  1, 0x000906EA,   0,    0, true,  "Intel(R) Xeon(R) E-2176G CPU @ 3.70GHz",    "Xeon",           "Kaby Lake/Coffee Lake",     0, 0},
    {"ClawHammer",              2, 0x00000F4A,   0,    0, false, "AMD Athlon(tm) 64 Processor 2800+",         "Athlon 64",      "ClawHammer (K8)",           0, 0},
    {"K8 model without a die",  2, 0x00070FC2,   0,    0, false, "AMD Athlon(tm) Processor TF-20",            "Athlon",         "K8 revision G (65 nm)",     0, 0},
    {"Turin",                   2, 0x00B00F21,   0,    0, false, "AMD EPYC 9555 64-Core Processor",           "EPYC",           "Turin (Zen 5)",             0, 0},
    {"Zen 5 model outside ranges", 2, 0x00B30F00, 0,   0, false, "AMD Engineering Sample",                    "AMD Engineering Sample", "",                  0, 0},
    // Released after the table was first written.
    {"Panther Lake",            1, 0x000C06C3,   0,    0, false, "Intel(R) Core(TM) Ultra X7 358H",           "Core Ultra",     "Panther Lake",              0, 0},
    {"Wildcat Lake",            1, 0x000D0650,   0,    0, false, "Intel(R) Core(TM) 5 Processor 320",         "Core 5",         "Wildcat Lake",              0, 0},
    {"Bartlett Lake",           1, 0x000D0671,   0,    0, false, "Intel(R) Core(TM) 7 253PE",                 "Core 7",         "Bartlett Lake",             0, 0},
    {"Clearwater Forest",       1, 0x000D06D0,   0,    0, false, "Intel(R) Xeon(R) 6+ Processor",             "Xeon",           "Clearwater Forest (Darkmont)", 0, 0},
    {"Nova Lake",               1, 0x00300F10,   0,    0, false, "Intel(R) Core(TM) Ultra 9 Processor",       "Core Ultra",     "Nova Lake",                 0, 0},
    {"Nova Lake mobile",        1, 0x00300F31,   0,    0, false, "Intel(R) Core(TM) Ultra 7 Processor",       "Core Ultra",     "Nova Lake",                 0, 0},
    {"Diamond Rapids",          1, 0x00400F11,   0,    0, false, "Genuine Intel(R) 0000",                     "Xeon",           "Diamond Rapids",            0, 0},
    {"Zen 6 from 50h",          2, 0x00B50F00,   0,    0, false, "AMD Eng Sample: 100-000001234-01",          "AMD Eng Sample: 100-000001234-01", "Zen 6",   0, 0},
    {"Zen 6 up to AFh",         2, 0x00BA0F10,   0,    0, false, "AMD Ryzen 9 Processor",                     "Ryzen 9",        "Zen 6",                     0, 0},
    {"Zen 6 from C0h",          2, 0x00BC0F00,   0,    0, false, "AMD EPYC Processor",                        "EPYC",           "Zen 6",                     0, 0},
    {"family 1Ah past Zen 6",   2, 0x00BD0F00,   0,    0, false, "AMD Eng Sample",                            "AMD Eng Sample", "",                          0, 0},
    {"Intel family 19",         1, 0x00400F00,   0,    0, false, "Intel(R) Xeon(R) 6 Next",                   "Intel(R) Xeon(R) 6 Next", "",                 0, 0},
    {"Zhaoxin",                 4, 0x000307B2,   0,    0, false, "ZHAOXIN KaiXian KX-6000G/4@2.6GHz",         "ZHAOXIN KaiXian KX-6000G/4@2.6GHz", "",       0, 0},
    // Neither table knows the vendor.
    {"Hygon",                   0, 0x00900F12,   0,    0, false, "Hygon C86 3185  8-core Processor",          "Hygon C86 3185  8-core Processor", "",        0, 0},
    {"unknown, no brand",       0, 0x00000633, 400,    0, false, "",                                          "",               "",                          0, 0},
};
// clang-format on

TEST(NameProcessor, KeepsTheFirstTableForItsProcessorsAndNamesTodaysOnes) {
    for (const NamingCase& c : kNamingCases) {
        const CPUSignature signature = DecodeSignature({c.leaf1Eax, 0, 0, 0});
        const CPUNameInfo info = NameProcessor(c.vendor, signature, c.clock, c.level2, c.leaf2ListsCaches, c.brand);
        EXPECT_EQ(info.name, c.name) << c.what;
        EXPECT_EQ(info.codeName, c.codeName) << c.what;
        EXPECT_EQ(info.busSpeed, c.busSpeed) << c.what;
        EXPECT_EQ(info.transistors, c.transistors) << c.what;
    }
}

TEST(NameProcessor, BrandIndexRowsDoNotNeedTheCacheSize) {
    const CPUNameInfo info = NameProcessor(1, DecodeSignature({0x700, 4, 0, 0}), 0, 0, false, "");
    EXPECT_EQ(info.name, "Pentium IV");
}

TEST(DecodeSignature, SplitsLeafOne) {
    const CPUSignature s = DecodeSignature({0x00B00F21, 0x1234560A, 0, 0});
    EXPECT_EQ(s.family, 15);
    EXPECT_EQ(s.model, 2);
    EXPECT_EQ(s.stepping, 1);
    EXPECT_EQ(s.extendedFamily, 11);
    EXPECT_EQ(s.extendedModel, 0);
    EXPECT_EQ(s.brandIndex, 10);
    EXPECT_EQ(s.DisplayFamily(), 26);
    EXPECT_EQ(s.DisplayModel(), 2);
    EXPECT_EQ(DecodeSignature({0x00001632, 0, 0, 0}).type, 1);
}

TEST(SignatureTexts, ModelAndCPUIdTexts) {
    struct Case {
        std::uint32_t eax;
        const char* model;
        const char* cpuId;
    };
    // clang-format off
    const Case cases[] = {
        {0x00000683, "Model ID: Family 6  Model 8  Stepping 3",     "0683"},
        {0x00000F29, "Model ID: Family 15  Model 2  Stepping 9",    "0F29"},
        // With extended fields the whole signature shows, as the processor reports it.
        {0x00B00F21, "Model ID: Family 26  Model 2  Stepping 1",    "B00F21"},  // Zen 5
        {0x00A20F12, "Model ID: Family 25  Model 33  Stepping 2",   "A20F12"},  // Zen 3
        {0x00A60F12, "Model ID: Family 25  Model 97  Stepping 2",   "A60F12"},  // Zen 4
        {0x00090672, "Model ID: Family 6  Model 151  Stepping 2",   "90672"},   // Alder Lake
        {0x000906A4, "Model ID: Family 6  Model 154  Stepping 4",   "906A4"},   // Alder Lake
        {0x00020FC2, "Model ID: Family 15  Model 44  Stepping 2",   "20FC2"},   // K8 Venice
        {0x000307B2, "Model ID: Family 7  Model 11  Stepping 2",    "307B2"},   // no extended model for family 7
        {0xF0A2CF12, "Model ID: Family 25  Model 33  Stepping 2",   "A20F12"},  // reserved bits left out
        {0x00001632, "Model ID: Family 6  Model 3  Stepping 2",     "0632"},    // the type is not shown
        {0xF000C683, "Model ID: Family 6  Model 8  Stepping 3",     "0683"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const CPUSignature s = DecodeSignature({c.eax, 0, 0, 0});
        EXPECT_EQ(ModelText(s), c.model) << std::hex << c.eax;
        EXPECT_EQ(CPUIdText(s), c.cpuId) << std::hex << c.eax;
    }
}

TEST(SignatureTexts, ChipBusAndTransistorTexts) {
    EXPECT_EQ(ChipText(2, "Pentium 4"), "2 x Pentium 4");
    EXPECT_EQ(ChipText(1, "\t Pentium III E \x01"), "1 x Pentium III E");
    EXPECT_EQ(ChipText(1, ""), "1 x ");
    EXPECT_EQ(BusSpeedText(66), "66 MHz");
    EXPECT_EQ(BusSpeedText(0), "0 MHz");
    EXPECT_EQ(TransistorText(7500000), "7500000");
    EXPECT_EQ(TransistorText(0), "0");
}

TEST(GetCPUSerial, SignatureOfTheFirstQueryAndFlagsOfTheSecond) {
    TestMachine machine;
    machine.cpuidLeaves[1] = {0x00000F29, 0, 0x00004400, 0xBFEBFBFF};
    EXPECT_EQ(GetCPUSerial(machine), "0000-0F29-BFEB-FBFF-0000-4400");

    TestMachine changing;
    changing.cpuidSequences[1] = {
        {0x000906A4, 0, 0x00000001, 0x00000002},
        {0xFFFFFFFF, 0, 0x7FFAFBBF, 0xBFEBFBFF},
    };
    EXPECT_EQ(GetCPUSerial(changing), "0009-06A4-BFEB-FBFF-7FFA-FBBF");
    EXPECT_EQ(changing.cpuidCalls, (std::vector<std::uint32_t>{1, 1}));
}

TEST(HasFDIVBug, AnExactDividerPassesAndTheCheckSeesARoundingResidue) {
    EXPECT_FALSE(HasFDIVBug());
    EXPECT_FALSE(DivisionCheckFails(4195835.0, 3145727.0));
    // (1 / 49) * 49 rounds to just below 1 in double precision: the check must see that residue.
    EXPECT_TRUE(DivisionCheckFails(1.0, 49.0));
}

}  // namespace
}  // namespace orvane
