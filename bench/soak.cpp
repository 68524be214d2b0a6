// On-demand benchmark (bench/soak.sh, not part of ./test): the program's long run in one process. Its
// own entry runs on the main thread as in orvane.exe (bench/soak_entry.cpp); a driver thread works the
// windows the way the menus and tool buttons do, through the same commands:
//   - a summary refresh each round (View > System Info), the status bar's one-second timer ticking;
//   - every fifth round, each of the twelve windows shown and closed once: the CPU window first, with
//     its one-second timer started as its tool button starts it, and closed last, so that it ticks while
//     the others come and go;
//   - the process's figures before the first round, after it, every `every` rounds and at the end:
//     handles, GDI and USER objects, private bytes. Each is growth-checked against the figure after the
//     first round (which fills the caches that stay); growth of 1 % or more fails the run.
//   soak.exe [rounds (default 1000)] [every (default 100)]
// Where the platform does not answer a figure (Wine: GetGuiResources, GetProcessHandleCount and the
// private-usage counter), the line says so and counts the same thing another way.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/imports.h"

// bench/soak_entry.cpp: the program's WinMain, which the system headers declare with C linkage.
extern "C" int WINAPI OrvaneWinMain(HINSTANCE, HINSTANCE, LPSTR, int);

namespace {

using namespace std::chrono_literals;

// --- The figures ---

struct Figure {
    double value = 0;
    std::string source;  // how it was counted
    bool answered = true;
};

struct Figures {
    Figure handles;
    Figure gdi;
    Figure user;
    Figure windows;
    Figure privateBytes;
};

// The system's list of open handles, for a process whose own count the platform does not give.
std::optional<double> HandlesInSystemList() {
    struct Entry {
        USHORT process;
        USHORT creatorBackTrace;
        UCHAR objectType;
        UCHAR attributes;
        USHORT value;
        PVOID object;
        ULONG access;
    };
    struct List {
        ULONG count;
        Entry entries[1];
    };
    using QueryFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = orvane::win32::ImportLoaded<QueryFn>("ntdll.dll", "NtQuerySystemInformation");
    if (!query) return std::nullopt;
    constexpr ULONG kSystemHandleInformation = 16;
    constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);
    std::vector<std::uint8_t> buffer(1 << 20);
    for (;;) {
        ULONG needed = 0;
        const LONG status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == kInfoLengthMismatch && buffer.size() < (256u << 20)) {
            buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed + 4096));
            continue;
        }
        if (status < 0) return std::nullopt;
        break;
    }
    const auto* list = reinterpret_cast<const List*>(buffer.data());
    const auto self = static_cast<USHORT>(GetCurrentProcessId());
    double count = 0;
    for (ULONG i = 0; i < list->count; ++i) count += list->entries[i].process == self ? 1 : 0;
    return count;
}

Figure HandleCount() {
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count > 0) {
        return {double(count), "GetProcessHandleCount"};
    }
    if (const auto listed = HandlesInSystemList()) {
        return {*listed, "GetProcessHandleCount answers 0 here; counted in the system's handle list"};
    }
    return {0, "not answered by this platform", false};
}

// Wine keeps the process's GDI objects in a handle table the process environment block points to (as
// Windows did before Windows 10): 24-byte entries, a live object's with its object pointer set, a
// stock object's type with bit 7 set.
std::optional<double> GdiObjectsInHandleTable() {
#ifdef _WIN64
    struct Entry {
        std::uint64_t object;
        std::uint32_t owner;
        std::uint32_t type;
        std::uint64_t user;
    };
    static_assert(sizeof(Entry) == 24);
    using QueryFn = LONG(WINAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);
    const auto query = orvane::win32::ImportLoaded<QueryFn>("ntdll.dll", "NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(GetCurrentProcess(), 0, &basic, sizeof basic, nullptr) < 0 || !basic.PebBaseAddress) {
        return std::nullopt;
    }
    const auto* environment = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const Entry* const*>(environment + 0xF8);  // GdiSharedHandleTable
    if (!table) return std::nullopt;
    double count = 0;
    for (std::size_t i = 0; i < 0x10000; ++i) count += table[i].object != 0 && !(table[i].type & 0x80) ? 1 : 0;
    return count;
#else
    return std::nullopt;
#endif
}

