#pragma once
// The application object: the platform, the command line and the fourteen window objects, each made
// once and kept for the whole run. Windows reach each other through it.
//
// An interactive run makes every window at start, in a fixed order. A batch run (/AUTO) makes the
// main window only; another window is made the first time it is asked for: the personal window when
// the refresh writes to it, the rest only if the run carries on as an ordinary one after a failed
// report. A window made late opens where it would have opened had it been made at start.

#include <functional>
#include <memory>

#include "app/about_box_win.h"
#include "app/command_line.h"
#include "app/main_window_win.h"
#include "app/print_preview_win.h"
#include "app/printed_report.h"
#include "platform/win32/win32_system.h"
#include "ui/form_win.h"

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

    platform::System& System() { return system_; }
    const LaunchOptions& Options() const { return options_; }

    MainForm& Main() { return *main_; }
    ui::Form& Personal() { return personal_.Get(); }
    ui::Form& Memory() { return memory_.Get(); }
    ui::Form& Cpu() { return cpu_.Get(); }
    ui::Form& Display() { return display_.Get(); }
    ui::Form& Disk() { return disk_.Get(); }
    ui::Form& Devices() { return devices_.Get(); }
    ui::Form& Uninstall() { return uninstall_.Get(); }
    ui::Form& Sound() { return sound_.Get(); }
    ui::Form& Startup() { return startup_.Get(); }
    ui::Form& Help() { return help_.Get(); }
    AboutBox& About() { return about_.Get(); }
    ReportLayout& SummaryReport() { return quickReport4_; }
    PrintPreviewForm& Preview() { return preview_.Get(); }

private:
    // Gives every window after the main one its recipe.
    void SetRecipes();
    int MessageLoop();

    win32::Win32System system_;
    LaunchOptions options_;
    // In the interactive run's creation order; destroyed in reverse, the main window last.
    std::unique_ptr<MainForm> main_;
    WindowSlot<AboutBox> about_;
    ReportLayout quickReport4_;  // the printed summary's layout, never shown as a window
    ReportLayout quickReport5_;  // the personal information layout: a title only
    WindowSlot<ui::Form> personal_;
    WindowSlot<ui::Form> memory_;
    WindowSlot<ui::Form> cpu_;
    WindowSlot<ui::Form> display_;
    WindowSlot<ui::Form> disk_;
    WindowSlot<ui::Form> devices_;
    WindowSlot<ui::Form> uninstall_;
    WindowSlot<ui::Form> sound_;
    WindowSlot<ui::Form> startup_;
    WindowSlot<ui::Form> help_;
    // The report engine's preview, made once like the rest.
    WindowSlot<PrintPreviewForm> preview_;
};

}  // namespace orvane
