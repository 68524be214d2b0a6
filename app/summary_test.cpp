#include "app/summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>

#include "app/batch.h"
#include "app/report_formats.h"
#include "core/error.h"
#include "core/text.h"
#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using testing::TestMachine;

LaunchOptions WithNoCom(bool noCom) {
    LaunchOptions options;
    options.noCom = noCom;
    return options;
}

// A view that remembers every write, in order, and starts with a text in every row.
class RecordingView : public SummaryView {
public:
    explicit RecordingView(int rows) {
        for (int row = 1; row <= rows; ++row) values[row] = "old";
        for (const auto& design : kPersonalRefreshRows) personal[design.row] = "old";
    }
    void ShowValue(int row, const std::string& text) override {
        values[row] = text;
        writes.push_back(row);
    }
    std::string Value(int row) override { return values[row]; }
    void ShowPersonalValue(PersonalRow row, const std::string& text) override { personal[row] = text; }

    std::map<int, std::string> values;
    std::map<PersonalRow, std::string> personal;
    std::vector<int> writes;
};

std::vector<std::string> g_calls;

std::string Answer(System&) { g_calls.push_back("answer"); return "answer"; }
std::string Nothing(System&) { g_calls.push_back("nothing"); return ""; }
std::string Fallback(System&) { g_calls.push_back("fallback"); return "fallback"; }
std::string Ports(System&) { g_calls.push_back("ports"); return "COM1 | "; }
std::string Fails(System&) { g_calls.push_back("fails"); throw std::runtime_error("boom"); }

using enum ErrorGroup;

TEST(RunSummaryRefresh, WritesRowsInOrderWithFallbacksOnlyForEmptyResults) {
    const SummaryRow rows[] = {
        {"one", Answer, Fallback, None, false},   // answered: no fallback
        {"two", Nothing, Fallback, None, false},  // empty: the fallback fills it
        {"three", Ports, Fallback, A, true},
        {"four", nullptr, nullptr, A, false},     // a row without a probe is written empty
    };
    TestMachine machine;
    for (bool noCom : {false, true}) {
        g_calls.clear();
        RecordingView view(4);
        RunSummaryRefresh(machine, view, WithNoCom(noCom), rows, {});
        EXPECT_EQ(view.values[1], "answer");
        EXPECT_EQ(view.values[2], "fallback");
        EXPECT_EQ(view.values[3], noCom ? "" : "COM1 | ");
        EXPECT_EQ(view.values[4], "");
        const std::vector<std::string> expected =
            noCom ? std::vector<std::string>{"answer", "nothing", "fallback"}
                  : std::vector<std::string>{"answer", "nothing", "fallback", "ports"};
        EXPECT_EQ(g_calls, expected) << "noCom " << noCom;
        EXPECT_EQ(view.writes, (std::vector<int>{1, 2, 2, 3, 4}));
    }
}

TEST(RunSummaryRefresh, TheClockRowMeasuresThroughTheRecordItIsGiven) {
    const SummaryRow rows[] = {
        {"CPU Speed", GetCPUSpeed, nullptr, None, false},
        {"other", Answer, nullptr, None, false},
    };
    TestMachine machine;
    machine.tscReadings = {0, 1396695000ull};
    RecordingView view(2);
    CPUClockRecord clock;
    RunSummaryRefresh(machine, view, LaunchOptions{}, rows, {}, &clock);
    EXPECT_EQ(view.values[1], "2793.4 MHz");
    EXPECT_EQ(view.values[2], "answer");
    EXPECT_EQ(clock.WholeMHz(), 2793);

    // Without a record the row still measures.
    TestMachine again;
    again.tscReadings = {0, 1396695000ull};
    RecordingView plain(2);
    RunSummaryRefresh(again, plain, LaunchOptions{}, rows, {});
    EXPECT_EQ(plain.values[1], "2793.4 MHz");
}

