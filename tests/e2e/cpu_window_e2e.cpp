// The CPU window as a user opens it: this machine's processor as CPUID reports it to the driver, and
// the live displays, which run only after the main window's CPU button and stop when the window closes.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <intrin.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "res/digit_pictures.h"
#include "tests/e2e/harness.h"

namespace e2e {
namespace {

namespace res = orvane::res;

constexpr int kCpuToolButton = 6;  // counting the separator after System

struct Registers {
    unsigned eax, ebx, ecx, edx;
};

Registers Cpuid(unsigned leaf) {
    int r[4] = {};
    __cpuid(r, static_cast<int>(leaf));
    return {static_cast<unsigned>(r[0]), static_cast<unsigned>(r[1]), static_cast<unsigned>(r[2]),
            static_cast<unsigned>(r[3])};
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

std::string Brand() {
    if (Cpuid(0x80000000u).eax < 0x80000004u) return "";
    std::string brand;
    for (unsigned leaf = 0x80000002u; leaf <= 0x80000004u; ++leaf) {
        const Registers r = Cpuid(leaf);
        for (unsigned word : {r.eax, r.ebx, r.ecx, r.edx}) {
            for (int byte = 0; byte < 4; ++byte) brand.push_back(static_cast<char>((word >> (8 * byte)) & 0xFF));
        }
    }
    return Trimmed(brand.substr(0, brand.find('\0')));
}

std::string VendorId() {
    const Registers r = Cpuid(0);
    std::string id;
    for (unsigned word : {r.ebx, r.edx, r.ecx}) {
        for (int byte = 0; byte < 4; ++byte) id.push_back(static_cast<char>((word >> (8 * byte)) & 0xFF));
    }
    return id;
}

std::string Hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value & 0xFFFFu);
    return text;
}

std::string SplitHex(unsigned value) {
    return Hex4(value >> 16) + "-" + Hex4(value);
}

// Each feature's caption in the check list and whether this processor has it.
std::map<std::string, bool> ExpectedFeatures() {
    const unsigned edx = Cpuid(1).edx;
    const unsigned highest = Cpuid(0x80000000u).eax;
    const unsigned ext = highest >= 0x80000001u && highest <= 0x8000FFFFu ? Cpuid(0x80000001u).edx : 0;
    auto bit = [](unsigned value, int n) { return ((value >> n) & 1u) != 0; };
    return {
        {"3D Now! extensions", bit(ext, 31)},
        {"Enhanced 3D Now! extensions", bit(ext, 30)},
        {"Enhanced MMX extensions", bit(ext, 22) || bit(ext, 24)},
        {"SIMD instructions", bit(edx, 25)},
        {"FXSAVE/FXRSTOR instruction", bit(edx, 24)},
        {"MMX extensions", bit(edx, 23)},
        {"Serial number", bit(edx, 18)},
        {"36bit Page Size Extension", bit(edx, 17)},
        {"Page Attribute Table", bit(edx, 16)},
        {"CMOVcc (+FCMOVcc/F(U)COMI(P) opcodes", bit(edx, 15)},
        {"Machine Check Architecture", bit(edx, 14)},
        {"Page Global Extension", bit(edx, 13)},
        {"Memory Type Range Registers", bit(edx, 12)},
        {"SYSENTER/SYSEXIT extension", bit(edx, 11)},
        {"Processor contains an enabled APIC", bit(edx, 9)},
        {"CMPXCHG8B instruction", bit(edx, 8)},
        {"Machine Check Exception", bit(edx, 7)},
        {"Physical Address Extension", bit(edx, 6)},
        {"Model Specific Registers", bit(edx, 5)},
        {"Time Stamp Counter", bit(edx, 4)},
        {"Page Size Extension", bit(edx, 3)},
        {"Debugging Extension", bit(edx, 2)},
        {"Virtual Mode Extension", bit(edx, 1)},
        {"Built-In FPU", bit(edx, 0)},
        {"FDIV Bug", false},  // no processor that runs this has the division fault
    };
}

// The processor packages as the first of the two processor-record calls lists them.
unsigned ProcessorPackages() {
    DWORD length = 0;
    GetLogicalProcessorInformation(nullptr, &length);
    std::vector<SYSTEM_LOGICAL_PROCESSOR_INFORMATION> records(length / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION));
    if (records.empty() || !GetLogicalProcessorInformation(records.data(), &length)) return 0;
    unsigned packages = 0;
    for (const auto& record : records) packages += record.Relationship == RelationProcessorPackage ? 1 : 0;
    return packages;
}

