#pragma once
// The 29 summary rows and their refresh. The rows are one table of (label, probe, fallback, error
// group); the refresh is a loop over it that writes each result into its row as soon as it is known.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "cpu/cpu_speed.h"
#include "screens/personal/personal_model.h"
#include "probes/probe.h"

namespace orvane {

inline constexpr int kSummaryRowCount = 29;

// Errors that escape a probe of group A or B end that group silently; anywhere else they end the
// refresh and reach the error box.
enum class ErrorGroup { None, A, B };

struct SummaryRow {
    const char* label;
    Probe probe;     // nullptr while the row's probe is not built yet: the row then stays empty
    Probe fallback;  // runs when the row reads empty after the probe
    ErrorGroup group;
    bool serialPorts;  // skipped, and left empty, under /nocom
};

// Row n (1-based) is kSummaryRows[n - 1].
extern const SummaryRow kSummaryRows[kSummaryRowCount];

// The value control of row n: "Info<n>", except row 29, whose control is named "info29".
std::string SummaryValueName(int row);
std::string SummaryLabelName(int row);

// Where the refresh writes. A write shows the text at once (the refresh does not return to the
// message loop, so this is what makes the rows fill one by one).
class SummaryView {
public:
    virtual ~SummaryView() = default;
    virtual void ShowValue(int row, const std::string& text) = 0;
    virtual std::string Value(int row) = 0;
    virtual void ShowPersonalValue(PersonalRow row, const std::string& text) = 0;
};

// Runs the refresh over the given rows (the summary's own table unless a test passes another).
// With a clock record, the clock-speed row (GetCPUSpeed) measures through it, so that the CPU window
// can name the processor by the speed the summary showed.
void RunSummaryRefresh(System& sys, SummaryView& view, const LaunchOptions& options,
                       std::span<const SummaryRow> rows = kSummaryRows,
                       std::span<const PersonalRowSpec> personalRows = kPersonalRefreshRows,
                       CPUClockRecord* clock = nullptr);

// Reading rows back by control name, as every output does.
class ControlTexts {
public:
    virtual ~ControlTexts() = default;
    // The text of the control of that name (looked up without regard to case), or nullopt.
    virtual std::optional<std::string> TextOf(std::string_view name) = 0;
};

struct ReportLine {
    std::string label;
    std::string value;
};
using ReportLines = std::vector<ReportLine>;

// Looks up "Desc<n>" and "Info<n>" for n = 1 to 29; a missing control reads as the empty text.
ReportLines ReadSummaryRows(ControlTexts& controls);

}  // namespace orvane
