#include "cpu/cpu_id.h"

#include "core/text.h"

namespace orvane {

namespace {

// --- The vendor table -------------------------------------------------------------------------

struct VendorRow {
    const char* identification;  // exactly 12 characters, as leaf 0 delivers them
    const char* name;
};

// clang-format off
constexpr VendorRow kVendors[] = {
    {"GenuineIntel", "Intel Corporation"           },
    {"AuthenticAMD", "Advanced Micro Devices"      },
    {"CyrixInstead", "Cyrix Corporation"           },
    {"CentaurHauls", "IDT/Centaur"                 },
    {"NexGenDriven", "NexGen Inc."                 },
    {"UMC UMC UMC ", "United Microelectronics Corp"},
    {"RiseRiseRise", "Rise Technology"             },
};
// clang-format on

// --- The name table of the seven vendors ------------------------------------------------------

enum class Test {
    Any,
    ClockIs,
    ClockIsEither,
    ClockAbove,
    ClockAtMost,
    TypeIs,
    BrandIs,
    L2Is,
    L2Above,
    L2From,
    L2AtMost,
    L2Below
};

struct Condition {
    Test test = Test::Any;
    int a = 0;
    int b = 0;
};

enum class Bus { Fixed, Clock, ClockDividedBy, ClockAbove16ElseHalf, IfClockIs };

struct BusRule {
    Bus kind = Bus::Fixed;
    int a = 0;  // Fixed: the speed; ClockDividedBy: the divisor; IfClockIs: the clock tested
    int b = 0;  // IfClockIs: the speed at that clock
    int c = 0;  // IfClockIs: the speed at any other clock
};

// A row sets the name and the code name where they are not nullptr, and always the bus speed and
// the transistor count (a row that lists neither sets them to their starting value 0).
struct NameRow {
    int vendor;
    int firstFamily, lastFamily;
    int firstModel, lastModel;
    Condition first, second;
    const char* name;
    const char* codeName;
    BusRule bus;
    int transistors;
};

constexpr Condition kAny{};
constexpr Condition ClockIs(int mhz) {
    return {Test::ClockIs, mhz, 0};
}
constexpr Condition ClockIsEither(int mhz, int other) {
    return {Test::ClockIsEither, mhz, other};
}
constexpr Condition ClockAbove(int mhz) {
    return {Test::ClockAbove, mhz, 0};
}
constexpr Condition ClockAtMost(int mhz) {
    return {Test::ClockAtMost, mhz, 0};
}
constexpr Condition TypeIs(int type) {
    return {Test::TypeIs, type, 0};
}
constexpr Condition BrandIs(int index) {
    return {Test::BrandIs, index, 0};
}
constexpr Condition L2Is(int kb) {
    return {Test::L2Is, kb, 0};
}
constexpr Condition L2Above(int kb) {
    return {Test::L2Above, kb, 0};
}
constexpr Condition L2From(int first, int last) {
    return {Test::L2From, first, last};
}
constexpr Condition L2AtMost(int kb) {
    return {Test::L2AtMost, kb, 0};
}
constexpr Condition L2Below(int kb) {
    return {Test::L2Below, kb, 0};
}

constexpr BusRule Fixed(int mhz) {
    return {Bus::Fixed, mhz, 0, 0};
}
constexpr BusRule Clock() {
    return {Bus::Clock, 0, 0, 0};
}
constexpr BusRule ClockOver(int divisor) {
    return {Bus::ClockDividedBy, divisor, 0, 0};
}
constexpr BusRule ClockAbove16ElseHalf() {
    return {Bus::ClockAbove16ElseHalf, 0, 0, 0};
}
// `then` when the clock is `clock`, otherwise `otherwise`.
constexpr BusRule AtClock(int clock, int then, int otherwise) {
    return {Bus::IfClockIs, clock, then, otherwise};
}

constexpr BusRule kNoBus = Fixed(0);
constexpr const char* kUnset = nullptr;

// Rows are searched in order; within one family and model the rows with conditions come first.
// Each vendor's rows cover every family and model from 0 to 15; a row with kUnset name and code name
// is one that sets nothing. The micro sign is the ANSI byte 0xB5.
// clang-format off
constexpr NameRow kNameRows[] = {
    // Intel
    {1,  4,  4,  0,  1, kAny,          kAny,        "i80486DX",               "P4",                         Clock(),                 1250000},
    {1,  4,  4,  2,  2, kAny,          kAny,        "i80486SX",               "P23",                        ClockAbove16ElseHalf(),   900000},
    {1,  4,  4,  3,  3, kAny,          kAny,        "i80486DX2",              "P24",                        ClockOver(2),            1250000},
    {1,  4,  4,  4,  4, kAny,          kAny,        "i80486SL",               "P23",                        Clock(),                  900000},
    {1,  4,  4,  5,  5, kAny,          kAny,        "i80486SX2",              "P23",                        Clock(),                  900000},
    {1,  4,  4,  6,  6, kAny,          kAny,        kUnset,                   kUnset,                       kNoBus,                        0},
    {1,  4,  4,  7,  7, kAny,          kAny,        "i80486DX2WB",            "P24",                        ClockOver(2),            1250000},
    {1,  4,  4,  8,  8, kAny,          kAny,        "i80486DX4",              "P24C",                       ClockOver(3),            1600000},
    {1,  4,  4,  9,  9, kAny,          kAny,        "i80486DX4WB",            "P24C",                       ClockOver(3),            1600000},
    {1,  4,  4, 10, 15, kAny,          kAny,        kUnset,                   kUnset,                       kNoBus,                        0},
    {1,  5,  5,  0,  0, kAny,          kAny,        "Pentium",                "P5 (0,80\xB5m)",             AtClock(60, 50, 66),     3100000},
    {1,  5,  5,  1,  2, kAny,          kAny,        "Pentium",                "P54C (0,50\xB5m)",           AtClock(60, 50, 66),     3100000},
    {1,  5,  5,  3,  3, kAny,          kAny,        "Pentium",                "P24T",                       kNoBus,                        0},
    {1,  5,  5,  4,  4, kAny,          kAny,        "Pentium MMX",            "P55C (0,28\xB5m)",           AtClock(166, 60, 66),    4500000},
    {1,  5,  5,  5,  5, kAny,          kAny,        "DX4",                    "",                           kNoBus,                        0},
    {1,  5,  5,  6,  6, kAny,          kAny,        "Pentium",                "P5",                         kNoBus,                        0},
    {1,  5,  5,  7,  7, kAny,          kAny,        "Pentium",                "P54C (0,35\xB5m)",           AtClock(60, 50, 66),     3100000},
    {1,  5,  5,  8,  8, kAny,          kAny,        "Pentium MMX (mobile)",   "Tillamook (0,25\xB5m)",      AtClock(150, 60, 66),    4500000},
    {1,  5,  5,  9, 15, kAny,          kAny,        "Pentium",                "",                           kNoBus,                        0},
    {1,  6,  6,  0,  0, kAny,          kAny,        "Pentium Pro",            "P6 (0.50 \xB5m)",            AtClock(150, 60, 66),    5500000},
    {1,  6,  6,  1,  1, kAny,          kAny,        "Pentium Pro",            "P6 (0.35 \xB5m)",            AtClock(150, 60, 66),    5500000},
    {1,  6,  6,  2,  2, kAny,          kAny,        "Pentium II",             "",                           kNoBus,                        0},
    {1,  6,  6,  3,  3, TypeIs(1),     ClockIs(333),"Pentium II OverDrive",   "P6T (0.25 \xB5m)",           Fixed(66),               7500000},
    {1,  6,  6,  3,  3, TypeIs(1),     kAny,        "Pentium II OverDrive",   "Klamath (0.35 \xB5m)",       Fixed(100),              7500000},
    {1,  6,  6,  3,  3, ClockIs(333),  kAny,        "Pentium II",             "P6T (0.25 \xB5m)",           Fixed(66),               7500000},
    {1,  6,  6,  3,  3, kAny,          kAny,        "Pentium II",             "Klamath (0.35 \xB5m)",       Fixed(100),              7500000},
    {1,  6,  6,  4,  4, kAny,          kAny,        "Pentium II",             "P55CT (P54 OverDrive)",      Fixed(66),               3100000},
    {1,  6,  6,  5,  5, L2Above(512),  kAny,        "Pentium II Xeon",        "Deschutes (0.25 \xB5m)",     Fixed(100),              7500000},
    {1,  6,  6,  5,  5, L2From(1, 512),kAny,        "Pentium II",             "Deschutes (0,25\xB5m)",      Fixed(100),              7500000},
    {1,  6,  6,  5,  5, L2Is(0),       kAny,        "Celeron",                "Covington (0,25\xB5m)",      Fixed(66),               7500000},
    {1,  6,  6,  6,  6, L2Above(255),  kAny,        "Pentium II PE (mobile)", "Dixon (0.25 \xB5m)",         Fixed(66),              27400000},
    {1,  6,  6,  6,  6, L2AtMost(255), kAny,        "Celeron A",              "Mendocino (0.25 \xB5m)",     Fixed(66),              19000000},
    {1,  6,  6,  7,  7, L2Above(512),  kAny,        "Pentium III Xeon",       "Tanner (0.25 \xB5m)",        Fixed(100),              9500000},
    {1,  6,  6,  7,  7, L2AtMost(512), kAny,        "Pentium III",            "Katmai (0.25 \xB5m)",        AtClock(450, 100, 133),  9500000},
    {1,  6,  6,  8,  8, kAny,          kAny,        "Pentium III E",          "Coppermine (0.18 \xB5m)",    AtClock(400, 100, 133), 28100000},
    {1,  6,  6,  9, 15, kAny,          kAny,        "Pentium II",             "",                           kNoBus,                        0},
    {1,  7,  8,  0, 15, BrandIs(1),    kAny,        "Celeron",                "",                           kNoBus,                        0},
    {1,  7,  8,  0, 15, BrandIs(3),    kAny,        "Pentium III Xeon",       "",                           kNoBus,                        0},
    {1,  7,  8,  0, 15, BrandIs(4),    kAny,        "Pentium IV",             "",                           kNoBus,                        0},
    {1,  7,  8,  0, 15, L2Below(1024), kAny,        "Pentium III",            "",                           kNoBus,                        0},
    {1,  7,  8,  0, 15, kAny,          kAny,        "Pentium III Xeon",       "",                           kNoBus,                        0},
    {1, 10, 10,  0, 15, kAny,          kAny,        "Pentium III Xeon",       "",                           kNoBus,                        0},
    {1, 15, 15,  0, 15, kAny,          kAny,        "Pentium 4",              "Northwood",                  Fixed(444),                    0},
    {1,  0,  3,  0, 15, kAny,          kAny,        "INTEL",                  "",                           kNoBus,                        0},
    {1,  9,  9,  0, 15, kAny,          kAny,        "INTEL",                  "",                           kNoBus,                        0},
    {1, 11, 14,  0, 15, kAny,          kAny,        "INTEL",                  "",                           kNoBus,                        0},
    // AMD
    {2,  4,  4,  0,  0, kAny,          kAny,        "Am486DX",                "P4",                         AtClock(25, 25, 40),     1250000},
    {2,  4,  4,  3,  3, kAny,          kAny,        "Am486DX2",               "P24",                        AtClock(25, 25, 40),     1250000},
    {2,  4,  4,  7,  7, kAny,          kAny,        "Am486DX2",               "P24",                        AtClock(25, 25, 40),     1250000},
    {2,  4,  4,  8,  9, kAny,          kAny,        "Am486DX4",               "P24C",                       AtClock(25, 25, 40),     1250000},
    {2,  4,  4, 14, 15, kAny,          kAny,        "Am5x86",                 "X5",                         Fixed(33),               1600000},
    {2,  4,  4,  0, 15, kAny,          kAny,        kUnset,                   kUnset,                       kNoBus,                        0},
    {2,  5,  5,  0,  0, kAny,          kAny,        "K5",                     "SSA5 (0.50-0.35 \xB5m)",     AtClock(90, 50, 66),     4300000},
    {2,  5,  5,  1,  3, kAny,          kAny,        "K5-5k86 (PR120, PR133)", "5k86 (0.35 \xB5m)",          AtClock(90, 60, 66),     4300000},
    {2,  5,  5,  6,  6, kAny,          kAny,        "K6",                     "K6 (0.30 \xB5m)",            Fixed(66),               8800000},
    {2,  5,  5,  7,  7, kAny,          kAny,        "K6",                     "Little Foot (0.25 \xB5m)",   Fixed(66),               8800000},
    {2,  5,  5,  8,  8, kAny,          kAny,        "K6-II",                  "Chomper (0.25 \xB5m)",       AtClock(266, 66, 100),   9300000},
    {2,  5,  5,  9,  9, kAny,          kAny,        "K6-III",                 "Slarptooth (0.25 \xB5m)",    AtClock(350, 66, 100),  21300000},
    {2,  5,  5, 13, 13, kAny,          kAny,        "K6-II+/K6-III+",         "",                           kNoBus,                        0},
    {2,  5,  5,  0, 15, kAny,          kAny,        kUnset,                   kUnset,                       kNoBus,                        0},
    {2,  6,  6,  0, 15, kAny,          kAny,        "K7",                     "Athlon (0.25-0.18 \xB5m)",   Fixed(100),             22000000},
    {2, 15, 15, 15, 15, kAny,          kAny,        "Athlon 64",              "",                           kNoBus,                        0},
    {2, 15, 15,  0, 14, kAny,          kAny,        kUnset,                   kUnset,                       kNoBus,                        0},
    {2,  0,  3,  0, 15, kAny,          kAny,        "AMD",                    "",                           kNoBus,                        0},
    {2,  7, 14,  0, 15, kAny,          kAny,        "AMD",                    "",                           kNoBus,                        0},
    // Cyrix
    {3,  4,  4,  0,  0, ClockIsEither(20, 66), kAny, "Cx486SLC/DLC",          "M0.5",                       AtClock(20, 16, 33),      600000},
    {3,  4,  4,  0,  0, ClockIsEither(33, 50), kAny, "Cx486S",                "M0.6",                       AtClock(33, 20, 50),      600000},
    {3,  4,  4,  0,  0, ClockAbove(66), kAny,       "Cx486DX/DX2/DX4",        "M0.7",                       Fixed(50),               1100000},
    {3,  4,  4,  4,  4, kAny,          kAny,        "Media GX",               "Gx86",                       AtClock(120, 60, 66),   24000000},
    {3,  4,  4,  9,  9, kAny,          kAny,        "5x86",                   "M0.9 or M1sc (0.65 \xB5m)",  AtClock(100, 33, 50),   20000000},
    {3,  4,  4,  0, 15, kAny,          kAny,        kUnset,                   kUnset,                       kNoBus,                        0},
    {3,  5,  5,  2,  2, kAny,          kAny,        "6x86 and 6x86L",         "M1 (0.65 \xB5m) and M1L (0.35 \xB5m)", ClockOver(2),  30000000},
    {3,  5,  5,  4,  4, kAny,          kAny,        "MediaGXm",               "GXm",                        AtClock(120, 60, 66),   24000000},
    {3,  5,  5,  0, 15, kAny,          kAny,        kUnset,                   kUnset,                       kNoBus,                        0},
    {3,  6,  6,  0,  0, ClockAbove(224), kAny,      "M-II (PR300-433)",       "M2 (0.35-0.25 \xB5m)",       AtClock(225, 66, 100),  65000000},
    {3,  6,  6,  0,  0, ClockAtMost(224), kAny,     "6x86MX (PR166-266)",     "M2 (0.35 \xB5m)",            AtClock(133, 50, 83),   65000000},
    {3,  6,  6,  5,  5, kAny,          kAny,        "VIA Cyrix III",          "",                           kNoBus,                        0},
    {3,  6,  6,  0, 15, kAny,          kAny,        kUnset,                   kUnset,                       kNoBus,                        0},
    {3,  0,  3,  0, 15, kAny,          kAny,        "CYRIX",                  kUnset,                       kNoBus,                        0},
    {3,  7, 15,  0, 15, kAny,          kAny,        "CYRIX",                  kUnset,                       kNoBus,                        0},
    // IDT/Centaur
    {4,  5,  5,  4,  4, kAny,          kAny,        "WinChip",                "C6 (0.35 \xB5m)",            ClockOver(3),           54000000},
    {4,  5,  5,  8,  8, kAny,          kAny,        "WinChip 2x",             "W2x (0.35-0.25 \xB5m)",      ClockOver(3),           59000000},
    {4,  5,  5,  9,  9, kAny,          kAny,        "WinChip 3",              "W3 (0.25 \xB5m)",            ClockOver(3),           90000000},
    {4,  5,  5,  0, 15, kAny,          kAny,        kUnset,                   kUnset,                       kNoBus,                        0},
    {4,  0, 15,  0, 15, kAny,          kAny,        "IDT",                    kUnset,                       kNoBus,                        0},
    // NexGen
    {5,  5,  5,  0,  0, kAny,          kAny,        "Nx586",                  "Nx5x86 (0.50-0.44 \xB5m)",   ClockOver(2),           35000000},
    {5,  5,  5,  6,  6, kAny,          kAny,        "Nx686",                  "HA (0,50\xB5m)",             ClockOver(3),           60000000},
    {5,  5,  5,  0, 15, kAny,          kAny,        kUnset,                   kUnset,                       kNoBus,                        0},
    {5,  0, 15,  0, 15, kAny,          kAny,        "NEXGEN",                 kUnset,                       kNoBus,                        0},
    // UMC
    {6,  4,  4,  1,  1, kAny,          kAny,        "U5D",                    "U5D and U5S",                Clock(),                12000000},
    {6,  4,  4,  2,  2, kAny,          kAny,        "U5S",                    "U5D and U5S",                Clock(),                12000000},
    {6,  4,  4,  3,  3, kAny,          kAny,        "U486DX2",                "U5D and U5S",                Clock(),                12000000},
    {6,  4,  4,  4,  4, kAny,          kAny,        "U486SX2",                "U5D and U5S",                Clock(),                12000000},
    {6,  4,  4,  0, 15, kAny,          kAny,        kUnset,                   "U5D and U5S",                Clock(),                12000000},
    {6,  0, 15,  0, 15, kAny,          kAny,        "UMC",                    kUnset,                       kNoBus,                        0},
    // Rise
    {7,  4,  4,  0,  0, kAny,          kAny,        "mP6",                    "mP6 (0.25-0.18 \xB5m)",      AtClock(166, 83, 100),  36000000},
    {7,  4,  4,  2,  2, kAny,          kAny,        "mP6",                    "mP6 (0.25-0.18 \xB5m)",      AtClock(166, 83, 100),  36000000},
    {7,  4,  4,  0, 15, kAny,          kAny,        kUnset,                   kUnset,                       kNoBus,                        0},
    {7,  0, 15,  0, 15, kAny,          kAny,        "RISE",                   kUnset,                       kNoBus,                        0},
};
// clang-format on

struct LookupInputs {
    int clock;
    int level2;
    int type;
    int brandIndex;
};

bool Holds(const Condition& condition, const LookupInputs& in) {
    switch (condition.test) {
        case Test::Any:
            return true;
        case Test::ClockIs:
            return in.clock == condition.a;
        case Test::ClockIsEither:
            return in.clock == condition.a || in.clock == condition.b;
        case Test::ClockAbove:
            return in.clock > condition.a;
        case Test::ClockAtMost:
            return in.clock <= condition.a;
        case Test::TypeIs:
            return in.type == condition.a;
        case Test::BrandIs:
            return in.brandIndex == condition.a;
        case Test::L2Is:
            return in.level2 == condition.a;
        case Test::L2Above:
            return in.level2 > condition.a;
        case Test::L2From:
            return in.level2 >= condition.a && in.level2 <= condition.b;
        case Test::L2AtMost:
            return in.level2 <= condition.a;
        case Test::L2Below:
            return in.level2 < condition.a;
    }
    return false;
}

bool TestsLevel2(const Condition& condition) {
    switch (condition.test) {
        case Test::L2Is:
        case Test::L2Above:
        case Test::L2From:
        case Test::L2AtMost:
        case Test::L2Below:
            return true;
        default:
            return false;
    }
}

int BusSpeed(const BusRule& rule, int clock) {
    switch (rule.kind) {
        case Bus::Fixed:
            return rule.a;
        case Bus::Clock:
            return clock;
        case Bus::ClockDividedBy:
            return clock / rule.a;
        case Bus::ClockAbove16ElseHalf:
            return clock > 16 ? clock : clock / 2;
        case Bus::IfClockIs:
            return clock == rule.a ? rule.b : rule.c;
    }
    return 0;
}

const NameRow* FindNameRow(int vendor, int family, int model, const LookupInputs& in) {
    for (const NameRow& row : kNameRows) {
        if (row.vendor != vendor) continue;
        if (family < row.firstFamily || family > row.lastFamily) continue;
        if (model < row.firstModel || model > row.lastModel) continue;
        if (Holds(row.first, in) && Holds(row.second, in)) return &row;
    }
    return nullptr;
}

CPUNameInfo Apply(const NameRow* row, int clock) {
    CPUNameInfo result;
    if (!row) return result;
    if (row->name) result.name = row->name;
    if (row->codeName) result.codeName = row->codeName;
    result.busSpeed = BusSpeed(row->bus, clock);
    result.transistors = row->transistors;
    return result;
}

// --- Today's processors -----------------------------------------------------------------------

// Keyed by display family and model. Code names follow the vendors' own names for the dies; where
// one model number was sold as several dies, they are named together. Bus speed and transistor count
// stay 0: today's processors have no single front-side bus, and the vendors publish transistor
// counts per die, not per model number.
// clang-format off
constexpr TodaysProcessorRow kTodaysRows[] = {
    // Intel family 6, from the Intel 64 and IA-32 Architectures Software Developer's Manual vol. 4
    // (model numbers per processor line) and Linux arch/x86/include/asm/intel-family.h.
    // P6 descendants up to the Core 2:
    {1, 6, 0x09, 0x09, "Pentium M",        "Banias"                                   },
    {1, 6, 0x0A, 0x0A, "Pentium III Xeon", "Cascades"                                 },
    {1, 6, 0x0B, 0x0B, "Pentium III",      "Tualatin"                                 },
    {1, 6, 0x0D, 0x0D, "Pentium M",        "Dothan"                                   },
    {1, 6, 0x0E, 0x0E, "Core Solo/Duo",    "Yonah"                                    },
    {1, 6, 0x0F, 0x0F, "Core 2",           "Merom/Conroe/Allendale/Kentsfield/Woodcrest"},
    {1, 6, 0x16, 0x16, "Core 2",           "Merom-L/Conroe-L"                         },
    {1, 6, 0x17, 0x17, "Core 2",           "Penryn/Wolfdale/Yorkfield/Harpertown"     },
    {1, 6, 0x1D, 0x1D, "Xeon",             "Dunnington"                               },
    // Core i generations and their Xeon parts:
    {1, 6, 0x1A, 0x1A, nullptr,            "Bloomfield/Gainestown (Nehalem)"          },
    {1, 6, 0x1E, 0x1E, nullptr,            "Lynnfield/Clarksfield (Nehalem)"          },
    {1, 6, 0x1F, 0x1F, nullptr,            "Auburndale/Havendale (Nehalem)"           },
    {1, 6, 0x2E, 0x2E, "Xeon",             "Beckton (Nehalem-EX)"                     },
    {1, 6, 0x25, 0x25, nullptr,            "Clarkdale/Arrandale (Westmere)"           },
    {1, 6, 0x2C, 0x2C, nullptr,            "Gulftown/Westmere-EP"                     },
    {1, 6, 0x2F, 0x2F, "Xeon",             "Westmere-EX"                              },
    {1, 6, 0x2A, 0x2A, nullptr,            "Sandy Bridge"                             },
    {1, 6, 0x2D, 0x2D, nullptr,            "Sandy Bridge-E/EP"                        },
    {1, 6, 0x3A, 0x3A, nullptr,            "Ivy Bridge"                               },
    {1, 6, 0x3E, 0x3E, nullptr,            "Ivy Bridge-E/EP/EX"                       },
    {1, 6, 0x3C, 0x3C, nullptr,            "Haswell"                                  },
    {1, 6, 0x45, 0x46, nullptr,            "Haswell"                                  },
    {1, 6, 0x3F, 0x3F, nullptr,            "Haswell-E/EP/EX"                          },
    {1, 6, 0x3D, 0x3D, nullptr,            "Broadwell"                                },
    {1, 6, 0x47, 0x47, nullptr,            "Broadwell"                                },
    {1, 6, 0x4F, 0x4F, nullptr,            "Broadwell-E/EP/EX"                        },
    {1, 6, 0x56, 0x56, nullptr,            "Broadwell-DE"                             },
    {1, 6, 0x4E, 0x4E, nullptr,            "Skylake"                                  },
    {1, 6, 0x5E, 0x5E, nullptr,            "Skylake"                                  },
    {1, 6, 0x55, 0x55, nullptr,            "Skylake-SP/Cascade Lake/Cooper Lake"      },
    {1, 6, 0x8E, 0x8E, nullptr,            "Kaby Lake/Amber Lake/Whiskey Lake/Comet Lake"},
    {1, 6, 0x9E, 0x9E, nullptr,            "Kaby Lake/Coffee Lake"                    },
    {1, 6, 0x66, 0x66, nullptr,            "Cannon Lake"                              },
    {1, 6, 0xA5, 0xA6, nullptr,            "Comet Lake"                               },
    {1, 6, 0x7D, 0x7E, nullptr,            "Ice Lake"                                 },
    {1, 6, 0x6A, 0x6A, "Xeon",             "Ice Lake-SP"                              },
    {1, 6, 0x6C, 0x6C, "Xeon",             "Ice Lake-D"                               },
    {1, 6, 0x8A, 0x8A, nullptr,            "Lakefield"                                },
    {1, 6, 0x8C, 0x8D, nullptr,            "Tiger Lake"                               },
    {1, 6, 0xA7, 0xA7, nullptr,            "Rocket Lake"                              },
    {1, 6, 0x97, 0x97, nullptr,            "Alder Lake"                               },
    {1, 6, 0x9A, 0x9A, nullptr,            "Alder Lake"                               },
    {1, 6, 0xBE, 0xBE, nullptr,            "Alder Lake-N/Twin Lake"                   },
    {1, 6, 0xB7, 0xB7, nullptr,            "Raptor Lake"                              },
    {1, 6, 0xBA, 0xBA, nullptr,            "Raptor Lake"                              },
    {1, 6, 0xBF, 0xBF, nullptr,            "Raptor Lake"                              },
    {1, 6, 0xAA, 0xAA, nullptr,            "Meteor Lake"                              },
    {1, 6, 0xAC, 0xAC, nullptr,            "Meteor Lake"                              },
    {1, 6, 0xC5, 0xC6, nullptr,            "Arrow Lake"                               },
    {1, 6, 0xB5, 0xB5, nullptr,            "Arrow Lake"                               },
    {1, 6, 0xBD, 0xBD, nullptr,            "Lunar Lake"                               },
    // Released since, from Linux arch/x86/include/asm/intel-family.h (INTEL_PANTHERLAKE_L,
    // INTEL_WILDCATLAKE_L, INTEL_BARTLETTLAKE):
    {1, 6, 0xCC, 0xCC, nullptr,            "Panther Lake"                             },
    {1, 6, 0xD5, 0xD5, nullptr,            "Wildcat Lake"                             },
    {1, 6, 0xD7, 0xD7, nullptr,            "Bartlett Lake"                            },
    {1, 6, 0x8F, 0x8F, "Xeon",             "Sapphire Rapids"                          },
    {1, 6, 0xCF, 0xCF, "Xeon",             "Emerald Rapids"                           },
    {1, 6, 0xAD, 0xAE, "Xeon",             "Granite Rapids"                           },
    {1, 6, 0x57, 0x57, "Xeon Phi",         "Knights Landing"                          },
    {1, 6, 0x85, 0x85, "Xeon Phi",         "Knights Mill"                             },
    // Atom cores, from the same sources:
    {1, 6, 0x1C, 0x1C, nullptr,            "Diamondville/Pineview/Silverthorne (Bonnell)"},
    {1, 6, 0x26, 0x26, nullptr,            "Lincroft (Bonnell)"                       },
    {1, 6, 0x27, 0x27, nullptr,            "Penwell (Saltwell)"                       },
    {1, 6, 0x35, 0x35, nullptr,            "Cloverview (Saltwell)"                    },
    {1, 6, 0x36, 0x36, nullptr,            "Cedarview/Centerton (Saltwell)"           },
    {1, 6, 0x37, 0x37, nullptr,            "Bay Trail (Silvermont)"                   },
    {1, 6, 0x4A, 0x4A, nullptr,            "Tangier (Silvermont)"                     },
    {1, 6, 0x4D, 0x4D, nullptr,            "Avoton/Rangeley (Silvermont)"             },
    {1, 6, 0x5A, 0x5A, nullptr,            "Anniedale (Silvermont)"                   },
    {1, 6, 0x5D, 0x5D, nullptr,            "SoFIA (Silvermont)"                       },
    {1, 6, 0x4C, 0x4C, nullptr,            "Cherry Trail/Braswell (Airmont)"          },
    {1, 6, 0x5C, 0x5C, nullptr,            "Apollo Lake (Goldmont)"                   },
    {1, 6, 0x5F, 0x5F, nullptr,            "Denverton (Goldmont)"                     },
    {1, 6, 0x7A, 0x7A, nullptr,            "Gemini Lake (Goldmont Plus)"              },
    {1, 6, 0x86, 0x86, nullptr,            "Jacobsville/Snow Ridge (Tremont)"         },
    {1, 6, 0x96, 0x96, nullptr,            "Elkhart Lake (Tremont)"                   },
    {1, 6, 0x9C, 0x9C, nullptr,            "Jasper Lake (Tremont)"                    },
    {1, 6, 0xAF, 0xAF, "Xeon",             "Sierra Forest (Crestmont)"                },
    {1, 6, 0xB6, 0xB6, nullptr,            "Grand Ridge (Crestmont)"                  },
    // Released since, from intel-family.h (INTEL_ATOM_DARKMONT_X):
    {1, 6, 0xDD, 0xDD, "Xeon",             "Clearwater Forest (Darkmont)"             },
    // Intel families 18 and 19 (base family 15 with extended family 3 and 4), from intel-family.h
    // (INTEL_NOVALAKE, INTEL_NOVALAKE_L, INTEL_DIAMONDRAPIDS_X):
    {1, 0x12, 0x01, 0x01, nullptr,         "Nova Lake"                                },
    {1, 0x12, 0x03, 0x03, nullptr,         "Nova Lake"                                },
    {1, 0x13, 0x01, 0x01, "Xeon",          "Diamond Rapids"                           },

    // AMD family 15 (K8), from the AMD Revision Guide for AMD Athlon 64 and AMD Opteron Processors
    // (publication 25759) and the BIOS and Kernel Developer's Guide for family 0Fh (26094), which
    // give the models of each silicon revision. Known dies first, then each revision's process.
    {2, 0x0F, 0x04, 0x04, nullptr,         "ClawHammer (K8)"                          },
    {2, 0x0F, 0x05, 0x05, nullptr,         "SledgeHammer (K8)"                        },
    {2, 0x0F, 0x0B, 0x0C, nullptr,         "Newcastle/Paris (K8)"                     },
    {2, 0x0F, 0x0E, 0x0F, nullptr,         "Newcastle/Paris (K8)"                     },
    {2, 0x0F, 0x1C, 0x1C, nullptr,         "Palermo/Sonora (K8)"                      },
    {2, 0x0F, 0x1F, 0x1F, nullptr,         "Winchester (K8)"                          },
    {2, 0x0F, 0x21, 0x21, nullptr,         "Italy/Egypt (K8)"                         },
    {2, 0x0F, 0x23, 0x23, nullptr,         "Toledo/Denmark (K8)"                      },
    {2, 0x0F, 0x24, 0x24, nullptr,         "Lancaster/Newark (K8)"                    },
    {2, 0x0F, 0x27, 0x27, nullptr,         "San Diego/Venus (K8)"                     },
    {2, 0x0F, 0x2B, 0x2B, nullptr,         "Manchester (K8)"                          },
    {2, 0x0F, 0x2C, 0x2C, nullptr,         "Venice/Palermo (K8)"                      },
    {2, 0x0F, 0x2F, 0x2F, nullptr,         "Venice/Palermo (K8)"                      },
    {2, 0x0F, 0x41, 0x41, nullptr,         "Santa Rosa (K8)"                          },
    {2, 0x0F, 0x43, 0x43, nullptr,         "Windsor/Santa Ana (K8)"                   },
    {2, 0x0F, 0x48, 0x48, nullptr,         "Taylor/Trinidad (K8)"                     },
    {2, 0x0F, 0x4B, 0x4B, nullptr,         "Windsor (K8)"                             },
    {2, 0x0F, 0x4C, 0x4C, nullptr,         "Keene/Richmond (K8)"                      },
    {2, 0x0F, 0x4F, 0x4F, nullptr,         "Orleans/Manila (K8)"                      },
    {2, 0x0F, 0x5F, 0x5F, nullptr,         "Orleans/Manila (K8)"                      },
    {2, 0x0F, 0x68, 0x68, nullptr,         "Tyler (K8)"                               },
    {2, 0x0F, 0x6B, 0x6B, nullptr,         "Brisbane (K8)"                            },
    {2, 0x0F, 0x6F, 0x6F, nullptr,         "Lima/Sparta (K8)"                         },
    {2, 0x0F, 0x7F, 0x7F, nullptr,         "Lima/Sparta (K8)"                         },
    {2, 0x0F, 0x00, 0x0F, nullptr,         "K8 (130 nm)"                              },
    {2, 0x0F, 0x10, 0x3F, nullptr,         "K8 (90 nm)"                               },
    {2, 0x0F, 0x40, 0x5F, nullptr,         "K8 revision F (90 nm)"                    },
    {2, 0x0F, 0x60, 0x7F, nullptr,         "K8 revision G (65 nm)"                    },
    // AMD families 10h to 16h, from the BIOS and Kernel Developer's Guides and Revision Guides of
    // each family (publications 31116, 41256, 41322, 43170, 42300, 48751, 49125, 50742, 52740).
    {2, 0x10, 0x02, 0x02, nullptr,         "Barcelona/Agena/Toliman/Kuma (K10)"       },
    {2, 0x10, 0x04, 0x04, nullptr,         "Shanghai/Deneb/Heka/Callisto (K10)"       },
    {2, 0x10, 0x05, 0x05, nullptr,         "Propus/Rana (K10)"                        },
    {2, 0x10, 0x06, 0x06, nullptr,         "Regor/Sargas (K10)"                       },
    {2, 0x10, 0x08, 0x08, nullptr,         "Istanbul (K10)"                           },
    {2, 0x10, 0x09, 0x09, nullptr,         "Magny-Cours (K10)"                        },
    {2, 0x10, 0x0A, 0x0A, nullptr,         "Thuban/Zosma (K10)"                       },
    {2, 0x10, 0x00, 0xFF, nullptr,         "K10"                                      },
    {2, 0x11, 0x00, 0xFF, nullptr,         "Griffin"                                  },
    {2, 0x12, 0x00, 0xFF, nullptr,         "Llano (K10)"                              },
    {2, 0x14, 0x00, 0xFF, nullptr,         "Ontario/Zacate (Bobcat)"                  },
    {2, 0x15, 0x00, 0x01, nullptr,         "Zambezi/Interlagos/Valencia (Bulldozer)"  },
    {2, 0x15, 0x02, 0x02, nullptr,         "Vishera/Abu Dhabi/Seoul (Piledriver)"     },
    {2, 0x15, 0x10, 0x10, nullptr,         "Trinity (Piledriver)"                     },
    {2, 0x15, 0x13, 0x13, nullptr,         "Richland (Piledriver)"                    },
    {2, 0x15, 0x30, 0x3F, nullptr,         "Kaveri/Godavari (Steamroller)"            },
    {2, 0x15, 0x60, 0x6F, nullptr,         "Carrizo/Bristol Ridge (Excavator)"        },
    {2, 0x15, 0x70, 0x7F, nullptr,         "Stoney Ridge (Excavator)"                 },
    {2, 0x15, 0x00, 0xFF, nullptr,         "Bulldozer family"                         },
    {2, 0x16, 0x00, 0x0F, nullptr,         "Kabini/Temash (Jaguar)"                   },
    {2, 0x16, 0x30, 0x3F, nullptr,         "Beema/Mullins (Puma)"                     },
    {2, 0x16, 0x00, 0xFF, nullptr,         "Jaguar"                                   },
    // AMD families 17h to 1Ah (Zen 1 to Zen 5). Generations by model range from Linux
    // arch/x86/kernel/cpu/amd.c; the dies from AMD's Processor Programming References of each
    // family and model range.
    {2, 0x17, 0x01, 0x01, nullptr,         "Summit Ridge/Naples/Whitehaven (Zen)"     },
    {2, 0x17, 0x08, 0x08, nullptr,         "Pinnacle Ridge/Colfax (Zen+)"             },
    {2, 0x17, 0x11, 0x11, nullptr,         "Raven Ridge (Zen)"                        },
    {2, 0x17, 0x18, 0x18, nullptr,         "Picasso (Zen+)"                           },
    {2, 0x17, 0x20, 0x20, nullptr,         "Dali (Zen)"                               },
    {2, 0x17, 0x31, 0x31, nullptr,         "Rome/Castle Peak (Zen 2)"                 },
    {2, 0x17, 0x60, 0x60, nullptr,         "Renoir (Zen 2)"                           },
    {2, 0x17, 0x68, 0x68, nullptr,         "Lucienne (Zen 2)"                         },
    {2, 0x17, 0x71, 0x71, nullptr,         "Matisse (Zen 2)"                          },
    {2, 0x17, 0x90, 0x91, nullptr,         "Van Gogh (Zen 2)"                         },
    {2, 0x17, 0xA0, 0xA0, nullptr,         "Mendocino (Zen 2)"                        },
    {2, 0x17, 0x00, 0x2F, nullptr,         "Zen"                                      },
    {2, 0x17, 0x50, 0x5F, nullptr,         "Zen"                                      },
    {2, 0x17, 0x30, 0x4F, nullptr,         "Zen 2"                                    },
    {2, 0x17, 0x60, 0x7F, nullptr,         "Zen 2"                                    },
    // The 4700S and 4800S desktop kits carry game-console dies with Zen 2 cores (AMD product pages).
    {2, 0x17, 0x84, 0x84, nullptr,         "Zen 2"                                    },
    {2, 0x17, 0xA0, 0xAF, nullptr,         "Zen 2"                                    },
    {2, 0x17, 0x00, 0xFF, nullptr,         "Zen/Zen+/Zen 2"                           },
    {2, 0x19, 0x01, 0x01, nullptr,         "Milan (Zen 3)"                            },
    {2, 0x19, 0x08, 0x08, nullptr,         "Chagall (Zen 3)"                          },
    {2, 0x19, 0x11, 0x11, nullptr,         "Genoa (Zen 4)"                            },
    {2, 0x19, 0x18, 0x18, nullptr,         "Storm Peak (Zen 4)"                       },
    {2, 0x19, 0x21, 0x21, nullptr,         "Vermeer (Zen 3)"                          },
    {2, 0x19, 0x40, 0x40, nullptr,         "Rembrandt (Zen 3+)"                       },
    {2, 0x19, 0x44, 0x44, nullptr,         "Rembrandt (Zen 3+)"                       },
    {2, 0x19, 0x50, 0x50, nullptr,         "Cezanne/Barcelo (Zen 3)"                  },
    {2, 0x19, 0x61, 0x61, nullptr,         "Raphael (Zen 4)"                          },
    {2, 0x19, 0x74, 0x75, nullptr,         "Phoenix/Hawk Point (Zen 4)"               },
    {2, 0x19, 0x78, 0x78, nullptr,         "Phoenix 2 (Zen 4)"                        },
    {2, 0x19, 0xA0, 0xAF, nullptr,         "Bergamo/Siena (Zen 4c)"                   },
    {2, 0x19, 0x00, 0x0F, nullptr,         "Zen 3"                                    },
    {2, 0x19, 0x20, 0x5F, nullptr,         "Zen 3"                                    },
    {2, 0x19, 0x10, 0x1F, nullptr,         "Zen 4"                                    },
    {2, 0x19, 0x60, 0xAF, nullptr,         "Zen 4"                                    },
    {2, 0x19, 0x00, 0xFF, nullptr,         "Zen 3/Zen 4"                              },
    {2, 0x1A, 0x02, 0x02, nullptr,         "Turin (Zen 5)"                            },
    {2, 0x1A, 0x11, 0x11, nullptr,         "Turin Dense (Zen 5c)"                     },
    {2, 0x1A, 0x24, 0x24, nullptr,         "Strix Point (Zen 5)"                      },
    {2, 0x1A, 0x44, 0x44, nullptr,         "Granite Ridge (Zen 5)"                    },
    {2, 0x1A, 0x60, 0x60, nullptr,         "Krackan Point (Zen 5)"                    },
    {2, 0x1A, 0x70, 0x70, nullptr,         "Strix Halo (Zen 5)"                       },
    {2, 0x1A, 0x00, 0x2F, nullptr,         "Zen 5"                                    },
    {2, 0x1A, 0x40, 0x4F, nullptr,         "Zen 5"                                    },
    {2, 0x1A, 0x60, 0x7F, nullptr,         "Zen 5"                                    },
    // Zen 6, family 1Ah: the model ranges Linux gives it (arch/x86/kernel/cpu/amd.c, bsp_init_amd,
    // X86_FEATURE_ZEN6).
    {2, 0x1A, 0x50, 0x5F, nullptr,         "Zen 6"                                    },
    {2, 0x1A, 0x90, 0xAF, nullptr,         "Zen 6"                                    },
    {2, 0x1A, 0xC0, 0xCF, nullptr,         "Zen 6"                                    },
};
// clang-format on

// Product lines as the brand strings spell them once "(R)" and "(TM)" are taken out, searched in
// order (longer names before the names they begin with).
struct ProductLine {
    int vendor;
    const char* fragment;
    const char* line;
};

// clang-format off
constexpr ProductLine kProductLines[] = {
    {1, "Core Ultra",         "Core Ultra"        },
    {1, "Core i9",            "Core i9"           },
    {1, "Core i7",            "Core i7"           },
    {1, "Core i5",            "Core i5"           },
    {1, "Core i3",            "Core i3"           },
    {1, "Core2 Extreme",      "Core 2 Extreme"    },
    {1, "Core2 Quad",         "Core 2 Quad"       },
    {1, "Core2 Duo",          "Core 2 Duo"        },
    {1, "Core2 Solo",         "Core 2 Solo"       },
    {1, "Core Duo",           "Core Duo"          },
    {1, "Core Solo",          "Core Solo"         },
    {1, "Core 3 ",            "Core 3"            },
    {1, "Core 5 ",            "Core 5"            },
    {1, "Core 7 ",            "Core 7"            },
    {1, "Celeron M",          "Celeron M"         },
    {1, "Celeron Dual",       "Celeron Dual-Core" },
    {1, "Celeron D",          "Celeron D"         },
    {1, "Celeron",            "Celeron"           },
    {1, "Pentium M",          "Pentium M"         },
    {1, "Pentium III",        "Pentium III"       },
    {1, "Pentium 4",          "Pentium 4"         },
    {1, "Pentium Dual",       "Pentium Dual-Core" },
    {1, "Pentium D",          "Pentium D"         },
    {1, "Pentium",            "Pentium"           },
    {1, "Xeon Phi",           "Xeon Phi"          },
    {1, "Xeon",               "Xeon"              },
    {1, "Atom",               "Atom"              },
    {2, "Ryzen Threadripper", "Ryzen Threadripper"},
    {2, "Ryzen AI",           "Ryzen AI"          },
    {2, "Ryzen 9",            "Ryzen 9"           },
    {2, "Ryzen 7",            "Ryzen 7"           },
    {2, "Ryzen 5",            "Ryzen 5"           },
    {2, "Ryzen 3",            "Ryzen 3"           },
    {2, "Ryzen",              "Ryzen"             },
    {2, "EPYC",               "EPYC"              },
    {2, "Athlon 64 X2",       "Athlon 64 X2"      },
    {2, "Athlon 64 FX",       "Athlon 64 FX"      },
    {2, "Athlon 64",          "Athlon 64"         },
    {2, "Athlon II",          "Athlon II"         },
    {2, "Athlon",             "Athlon"            },
    {2, "Phenom II",          "Phenom II"         },
    {2, "Phenom",             "Phenom"            },
    {2, "Opteron",            "Opteron"           },
    {2, "Turion 64 X2",       "Turion 64 X2"      },
    {2, "Turion 64",          "Turion 64"         },
    {2, "Turion",             "Turion"            },
    {2, "Sempron",            "Sempron"           },
    {2, "FX-",                "FX"                },
    {2, "A12-",               "A12"               },
    {2, "A10-",               "A10"               },
    {2, "A8-",                "A8"                },
    {2, "A6-",                "A6"                },
    {2, "A4-",                "A4"                },
};
// clang-format on

// The brand without trademark signs, with runs of spaces made one.
std::string PlainBrand(std::string_view brand) {
    std::string plain;
    for (std::size_t i = 0; i < brand.size();) {
        bool mark = false;
        for (std::string_view sign : {"(R)", "(r)", "(TM)", "(tm)"}) {
            if (brand.substr(i, sign.size()) == sign) {
                i += sign.size();
                mark = true;
                break;
            }
        }
        if (mark) continue;
        const char c = brand[i++];
        if (c == ' ' && !plain.empty() && plain.back() == ' ') continue;
        plain.push_back(c);
    }
    return plain;
}

// A register as eight upper-case hexadecimal digits split after the fourth: "BFEB-FBFF".
std::string SplitHex(std::uint32_t value) {
    return Format("%04X-%04X", static_cast<unsigned>(value >> 16), static_cast<unsigned>(value & 0xFFFFu));
}

}  // namespace

CPUSignature DecodeSignature(const platform::CpuidRegisters& leaf1) {
    CPUSignature s;
    s.stepping = static_cast<int>(leaf1.eax & 0xF);
    s.model = static_cast<int>((leaf1.eax >> 4) & 0xF);
    s.family = static_cast<int>((leaf1.eax >> 8) & 0xF);
    s.type = static_cast<int>((leaf1.eax >> 12) & 0x3);
    s.extendedModel = static_cast<int>((leaf1.eax >> 16) & 0xF);
    s.extendedFamily = static_cast<int>((leaf1.eax >> 20) & 0xFF);
    s.brandIndex = static_cast<int>(leaf1.ebx & 0xFF);
    return s;
}

std::string VendorIdentification(const platform::CpuidRegisters& leaf0) {
    std::string text;
    for (std::uint32_t word : {leaf0.ebx, leaf0.edx, leaf0.ecx}) {
        for (int byte = 0; byte < 4; ++byte) text.push_back(static_cast<char>((word >> (8 * byte)) & 0xFF));
    }
    return text;
}

CPUVendor IdentifyCPUVendor(const platform::CpuidRegisters& leaf0) {
    const std::string identification = VendorIdentification(leaf0);
    for (std::size_t i = 0; i < std::size(kVendors); ++i) {
        if (identification == kVendors[i].identification) return {static_cast<int>(i) + 1, kVendors[i].name};
    }
    return {};
}

CPUNameInfo LookupCPUName(int vendor, int family, int model, int clockMHz, int level2KB, int type, int brandIndex) {
    const LookupInputs in{clockMHz, level2KB, type, brandIndex};
    return Apply(FindNameRow(vendor, family, model, in), clockMHz);
}

const TodaysProcessorRow* FindTodaysProcessor(int vendor, int family, int model) {
    for (const TodaysProcessorRow& row : kTodaysRows) {
        if (row.vendor == vendor && row.family == family && model >= row.firstModel && model <= row.lastModel) {
            return &row;
        }
    }
    return nullptr;
}

std::string ProductLineFromBrand(int vendor, std::string_view brand) {
    const std::string plain = PlainBrand(brand) + ' ';
    for (const ProductLine& line : kProductLines) {
        if (line.vendor == vendor && plain.find(line.fragment) != std::string::npos) return line.line;
    }
    return {};
}

CPUNameInfo NameProcessor(int vendor, const CPUSignature& signature, int clockMHz, int level2KB, bool leaf2ListsCaches,
                          std::string_view brand) {
    if (!signature.HasExtendedFields()) {
        // The first table was written before the Pentium M: its "Pentium II" row for these models
        // names every Pentium M, Core and Core 2 wrongly.
        const bool intelAfterP6 = vendor == kVendorIntel && signature.family == 6 && signature.model >= 9;
        const LookupInputs in{clockMHz, level2KB, signature.type, signature.brandIndex};
        const NameRow* row = intelAfterP6 ? nullptr : FindNameRow(vendor, signature.family, signature.model, in);
        // An unknown level-2 size is not a size of 0.
        if (row && !leaf2ListsCaches && (TestsLevel2(row->first) || TestsLevel2(row->second))) row = nullptr;
        // A row that sets nothing is the table not knowing the processor.
        if (row && (row->name || row->codeName)) return Apply(row, clockMHz);
    }
    CPUNameInfo result;
    const std::string trimmed = Trim(brand);
    if (const TodaysProcessorRow* row =
            FindTodaysProcessor(vendor, signature.DisplayFamily(), signature.DisplayModel())) {
        result.name = ProductLineFromBrand(vendor, trimmed);
        if (result.name.empty()) result.name = row->name ? row->name : trimmed;
        result.codeName = row->codeName;
        return result;
    }
    result.name = trimmed;
    return result;
}

std::string ModelText(const CPUSignature& signature) {
    const bool display = signature.HasExtendedFields();
    return Format("Model ID: Family %d  Model %d  Stepping %d", display ? signature.DisplayFamily() : signature.family,
                  display ? signature.DisplayModel() : signature.model, signature.stepping);
}

std::string CPUIdText(const CPUSignature& signature) {
    if (signature.HasExtendedFields()) {
        // Leaf 1's EAX as the processor reports it, without the reserved bits 14-15 and 28-31.
        const auto field = [](int value, int shift) { return static_cast<unsigned>(value) << shift; };
        return Format("%X", field(signature.extendedFamily, 20) | field(signature.extendedModel, 16) |
                                field(signature.type, 12) | field(signature.family, 8) | field(signature.model, 4) |
                                field(signature.stepping, 0));
    }
    return Format("%X%X%X%X", 0u, static_cast<unsigned>(signature.family), static_cast<unsigned>(signature.model),
                  static_cast<unsigned>(signature.stepping));
}

std::string ChipText(unsigned processors, std::string_view name) {
    return Format("%u x ", processors) + Trim(name);
}

std::string BusSpeedText(int busSpeed) {
    return Format("%d MHz", busSpeed);
}

std::string TransistorText(int transistors) {
    return Format("%d", transistors);
}

std::string GetCPUSerial(System& sys) {
    const std::uint32_t signature = sys.Cpuid(1).eax;
    const platform::CpuidRegisters again = sys.Cpuid(1);
    return SplitHex(signature) + "-" + SplitHex(again.edx) + "-" + SplitHex(again.ecx);
}

bool DivisionCheckFails(double x, double y) {
    // Each step is stored, so the compiler can neither fold the operands nor fuse the multiply and
    // subtract: the division is the processor's, rounded as the program runs it.
    volatile double dividend = x;
    volatile double divisor = y;
    volatile double quotient = dividend / divisor;
    volatile double product = quotient * divisor;
    volatile double residue = product - dividend;
    return residue != 0.0;
}

bool HasFDIVBug() {
    return DivisionCheckFails(4195835.0, 3145727.0);
}

}  // namespace orvane