// Read as wide text: across processes Wine hands a list box's text over as UTF-16 whatever was asked.
std::string ListItem(HWND list, int index) {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return "<none>";
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(wide.find(L'\0'));
    std::string text;
    for (wchar_t c : wide) text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return text;
}

int GaugePosition(HWND cpu, const char* name) {
    return static_cast<int>(SendMessageA(FindControl(cpu, name), PBM_GETPOS, 0, 0));
}

// What the live displays show at one moment.
struct LiveDisplays {
    std::string usage;
    std::string speed;
    std::string counter;
    int gauge1;
    int gauge2;

    bool operator==(const LiveDisplays&) const = default;
};

LiveDisplays ReadLive(HWND cpu) {
    return {ControlText(cpu, "Label5"), ControlText(cpu, "ptBoxTotTracks"), ControlText(cpu, "PaintBox1"),
            GaugePosition(cpu, "ProgressBar1"), GaugePosition(cpu, "ProgressBar2")};
}

std::ostream& operator<<(std::ostream& out, const LiveDisplays& live) {
    return out << "usage '" << live.usage << "' speed '" << live.speed << "' counter '" << live.counter << "' gauges "
               << live.gauge1 << "/" << live.gauge2;
}

// The live displays stay as they are for three seconds, three timer intervals.
void ExpectStill(HWND cpu, const LiveDisplays& before) {
    for (int i = 0; i < 6; ++i) {
        Sleep(500);
        ASSERT_EQ(ReadLive(cpu), before) << "after " << (i + 1) * 500 << " ms";
    }
}

bool IsDigits(const std::string& text, std::size_t count) {
    return text.size() == count && text.find_first_not_of("0123456789") == std::string::npos;
}

// The clock speed as the driver counts it: time-stamp cycles over a measured half second.
double DriverMegahertz() {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const unsigned long long before = __rdtsc();
    Sleep(500);
    const unsigned long long after = __rdtsc();
    QueryPerformanceCounter(&end);
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    return static_cast<double>(after - before) / seconds / 1e6;
}

// Chooses View > CPU Speed from the keyboard, as a user without a mouse does.
void ChooseCpuSpeed(HWND cpu) {
    PressKey(cpu, VK_F10);  // the menu bar, on File
    for (BYTE key : {BYTE{VK_RIGHT}, BYTE{VK_DOWN}, BYTE{VK_DOWN}, BYTE{VK_RETURN}}) {
        keybd_event(key, 0, 0, 0);
        keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        Sleep(100);
    }
}

// The digits as the screen shows them: each segment's middle is aqua where the digit lights it and
// black where it does not.
void ExpectDigitsOnScreen(HWND paintBox, const std::string& digits) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    const RECT box = ScreenRect(paintBox);
    const float pixelsPerUnit = static_cast<float>(scaled(res::kDigitHeight)) / res::kDigitHeight;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int digit = digits[i] - '0';
        for (int s = 0; s < res::kSegmentCount; ++s) {
            const res::Point centre = res::SegmentCentre(static_cast<res::Segment>(s));
            const int x = box.left + scaled(16 * static_cast<int>(i)) + static_cast<int>(centre.x * pixelsPerUnit);
            const int y = box.top + static_cast<int>(centre.y * pixelsPerUnit);
            const COLORREF pixel = GetPixel(screen, x, y);
            const bool lit = (res::SegmentsOf(digit) >> s) & 1u;
            const bool aqua = GetRValue(pixel) < 60 && GetGValue(pixel) > 200 && GetBValue(pixel) > 200;
            const bool black = GetRValue(pixel) < 30 && GetGValue(pixel) < 30 && GetBValue(pixel) < 30;
            EXPECT_TRUE(lit ? aqua : black) << "digit " << i << " (" << digit << ") segment "
                                            << static_cast<char>('a' + s) << " pixel " << std::hex << pixel;
        }
    }
    ReleaseDC(nullptr, screen);
}

