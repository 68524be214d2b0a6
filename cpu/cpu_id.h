#pragma once
// Processor identification from CPUID: the vendor, the name, code name, bus speed and transistor
// count from the built-in tables, and the texts of the CPU window's identification rows.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/hardware.h"
#include "probes/probe.h"

namespace orvane {

// Leaf 1's signature. family, model and stepping are the four-bit base fields the name table is
// keyed by; the extended fields (EAX bits 16-19 and 20-27) only come into play for processors that
// set them.
struct CPUSignature {
    int family = 0;          // EAX bits 8-11
    int model = 0;           // EAX bits 4-7
    int stepping = 0;        // EAX bits 0-3
    int type = 0;            // EAX bits 12-13; 1 is an OverDrive part
    int brandIndex = 0;      // EBX bits 0-7
    int extendedFamily = 0;  // EAX bits 20-27
    int extendedModel = 0;   // EAX bits 16-19

    bool HasExtendedFields() const { return extendedFamily != 0 || extendedModel != 0; }
    // The family and model as Intel and AMD number their processors: the extended family counts
    // only when the base family is 15, the extended model only when the base family is 6 or 15.
    int DisplayFamily() const { return family == 15 ? family + extendedFamily : family; }
    int DisplayModel() const { return family == 6 || family == 15 ? model + (extendedModel << 4) : model; }
};

CPUSignature DecodeSignature(const platform::CpuidRegisters& leaf1);

// The seven vendors the name table knows, numbered as their table rows (0: none matched).
enum CPUVendorIndex : int {
    kVendorUnknown = 0,
    kVendorIntel = 1,
    kVendorAMD = 2,
    kVendorCyrix = 3,
    kVendorCentaur = 4,
    kVendorNexGen = 5,
    kVendorUMC = 6,
    kVendorRise = 7,
};

struct CPUVendor {
    int index = kVendorUnknown;
    std::string name;  // empty for index 0
};

// The 12 characters of leaf 0's EBX, EDX and ECX, each register's bytes from the lowest up.
std::string VendorIdentification(const platform::CpuidRegisters& leaf0);
CPUVendor IdentifyCPUVendor(const platform::CpuidRegisters& leaf0);

// One lookup's result. A table row sets the fields it lists; the others keep these starting values.
struct CPUNameInfo {
    std::string name;
    std::string codeName;
    int busSpeed = 0;  // MHz
    int transistors = 0;
};

// The name table of the seven vendors, keyed by the base family and model only, with the clock
// (whole MHz), the level-2 cache size (KB), the type and the brand index for the rows that test them.
CPUNameInfo LookupCPUName(int vendor, int family, int model, int clockMHz, int level2KB, int type, int brandIndex);

// What the tables say about one processor, with the sound rules for processors the first table was
// not written for: Intel family 6 models 9 to 15 and every processor with extended family or model
// fields are looked up by display family and model in the table of today's processors; where
// neither table knows the processor, the name is the brand string and the code name is empty.
// leaf2ListsCaches is false when leaf 2 answered nothing or said "see leaf 4" (descriptor 0xFF): the
// level-2 size is then unknown, not 0, so the rows that test it are not used.
CPUNameInfo NameProcessor(int vendor, const CPUSignature& signature, int clockMHz, int level2KB, bool leaf2ListsCaches,
                          std::string_view brand);

// The row of today's processors for a vendor, display family and model; nullptr when there is none.
struct TodaysProcessorRow {
    int vendor;
    int family;  // display family
    int firstModel;
    int lastModel;     // display models, inclusive
    const char* name;  // nullptr: the brand string names the processor
    const char* codeName;
};
const TodaysProcessorRow* FindTodaysProcessor(int vendor, int family, int model);

// The product line a brand string names ("Core i5", "Celeron", "Ryzen 7", ...), or the empty text.
std::string ProductLineFromBrand(int vendor, std::string_view brand);

// "Model ID: Family 6  Model 8  Stepping 3"; with the display family and model when the extended
// fields are set ("Model ID: Family 26  Model 2  Stepping 1").
std::string ModelText(const CPUSignature& signature);
// "0683": 0, family, model and stepping as upper-case hexadecimal digits; where the extended fields
// are set, the whole signature without leading zeros ("90672", "A20F12").
std::string CPUIdText(const CPUSignature& signature);
// "2 x Pentium 4": the count of processor packages and the name without surrounding blanks.
std::string ChipText(unsigned processors, std::string_view name);
std::string BusSpeedText(int busSpeed);       // "66 MHz"
std::string TransistorText(int transistors);  // "7500000"

// Leaf 1 twice: EAX of the first, EDX and ECX of the second, as "0000-0F29-BFEB-FBFF-0000-4400".
std::string GetCPUSerial(System& sys);

// The Pentium division test: (x / y) * y - x with x = 4195835 and y = 3145727, computed at run
// time; true when the result is not 0.
bool HasFDIVBug();
// The same test with other operands (the check itself, reachable by tests).
bool DivisionCheckFails(double x, double y);

}  // namespace orvane
