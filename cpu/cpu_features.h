#pragma once
// The processor's feature flags and cache sizes as CPUID reports them, the feature lines and the
// CPU window's check-list entries made from them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/hardware.h"
#include "probes/probe.h"

namespace orvane {

// 24 feature flags, all false until filled.
struct TCPUFeatures {
    bool _3DNOW = false;
    bool EX_3DNOW = false;
    bool EX_MMX = false;
    bool SIMD = false;
    bool SERIAL = false;
    bool XSR = false;
    bool MMX = false;
    bool PSE36 = false;
    bool PAT = false;
    bool CMOV = false;
    bool MCA = false;
    bool PGE = false;
    bool MTRR = false;
    bool SEP = false;
    bool APIC = false;
    bool CX8 = false;
    bool MCE = false;
    bool PAE = false;
    bool MSR = false;
    bool TSC = false;
    bool PSE = false;
    bool DE = false;
    bool VME = false;
    bool FPU = false;
};

// Cache sizes in KB, all 0 until filled.
struct TCPUCache {
    int L1Data = 0;
    int L1Code = 0;
    int Level1 = 0;  // unified level 1
    int Level2 = 0;
};

// One feature line: its text and the flag behind it.
struct CPUFeatureLine {
    const char* text;  // "MMX extensions: "
    bool TCPUFeatures::*flag;
};
// The 24 lines in display order; the 25th, "FDIV Bug: ", has no flag (see kFDIVBugLine).
extern const std::array<CPUFeatureLine, 24> kCPUFeatureLines;
inline constexpr const char* kFDIVBugLine = "FDIV Bug: ";

// The 21 leaf-1 flags from leaf 1's EDX; the three AMD extensions from leaf 0x80000001's EDX when
// leaf 0x80000000 says that leaf exists (a processor without it answers with another leaf's
// registers, whose bits mean nothing here).
void FillCPUFeatures(System& sys, TCPUFeatures& features);
// The same from registers already read; leaf80000001 is nullptr when the processor has no such leaf.
TCPUFeatures DecodeCPUFeatures(const platform::CpuidRegisters& leaf1, const platform::CpuidRegisters* leaf80000001);

// Leaf 2 executed as many times as its first answer's low byte says; the last answer's registers.
platform::CpuidRegisters ReadCacheLeaf(System& sys);
// The sizes from leaf 2's 16 descriptor bytes (EAX, EBX, ECX, EDX, each from its lowest byte); a
// later descriptor for the same size wins.
TCPUCache DecodeCacheDescriptors(const platform::CpuidRegisters& leaf2);
// False when leaf 2 lists nothing (a count of 0, as processors without the leaf answer) or says that
// the caches are described by leaf 4 instead (descriptor 0xFF): its level-2 size of 0 is then unknown.
bool CacheLeafListsCaches(const platform::CpuidRegisters& leaf2);
void FillCPUCache(System& sys, TCPUCache& cache);

const char* YesNoText(bool value);

// Appends the 24 feature lines ("MMX extensions: Yes"), after emptying the list when clearFirst is set.
void ListCPUFeatures(const TCPUFeatures& features, bool clearFirst, std::vector<std::string>& lines);

// One entry of the CPU window's two-column check list.
struct CheckListEntry {
    std::string caption;   // the line up to its first ":"
    bool checked = false;  // the line's value is exactly "Yes"
};
// Entries from lines such as "MMX extensions: Yes"; a line without ":" gives its whole text, unchecked.
std::vector<CheckListEntry> MakeCheckListEntries(const std::vector<std::string>& lines);

// The 25 entries of the check list: the feature lines and the division test's line.
std::vector<CheckListEntry> CPUFeatureCheckList(const TCPUFeatures& features, bool fdivBug);

}  // namespace orvane
