#include "app/application_win.h"

#include "app/startup_trace_win.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "app/inventory_batch_win.h"
#include "screens/help/help_window_win.h"
#include "core/web_addresses.h"
#include "platform/win32/callback_guard.h"
#include "platform/win32/system_dlls.h"

namespace orvane {

namespace {

// COM for the user-interface thread, as a single-threaded apartment, for the run's lifetime.
class ComScope {
public:
    ComScope() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope() {
        if (initialised_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised_;
};

}  // namespace

Application::Application(LaunchOptions options) : options_(std::move(options)) {}

Application::~Application() = default;

PersonalForm& Application::Personal() {
    const bool made = personal_.Made();
    PersonalForm& personal = personal_.Get();
    if (!made) {
        for (const auto& [row, text] : personalRows_) personal.ShowRefreshValue(row, text);
        personalRows_.clear();
    }
    return personal;
}

void Application::ShowPersonalValue(PersonalRow row, const std::string& text) {
    if (personal_.Made()) {
        personal_.Get().ShowRefreshValue(row, text);
    } else {
        personalRows_[row] = text;
    }
}

void Application::SetRecipes() {
    // Each window is owned by the main window, so it stays above it and leaves with it.
    auto recipe = [this]<class T>(WindowSlot<T>& slot, const char* name, auto make) {
        slot.SetRecipe([this, name, make] {
            std::unique_ptr<T> form = make();
            form->Create(main_.get());
            StartupMark(name);
            return form;
        });
    };
    recipe(about_, "about box made", [this] { return std::make_unique<AboutBox>(system_); });
    recipe(personal_, "personal window made", [this] { return std::make_unique<PersonalForm>(system_); });
    recipe(memory_, "memory window made", [this] { return std::make_unique<MemoryForm>(system_); });
    recipe(cpu_, "CPU window made", [this] { return std::make_unique<CpuForm>(system_, clock_); });
    recipe(display_, "display window made", [this] { return std::make_unique<DisplayForm>(system_); });
    recipe(disk_, "drive window made", [this] { return std::make_unique<DiskForm>(system_); });
    recipe(devices_, "devices window made", [this] { return std::make_unique<DevicesForm>(system_); });
    recipe(uninstall_, "install / uninstall window made", [this] { return std::make_unique<UninstallForm>(system_); });
    recipe(sound_, "sound window made", [this] { return std::make_unique<SoundForm>(system_); });
    recipe(startup_, "startup window made", [this] { return std::make_unique<StartupForm>(system_); });
    recipe(machine_, "machine window made", [this] { return std::make_unique<MachineForm>(system_); });
    recipe(help_, "help window made", [] { return std::make_unique<HelpForm>(); });
    recipe(preview_, "print preview made", [] { return std::make_unique<PrintPreviewForm>(); });
}

int Application::Run() {
    main_ = std::make_unique<MainForm>(*this);
    main_->Create(nullptr);
    StartupMark("main window created");
    if (!main_->Handle()) return 0;
    if (main_->RefusedToRun()) return MessageLoop();  // ends at its first turn

    SetRecipes();
    // The two report layouts are plain objects, cheap to build.
    quickReport4_ = BuildSummaryReportLayout(kAuthorSite);
    quickReport5_ = BuildPersonalReportLayout();
    if (!options_.batchPath) {
        // The rest of the set, each made in turn, so every window exists before the first is shown.
        About();
        Personal();
        Memory();
        Cpu();
        Display();
        Disk();
        Devices();
        Uninstall();
        Sound();
        Startup();
        Machine();
        Help();
        Preview();
    }
    StartupMark(options_.batchPath ? "window set: the main window alone" : "window set made");

    main_->ShowForm(SW_SHOWMAXIMIZED);
    StartupMark("main window shown (a batch run has written its report)");
    const int code = MessageLoop();
    StartupMark("message loop ended");
    return code;
}

int Application::MessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) ui::TranslateAndDispatch(message);
    return 0;
}

}  // namespace orvane

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before any DLL is loaded by name (the static initialisers have run it already; this links it in).
    orvane::win32::LoadDllsFromSystemFolderOnly();
    orvane::StartupMark("entry");
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    orvane::StartupMark("common controls");
    // Whatever escapes the run (its windows are gone by then) is told in an error box of its own, and
    // the program ends with code 1 the way it would have ended, not through the runtime's abort.
    const int code = orvane::win32::GuardCallback(
        1,
        [] {
            orvane::ComScope com;
            orvane::StartupMark("COM");
            // The parameters as the runtime splits them, the program name not counted.
            std::vector<std::string> parameters;
            for (int i = 1; i < __argc; ++i) parameters.emplace_back(__argv[i]);
            orvane::LaunchOptions options = orvane::ParseLaunchOptions(parameters);
            if (options.inventory || options.inventoryMisread) {
                // Unattended: no window is made at all.
                const int written = orvane::RunInventoryBatch(options);
                orvane::StartupMark("inventory written, the process ends");
                orvane::WriteStartupTrace();
                ExitProcess(static_cast<UINT>(written));
            }
            orvane::Application app(std::move(options));
            const int ended = app.Run();
            if (app.BatchReportDone()) {
                // Destroying the windows one by one and ending COM would only delay the end.
                orvane::StartupMark("message loop ended, the process ends");
                orvane::WriteStartupTrace();
                ExitProcess(static_cast<UINT>(ended));
            }
            return ended;
        },
        [](const std::exception_ptr& error) {
            orvane::ui::ShowErrorBox(nullptr, orvane::ui::EscapedErrorText(error));
        });
    orvane::StartupMark("windows destroyed, COM ended");
    orvane::WriteStartupTrace();
    return code;
}
