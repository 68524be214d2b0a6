#pragma once
// The application object: the platform, the command line and the fourteen window objects, created
// once in a fixed order and kept for the whole run. Windows reach each other through it.

#include <memory>

#include "app/about_box_win.h"
#include "app/command_line.h"
#include "app/help_window_win.h"
#include "app/main_window_win.h"
#include "app/print_preview_win.h"
#include "app/printed_report.h"
#include "cpu/cpu_speed.h"
#include "cpu/cpu_window_win.h"
#include "cpu/memory_window_win.h"
#include "platform/win32/win32_system.h"
#include "probes/personal_window_win.h"
#include "ui/form_win.h"
#include "windows/device_window_win.h"
#include "windows/display_window_win.h"
#include "windows/drive_window_win.h"
#include "windows/sound_window_win.h"
#include "windows/startup_window_win.h"
#include "windows/uninstall_window_win.h"

namespace orvane {

class Application {
public:
    explicit Application(LaunchOptions options);
    ~Application();

    // Creates the window set, shows the main window and runs the message loop; the exit code.
    int Run();

    platform::System& System() { return system_; }
    const LaunchOptions& Options() const { return options_; }
    // The most recent clock measurement of this run, shared by the summary and the CPU window.
    CPUClockRecord& Clock() { return clock_; }

    MainForm& Main() { return *main_; }
    PersonalForm& Personal() { return *personal_; }
    MemoryForm& Memory() { return *memory_; }
    CpuForm& Cpu() { return *cpu_; }
    DisplayForm& Display() { return *display_; }
    DiskForm& Disk() { return *disk_; }
    DevicesForm& Devices() { return *devices_; }
    UninstallForm& Uninstall() { return *uninstall_; }
    SoundForm& Sound() { return *sound_; }
    StartupForm& Startup() { return *startup_; }
    HelpForm& Help() { return *help_; }
    AboutBox& About() { return *about_; }
    ReportLayout& SummaryReport() { return quickReport4_; }
    PrintPreviewForm& Preview() { return *preview_; }

private:
    int MessageLoop();

    win32::Win32System system_;
    LaunchOptions options_;
    CPUClockRecord clock_;
    // In creation order.
    std::unique_ptr<MainForm> main_;
    std::unique_ptr<AboutBox> about_;
    ReportLayout quickReport4_;  // the printed summary's layout, never shown as a window
    ReportLayout quickReport5_;  // the personal information layout: a title only
    std::unique_ptr<PersonalForm> personal_;
    std::unique_ptr<MemoryForm> memory_;
    std::unique_ptr<CpuForm> cpu_;
    std::unique_ptr<DisplayForm> display_;
    std::unique_ptr<DiskForm> disk_;
    std::unique_ptr<DevicesForm> devices_;
    std::unique_ptr<UninstallForm> uninstall_;
    std::unique_ptr<SoundForm> sound_;
    std::unique_ptr<StartupForm> startup_;
    std::unique_ptr<HelpForm> help_;
    // The report engine's preview, made once like the rest.
    std::unique_ptr<PrintPreviewForm> preview_;
};

}  // namespace orvane