Figure GuiResource(DWORD which, const char* name) {
    SetLastError(0);
    const DWORD count = GetGuiResources(GetCurrentProcess(), which);
    if (count > 0 || GetLastError() == 0) return {double(count), "GetGuiResources"};
    if (which == GR_GDIOBJECTS) {
        if (const auto table = GdiObjectsInHandleTable()) {
            return {*table, "GetGuiResources is not answered here; counted in the process's GDI handle table"};
        }
    }
    return {0, std::string("GetGuiResources does not answer for ") + name + " objects on this platform", false};
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    *reinterpret_cast<double*>(count) += 1;
    return TRUE;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return TRUE;
    *reinterpret_cast<double*>(count) += 1;
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

// The process's windows, top-level and child: the USER objects a window set is made of.
Figure WindowCount() {
    double count = 0;
    EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&count));
    return {count, "the process's windows, top-level and child"};
}

Figure PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters) &&
        counters.PrivateUsage > 0) {
        return {double(counters.PrivateUsage), "PrivateUsage"};
    }
    // The committed private regions of the address space are what that counter counts.
    double committed = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (auto* at = static_cast<std::uint8_t*>(nullptr); VirtualQuery(at, &region, sizeof region) == sizeof region;) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) committed += double(region.RegionSize);
        auto* next = static_cast<std::uint8_t*>(region.BaseAddress) + region.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return {committed, "PrivateUsage answers 0 here; the committed private regions of the address space"};
}

Figures Measure() {
    return {HandleCount(), GuiResource(GR_GDIOBJECTS, "GDI"), GuiResource(GR_USEROBJECTS, "USER"), WindowCount(),
            PrivateBytes()};
}

// --- Driving the windows ---

[[noreturn]] void Fail(const std::string& what) {
    std::printf("soak failed: %s\n", what.c_str());
    std::fflush(stdout);
    std::_Exit(2);
}

struct ClassSearch {
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchOwnWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<ClassSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (process != GetCurrentProcessId() || lstrcmpA(name, search->className) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

HWND WindowOfClass(const char* className) {
    ClassSearch search{className, nullptr};
    EnumWindows(MatchOwnWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectText(HWND child, LPARAM parameter) {
    char part[512] = {};
    GetWindowTextA(child, part, sizeof part);
    auto* all = reinterpret_cast<std::string*>(parameter);
    if (part[0]) *all += std::string(all->empty() ? "" : " | ") + part;
    return TRUE;
}

// What a message box of the process says, for a run that stops on one.
std::string OpenMessageBox() {
    HWND box = WindowOfClass("#32770");
    if (!box || !IsWindowVisible(box)) return "";
    std::string text;
    EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
    return text;
}

// A message the user-interface thread handles before the driver goes on.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 300000, &result)) {
        const std::string box = OpenMessageBox();
        Fail(std::string(what) + ": no answer within 5 minutes" + (box.empty() ? "" : " (message box: " + box + ")"));
    }
    return static_cast<LRESULT>(result);
}

template <typename Condition>
void WaitFor(Condition condition, const char* what) {
    const auto deadline = std::chrono::steady_clock::now() + 120s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            const std::string box = OpenMessageBox();
            Fail(std::string(what) + (box.empty() ? "" : " (message box: " + box + ")"));
        }
        std::this_thread::sleep_for(20ms);
    }
}

std::string MenuText(HMENU menu, int position) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    std::string caption;
    for (const char* c = text; *c && *c != '\t'; ++c) {
        if (*c != '&') caption += *c;
    }
    return caption;
}

// The command id of the first item of the menu bar with that caption.
std::optional<UINT> MenuCommand(HMENU menu, const std::string& caption) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (HMENU sub = GetSubMenu(menu, position)) {
            if (const auto found = MenuCommand(sub, caption)) return found;
        } else if (MenuText(menu, position) == caption) {
            return GetMenuItemID(menu, position);
        }
    }
    return std::nullopt;
}

struct ToolButton {
    HWND bar = nullptr;
    int id = 0;
};

