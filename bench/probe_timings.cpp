// On-demand benchmark: how long each summary row's probe (and its fallback) takes on the real
// system, over several runs. The clock-speed row sleeps 500 ms while it counts; its line shows what it
// costs beyond that sleep, and the total is what the refresh spends outside it.
//   probe_timings.exe [runs] [/nocom]
#include <windows.h>

#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/summary.h"
#include "cpu/cpu_speed.h"
#include "platform/win32/win32_system.h"

namespace {

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 5;
    bool noCom = false;
    for (int i = 1; i < argc; ++i) {
        if (_stricmp(argv[i], "/nocom") == 0) {
            noCom = true;
        } else {
            runs = std::max(1, std::atoi(argv[i]));
        }
    }
    // The WMI rows need COM on this thread, as the program's start-up gives it.
    if (FAILED(CoInitialize(nullptr))) return 1;
    orvane::win32::Win32System sys;
    constexpr double kMeasurementSleepMs = 500.0;
    std::printf("%-4s %-20s %12s %12s\n", "row", "label", "median ms", "max ms");
    double totalMedian = 0;
    for (int row = 1; row <= orvane::kSummaryRowCount; ++row) {
        const orvane::SummaryRow& design = orvane::kSummaryRows[row - 1];
        if (!design.probe || (design.serialPorts && noCom)) continue;
        const bool clockRow = design.probe == orvane::GetCPUSpeed;
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            const double start = NowMs();
            try {
                if (design.probe(sys).empty() && design.fallback) design.fallback(sys);
            } catch (...) {
                // A probe that lets an error through costs its time all the same.
            }
            times.push_back(NowMs() - start - (clockRow ? kMeasurementSleepMs : 0.0));
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        totalMedian += median;
        std::printf("%-4d %-20s %12.2f %12.2f%s\n", row, design.label, median, times.back(),
                    clockRow ? "   (beyond the 500 ms sleep)" : "");
    }
    std::printf("%-25s %12.2f ms outside the clock measurement's sleep, median of %d runs per row\n", "total",
                totalMedian, runs);
    // The sampler's records on this system: a value here shows the lengths and offsets are accepted.
    orvane::CPUUsageSampler sampler;
    const bool first = orvane::SampleCPUUsage(sys, sampler).has_value();
    Sleep(1000);
    const auto usage = orvane::SampleCPUUsage(sys, sampler);
    if (usage) {
        std::printf("CPU usage over 1 s: %.1f %% (first sample %s)\n", *usage, first ? "gave a value" : "stored only");
    } else {
        std::printf("CPU usage over 1 s: no value\n");
    }
    return 0;
}