TEST(CpuWindow, F11ShowsThisMachinesProcessorWithStillDisplays) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F11);
    HWND cpu = orvane.WaitForWindow("TfrmCPU");
    ASSERT_TRUE(cpu);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(cpu, "Info7") != ""; }));

    const Registers leaf1 = Cpuid(1);
    const unsigned family = (leaf1.eax >> 8) & 0xF, model = (leaf1.eax >> 4) & 0xF, stepping = leaf1.eax & 0xF;
    const unsigned extendedFamily = (leaf1.eax >> 20) & 0xFF, extendedModel = (leaf1.eax >> 16) & 0xF;
    const bool display = extendedFamily != 0 || extendedModel != 0;
    const unsigned shownFamily = display && family == 15 ? family + extendedFamily : family;
    const unsigned shownModel = display && (family == 6 || family == 15) ? model + (extendedModel << 4) : model;
    char modelText[80];
    std::snprintf(modelText, sizeof modelText, "Model ID: Family %u  Model %u  Stepping %u", shownFamily, shownModel,
                  stepping);
    // The whole signature as leaf 1 reports it (reserved bits aside) where the extended fields are set,
    // as on every processor of this century; the four digits otherwise.
    char cpuId[16];
    if (display) {
        std::snprintf(cpuId, sizeof cpuId, "%X", leaf1.eax & 0x0FFF3FFFu);
    } else {
        std::snprintf(cpuId, sizeof cpuId, "0%X%X%X", family, model, stepping);
    }
    const std::map<std::string, std::string> vendors = {{"GenuineIntel", "Intel Corporation"},
                                                        {"AuthenticAMD", "Advanced Micro Devices"}};

    EXPECT_EQ(ControlText(cpu, "CPUBrand1"), Brand());
    EXPECT_EQ(ControlText(cpu, "Info1"), modelText);
    EXPECT_EQ(ControlText(cpu, "Info7"), cpuId);
    EXPECT_EQ(ControlText(cpu, "Info6"), SplitHex(leaf1.eax) + "-" + SplitHex(leaf1.edx) + "-" + SplitHex(leaf1.ecx));
    const auto vendor = vendors.find(VendorId());
    if (vendor != vendors.end()) {
        EXPECT_EQ(ControlText(cpu, "Info3"), vendor->second);
    } else {
        ADD_FAILURE() << "this machine's vendor " << VendorId() << " has no expected name here";
    }
    // The chip row counts the processor packages (not the logical processors) and names them; the name
    // is never empty.
    const std::string chip = ControlText(cpu, "CPUInfo");
    const std::string count = std::to_string(ProcessorPackages()) + " x ";
    EXPECT_EQ(chip.substr(0, count.size()), count) << chip;
    EXPECT_GT(chip.size(), count.size()) << chip;
    EXPECT_NE(ControlText(cpu, "Info4").find(" MHz"), std::string::npos);

    // Every feature, marked as CPUID reports it; the division test last.
    HWND list = FindControl(cpu, "clbCPU");
    ASSERT_TRUE(list);
    const std::map<std::string, bool> expected = ExpectedFeatures();
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), static_cast<LRESULT>(expected.size()));
    for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
        const std::string caption = ListItem(list, i);
        const auto feature = expected.find(caption);
        ASSERT_NE(feature, expected.end()) << "unexpected entry '" << caption << "'";
        EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0), feature->second ? 1 : 0) << caption;
    }
    EXPECT_EQ(ListItem(list, 24), "FDIV Bug");

    // Shown from the menu, the live displays stay as they were made.
    const LiveDisplays still{"0 %", "", "", 0, 0};
    ASSERT_EQ(ReadLive(cpu), still);
    ExpectStill(cpu, still);

    // View > CPU Speed draws the speed once; the counter stays dark.
    ChooseCpuSpeed(cpu);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(cpu, "ptBoxTotTracks") != ""; }, 5s));
    const LiveDisplays measured = ReadLive(cpu);
    EXPECT_TRUE(IsDigits(measured.speed, 5)) << measured;
    EXPECT_GT(std::atoi(measured.speed.c_str()), 0) << measured;
    EXPECT_EQ(measured.counter, "");
    ExpectDigitsOnScreen(FindControl(cpu, "ptBoxTotTracks"), measured.speed);
    ExpectStill(cpu, measured);
}

