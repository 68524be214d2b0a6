// On-demand benchmark: the worst case of each probe that can block, with and without its bound. The
// script (bench/probe_bounds.sh) sets up the situation around Wine and names it here:
//   probe_bounds.exe port NAME      a serial port whose device never answers (GetCOMPorts)
//   probe_bounds.exe resolve NAME   a host-name lookup with a resolver that never answers (ResolveHost,
//                                   and GetIPAddresses for the machine's own name)
//   probe_bounds.exe drive ROOT     a drive that does not answer (the drive window's readiness query)
//   probe_bounds.exe wmi            the three WMI rows, cold and warm
// Each line: what was timed, the milliseconds it took, the bound and what the user sees. The raw call
// ("unbounded") is what the program did without a limit; it is itself watched for at most kWatchMs so
// that a call that never returns cannot hold the benchmark.
#include <winsock2.h>
// After winsock2.h, which must come before windows.h.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/summary.h"
#include "platform/win32/bounded_call.h"
#include "platform/win32/win32_system.h"
#include "probes/network_probes.h"
#include "probes/storage_probes.h"
#include "probes/wmi.h"
#include "screens/drive/drive_model.h"

namespace {

constexpr DWORD kWatchMs = 60000;

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

void Line(const char* what, double ms, const char* bound, const std::string& shown) {
    std::printf("%-44s %10.1f ms   bound %-8s shows \"%s\"\n", what, ms, bound, shown.c_str());
    std::fflush(stdout);
}

// A raw call watched for kWatchMs: its time, or the watch's end when it had not returned by then.
template <typename Call>
void Unbounded(const char* what, Call call) {
    const double start = NowMs();
    auto answer = orvane::win32::CallWithin<std::string>(kWatchMs, call);
    const double took = NowMs() - start;
    if (answer.outcome == orvane::win32::BoundedOutcome::TimedOut) {
        std::printf("%-44s %10s ms   (still blocked when the watch ended)\n", what, ">60000");
        std::fflush(stdout);
        return;
    }
    Line(what, took, "none", *answer.result);
}

std::string BoundText(std::uint32_t ms) {
    return std::to_string(ms) + "ms";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string mode = argv[1];
    const std::string name = argc > 2 ? argv[2] : "";
    if (FAILED(CoInitialize(nullptr))) return 1;
    orvane::win32::Win32System sys;

    if (mode == "port") {
        Unbounded("unbounded CreateFileA of the port", [name] {
            HANDLE port = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            const std::string shown = port == INVALID_HANDLE_VALUE ? "open failed" : "opened";
            if (port != INVALID_HANDLE_VALUE) CloseHandle(port);
            return shown;
        });
        Unbounded("unbounded CreateFileA of COM1..COM256", [] {
            std::string shown;
            for (int number = 1; number <= 256; ++number) {
                const std::string port = orvane::PortName("COM", number);
                HANDLE handle =
                    CreateFileA(port.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
                if (handle == INVALID_HANDLE_VALUE) continue;
                CloseHandle(handle);
                shown += port + " | ";
            }
            return shown;
        });
        double start = NowMs();
        const auto opened = sys.OpenDeviceWithin({name, orvane::platform::kGenericRead | orvane::platform::kGenericWrite, 0},
                                                 orvane::kPortOpenWaitMs);
        Line("bounded open of the port", NowMs() - start, BoundText(orvane::kPortOpenWaitMs).c_str(),
             opened.timedOut ? "gave up" : (opened.device ? "opened" : "open failed"));
        start = NowMs();
        const std::string ports = orvane::GetCOMPorts(sys);
        Line("GetCOMPorts (256 ports)", NowMs() - start, BoundText(orvane::kPortOpenWaitMs).c_str(), ports);
        start = NowMs();
        const std::string parallel = orvane::GetLPTPorts(sys);
        Line("GetLPTPorts (256 ports)", NowMs() - start, BoundText(orvane::kPortOpenWaitMs).c_str(), parallel);
    } else if (mode == "resolve") {
        Unbounded("unbounded gethostbyname", [name] {
            WSADATA data{};
            WSAStartup(MAKEWORD(1, 1), &data);
            const hostent* host = gethostbyname(name.c_str());
            const std::string shown = host ? "resolved" : "not resolved";
            WSACleanup();
            return shown;
        });
        sys.StartSockets(0x0101);
        double start = NowMs();
        const auto addresses = sys.ResolveHost(name);
        Line("bounded ResolveHost", NowMs() - start, BoundText(orvane::platform::kResolveHostWaitMs).c_str(),
             addresses ? std::to_string(addresses->size()) + " addresses" : "not resolved");
        sys.StopSockets();
        start = NowMs();
        const std::string own = orvane::GetIPAddresses(sys);
        Line("GetIPAddresses (the machine's own name)", NowMs() - start,
             BoundText(orvane::platform::kResolveHostWaitMs).c_str(), own);
    } else if (mode == "drive") {
        Unbounded("unbounded GetDiskFreeSpaceA", [name] {
            const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
            DWORD a = 0, b = 0, c = 0, d = 0;
            const std::string shown = GetDiskFreeSpaceA(name.c_str(), &a, &b, &c, &d) ? "ready" : "not ready";
            SetErrorMode(previous);
            return shown;
        });
        double start = NowMs();
        const bool ready = sys.DiskFreeSpaceQuietly(name).has_value();
        Line("bounded readiness query", NowMs() - start, BoundText(orvane::platform::kDriveAnswerWaitMs).c_str(),
             ready ? "ready" : "not ready");
        start = NowMs();
        orvane::DriveDetails details;
        orvane::ReadDriveDetails(sys, name, details);
        Line("drive window's details of the drive", NowMs() - start,
             BoundText(orvane::platform::kDriveAnswerWaitMs).c_str(), details.ready ? "ready" : "not ready");
    } else if (mode == "wmi") {
        const char* rows[][2] = {
            {"Win32_BIOS", "Manufacturer"},
            {"Win32_ComputerSystemProduct", "Name"},
            {"Win32_BIOS", "SerialNumber"},
        };
        for (int round = 0; round < 2; ++round) {
            for (const auto& row : rows) {
                const double start = NowMs();
                const std::string shown = orvane::GetWMIValue(sys, "", row[0], row[1]);
                const std::string what = std::string(round == 0 ? "cold " : "warm ") + row[0] + "." + row[1];
                Line(what.c_str(), NowMs() - start, BoundText(orvane::platform::kWmiQueryWaitMs).c_str(), shown);
            }
        }
    } else {
        return 2;
    }
    CoUninitialize();
    // Abandoned helpers may still be blocked: end the process without waiting for them.
    ExitProcess(0);
}
