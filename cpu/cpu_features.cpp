#include "cpu/cpu_features.h"

namespace orvane {

namespace {

bool Bit(std::uint32_t value, int bit) {
    return ((value >> bit) & 1u) != 0;
}

struct Descriptor {
    std::uint8_t byte;
    int TCPUCache::*size;
    int kilobytes;
};

// Intel's cache descriptors for the sizes kept here (Intel SDM vol. 2, CPUID leaf 2 table).
// clang-format off
constexpr Descriptor kDescriptors[] = {
    {0x0A, &TCPUCache::L1Data,    8},
    {0x0C, &TCPUCache::L1Data,   16},
    {0x06, &TCPUCache::L1Code,    8},
    {0x08, &TCPUCache::L1Code,   16},
    {0x80, &TCPUCache::Level1,   16},
    {0x40, &TCPUCache::Level2,    0},
    {0x41, &TCPUCache::Level2,  128},
    {0x42, &TCPUCache::Level2,  256},
    {0x82, &TCPUCache::Level2,  256},
    {0x43, &TCPUCache::Level2,  512},
    {0x83, &TCPUCache::Level2,  512},
    {0x44, &TCPUCache::Level2, 1024},
    {0x84, &TCPUCache::Level2, 1024},
    {0x45, &TCPUCache::Level2, 2048},
    {0x85, &TCPUCache::Level2, 2048},
};
// clang-format on

std::array<std::uint8_t, 16> DescriptorBytes(const platform::CpuidRegisters& leaf2) {
    std::array<std::uint8_t, 16> bytes{};
    std::size_t i = 0;
    for (std::uint32_t word : {leaf2.eax, leaf2.ebx, leaf2.ecx, leaf2.edx}) {
        for (int byte = 0; byte < 4; ++byte) bytes[i++] = static_cast<std::uint8_t>(word >> (8 * byte));
    }
    return bytes;
}

}  // namespace

// clang-format off
const std::array<CPUFeatureLine, 24> kCPUFeatureLines = {{
    {"3D Now! extensions: ",                   &TCPUFeatures::_3DNOW  },
    {"Enhanced 3D Now! extensions: ",          &TCPUFeatures::EX_3DNOW},
    {"Enhanced MMX extensions: ",              &TCPUFeatures::EX_MMX  },
    {"SIMD instructions: ",                    &TCPUFeatures::SIMD    },
    {"FXSAVE/FXRSTOR instruction: ",           &TCPUFeatures::XSR     },
    {"MMX extensions: ",                       &TCPUFeatures::MMX     },
    {"Serial number: ",                        &TCPUFeatures::SERIAL  },
    {"36bit Page Size Extension: ",            &TCPUFeatures::PSE36   },
    {"Page Attribute Table: ",                 &TCPUFeatures::PAT     },
    {"CMOVcc (+FCMOVcc/F(U)COMI(P) opcodes: ", &TCPUFeatures::CMOV    },
    {"Machine Check Architecture: ",           &TCPUFeatures::MCA     },
    {"Page Global Extension: ",                &TCPUFeatures::PGE     },
    {"Memory Type Range Registers: ",          &TCPUFeatures::MTRR    },
    {"SYSENTER/SYSEXIT extension: ",           &TCPUFeatures::SEP     },
    {"Processor contains an enabled APIC: ",   &TCPUFeatures::APIC    },
    {"CMPXCHG8B instruction: ",                &TCPUFeatures::CX8     },
    {"Machine Check Exception: ",              &TCPUFeatures::MCE     },
    {"Physical Address Extension: ",           &TCPUFeatures::PAE     },
    {"Model Specific Registers: ",             &TCPUFeatures::MSR     },
    {"Time Stamp Counter: ",                   &TCPUFeatures::TSC     },
    {"Page Size Extension: ",                  &TCPUFeatures::PSE     },
    {"Debugging Extension: ",                  &TCPUFeatures::DE      },
    {"Virtual Mode Extension: ",               &TCPUFeatures::VME     },
    {"Built-In FPU: ",                         &TCPUFeatures::FPU     },
}};
// clang-format on

TCPUFeatures DecodeCPUFeatures(const platform::CpuidRegisters& leaf1, const platform::CpuidRegisters* leaf80000001) {
    const std::uint32_t edx = leaf1.edx;
    TCPUFeatures f;
    f.SIMD = Bit(edx, 25);
    f.XSR = Bit(edx, 24);
    f.MMX = Bit(edx, 23);
    f.SERIAL = Bit(edx, 18);
    f.PSE36 = Bit(edx, 17);
    f.PAT = Bit(edx, 16);
    f.CMOV = Bit(edx, 15);
    f.MCA = Bit(edx, 14);
    f.PGE = Bit(edx, 13);
    f.MTRR = Bit(edx, 12);
    f.SEP = Bit(edx, 11);
    f.APIC = Bit(edx, 9);
    f.CX8 = Bit(edx, 8);
    f.MCE = Bit(edx, 7);
    f.PAE = Bit(edx, 6);
    f.MSR = Bit(edx, 5);
    f.TSC = Bit(edx, 4);
    f.PSE = Bit(edx, 3);
    f.DE = Bit(edx, 2);
    f.VME = Bit(edx, 1);
    f.FPU = Bit(edx, 0);
    if (leaf80000001) {
        const std::uint32_t ext = leaf80000001->edx;
        f.EX_MMX = Bit(ext, 22) || Bit(ext, 24);
        f.EX_3DNOW = Bit(ext, 30);
        f._3DNOW = Bit(ext, 31);
    }
    return f;
}

void FillCPUFeatures(System& sys, TCPUFeatures& features) {
    const platform::CpuidRegisters leaf1 = sys.Cpuid(1);
    // A processor without the extended range answers 0x80000000 with a basic leaf's registers; a
    // reply in the extended range that reaches 0x80000001 is the only proof that the leaf exists.
    const std::uint32_t highest = sys.Cpuid(0x80000000u).eax;
    if (highest >= 0x80000001u && highest <= 0x8000FFFFu) {
        const platform::CpuidRegisters extended = sys.Cpuid(0x80000001u);
        features = DecodeCPUFeatures(leaf1, &extended);
    } else {
        features = DecodeCPUFeatures(leaf1, nullptr);
    }
}

platform::CpuidRegisters ReadCacheLeaf(System& sys) {
    platform::CpuidRegisters leaf2 = sys.Cpuid(2);
    const unsigned times = leaf2.eax & 0xFFu;
    for (unsigned executed = 1; executed < times; ++executed) leaf2 = sys.Cpuid(2);
    return leaf2;
}

TCPUCache DecodeCacheDescriptors(const platform::CpuidRegisters& leaf2) {
    TCPUCache cache;
    for (std::uint8_t byte : DescriptorBytes(leaf2)) {
        for (const Descriptor& d : kDescriptors) {
            if (d.byte == byte) cache.*d.size = d.kilobytes;
        }
    }
    return cache;
}

bool CacheLeafListsCaches(const platform::CpuidRegisters& leaf2) {
    const auto bytes = DescriptorBytes(leaf2);
    if (bytes[0] == 0) return false;
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        if (bytes[i] == 0xFF) return false;
    }
    return true;
}

