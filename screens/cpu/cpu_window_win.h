#pragma once
// TfrmCPU, the CPU window: the processor's identification rows and feature list, read afresh at
// every showing, and the live displays (usage gauges, clock speed and time-stamp counter as
// seven-segment digits), which change only while the window's timer runs.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "cpu/cpu_speed.h"
#include "screens/detail/detail_form_win.h"

namespace orvane {

class CpuForm : public DetailForm {
public:
    // The clock record is the application's: the window measures through it, and names the
    // processor by its most recent measurement.
    CpuForm(platform::System& sys, CPUClockRecord& clock);

    // The main window's CPU button: the live displays run once a second until the window closes.
    void StartUpdates();
    bool Updating() const { return TimerRunning("Timer1"); }

    // View > Refresh, also run each time the window is shown.
    void Refresh1Click() override;
    // View > CPU Speed: one measurement, drawn on the speed digits.
    void CPUSpeed1Click();

protected:
    ui::Layout BuildLayout() override;
    ui::MenuBar BuildMenuBar() override;
    void OnCreate() override;
    void OnCloseRequest() override;
    void OnTimer(const std::string& name) override;
    void OnPaintBox(const std::string& name, HDC dc, const RECT& rect) override;
    bool OnPaintBackground(const std::string& name, HDC dc, const RECT& rect) override;

private:
    void Timer1Timer();
    // Draws the digits on the paint box at once and keeps them, so that a repaint shows them again.
    void DrawDigits(const char* paintBox, const std::string& digits);
    std::string& DigitsOf(const std::string& paintBox);

    CPUClockRecord& clock_;
    // The window's own usage history; the status bar keeps another.
    CPUUsageSampler usage_;
    // The ten digit pictures at the screen's scale (freed with the form).
    HIMAGELIST digitImages_ = nullptr;
    std::string speedDigits_;
    std::string counterDigits_;
    // Set while a tick runs: the messages it lets through may hold the next tick, which waits.
    bool ticking_ = false;
};

}  // namespace orvane
