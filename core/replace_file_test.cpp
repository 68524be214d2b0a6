#include "core/replace_file.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using platform::kAttributeArchive;
using platform::kAttributeHidden;
using testing::TestMachine;

constexpr const char* kFolder = "C:\\Reports";
constexpr const char* kReport = "C:\\Reports\\report.txt";
const std::string kOld = "old report, a whole one\r\n";

// The files of the folder other than the report: a replacement must never leave one behind.
std::vector<std::string> StrayFiles(const TestMachine& machine) {
    std::vector<std::string> stray;
    for (const auto& [path, bytes] : machine.files) {
        if (path != kReport) stray.push_back(path);
    }
    return stray;
}

TEST(ReplaceFileContents, ReplacesTheOldReportAndKeepsItsAttributesOnEverySystem) {
    struct Case {
        const char* name;
        bool hasReplaceFile;
        bool replaceKeepsAttributes;
        bool hasMoveFileEx;
        const char* call;
    };
    const Case cases[] = {
        {"Windows 2000 and later: ReplaceFile keeps them", true, true, true, "replace"},
        {"Wine: ReplaceFile drops them, carried over", true, false, true, "replace"},
        {"NT 4: a rename over the old file", false, false, true, "move"},
        {"95/98/ME: delete, then rename", false, false, false, "rename"},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.hasReplaceFile = c.hasReplaceFile;
        machine.replaceKeepsAttributes = c.replaceKeepsAttributes;
        machine.hasMoveFileEx = c.hasMoveFileEx;
        machine.files[kReport] = kOld;
        machine.fileAttributes[kReport] = kAttributeHidden | platform::kAttributeNotContentIndexed;
        EXPECT_EQ(ReplaceFileContents(machine, kReport, "new report\r\n"), 0) << c.name;
        EXPECT_EQ(machine.files[kReport], "new report\r\n") << c.name;
        EXPECT_EQ(
            machine.FileAttributes(kReport).value_or(0) & (kAttributeHidden | platform::kAttributeNotContentIndexed),
            kAttributeHidden | platform::kAttributeNotContentIndexed)
            << c.name << ": a hidden report stays hidden";
        EXPECT_EQ(StrayFiles(machine), std::vector<std::string>{}) << c.name;
        ASSERT_FALSE(machine.fileCalls.empty()) << c.name;
        EXPECT_EQ(machine.fileCalls.back(), c.call) << c.name;
    }
}

TEST(ReplaceFileContents, ANewReportIsMovedIntoPlace) {
    TestMachine machine;
    EXPECT_EQ(ReplaceFileContents(machine, kReport, "new report\r\n"), 0);
    EXPECT_EQ(machine.files[kReport], "new report\r\n");
    EXPECT_EQ(machine.FileAttributes(kReport), kAttributeArchive);
    EXPECT_EQ(StrayFiles(machine), std::vector<std::string>{});
}

TEST(ReplaceFileContents, FailuresLeaveTheOldReportWholeAndNothingBeside) {
    struct Case {
        const char* name;
        std::function<void(TestMachine&)> arrange;
        int error;
    };
    const Case cases[] = {
        {"the old report is held open elsewhere", [](TestMachine& m) { m.lockedFiles.insert(kReport); }, 1175},
        {"the old report is read-only",
         [](TestMachine& m) { m.fileAttributes[kReport] = platform::kAttributeReadOnly; }, 5},
        {"the disk fills while the new report is written",
         [](TestMachine& m) {
             m.writeFault = TestMachine::WriteFault{10, 112, 1};
         },
         112},
        {"ReplaceFile could not move the new one, and the old one is still there",
         [](TestMachine& m) { m.replaceError = platform::kErrorUnableToMoveReplacement; },
         platform::kErrorUnableToMoveReplacement},
        {"the rename over the old report fails on NT 4",
         [](TestMachine& m) {
             m.hasReplaceFile = false;
             m.lockedFiles.insert(kReport);
         },
         32},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.files[kReport] = kOld;
        c.arrange(machine);
        EXPECT_EQ(ReplaceFileContents(machine, kReport, "a new report, longer than the old one\r\n"), c.error)
            << c.name;
        EXPECT_EQ(machine.files[kReport], kOld) << c.name;
        EXPECT_EQ(StrayFiles(machine), std::vector<std::string>{}) << c.name;
    }
}

// A folder where the user may write the report but not create a file beside it.
TEST(ReplaceFileContents, WritesInPlaceWhereNoFileCanBeCreatedBesideIt) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"longer", "a new report, longer than the old one\r\n"}, {"shorter", "new\r\n"}, {"empty", ""}};
    for (const Case& c : cases) {
        TestMachine machine;
        machine.foldersWithoutCreate.insert(kFolder);
        machine.files[kReport] = kOld;
        machine.fileAttributes[kReport] = kAttributeHidden;
        EXPECT_EQ(ReplaceFileContents(machine, kReport, c.bytes), 0) << c.name;
        EXPECT_EQ(machine.files[kReport], c.bytes) << c.name << ": cut to the new length";
        EXPECT_EQ(machine.FileAttributes(kReport), kAttributeHidden) << c.name;
        EXPECT_EQ(machine.fileCalls, std::vector<std::string>{"in place"}) << c.name;
    }
}

