#pragma once
// The application object: the platform, the command line and the fourteen window objects, created
// once in a fixed order and kept for the whole run. Windows reach each other through it.

#include <memory>

#include "app/about_box_win.h"
#include "app/command_line.h"
#include "app/print_preview_win.h"
#include "app/printed_report.h"
#include "app/main_window_win.h"
#include "platform/win32/win32_system.h"
#include "ui/form_win.h"

namespace orvane {

class Application {
public:
    explicit Application(LaunchOptions options);
    ~Application();

    // Creates the window set, shows the main window and runs the message loop; the exit code.
    int Run();

    platform::System& System() { return system_; }
    const LaunchOptions& Options() const { return options_; }

    MainForm& Main() { return *main_; }
    ui::Form& Personal() { return *personal_; }
    ui::Form& Memory() { return *memory_; }
    ui::Form& Cpu() { return *cpu_; }
    ui::Form& Display() { return *display_; }
    ui::Form& Disk() { return *disk_; }
    ui::Form& Devices() { return *devices_; }
    ui::Form& Uninstall() { return *uninstall_; }
    ui::Form& Sound() { return *sound_; }
    ui::Form& Startup() { return *startup_; }
    ui::Form& Help() { return *help_; }
    AboutBox& About() { return *about_; }
    ReportLayout& SummaryReport() { return quickReport4_; }
    PrintPreviewForm& Preview() { return *preview_; }

private:
    int MessageLoop();

    win32::Win32System system_;
    LaunchOptions options_;
    // In creation order.
    std::unique_ptr<MainForm> main_;
    std::unique_ptr<AboutBox> about_;
    ReportLayout quickReport4_;  // the printed summary's layout, never shown as a window
    ReportLayout quickReport5_;  // the personal information layout: a title only
    std::unique_ptr<ui::Form> personal_;
    std::unique_ptr<ui::Form> memory_;
    std::unique_ptr<ui::Form> cpu_;
    std::unique_ptr<ui::Form> display_;
    std::unique_ptr<ui::Form> disk_;
    std::unique_ptr<ui::Form> devices_;
    std::unique_ptr<ui::Form> uninstall_;
    std::unique_ptr<ui::Form> sound_;
    std::unique_ptr<ui::Form> startup_;
    std::unique_ptr<ui::Form> help_;
    // The report engine's preview, made once like the rest.
    std::unique_ptr<PrintPreviewForm> preview_;
};

}  // namespace orvane
