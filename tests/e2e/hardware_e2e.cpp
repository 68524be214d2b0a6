// The hardware, drive and port rows against what this machine and its Wine prefix really have.
// <mmsystem.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <cpuid.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "core/text.h"
#include "tests/e2e/harness.h"

namespace e2e {
namespace {

std::vector<std::string> RunBatch(const std::string& first = "/AUTO") {
    const std::string path = MakeTempDir() + "\\report.txt";
    Orvane orvane(first + " \"" + path + "\"");
    EXPECT_EQ(orvane.WaitForExit(60s), std::optional<DWORD>(0)) << "batch run did not end by itself";
    const auto bytes = ReadFileBytes(path);
    EXPECT_TRUE(bytes.has_value()) << path;
    return bytes ? SplitCrLfLines(*bytes) : std::vector<std::string>{};
}

// The value of a report line, after "label: ".
std::string ValueOf(const std::vector<std::string>& lines, int row, const std::string& label) {
    if (lines.size() < static_cast<std::size_t>(row)) return "<no row " + std::to_string(row) + ">";
    const std::string& line = lines[static_cast<std::size_t>(row - 1)];
    const std::string prefix = label + ": ";
    if (line.compare(0, prefix.size(), prefix) != 0) return "<row " + std::to_string(row) + " is " + line + ">";
    return line.substr(prefix.size());
}

// A field of the host's /proc files, through Wine's drive Z:.
std::string HostField(const std::string& file, const std::string& field) {
    const auto text = ReadFileBytes("Z:\\proc\\" + file);
    if (!text) return std::string();
    std::istringstream lines(*text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos && orvane::Trim(line.substr(0, colon)) == field) {
            return orvane::Trim(line.substr(colon + 1));
        }
    }
    return std::string();
}

std::string EnvironmentText(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The brand text as the processor itself answers this driver.
std::string ProcessorBrand() {
    unsigned int words[12] = {};
    unsigned int a = 0, b = 0, c = 0, d = 0;
    __cpuid(0x80000000u, a, b, c, d);
    if (a < 0x80000004u) return std::string();
    for (unsigned int leaf = 0; leaf < 3; ++leaf) {
        __cpuid(0x80000002u + leaf, words[4 * leaf], words[4 * leaf + 1], words[4 * leaf + 2], words[4 * leaf + 3]);
    }
    char text[49] = {};
    std::memcpy(text, words, 48);
    return orvane::Trim(text);
}

TEST(HardwareRows, MemoryAndProcessorAreThisMachines) {
    const std::vector<std::string> lines = RunBatch();
    ASSERT_EQ(lines.size(), 29u);

    const unsigned long long kib = std::strtoull(HostField("meminfo", "MemTotal").c_str(), nullptr, 10);
    ASSERT_GT(kib, 0u) << "no MemTotal in /proc/meminfo";
    EXPECT_EQ(ValueOf(lines, 3, "Memory (RAM)"), std::to_string(((kib * 1024) >> 20) + 1) + " MB");

    // The kernel's model name is the brand it read at boot; a virtual machine restored on another host
    // can answer CPUID differently since, and then the processor's own answer is the truth.
    const std::string modelName = HostField("cpuinfo", "model name");
    const std::string brand = ProcessorBrand();
    ASSERT_FALSE(modelName.empty());
    const std::string cpuRow = ValueOf(lines, 4, "CPU Info");
    if (modelName == brand) {
        EXPECT_EQ(cpuRow, modelName);
    } else {
        EXPECT_EQ(cpuRow, brand) << "the kernel calls it \"" << modelName << "\"";
        RecordProperty("kernel_model_name", modelName);
    }

    const std::string speed = ValueOf(lines, 5, "CPU Speed");
    ASSERT_GT(speed.size(), 4u) << speed;
    EXPECT_EQ(speed.substr(speed.size() - 4), " MHz");
    double megahertz = 0;
    char tail = 0;
    EXPECT_EQ(std::sscanf(speed.c_str(), "%lf MH%c", &megahertz, &tail), 2) << speed;
    EXPECT_GT(megahertz, 50.0) << speed;
    EXPECT_EQ(speed.find('.'), speed.size() - 6) << "one decimal: " << speed;
}

TEST(HardwareRows, DisplayInputAndSoundAsWineOffersThem) {
    const std::vector<std::string> lines = RunBatch();
    ASSERT_EQ(lines.size(), 29u);
    // Wine offers wave output only with a sound server running; sound_fixture.sh runs this test with one.
    char withSound[4] = {};
    if (GetEnvironmentVariableA("ORVANE_E2E_SOUND_SERVER", withSound, sizeof withSound)) {
        ASSERT_GT(waveOutGetNumDevs(), 0u) << "the sound server gives Wine no wave output";
    }
    if (waveOutGetNumDevs() == 0) {
        EXPECT_EQ(ValueOf(lines, 6, "Sound card"), "Not detected");
    } else {
        WAVEOUTCAPSA caps{};
        waveOutGetDevCapsA(0, &caps, sizeof caps);
        EXPECT_EQ(ValueOf(lines, 6, "Sound card"), caps.szPname);
    }
    const std::string adapters = ValueOf(lines, 7, "Display Adapters");
    EXPECT_GT(adapters.size(), 3u);
    EXPECT_EQ(adapters.substr(adapters.size() - 3), " | ");
    EXPECT_EQ(ValueOf(lines, 8, "Screen Resolution"), "1024 X 768") << "the prefix's virtual desktop";
    EXPECT_NE(ValueOf(lines, 15, "Mouse").find("Mouse Present"), std::string::npos);
    EXPECT_EQ(ValueOf(lines, 18, "USB Controllers"), "Not Detected");
    EXPECT_EQ(ValueOf(lines, 20, "PCMCIA (Laptops)"), "Not Installed");
}

TEST(HardwareDevices, TheCdRomDriveIsListedAndTheFixedDrivesWithTheirSizes) {
    const std::string cd = EnvironmentText("ORVANE_E2E_CD_DRIVE");
    const std::string cBytes = EnvironmentText("ORVANE_E2E_C_BYTES");
    ASSERT_FALSE(cd.empty()) << "run through hardware_fixture.sh";
    const std::vector<std::string> lines = RunBatch();
    ASSERT_EQ(lines.size(), 29u);

    // Letter, ": ", at most 24 characters of model, " | ": Wine's folder drive may name no model at all.
    const std::string cds = ValueOf(lines, 11, "CD / DVD Drives");
    ASSERT_EQ(cds.compare(0, cd.size() + 2, cd + ": "), 0) << cds;
    const std::size_t bar = cds.find(" | ");
    ASSERT_NE(bar, std::string::npos) << cds;
    EXPECT_LE(bar, cd.size() + 2 + 24) << cds;

    const std::string disks = ValueOf(lines, 16, "Hard Disks");
    // The size as the row shows it, one decimal of GB above a GB, of MB below, from what df says.
    const double bytes = std::strtod(cBytes.c_str(), nullptr);
    char size[32] = {};
    if (bytes > 1073741824.0) {
        std::snprintf(size, sizeof size, "%.1fGB", bytes / 1073741824.0);
    } else {
        std::snprintf(size, sizeof size, "%.1fMB", bytes / 1048576.0);
    }
    const std::string cEntry = std::string("C:  ") + size + " | ";
    EXPECT_EQ(disks.compare(0, cEntry.size(), cEntry), 0) << disks << " (df says " << cBytes << " bytes)";
    EXPECT_EQ(disks.find(cd + ": "), std::string::npos) << "a CD drive is no hard disk: " << disks;
    const std::string free = ValueOf(lines, 17, "Hard Disks - Free");
    EXPECT_EQ(free.compare(0, 4, "C:  "), 0) << free;
    EXPECT_EQ(free.find(cd + ": "), std::string::npos) << free;
}

TEST(HardwareDevices, ThePlantedSerialPortIsListedUnlessNocom) {
    const std::string port = EnvironmentText("ORVANE_E2E_COM_PORT");
    ASSERT_FALSE(port.empty()) << "run through hardware_fixture.sh";
    const std::vector<std::string> lines = RunBatch();
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_NE(ValueOf(lines, 13, "COM Ports").find(port + " | "), std::string::npos) << lines[12];

    // /nocom only applies as the first parameter, which batch mode takes for itself: refresh by hand.
    Orvane orvane("/nocom");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F5);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(main, "Info26") != ""; }, 60s)) << "the refresh did not end";
    EXPECT_EQ(ControlText(main, "Info13"), "");
    EXPECT_NE(ControlText(main, "Info16"), "");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