ToolButton ToolButtonOf(HWND main, const std::string& caption) {
    HWND bar = FindWindowExA(main, nullptr, TOOLBARCLASSNAMEA, nullptr);
    for (HWND child = GetWindow(main, GW_CHILD); !bar && child; child = GetWindow(child, GW_HWNDNEXT)) {
        bar = FindWindowExA(child, nullptr, TOOLBARCLASSNAMEA, nullptr);
    }
    if (!bar) Fail("the main window has no tool bar");
    const auto count = static_cast<int>(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        TBBUTTON button{};
        SendMessageA(bar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
        char text[128] = {};
        SendMessageA(bar, TB_GETBUTTONTEXTA, static_cast<WPARAM>(button.idCommand), reinterpret_cast<LPARAM>(text));
        if (caption == text) return {bar, button.idCommand};
    }
    Fail("no tool button \"" + caption + "\"");
}

// How a window of the set is opened: a menu item, or a tool button; modal windows hold their command
// until they are closed.
struct WindowCommand {
    const char* className;
    const char* menuCaption;  // or nullptr for a tool button
    const char* toolCaption;
    bool modal;
};

constexpr WindowCommand kCpuWindow{"TfrmCPU", nullptr, "CPU", false};
constexpr WindowCommand kOtherWindows[] = {
    {"TfrmPersonal", "Personal Info", nullptr, false},
    {"TfrmMemory", "Memory Info", nullptr, false},
    {"TfrmDisplay", "Display Info", nullptr, false},
    {"TfrmDisk", "Disk Info", nullptr, false},
    {"TfrmDevices", nullptr, "Devices", false},
    {"TfrmUnistall", "App Info", nullptr, false},
    {"TfrmSound", "Sound", nullptr, false},
    {"TfrmStartup", "Startup", nullptr, false},
    {"TfrmHelp", "Using Orvane", nullptr, false},
    {"TAboutBox", "About", nullptr, true},
    {"TQRPreview", "Print", nullptr, true},  // the print preview, after a refresh of its own
};

class Driver {
public:
    explicit Driver(HWND main) : main_(main), menu_(GetMenu(main)) {}

    void Refresh() { RunMenu("System Info"); }

    void Open(const WindowCommand& command) {
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        HWND target = main_;
        if (command.menuCaption) {
            const auto id = MenuCommand(menu_, command.menuCaption);
            if (!id) Fail(std::string("no menu item ") + command.menuCaption);
            wParam = MAKEWPARAM(*id, 0);
        } else {
            const ToolButton button = ToolButtonOf(main_, command.toolCaption);
            target = GetParent(button.bar);
            wParam = MAKEWPARAM(button.id, BN_CLICKED);
            lParam = reinterpret_cast<LPARAM>(button.bar);
        }
        if (command.modal) {
            PostMessageA(target, WM_COMMAND, wParam, lParam);
        } else {
            Send(target, WM_COMMAND, wParam, lParam, command.className);
        }
        WaitFor(
            [&] {
                HWND window = WindowOfClass(command.className);
                return window && IsWindowVisible(window);
            },
            command.className);
        // The window's own show handler has run once its thread answers.
        Send(main_, WM_NULL, 0, 0, command.className);
    }

    void Close(const WindowCommand& command) {
        HWND window = WindowOfClass(command.className);
        Send(window, WM_CLOSE, 0, 0, command.className);
        WaitFor([&] { return !IsWindowVisible(window); }, command.className);
        Send(main_, WM_NULL, 0, 0, command.className);
    }

    std::string StatusTime() const {
        HWND bar = FindWindowExA(main_, nullptr, STATUSCLASSNAMEA, nullptr);
        char text[128] = {};
        if (bar) SendMessageA(bar, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
        return text;
    }

    void Quit() { PostMessageA(main_, WM_CLOSE, 0, 0); }

private:
    void RunMenu(const char* caption) {
        const auto id = MenuCommand(menu_, caption);
        if (!id) Fail(std::string("no menu item ") + caption);
        Send(main_, WM_COMMAND, MAKEWPARAM(*id, 0), 0, caption);
    }

    HWND main_;
    HMENU menu_;
};

// --- The report ---

void Print(const char* when, const Figures& figures, const Driver& driver) {
    auto line = [](const char* name, const Figure& figure, bool bytes) {
        if (!figure.answered) {
            std::printf("  %-14s %s\n", name, figure.source.c_str());
        } else if (bytes) {
            std::printf("  %-14s %12.0f  (%.1f MB; %s)\n", name, figure.value, figure.value / 1048576.0,
                        figure.source.c_str());
        } else {
            std::printf("  %-14s %12.0f  (%s)\n", name, figure.value, figure.source.c_str());
        }
    };
    std::printf("%s: status bar time panel \"%s\"\n", when, driver.StatusTime().c_str());
    line("handles", figures.handles, false);
    line("GDI objects", figures.gdi, false);
    line("USER objects", figures.user, false);
    line("windows", figures.windows, false);
    line("private bytes", figures.privateBytes, true);
    std::fflush(stdout);
}

// The largest growth against the baseline, in per cent, of the figures that were answered.
struct Growth {
    double percent = 0;
    std::string figure;
};
Growth GrowthOf(const Figures& baseline, const Figures& now) {
    Growth worst;
    auto check = [&](const char* name, const Figure& base, const Figure& current) {
        if (!base.answered || !current.answered || base.value <= 0) return;
        const double percent = (current.value - base.value) * 100.0 / base.value;
        if (percent > worst.percent) worst = {percent, name};
    };
    check("handles", baseline.handles, now.handles);
    check("GDI objects", baseline.gdi, now.gdi);
    check("USER objects", baseline.user, now.user);
    check("windows", baseline.windows, now.windows);
    check("private bytes", baseline.privateBytes, now.privateBytes);
    return worst;
}

int g_rounds = 1000;
int g_every = 100;
int g_verdict = 0;

void Drive() {
    HWND main = nullptr;
    WaitFor(
        [&] {
            main = WindowOfClass("TForm1");
            return main && IsWindowVisible(main);
        },
        "the main window");
    Driver driver(main);
    Send(main, WM_NULL, 0, 0, "the main window");
    std::printf("soak: %d summary refreshes; the twelve windows shown and closed every fifth round (%d times)\n",
                g_rounds, g_rounds / 5);
    Print("start", Measure(), driver);

    const auto began = std::chrono::steady_clock::now();
    Figures baseline;
    Growth worst;
    for (int round = 1; round <= g_rounds; ++round) {
        driver.Refresh();
        // The queue stays empty a moment, so the status bar's timer (and the CPU window's) gets its turn.
        std::this_thread::sleep_for(20ms);
        if (round % 5 == 0) {
            driver.Open(kCpuWindow);
            for (const WindowCommand& window : kOtherWindows) {
                driver.Open(window);
                driver.Close(window);
            }
            // At least one tick of the CPU window's timer with every other window gone again.
            std::this_thread::sleep_for(1100ms);
            driver.Close(kCpuWindow);
        }
        if (round == 1 || round % g_every == 0 || round == g_rounds) {
            const Figures now = Measure();
            const std::string when = "round " + std::to_string(round);
            Print(when.c_str(), now, driver);
            if (round == 1) {
                baseline = now;
            } else {
                const Growth growth = GrowthOf(baseline, now);
                if (growth.percent > worst.percent) worst = growth;
                std::printf("  growth since round 1: %.2f %% at most (%s)\n", growth.percent,
                            growth.figure.empty() ? "none grew" : growth.figure.c_str());
            }
        }
    }
    const double minutes = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count() / 60.0;
    const Figures end = Measure();
    Print("end", end, driver);
    const Growth growth = GrowthOf(baseline, end);
    std::printf("end: growth since round 1 %.2f %% at most (%s); largest at any sample %.2f %%; %.1f minutes\n",
                growth.percent, growth.figure.empty() ? "none grew" : growth.figure.c_str(),
                std::max(worst.percent, growth.percent), minutes);
    g_verdict = growth.percent < 1.0 ? 0 : 1;
    std::printf("%s\n",
                g_verdict == 0 ? "flat: every figure within 1 % of round 1" : "NOT flat: a figure grew by 1 % or more");
    std::fflush(stdout);
    driver.Quit();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) g_rounds = std::max(5, std::atoi(argv[1]));
    if (argc > 2) g_every = std::max(1, std::atoi(argv[2]));
    // The program reads its own parameters from the runtime's list: it is given none.
    __argc = 1;
    std::thread driver(Drive);
    const int code = OrvaneWinMain(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
    driver.join();
    std::printf("the program ended with code %d\n", code);
    return code != 0 ? code : g_verdict;
}
