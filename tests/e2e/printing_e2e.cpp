// Printing through the preview, Quick Print and the CPU window, to the CUPS PDF printer that print_fixture.sh sets up.
// The fixture reads the PDFs back and checks the printed text and its positions.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

TEST(Printing, PrintRefreshesThenPrintsThePreviewedPage) {
    if (PdfFolder().empty()) GTEST_SKIP() << "run through print_fixture.sh, which provides the PDF printer";
    const int before = PdfCount();
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, 'P', true);
    HWND preview = orvane.WaitForWindow("TQRPreview", 30s);
    ASSERT_TRUE(preview);
    EXPECT_NE(ControlText(main, "Info1"), "") << "Print refreshes first";
    EXPECT_FALSE(IsWindowEnabled(main)) << "the preview is modal";
    Click(FindControl(preview, "PrintButton"));
    const auto dialog = WaitForMessageBox(orvane.Pid());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->caption, "Print");
    PressOk(*dialog);
    EXPECT_TRUE(WaitUntil([&] { return PdfCount() == before + 1; }, 60s)) << "a PDF in " << PdfFolder();
    Click(FindControl(preview, "CloseButton"));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(preview) && IsWindowEnabled(main); }, 5s));
}

TEST(Printing, QuickPrintPrintsThePictureAndLeavesTheWindowRestored) {
    if (PdfFolder().empty()) GTEST_SKIP() << "run through print_fixture.sh, which provides the PDF printer";
    const int before = PdfCount();
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    EXPECT_TRUE(IsZoomed(main));
    PressAltKey(main, 'F');
    // File: Save, Export to HTML, Export Full Report..., Print, Quick Print.
    for (int i = 0; i < 4; ++i) PressKey(GetForegroundWindow(), VK_DOWN);
    PressKey(GetForegroundWindow(), VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return PdfCount() == before + 1; }, 60s)) << "a PDF in " << PdfFolder();
    EXPECT_TRUE(WaitUntil([&] { return !IsZoomed(main); }, 5s)) << "Quick Print leaves the window restored";
    // The bars are shown again just after the window is restored.
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(FindChildOfClass(main, "msctls_statusbar32")) != FALSE; }, 5s))
        << "the bars come back";
    EXPECT_EQ(ControlText(main, "Info1"), "") << "Quick Print does not refresh";
}

TEST(Printing, TheCpuDisplayAndDriveWindowsPrintTheirPicture) {
    if (PdfFolder().empty()) GTEST_SKIP() << "run through print_fixture.sh, which provides the PDF printer";
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    const struct {
        WORD key;
        const char* window;
    } windows[] = {{VK_F11, "TfrmCPU"}, {VK_F8, "TfrmDisplay"}, {VK_F9, "TfrmDisk"}};
    for (const auto& shown : windows) {
        const int before = PdfCount();
        PressKey(main, shown.key);
        HWND window = orvane.WaitForWindow(shown.window);
        ASSERT_TRUE(window) << shown.window;
        // File > Print, the menu's first item, from the keyboard.
        PressKey(window, VK_F10);
        PressKey(GetForegroundWindow(), VK_DOWN);
        PressKey(GetForegroundWindow(), VK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return PdfCount() == before + 1; }, 60s))
            << shown.window << ": a PDF in " << PdfFolder();
        EXPECT_TRUE(IsWindowVisible(window)) << shown.window << ": printing leaves the window as it was";
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 5s));
    }
}

}  // namespace
}  // namespace e2e
