#include "app/application_win.h"

#include "app/help_window_win.h"
#include "app/web_addresses.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "probes/personal_window_win.h"

namespace orvane {

namespace {

// Detail windows whose contents come with their own features; until then they exist with their
// captions and designed sizes, hidden.
std::unique_ptr<ui::Form> MakeDetailForm(const char* className, const char* caption, int width, int height,
                                         bool clientSize, ui::FormBorder border) {
    ui::FormSpec design;
    design.className = className;
    design.caption = caption;
    design.width = width;
    design.height = height;
    design.clientSize = clientSize;
    design.border = border;
    design.maximizeBox = border == ui::FormBorder::Sizeable;
    return std::make_unique<ui::Form>(design);
}

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
    using ui::FormBorder;
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
    memory_ = created(MakeDetailForm("TfrmMemory", "Memory", 498, 419, true, FormBorder::Single));
    cpu_ = created(MakeDetailForm("TfrmCPU", "CPU Info", 624, 753, false, FormBorder::Sizeable));
    display_ = created(MakeDetailForm("TfrmDisplay", "Display", 497, 489, true, FormBorder::Single));
    disk_ = created(MakeDetailForm("TfrmDisk", "Drive Info", 506, 642, false, FormBorder::Sizeable));
    devices_ = created(MakeDetailForm("TfrmDevices", "Device Info", 526, 453, false, FormBorder::Sizeable));
    uninstall_ = created(MakeDetailForm("TfrmUnistall", "Application Install / Uninstall Information", 624, 472,
                                        false, FormBorder::Sizeable));
    sound_ = created(MakeDetailForm("TfrmSound", "Sound", 364, 380, true, FormBorder::Single));
    startup_ = created(MakeDetailForm("TfrmStartup", "Startup", 674, 563, false, FormBorder::Sizeable));
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
