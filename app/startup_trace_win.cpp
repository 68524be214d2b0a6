#include "app/startup_trace_win.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace orvane {

namespace {

struct Mark {
    const char* phase;
    LARGE_INTEGER at;
};

struct Trace {
    bool enabled = false;
    LARGE_INTEGER entry{};
    LARGE_INTEGER frequency{};
    FILETIME entryClock{};
    std::vector<Mark> marks;

    Trace() {
        const char* path = std::getenv("ORVANE_STARTUP_TRACE");
        enabled = path && *path;
        if (!enabled) return;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&entry);
        GetSystemTimeAsFileTime(&entryClock);
        marks.reserve(64);
    }
};

Trace& TheTrace() {
    static Trace trace;
    return trace;
}

double Milliseconds(const Trace& trace, LARGE_INTEGER at) {
    return static_cast<double>(at.QuadPart - trace.entry.QuadPart) * 1000.0 /
           static_cast<double>(trace.frequency.QuadPart);
}

ULONGLONG Ticks(FILETIME time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

void StartupMark(const char* phase) {
    Trace& trace = TheTrace();
    if (!trace.enabled) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    trace.marks.push_back({phase, now});
}

void WriteStartupTrace() {
    const Trace& trace = TheTrace();
    if (!trace.enabled) return;
    std::FILE* file = std::fopen(std::getenv("ORVANE_STARTUP_TRACE"), "w");
    if (!file) return;
    FILETIME created, exited, kernel, user;
    if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        std::fprintf(file, "%9.1f  process creation to entry\n",
                     static_cast<double>(Ticks(trace.entryClock) - Ticks(created)) / 10000.0);
    }
    LARGE_INTEGER previous = trace.entry;
    for (const Mark& mark : trace.marks) {
        std::fprintf(file, "%9.1f  %-40s (+%.1f)\n", Milliseconds(trace, mark.at), mark.phase,
                     Milliseconds(trace, mark.at) - Milliseconds(trace, previous));
        previous = mark.at;
    }
    if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        std::fprintf(file, "processor time so far: %.1f ms user, %.1f ms system\n",
                     static_cast<double>(Ticks(user)) / 10000.0, static_cast<double>(Ticks(kernel)) / 10000.0);
    }
    std::fclose(file);
}

}  // namespace orvane
