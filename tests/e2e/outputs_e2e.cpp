// The summary's outputs through the real dialogs, the clipboard and the files they write.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

TEST(Outputs, SaveWritesTextOrCsvByTheChosenTypeAndACancelChangesNothing) {
    const std::string dir = MakeTempDir();
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);

    PressKey(main, VK_F2);
    HWND dialog = WaitForFileDialog(orvane.Pid());
    ASSERT_TRUE(dialog);
    CancelFileDialog(dialog);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 5s));
    EXPECT_EQ(ControlText(main, "Info1"), "") << "a cancelled save refreshes nothing";

    const std::string text = dir + "\\report.txt";
    PressKey(main, VK_F2);
    dialog = WaitForFileDialog(orvane.Pid());
    ASSERT_TRUE(dialog);
    ConfirmFileDialog(dialog, text);
    ASSERT_TRUE(WaitUntil([&] { return FileExists(text); }));
    const auto lines = SplitCrLfLines(ReadFileBytes(text).value_or(""));
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines[0], "Windows: " + ControlText(main, "Info1"));
    EXPECT_EQ(lines[28].substr(0, 8), "Modems: ");

    // The CSV entry with a name ending in .txt: the content follows the entry, not the name.
    const std::string csv = dir + "\\csv-under-a-text-name.txt";
    PressKey(main, VK_F2);
    dialog = WaitForFileDialog(orvane.Pid());
    ASSERT_TRUE(dialog);
    ConfirmFileDialog(dialog, csv, 1);
    ASSERT_TRUE(WaitUntil([&] { return FileExists(csv); }));
    const auto rows = SplitCrLfLines(ReadFileBytes(csv).value_or(""));
    ASSERT_EQ(rows.size(), 29u);
    EXPECT_EQ(rows[0], "\"Windows\",\"" + ControlText(main, "Info1") + "\"");
    EXPECT_EQ(rows[1].substr(0, 21), "\"Internet Explorer\",\"");
}

TEST(Outputs, CopyPutsTheTabbedSummaryOnTheClipboard) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, 'C', true);
    const auto box = WaitForMessageBox(orvane.Pid(), 30s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "Information");
    EXPECT_EQ(box->text, "System Information copied to clipboard.");
    const std::vector<std::string> lines = SplitCrLfLines(ClipboardText());
    PressOk(*box);
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines[0], "Windows:            \t" + ControlText(main, "Info1"));
    for (const std::string& line : lines) EXPECT_EQ(line.find('\t'), 20u) << line;
}

TEST(Outputs, TheDropDownsExportToHtmlWritesThePage) {
    const std::string page = MakeTempDir() + "\\summary.htm";
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    // The arrow beside the first tool button opens the output menu; its last item exports.
    ASSERT_TRUE(orvane.ClickToolButton(main, 0, true));
    ASSERT_TRUE(WaitUntil([&] { return FindWindowA("#32768", nullptr) != nullptr; }, 5s)) << "the menu opened";
    PressKey(GetForegroundWindow(), VK_UP);
    PressKey(GetForegroundWindow(), VK_RETURN);
    HWND dialog = WaitForFileDialog(orvane.Pid(), 30s);
    ASSERT_TRUE(dialog);
    EXPECT_NE(ControlText(main, "Info1"), "") << "the export refreshes before its dialog";
    ConfirmFileDialog(dialog, page);
    ASSERT_TRUE(WaitUntil([&] { return FileExists(page); }));
    const auto lines = SplitCrLfLines(ReadFileBytes(page).value_or(""));
    ASSERT_EQ(lines.size(), 246u);
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    EXPECT_EQ(lines[4], std::string("<title>Orvane for PC:") + computer + "</title>");
    EXPECT_EQ(lines[12], "                <td width=\"150\" bordercolor=\"#000000\" bgcolor=\"#A6CAF0\"><b>Windows</b></td>");
    EXPECT_EQ(lines[245], "</html>");
}

}  // namespace
}  // namespace e2e
