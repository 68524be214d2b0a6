#include "app/application_win.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/help_window_win.h"
#include "app/web_addresses.h"

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

int Application::Run() {
    main_ = std::make_unique<MainForm>(*this);
    main_->Create(nullptr);
    if (!main_->Handle()) return 0;
    if (main_->RefusedToRun()) return MessageLoop();  // ends at its first turn

    // The rest of the set, each made and created in turn; the two report layouts are plain objects.
    auto created = [this](auto form) {
        form->Create(main_.get());
        return form;
    };
    about_ = created(std::make_unique<AboutBox>());
    quickReport4_ = BuildSummaryReportLayout(kAuthorSite);
    personal_ = created(std::make_unique<PersonalForm>(system_));
    quickReport5_ = BuildPersonalReportLayout();
    memory_ = created(std::make_unique<MemoryForm>(system_));
    cpu_ = created(std::make_unique<CpuForm>());
    display_ = created(std::make_unique<DisplayForm>());
    disk_ = created(std::make_unique<DiskForm>());
    devices_ = created(std::make_unique<DevicesForm>());
    uninstall_ = created(std::make_unique<UninstallForm>());
    sound_ = created(std::make_unique<SoundForm>(system_));
    startup_ = created(std::make_unique<StartupForm>());
    help_ = created(std::make_unique<HelpForm>());
    preview_ = created(std::make_unique<PrintPreviewForm>());

    main_->ShowForm(SW_SHOWMAXIMIZED);
    return MessageLoop();
}

int Application::MessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        ui::Form* form = ui::Form::FromHandle(root);
        if (form && form->Accelerators() && TranslateAcceleratorA(root, form->Accelerators(), &message)) continue;
        if (form && form->UsesDialogKeys() && IsDialogMessageA(root, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace orvane

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    orvane::ComScope com;
    // The parameters as the runtime splits them, the program name not counted.
    std::vector<std::string> parameters;
    for (int i = 1; i < __argc; ++i) parameters.emplace_back(__argv[i]);
    orvane::Application app(orvane::ParseLaunchOptions(parameters));
    return app.Run();
}