void FillCPUCache(System& sys, TCPUCache& cache) {
    cache = DecodeCacheDescriptors(ReadCacheLeaf(sys));
}

const char* YesNoText(bool value) {
    return value ? "Yes" : "No";
}

void ListCPUFeatures(const TCPUFeatures& features, bool clearFirst, std::vector<std::string>& lines) {
    if (clearFirst) lines.clear();
    for (const CPUFeatureLine& line : kCPUFeatureLines) {
        lines.push_back(std::string(line.text) + YesNoText(features.*line.flag));
    }
}

std::vector<CheckListEntry> MakeCheckListEntries(const std::vector<std::string>& lines) {
    std::vector<CheckListEntry> entries;
    entries.reserve(lines.size());
    for (const std::string& line : lines) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            entries.push_back({line, false});
            continue;
        }
        // The value starts at the second character after the colon (past the space).
        const std::string value = colon + 2 <= line.size() ? line.substr(colon + 2) : std::string();
        entries.push_back({line.substr(0, colon), value == "Yes"});
    }
    return entries;
}

std::vector<CheckListEntry> CPUFeatureCheckList(const TCPUFeatures& features, bool fdivBug) {
    std::vector<std::string> lines;
    ListCPUFeatures(features, true, lines);
    lines.push_back(std::string(kFDIVBugLine) + YesNoText(fdivBug));
    return MakeCheckListEntries(lines);
}

}  // namespace orvane
