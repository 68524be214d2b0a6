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
    ~MainForm() override;

    // View > System Info (F5): the summary refresh. Errors that escape it reach the caller.
    void Refresh1Click();
    // View > Personal Info (F6) and the Personal button.
    void PersonalInfo1Click();
    // File > Save (F2), File > Export to HTML, Edit > Copy to Clipboard (Ctrl+C).
    void Save1Click();
    void ExporttoHTML1Click();
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

    HWND ToolBar() const { return toolBar_; }
    HWND StatusBar() const { return statusBar_; }

protected:
    ui::Layout BuildLayout() override;
    ui::MenuBar BuildMenuBar() override;
    void OnCreate() override;
    void OnShow() override;
    void OnCloseRequest() override;
    void OnCommand(int id) override;
    void OnResize() override;
    void OnLinkClick(const std::string& name) override;
    void OnBackgroundMouseDown(HWND container) override;
    bool OnMessage(HWND source, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void RunBatchMode(const std::string& path);
    void CreateToolBar();
    void CreateStatusBar();
    void Timer1Timer();
    void ScrollSummary(int request);
    void ShowOutputMenu(const RECT& button);
    void ransparentBackground1Click();
    void Exit1Click();
    void OpenAuthorSite();

    Application& app_;
    bool refused_ = false;
    HWND strip_ = nullptr;
    HWND toolBar_ = nullptr;
    HWND statusBar_ = nullptr;
    HIMAGELIST toolImages_ = nullptr;
    std::vector<win32::GdiObject<HBITMAP>> menuPictures_;
    win32::GdiObject<HBITMAP> stripPicture_;
    HMENU outputMenu_ = nullptr;
    ui::FileDialog saveDialog_;
    ui::FileDialog htmlDialog_;
    // The status bar's own usage history, kept for the whole run.
    CPUUsageSampler usage_;
};

}  // namespace orvane
