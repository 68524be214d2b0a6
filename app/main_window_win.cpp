#include "app/main_window_win.h"

#include "app/application_win.h"
#include "app/batch.h"
#include "app/main_window_layout.h"
#include "app/version_gate.h"
#include "app/web_addresses.h"

namespace orvane {

namespace {

constexpr int kMinimumHeight = 450;

ui::FormSpec MainFormSpec() {
    ui::FormSpec spec;
    spec.className = "TForm1";
    spec.caption = "Orvane";
    spec.width = 639;
    spec.height = 510;
    spec.position = ui::FormPosition::ScreenCenter;
    return spec;
}

}  // namespace

MainForm::MainForm(Application& app) : ui::Form(MainFormSpec()), app_(app) {}

ui::Layout MainForm::BuildLayout() { return BuildMainWindowLayout(kAuthorSite); }

ui::MenuBar MainForm::BuildMenuBar() {
    using ui::Key;
    return {
        {"", "&View", {}, {}, false, true, {
            {"Refresh1", "System Info", Key(ui::kKeyF5), [this] { Refresh1Click(); }, false, true, {}},
            {"PersonalInfo1", "Personal Info", Key(ui::kKeyF6), [this] { PersonalInfo1Click(); }, false, true, {}},
        }},
    };
}

void MainForm::PersonalInfo1Click() {
    // The full refresh runs only until the computer name is first known.
    ui::Form& personal = app_.Personal();
    if (personal.Text("Info1").empty()) {
        Refresh1Click();
        personal.InvokeMenu("Refresh1");
    }
    personal.ShowForm();
}

void MainForm::OnCreate() {
    // The version gate: Windows 95 and Win32s are refused before any other window exists.
    if (RefusesToRun(app_.System().Version())) {
        MessageBoxA(nullptr, kRefusalText, kRefusalTitle, MB_OK | MB_ICONWARNING);
        refused_ = true;
        PostQuitMessage(0);
    }
}

void MainForm::OnShow() {
    // The restored height; the window itself opens maximised.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(Handle(), &placement)) {
        placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + ui::Scale(kMinimumHeight);
        SetWindowPlacement(Handle(), &placement);
    }
    if (app_.Options().batchPath) RunBatchMode(*app_.Options().batchPath);
}

void MainForm::RunBatchMode(const std::string& path) {
    try {
        Refresh1Click();
        WriteTextReport(app_.System(), path, ReadSummaryRows(*this));
    } catch (const std::exception& error) {
        // The program goes on as an ordinary interactive run.
        ui::ShowErrorBox(Handle(), error.what());
        return;
    }
    PostQuitMessage(0);
}

void MainForm::Refresh1Click() {
    ui::BusyCursor busy;
    RunSummaryRefresh(app_.System(), *this, app_.Options());
}

void MainForm::OnCloseRequest() {
    HideForm();
    PostQuitMessage(0);
}

bool MainForm::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam, LRESULT& result) {
    if (message == WM_GETMINMAXINFO) {
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.y = ui::Scale(kMinimumHeight);
        result = 0;
        return true;
    }
    return false;
}

void MainForm::ShowValue(int row, const std::string& text) { SetTextNow(SummaryValueName(row), text); }

std::string MainForm::Value(int row) { return Text(SummaryValueName(row)); }

void MainForm::ShowPersonalValue(PersonalRow row, const std::string& text) {
    for (const PersonalRowSpec& spec : kPersonalRefreshRows) {
        if (spec.row == row) app_.Personal().SetTextNow(spec.valueName, text);
    }
}

std::optional<std::string> MainForm::TextOf(std::string_view name) {
    if (!Control(name)) return std::nullopt;
    return Text(name);
}

}  // namespace orvane
