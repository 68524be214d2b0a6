#include "app/summary.h"

#include "cpu/cpu_speed.h"
#include "probes/firmware_probes.h"
#include "probes/hardware_probes.h"
#include "probes/hdd_serial.h"
#include "probes/network_probes.h"
#include "probes/os_probes.h"
#include "probes/storage_probes.h"
#include "probes/wmi.h"

namespace orvane {

namespace {

using enum ErrorGroup;

// The refresh's own word for a machine without wave output; the name probe is not asked then.
std::string DescribeSoundCard(System& sys) {
    return HasSoundCard(sys) ? GetSoundCardName(sys) : std::string("Not detected");
}

}  // namespace

// Columns: label, probe, fallback, error group, serial ports.
const SummaryRow kSummaryRows[kSummaryRowCount] = {
    {"Windows", GetWindowsVersion, nullptr, None, false},
    {"Internet Explorer", GetIEVersion, nullptr, None, false},
    {"Memory (RAM)", GetMemorySize, nullptr, None, false},
    {"CPU Info", GetCPUBrand, GetCPUIdentifier, None, false},
    {"CPU Speed", GetCPUSpeed, nullptr, None, false},
    {"Sound card", DescribeSoundCard, nullptr, None, false},
    {"Display Adapters", GetDisplayAdapters, nullptr, None, false},
    {"Screen Resolution", GetScreenResolution, nullptr, A, false},
    {"Network", GetNetworkPresence, nullptr, A, false},
    {"Network Adapters", GetNetworkAdapters, nullptr, A, false},
    {"CD / DVD Drives", GetCDDrives, nullptr, A, false},
    {"Default Printer", GetDefaultPrinterName, nullptr, A, false},
    {"COM Ports", GetCOMPorts, GetCOMPortsFromRegistry, A, true},
    {"LPT Ports", GetLPTPorts, GetLPTPortsFromRegistry, A, false},
    {"Mouse", GetMouseInfo, nullptr, A, false},
    {"Hard Disks", GetHardDisks, nullptr, A, false},
    {"Hard Disks - Free", GetHardDisksFree, nullptr, A, false},
    {"USB Controllers", GetUSBControllers, nullptr, A, false},
    {"Firewire (1394)", GetFirewireControllers, nullptr, A, false},
    {"PCMCIA (Laptops)", GetPCMCIAStatus, nullptr, A, false},
    {"Manufacturer", GetBIOSManufacturer, nullptr, B, false},
    {"Product Make", GetProductMake, nullptr, B, false},
    {"Serial Number", GetBIOSSerialNumber, nullptr, B, false},
    {"AC Power Status", GetACPowerStatus, nullptr, None, false},
    {"BIOS Info", GetBIOSInfo, nullptr, None, false},
    {"Time Zone", GetTimeZoneName, nullptr, None, false},
    {"Battery", GetBatteryStatus, nullptr, None, false},
    {"Motherboard", GetMotherboard, nullptr, None, false},
    {"Modems", GetModems, nullptr, None, false},
};

std::string SummaryValueName(int row) {
    return (row == 29 ? "info" : "Info") + std::to_string(row);
}

std::string SummaryLabelName(int row) {
    return "Desc" + std::to_string(row);
}

namespace {

std::string RunProbe(System& sys, Probe probe, CPUClockRecord* clock) {
    if (!probe) return std::string();
    if (clock && probe == static_cast<Probe>(GetCPUSpeed)) return GetRecordedCPUSpeed(sys, *clock);
    return probe(sys);
}

void RefreshRow(System& sys, SummaryView& view, const LaunchOptions& options, std::span<const SummaryRow> rows,
                int row, CPUClockRecord* clock) {
    const SummaryRow& design = rows[static_cast<std::size_t>(row - 1)];
    if (design.serialPorts && options.noCom) {
        view.ShowValue(row, std::string());
        return;
    }
    view.ShowValue(row, RunProbe(sys, design.probe, clock));
    if (design.fallback && view.Value(row).empty()) view.ShowValue(row, design.fallback(sys));
}

}  // namespace

void RunSummaryRefresh(System& sys, SummaryView& view, const LaunchOptions& options, std::span<const SummaryRow> rows,
                       std::span<const PersonalRowSpec> personalRows, CPUClockRecord* clock) {
    // Connecting to WMI takes longer than a query; the platform may do it while the first rows run.
    PrepareWMIRows(sys);
    const int count = static_cast<int>(rows.size());
    auto groupOf = [&](int row) { return rows[static_cast<std::size_t>(row - 1)].group; };
    int row = 1;
    while (row <= count) {
        const ErrorGroup group = groupOf(row);
        if (group == None) {
            RefreshRow(sys, view, options, rows, row, clock);
            ++row;
            continue;
        }
        int end = row;
        while (end <= count && groupOf(end) == group) ++end;
        try {
            for (int r = row; r < end; ++r) RefreshRow(sys, view, options, rows, r, clock);
        } catch (...) {
            // The rest of the group keeps what it showed before this refresh.
        }
        row = end;
    }
    for (const PersonalRowSpec& design : personalRows) {
        view.ShowPersonalValue(design.row, design.probe ? design.probe(sys) : std::string());
    }
}

ReportLines ReadSummaryRows(ControlTexts& controls) {
    ReportLines lines;
    lines.reserve(kSummaryRowCount);
    for (int row = 1; row <= kSummaryRowCount; ++row) {
        // The names are looked up as "Info<n>" for every row; the lookup ignores case, which is how
        // the control named "info29" is found.
        lines.push_back({controls.TextOf(SummaryLabelName(row)).value_or(std::string()),
                         controls.TextOf("Info" + std::to_string(row)).value_or(std::string())});
    }
    return lines;
}

}  // namespace orvane
