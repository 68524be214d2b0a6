#include "app/report_outputs.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/batch.h"

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

// Every file the program writes, against each fault a user's disk can put in its way: the designed
// message, and whatever stood at the path before still there, whole, with nothing left beside it.
TEST(ReportFiles, EachFaultGivesTheDesignedMessageAndLeavesTheOldFileWhole) {
    const std::string folder = "C:\\Reports";
    const std::string longFolder = "C:\\" + std::string(250, 'f');
    const std::string oldReport = "Row: a whole report a user kept\r\n";
    enum class Output { Batch, SaveText, SaveCsv, Html };
    struct Fault {
        const char* name;
        std::string path;
        bool oldReportThere;
        std::function<void(testing::TestMachine&, const std::string& path)> arrange;
        const char* htmlText;
    };
    const Fault faults[] = {
        {"a read-only report", folder + "\\report.txt", true,
         [](testing::TestMachine& m, const std::string& path) { m.fileAttributes[path] = platform::kAttributeReadOnly; },
         "File access denied"},
        {"a folder that does not exist", folder + "\\gone\\report.txt", false,
         [&](testing::TestMachine& m, const std::string&) { m.missingFolders.insert(folder + "\\gone"); },
         "Invalid filename"},
        {"a name longer than MAX_PATH", folder + "\\" + std::string(260, 'r') + ".txt", false,
         [](testing::TestMachine&, const std::string&) {}, "I/O error 206"},
        {"a folder deeper than MAX_PATH", longFolder + "\\report.txt", false,
         [](testing::TestMachine&, const std::string&) {}, "I/O error 206"},
        {"a name outside the code page", folder + "\\?????.txt", false,
         [](testing::TestMachine&, const std::string&) {}, "I/O error 123"},
        {"a full disk", folder + "\\report.txt", true,
         [](testing::TestMachine& m, const std::string&) { m.writeFault = testing::TestMachine::WriteFault{0, 112, 1}; },
         "I/O error 112"},
        {"a write that stops half-way", folder + "\\report.txt", true,
         [](testing::TestMachine& m, const std::string&) { m.writeFault = testing::TestMachine::WriteFault{100, 29, 1}; },
         "I/O error 29"},
        {"a write that stops half-way where only the report may be written", folder + "\\report.txt", true,
         [&](testing::TestMachine& m, const std::string&) {
             m.foldersWithoutCreate.insert(folder);
             m.writeFault = testing::TestMachine::WriteFault{100, 112, 1};
         },
         "I/O error 112"},
    };
    for (const Fault& fault : faults) {
        for (Output output : {Output::Batch, Output::SaveText, Output::SaveCsv, Output::Html}) {
            testing::TestMachine machine;
            if (fault.oldReportThere) machine.files[fault.path] = oldReport;
            fault.arrange(machine, fault.path);
            const auto before = machine.files;
            std::string message = "<no error>";
            try {
                switch (output) {
                    case Output::Batch: WriteTextReport(machine, fault.path, Rows()); break;
                    case Output::SaveText: SaveSummary(machine, fault.path, kTextFilter, Rows()); break;
                    case Output::SaveCsv: SaveSummary(machine, fault.path, kCsvFilter, Rows()); break;
                    case Output::Html: ExportSummaryHtml(machine, fault.path, Rows(), "PC01", "now"); break;
                }
            } catch (const UserError& error) {
                message = error.what();
            }
            const std::string expected =
                output == Output::Html ? fault.htmlText : "Cannot create file " + fault.path;
            EXPECT_EQ(message, expected) << fault.name << ", output " << static_cast<int>(output);
            EXPECT_EQ(machine.files, before) << fault.name << ", output " << static_cast<int>(output)
                                             << ": the old report whole, nothing beside it";
        }
    }
}

}  // namespace
}  // namespace orvane
