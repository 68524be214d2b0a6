#pragma once
// What the CPU window's refresh shows: every identification row's text and the feature check list,
// gathered from CPUID in the window's order so that the window only has to display them.

#include <string>
#include <vector>

#include "cpu/cpu_features.h"
#include "cpu/cpu_id.h"
#include "probes/probe.h"

namespace orvane {

struct CPUWindowInfo {
    std::string brand;                     // "CPU Brand" (CPUBrand1); empty when the brand query fails
    std::string chip;                      // "CPU Chip" (CPUInfo), "1 x Pentium III E"
    std::string model;                     // "CPU Family" (Info1), "Model ID: Family 6  Model 8  Stepping 3"
    std::string codeName;                  // "Code Name" (Info2)
    std::string vendor;                    // "Vendor" (Info3)
    std::string busSpeed;                  // "Bus Speed" (Info4), "133 MHz"
    std::string transistors;               // "Transistors" (Info5), "28100000"
    std::string serial;                    // "Serial Number" (Info6)
    std::string cpuId;                     // "CPU-ID" (Info7), "0683"
    std::vector<CheckListEntry> features;  // the 25 check-list entries, "FDIV Bug" last
    TCPUCache cache;                       // not shown; the level-2 size is what the name table reads
    // The numbers behind the texts, for whoever reads them rather than the window.
    bool cacheListed = false;  // leaf 2 describes the caches (its sizes of 0 are then real)
    unsigned processors = 0;
    CPUSignature signature;
    int busSpeedMHz = 0;  // 0 where the name table gives none
    int transistorCount = 0;
};

// Reads the processor in the order the window's refresh does: signature (leaf 1), vendor (leaf 0),
// features, serial number, division test, cache descriptors, name, brand. clockMHz is the whole MHz
// of the most recent clock measurement (CPUClockRecord::WholeMHz), 0 when none was made. Raises
// UserError on a processor without CPUID.
CPUWindowInfo ReadCPUWindowInfo(System& sys, int clockMHz);

}  // namespace orvane