// An entry's place in the list, in screen pixels, as the list lays it out (Wine carries the rectangle of
// this list-box message across processes itself).
RECT ItemRect(HWND list, int index) {
    RECT rect{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The entry's check box: a square of the item's height less two (13 pixels at most), two pixels in.
RECT MarkBox(const RECT& item) {
    const int height = item.bottom - item.top;
    HDC screen = GetDC(nullptr);
    const int box = std::min(height - 2, MulDiv(13, GetDeviceCaps(screen, LOGPIXELSY), 96));
    ReleaseDC(nullptr, screen);
    const int top = item.top + (height - box) / 2;
    return RECT{item.left + 2, top, item.left + 2 + box, top + box};
}

// The dark pixels inside a box's frame: the tick a checked box shows.
int TickPixels(const RECT& box) {
    HDC screen = GetDC(nullptr);
    int dark = 0;
    for (int y = box.top + 3; y < box.bottom - 3; ++y) {
        for (int x = box.left + 3; x < box.right - 3; ++x) {
            const COLORREF pixel = GetPixel(screen, x, y);
            if (GetRValue(pixel) < 100 && GetGValue(pixel) < 100 && GetBValue(pixel) < 100) ++dark;
        }
    }
    ReleaseDC(nullptr, screen);
    return dark;
}

// A click of the left button at a point of the screen; each event carries the point, so the button
// cannot go down where the pointer was before.
void ClickAt(HWND window, int x, int y) {
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; }, 2s);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(x, 65535, width - 1);
        input.mi.dy = MulDiv(y, 65535, height - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(1, &inputs[0], sizeof(INPUT));
    WaitUntil([&] {
        POINT at;
        return GetCursorPos(&at) && at.x == x && at.y == y;
    }, 2s);
    SendInput(2, &inputs[1], sizeof(INPUT));
}

bool Marked(HWND list, int index) {
    return SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0) == 1;
}

TEST(CpuWindow, TheFeatureMarksToggleWithTheMouseAndTheSpaceBarUntilTheNextRefresh) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F11);
    HWND cpu = orvane.WaitForWindow("TfrmCPU");
    ASSERT_TRUE(cpu);
    HWND list = FindControl(cpu, "clbCPU");
    ASSERT_TRUE(list);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 25; }));
    const std::map<std::string, bool> expected = ExpectedFeatures();
    std::vector<bool> designed;
    for (int i = 0; i < 25; ++i) designed.push_back(expected.at(ListItem(list, i)));

    // A click on an entry's box turns its mark over, on screen too; a second click turns it back.
    const int clicked = 23;  // Built-In FPU
    const RECT box = MarkBox(ItemRect(list, clicked));
    const int before = TickPixels(box);
    ClickAt(cpu, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    ASSERT_TRUE(WaitUntil([&] { return Marked(list, clicked) != designed[clicked]; }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return (TickPixels(box) > before) == !designed[clicked]; }, 5s))
        << "tick pixels " << before << " then " << TickPixels(box);
    Sleep(600);  // not a double click
    ClickAt(cpu, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    ASSERT_TRUE(WaitUntil([&] { return Marked(list, clicked) == designed[clicked]; }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return TickPixels(box) == before; }, 5s));

    // A click on an entry's caption selects it and leaves its mark; the space bar then toggles it.
    const int spaced = 0;  // 3D Now! extensions
    const RECT caption = ItemRect(list, spaced);
    ClickAt(cpu, caption.left + (caption.right - caption.left) * 2 / 3, (caption.top + caption.bottom) / 2);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == spaced; }, 5s));
    EXPECT_EQ(Marked(list, spaced), designed[spaced]);
    PressKey(cpu, VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return Marked(list, spaced) != designed[spaced]; }, 5s));
    PressKey(cpu, VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return Marked(list, spaced) == designed[spaced]; }, 5s));
    PressKey(cpu, VK_SPACE);
    ASSERT_TRUE(WaitUntil([&] { return Marked(list, spaced) != designed[spaced]; }, 5s));
    ClickAt(cpu, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    ASSERT_TRUE(WaitUntil([&] { return Marked(list, clicked) != designed[clicked]; }, 5s));

    // View > Refresh writes the processor's marks again.
    PressKey(cpu, VK_F10);
    for (BYTE key : {BYTE{VK_RIGHT}, BYTE{VK_DOWN}, BYTE{VK_RETURN}}) {
        keybd_event(key, 0, 0, 0);
        keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        Sleep(100);
    }
    EXPECT_TRUE(WaitUntil(
        [&] {
            for (int i = 0; i < 25; ++i) {
                if (Marked(list, i) != designed[static_cast<std::size_t>(i)]) return false;
            }
            return true;
        },
        5s));
    EXPECT_TRUE(WaitUntil([&] { return TickPixels(box) == before; }, 5s));
}