TEST(RunSummaryRefresh, AnErrorInAGroupEndsThatGroupSilently) {
    const SummaryRow rows[] = {
        {"before", Answer, nullptr, None, false},
        {"a1", Answer, nullptr, A, false},
        {"a2", Fails, nullptr, A, false},
        {"a3", Answer, nullptr, A, false},   // skipped: keeps its old text
        {"b1", Fails, nullptr, B, false},
        {"b2", Answer, nullptr, B, false},   // skipped
        {"after", Answer, nullptr, None, false},
    };
    TestMachine machine;
    RecordingView view(7);
    RunSummaryRefresh(machine, view, LaunchOptions{}, rows, {});
    EXPECT_EQ(view.values[1], "answer");
    EXPECT_EQ(view.values[2], "answer");
    EXPECT_EQ(view.values[3], "old");
    EXPECT_EQ(view.values[4], "old");
    EXPECT_EQ(view.values[5], "old");
    EXPECT_EQ(view.values[6], "old");
    EXPECT_EQ(view.values[7], "answer");
}

TEST(RunSummaryRefresh, ABrowserVersionOfTheWrongTypeEndsTheRefreshAtRowTwo) {
    TestMachine machine;
    machine.version = testing::WindowsNt(5, 1, 2600, "Service Pack 3");
    machine.SetBinary("Software\\Microsoft\\Internet Explorer", "Version", {1, 2, 3});
    machine.SetText("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProductID", "12345");
    RecordingView view(kSummaryRowCount);
    try {
        RunSummaryRefresh(machine, view, LaunchOptions{});
        FAIL() << "the type error did not reach the caller";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'Version'");
    }
    EXPECT_EQ(view.values[1], "Windows XP5.1 (Build 2600) Service Pack 3");
    for (int row = 2; row <= kSummaryRowCount; ++row) EXPECT_EQ(view.values[row], "old") << row;
    EXPECT_EQ(view.personal[PersonalRow::ProductId], "old");
}

TEST(RunSummaryRefresh, PreparesEveryNamespaceTheWmiRowsQueryBeforeTheFirstRow) {
    // The preparation is there to overlap the rows before the WMI rows: it comes before row 1.
    struct FirstRowView : RecordingView {
        explicit FirstRowView(const TestMachine& m) : RecordingView(kSummaryRowCount), machine(m) {}
        void ShowValue(int row, const std::string& text) override {
            if (writes.empty()) callsAtFirstRow = machine.wmiCalls;
            RecordingView::ShowValue(row, text);
        }
        const TestMachine& machine;
        std::vector<std::string> callsAtFirstRow;
    };
    TestMachine machine;
    FirstRowView view(machine);
    RunSummaryRefresh(machine, view, LaunchOptions{});
    const std::vector<std::string>& prepared = view.callsAtFirstRow;
    ASSERT_FALSE(prepared.empty());
    for (const std::string& call : prepared) EXPECT_EQ(call.rfind("prepare ", 0), 0u) << call;
    const std::vector<std::string> queries(machine.wmiCalls.begin() + static_cast<std::ptrdiff_t>(prepared.size()),
                                           machine.wmiCalls.end());
    ASSERT_EQ(queries.size(), 3u) << "the three WMI rows";
    for (const std::string& query : queries) {
        const std::string target = "prepare " + query.substr(0, query.find('|', query.find('|') + 1));
        EXPECT_NE(std::find(prepared.begin(), prepared.end(), target), prepared.end()) << query;
    }
}

TEST(RunSummaryRefresh, HardwareRowsFallBackToTheRegistryAndToNotDetected) {
    for (bool noCom : {false, true}) {
        TestMachine machine;
        machine.version = testing::WindowsNt(5, 1, 2600);
        machine.writableFlags = 0;  // no CPUID, so no brand text
        machine.SetText("HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", "Identifier",
                        "x86 Family 5 Model 2 Stepping 12");
        machine.SetText("HARDWARE\\DEVICEMAP\\SERIALCOMM", "\\Device\\Serial0", "COM1");
        machine.SetText("HARDWARE\\DEVICEMAP\\PARALLEL PORTS", "\\Device\\Parallel0", "\\DosDevices\\LPT1");
        machine.devices["COM1"].heldElsewhere = true;  // listed by the registry only
        RecordingView view(kSummaryRowCount);
        RunSummaryRefresh(machine, view, WithNoCom(noCom));
        EXPECT_EQ(view.values[4], "x86 Family 5 Model 2 Stepping 12");
        EXPECT_EQ(view.values[6], "Not detected");
        EXPECT_EQ(view.values[13], noCom ? "" : "COM1 | ");
        EXPECT_EQ(view.values[14], "LPT1");
        EXPECT_EQ(view.values[18], "Not Detected");
        EXPECT_EQ(view.values[20], "Not Installed");
        const bool triedCom = std::any_of(machine.openAttempts.begin(), machine.openAttempts.end(),
                                          [](const std::string& name) { return name.find("COM") != std::string::npos; });
        EXPECT_EQ(triedCom, !noCom);
    }
}

