#pragma once
// The application object: the platform, the command line and the fourteen window objects, each made
// once and kept for the whole run. Windows reach each other through it.
//
// An interactive run makes every window at start, in a fixed order. A batch run (/AUTO) makes the
// main window only; another window is made the first time it is asked for, which happens only if the
// run carries on as an ordinary one after a failed report. The refresh's six personal rows are kept
// here until the personal window exists, and it is made showing them. A window made late opens where
// it would have opened had it been made at start.

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "screens/about/about_box_win.h"
#include "app/command_line.h"
#include "screens/help/help_window_win.h"
#include "app/main_window_win.h"
#include "screens/preview/print_preview_win.h"
#include "app/printed_report.h"
#include "cpu/cpu_speed.h"
#include "screens/cpu/cpu_window_win.h"
#include "screens/memory/memory_window_win.h"
#include "platform/win32/win32_system.h"
#include "screens/personal/personal_window_win.h"
#include "ui/form_win.h"
#include "screens/devices/device_window_win.h"
#include "screens/display/display_window_win.h"
#include "screens/drive/drive_window_win.h"
#include "screens/sound/sound_window_win.h"
#include "screens/machine/machine_window_win.h"
#include "screens/startup/startup_window_win.h"
#include "screens/uninstall/uninstall_window_win.h"

namespace orvane {

// One window of the set: made by its recipe at the first Get().
template <class T>
class WindowSlot {
public:
    using Recipe = std::function<std::unique_ptr<T>()>;

    void SetRecipe(Recipe recipe) { recipe_ = std::move(recipe); }
    T& Get() {
        if (!window_) window_ = recipe_();
        return *window_;
    }
    bool Made() const { return window_ != nullptr; }

private:
    Recipe recipe_;
    std::unique_ptr<T> window_;
};

class Application {
public:
    explicit Application(LaunchOptions options);
    ~Application();

    // Creates the window set, shows the main window and runs the message loop; the exit code.
    int Run();
    // A batch run that wrote its report has nothing left to tear down: its windows and COM end with
    // the process.
    void BatchReportWritten() { batchDone_ = true; }
    bool BatchReportDone() const { return batchDone_; }

    platform::System& System() { return system_; }
    const LaunchOptions& Options() const { return options_; }
    // The most recent clock measurement of this run, shared by the summary and the CPU window.
    CPUClockRecord& Clock() { return clock_; }

    MainForm& Main() { return *main_; }
    PersonalForm& Personal();
    // A personal row the refresh found: into the personal window, or kept until it is made.
    void ShowPersonalValue(PersonalRow row, const std::string& text);
    MemoryForm& Memory() { return memory_.Get(); }
    CpuForm& Cpu() { return cpu_.Get(); }
    DisplayForm& Display() { return display_.Get(); }
    DiskForm& Disk() { return disk_.Get(); }
    DevicesForm& Devices() { return devices_.Get(); }
    UninstallForm& Uninstall() { return uninstall_.Get(); }
    SoundForm& Sound() { return sound_.Get(); }
    StartupForm& Startup() { return startup_.Get(); }
    MachineForm& Machine() { return machine_.Get(); }
    HelpForm& Help() { return help_.Get(); }
    AboutBox& About() { return about_.Get(); }
    ReportLayout& SummaryReport() { return quickReport4_; }
    PrintPreviewForm& Preview() { return preview_.Get(); }

private:
    // Gives every window after the main one its recipe.
    void SetRecipes();
    int MessageLoop();

    win32::Win32System system_;
    LaunchOptions options_;
    CPUClockRecord clock_;
    // In the interactive run's creation order; destroyed in reverse, the main window last.
    std::unique_ptr<MainForm> main_;
    WindowSlot<AboutBox> about_;
    ReportLayout quickReport4_;  // the printed summary's layout, never shown as a window
    ReportLayout quickReport5_;  // the personal information layout: a title only
    WindowSlot<PersonalForm> personal_;
    std::map<PersonalRow, std::string> personalRows_;  // the refresh's rows while the window is not made
    WindowSlot<MemoryForm> memory_;
    WindowSlot<CpuForm> cpu_;
    WindowSlot<DisplayForm> display_;
    WindowSlot<DiskForm> disk_;
    WindowSlot<DevicesForm> devices_;
    WindowSlot<UninstallForm> uninstall_;
    WindowSlot<SoundForm> sound_;
    WindowSlot<StartupForm> startup_;
    WindowSlot<MachineForm> machine_;
    WindowSlot<HelpForm> help_;
    // The report engine's preview, made once like the rest.
    WindowSlot<PrintPreviewForm> preview_;
    bool batchDone_ = false;
};

}  // namespace orvane