TEST(CpuWindow, TheCpuButtonRunsTheLiveDisplays) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    const unsigned long long counterBefore = __rdtsc();
    ASSERT_TRUE(orvane.ClickToolButton(main, kCpuToolButton));
    HWND cpu = orvane.WaitForWindow("TfrmCPU");
    ASSERT_TRUE(cpu);
    EXPECT_NE(ControlText(cpu, "Info7"), "") << "the rows are filled as the window shows";

    // The first tick draws the digits; the second shows the usage measured over the first.
    ASSERT_TRUE(WaitUntil([&] { return ReadLive(cpu).usage != "0 %" && ReadLive(cpu).counter != ""; }, 3s))
        << ReadLive(cpu);
    const LiveDisplays first = ReadLive(cpu);
    const unsigned long long counterAfter = __rdtsc();
    ASSERT_TRUE(IsDigits(first.speed, 5)) << first;
    ASSERT_TRUE(IsDigits(first.counter, 16)) << first;
    // The counter shown was read after the click and before now (the counter is shared by all cores).
    const unsigned long long shown = std::strtoull(first.counter.c_str(), nullptr, 10);
    EXPECT_GT(shown, counterBefore);
    EXPECT_LT(shown, counterAfter);
    // The speed is this processor's, as far as two half-second counts on a busy machine agree.
    const double megahertz = DriverMegahertz();
    const double speed = std::atof(first.speed.c_str());
    EXPECT_GT(speed, megahertz / 2) << first;
    EXPECT_LT(speed, megahertz * 2) << first;
    // The label shows the usage with one decimal; both gauges its whole percent.
    const std::string& usage = first.usage;
    ASSERT_GE(usage.size(), 5u) << usage;
    EXPECT_EQ(usage.substr(usage.size() - 2), " %") << usage;
    // The label rounds to one decimal while the gauges drop the fraction of the same value: 3.96 shows
    // "4.0 %" beside gauges at 3.
    const double percent = std::atof(usage.c_str());
    EXPECT_GE(first.gauge1, std::min(100, static_cast<int>(std::floor(percent - 0.05)))) << first;
    EXPECT_LE(first.gauge1, std::min(100, static_cast<int>(std::floor(percent + 0.049)))) << first;
    EXPECT_EQ(first.gauge2, first.gauge1);

    // And it goes on: the counter moves on every tick.
    ASSERT_TRUE(WaitUntil([&] { return ReadLive(cpu).counter != first.counter; }, 3s)) << ReadLive(cpu);
    const unsigned long long later = std::strtoull(ReadLive(cpu).counter.c_str(), nullptr, 10);
    EXPECT_GT(later, shown);
}

TEST(CpuWindow, ClosingSwitchesTheTimerOffForTheNextShowing) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    struct Close {
        const char* how;
        void (*close)(HWND cpu);
    };
    const Close closes[] = {
        {"the close box", [](HWND cpu) { PostMessageA(cpu, WM_CLOSE, 0, 0); }},
        {"File > Exit (F12)", [](HWND cpu) { PressKey(cpu, VK_F12); }},
    };
    for (const Close& c : closes) {
        SCOPED_TRACE(c.how);
        ASSERT_TRUE(orvane.ClickToolButton(main, kCpuToolButton));
        HWND cpu = orvane.WaitForWindow("TfrmCPU");
        ASSERT_TRUE(cpu);
        std::string counter = ReadLive(cpu).counter;
        ASSERT_TRUE(WaitUntil([&] { return ReadLive(cpu).counter != counter; }, 3s)) << "the timer runs";
        c.close(cpu);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(cpu); }, 5s));
        PressKey(main, VK_F11);
        ASSERT_TRUE(orvane.WaitForWindow("TfrmCPU"));
        // A tick may have been under way while the window closed; after it nothing changes.
        Sleep(1500);
        ExpectStill(cpu, ReadLive(cpu));
        PostMessageA(cpu, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(cpu); }, 5s));
    }
}

}  // namespace
}  // namespace e2e