TEST(SummaryRows, LabelsAndControlNamesAreAsDesigned) {
    const char* labels[kSummaryRowCount] = {
        "Windows", "Internet Explorer", "Memory (RAM)", "CPU Info", "CPU Speed", "Sound card",
        "Display Adapters", "Screen Resolution", "Network", "Network Adapters", "CD / DVD Drives",
        "Default Printer", "COM Ports", "LPT Ports", "Mouse", "Hard Disks", "Hard Disks - Free",
        "USB Controllers", "Firewire (1394)", "PCMCIA (Laptops)", "Manufacturer", "Product Make",
        "Serial Number", "AC Power Status", "BIOS Info", "Time Zone", "Battery", "Motherboard", "Modems",
    };
    for (int row = 1; row <= kSummaryRowCount; ++row) {
        EXPECT_STREQ(kSummaryRows[row - 1].label, labels[row - 1]);
        EXPECT_EQ(SummaryLabelName(row), "Desc" + std::to_string(row));
    }
    EXPECT_EQ(SummaryValueName(28), "Info28");
    EXPECT_EQ(SummaryValueName(29), "info29");
    EXPECT_TRUE(kSummaryRows[12].serialPorts);  // "COM Ports" only
}

// Controls found by name without regard to case, like the window's own lookup.
class NamedControls : public ControlTexts {
public:
    std::optional<std::string> TextOf(std::string_view name) override {
        for (const auto& [controlName, text] : controls) {
            if (EqualsIgnoreCase(controlName, name)) return text;
        }
        return std::nullopt;
    }
    std::vector<std::pair<std::string, std::string>> controls;
};

TEST(BuildTextReport, WritesTwentyNineLabelValueLinesFoundByName) {
    NamedControls window;
    for (int row = 1; row <= kSummaryRowCount; ++row) {
        window.controls.emplace_back(SummaryLabelName(row), kSummaryRows[row - 1].label);
        window.controls.emplace_back(SummaryValueName(row), row == 29 ? "Standard Modem | " : "");
    }
    window.controls[1].second = "Windows XP5.1 (Build 2600) Service Pack 2";
    const std::string report = BuildTextReport(ReadSummaryRows(window));
    EXPECT_EQ(report.rfind("Windows: Windows XP5.1 (Build 2600) Service Pack 2\r\nInternet Explorer: \r\n", 0), 0u);
    EXPECT_EQ(report.substr(report.size() - 27), "Modems: Standard Modem | \r\n");
    std::size_t lines = 0;
    for (std::size_t at = report.find("\r\n"); at != std::string::npos; at = report.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 29u);
    EXPECT_EQ(report.find('\n'), report.find("\r\n") + 1);  // no bare line feeds
}

TEST(WriteTextReport, ReportsAFileThatCannotBeCreated) {
    TestMachine machine;
    const ReportLines lines(kSummaryRowCount, ReportLine{"Label", "Value"});
    WriteTextReport(machine, "C:\\out.txt", lines);
    EXPECT_EQ(machine.files["C:\\out.txt"].substr(0, 14), "Label: Value\r\n");
    machine.fileWriteError = 3;
    try {
        WriteTextReport(machine, "Q:\\missing\\out.txt", lines);
        FAIL() << "no error";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file Q:\\missing\\out.txt");
    }
    EXPECT_EQ(machine.files.count("Q:\\missing\\out.txt"), 0u);
}

}  // namespace
}  // namespace orvane
