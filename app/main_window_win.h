#pragma once
// TForm1, the main window: the summary rows, the version gate, batch mode and the refresh.

#include "app/command_line.h"
#include "app/summary.h"
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

    bool RefusedToRun() const { return refused_; }

    // SummaryView
    void ShowValue(int row, const std::string& text) override;
    std::string Value(int row) override;
    void ShowPersonalValue(PersonalRow row, const std::string& text) override;
    // ControlTexts
    std::optional<std::string> TextOf(std::string_view name) override;

protected:
    ui::Layout BuildLayout() override;
    void OnCreate() override;
    void OnShow() override;
    void OnCloseRequest() override;
    ui::MenuBar BuildMenuBar() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void RunBatchMode(const std::string& path);

    Application& app_;
    bool refused_ = false;
};

}  // namespace orvane
