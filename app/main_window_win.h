#pragma once
// TForm1, the main window: the summary rows, the menu bar, the tool bar and its output menu, the
// status bar with its ticker, the version gate, batch mode and the refresh.

#include <windows.h>
#include <commctrl.h>

#include "app/command_line.h"
#include "app/summary.h"
#include "cpu/cpu_speed.h"
#include "ui/file_dialog_win.h"
#include "ui/form_win.h"

namespace orvane {

class Application;

class MainForm : public ui::Form, public SummaryView, public ControlTexts {
public:
    explicit MainForm(Application& app);

    // View > System Info (F5): the summary refresh. Errors that escape it reach the caller.
    void Refresh1Click();
    // View > Personal Info (F6) and the Personal button.
    void PersonalInfo1Click();
    // File > Save (F2), File > Export to HTML, Edit > Copy to Clipboard (Ctrl+C).
    void Save1Click();
    void ExporttoHTML1Click();
    // File > Export Full Report: the whole inventory, as HTML or JSON by the chosen file type.
    void ExportFullReport1Click();
    void CopytoClipboard1Click();
    // File > Print (Ctrl+P): refresh, fill the report layout, preview it. File > Quick Print.
    void Print1Click();
    void QuickPrint1Click();

    bool RefusedToRun() const { return refused_; }

    // SummaryView
    void ShowValue(int row, const std::string& text) override;
    std::string Value(int row) override;
    void ShowPersonalValue(PersonalRow row, const std::string& text) override;
    // ControlTexts
    std::optional<std::string> TextOf(std::string_view name) override;

protected:
    ui::Layout BuildLayout() override;
    ui::MenuBar BuildMenuBar() override;
    void OnCreate() override;
    void OnShow() override;
    void OnCloseRequest() override;
    void OnResize() override;
    void OnClick(const std::string& name) override;
    void OnTimer(const std::string& name) override;
    bool OnPaintBackground(const std::string& name, HDC dc, const RECT& rect) override;
    void OnBackgroundMouseDown(const std::string& container) override;
    bool OnMessage(HWND source, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void RunBatchMode(const std::string& path);
    void Timer1Timer();
    void ScrollSummary(int request);
    void ransparentBackground1Click();
    void Exit1Click();
    void OpenAuthorSite();
    // The main window as the launcher's calls carry it.
    platform::WindowRef WindowRef() const;
    void ShowBars(bool shown);

    Application& app_;
    bool refused_ = false;
    // One column of the strip's background: every column is the same, so it stretches to any width.
    win32::GdiObject<HBITMAP> stripPicture_;
    // Wheel movement not yet worth a page (a page is one notch, WHEEL_DELTA).
    int wheelRemainder_ = 0;
    ui::FileDialog saveDialog_;
    ui::FileDialog htmlDialog_;
    ui::FileDialog fullReportDialog_;
    // The status bar's own usage history, kept for the whole run.
    CPUUsageSampler usage_;
};

}  // namespace orvane
