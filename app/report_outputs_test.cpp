#include "app/report_outputs.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

ReportLines Rows() { return ReportLines(kSummaryRowCount, ReportLine{"Mouse", "2 Button Mouse Present"}); }

TEST(SaveSummary, TheFilterEntryNotTheExtensionChoosesTheFormat) {
    testing::TestMachine machine;
    SaveSummary(machine, "C:\\report.txt", kCsvFilter, Rows());
    SaveSummary(machine, "C:\\report.csv", kTextFilter, Rows());
    const std::string csvLine = "\"Mouse\",\"2 Button Mouse Present\"\r\n";
    const std::string textLine = "Mouse: 2 Button Mouse Present\r\n";
    EXPECT_EQ(machine.files["C:\\report.txt"].substr(0, csvLine.size()), csvLine);
    EXPECT_EQ(machine.files["C:\\report.csv"].substr(0, textLine.size()), textLine);
}

TEST(SaveSummary, AFileThatCannotBeWrittenIsReportedByName) {
    testing::TestMachine machine;
    machine.fileWriteError = 5;
    try {
        SaveSummary(machine, "C:\\locked.txt", kTextFilter, Rows());
        FAIL() << "no error";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file C:\\locked.txt");
    }
}

TEST(ExportSummaryHtml, ReportsTheInputOutputErrorText) {
    struct Case {
        int osError;
        const char* text;
    };
    const Case cases[] = {{5, "File access denied"}, {3, "Invalid filename"}, {112, "I/O error 112"}};
    for (const Case& c : cases) {
        testing::TestMachine machine;
        machine.fileWriteError = c.osError;
        try {
            ExportSummaryHtml(machine, "C:\\page.htm", Rows(), "PC01", "now");
            ADD_FAILURE() << "no error for " << c.osError;
        } catch (const UserError& error) {
            EXPECT_STREQ(error.what(), c.text);
        }
        EXPECT_TRUE(machine.files.empty());
    }
    testing::TestMachine machine;
    ExportSummaryHtml(machine, "C:\\page.htm", Rows(), "PC01", "now");
    EXPECT_NE(machine.files["C:\\page.htm"].find("<title>Orvane for PC:PC01</title>\r\n"), std::string::npos);
}

}  // namespace
}  // namespace orvane