TEST(ReplaceFileContents, AFailedWriteInPlacePutsTheOldReportBack) {
    for (const std::string bytes : {"a new report, longer than the old one\r\n", "short new\r\n"}) {
        TestMachine machine;
        machine.foldersWithoutCreate.insert(kFolder);
        machine.files[kReport] = kOld;
        machine.writeFault = TestMachine::WriteFault{4, 29, 1};  // ERROR_WRITE_FAULT after four bytes
        EXPECT_EQ(ReplaceFileContents(machine, kReport, bytes), 29) << bytes;
        EXPECT_EQ(machine.files[kReport], kOld) << bytes << ": whole, as it was";
    }
}

TEST(ReplaceFileContents, NoReportAndNoFileCanBeCreated) {
    TestMachine machine;
    machine.foldersWithoutCreate.insert(kFolder);
    EXPECT_EQ(ReplaceFileContents(machine, kReport, "new report\r\n"), 5);
    EXPECT_TRUE(machine.files.empty());
}

TEST(ReplaceFileContents, EveryFormOfThePathReplacesTheSameReport) {
    struct Case {
        const char* asked;
        const char* whole;
    };
    const Case cases[] = {
        {"sub/report.txt", "C:\\Work\\sub\\report.txt"},
        {"./sub/../sub/report.txt", "C:\\Work\\sub\\report.txt"},
        {"sub\\report.txt", "C:\\Work\\sub\\report.txt"},
        {"/Reports/report.txt", "C:\\Reports\\report.txt"},  // as a Linux user types an absolute path
        {"C:/Reports/report.txt", "C:\\Reports\\report.txt"},
        {"C:\\Reports\\report.txt", "C:\\Reports\\report.txt"},
    };
    for (const Case& c : cases) {
        for (const bool oldReport : {false, true}) {
            TestMachine machine;
            if (oldReport) {
                machine.files[c.whole] = kOld;
                machine.fileAttributes[c.whole] = kAttributeHidden;
            }
            EXPECT_EQ(ReplaceFileContents(machine, c.asked, "new report\r\n"), 0) << c.asked;
            EXPECT_EQ(machine.wholePathsAsked, std::vector<std::string>{c.asked}) << c.asked;
            // One file, at the whole path, whole: the old report was replaced, not written beside.
            EXPECT_EQ(machine.files, (std::map<std::string, std::string>{{c.whole, "new report\r\n"}}))
                << c.asked << (oldReport ? " over an old report" : "");
            if (oldReport) {
                EXPECT_EQ(machine.fileCalls, std::vector<std::string>{"replace"}) << c.asked;
                EXPECT_EQ(machine.FileAttributes(c.whole), kAttributeHidden) << c.asked;
            }
        }
    }
    // Where the path cannot be made whole, the calls take it as it was given.
    TestMachine machine;
    machine.wholePathFails = true;
    EXPECT_EQ(ReplaceFileContents(machine, kReport, "new report\r\n"), 0);
    EXPECT_EQ(machine.files[kReport], "new report\r\n");
}

// The old report is the backup a write in place restores: a read that fails part way must stop the write,
// not hand over what was read so far as the whole file.
TEST(ReplaceFileContents, AFailedReadOfTheOldReportStopsTheWriteInPlace) {
    TestMachine machine;
    machine.foldersWithoutCreate.insert(kFolder);
    machine.files[kReport] = kOld;
    machine.readErrors[kReport] = 23;  // ERROR_CRC
    EXPECT_EQ(ReplaceFileContents(machine, kReport, "a new report\r\n"), 23);
    EXPECT_EQ(machine.files[kReport], kOld);
    EXPECT_EQ(machine.fileCalls, std::vector<std::string>{}) << "nothing was written";
}

TEST(FolderOf, IsTheFolderTheTemporaryFileGoesIn) {
    EXPECT_EQ(FolderOf("C:\\Reports\\report.txt"), "C:\\Reports");
    EXPECT_EQ(FolderOf("C:\\report.txt"), "C:\\");
    EXPECT_EQ(FolderOf("C:report.txt"), "C:");
    EXPECT_EQ(FolderOf("report.txt"), ".");
    EXPECT_EQ(FolderOf("\\report.txt"), "\\");
    EXPECT_EQ(FolderOf("\\\\server\\share\\report.txt"), "\\\\server\\share");
}

}  // namespace
}  // namespace orvane
