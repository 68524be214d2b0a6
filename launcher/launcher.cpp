#include "launcher/launcher.h"

#include <array>

#include "core/web_addresses.h"
#include "core/error.h"
#include "core/text.h"
#include "probes/administrator.h"

namespace orvane {

namespace {

using platform::System;

// How an item finds and starts its tool.
enum class Form {
    Method,         // a Shell.Application method
    Applet,         // a control-panel applet through rundll32
    Printers,       // CONTROL.EXE PRINTERS in the Windows folder
    Program,        // a system tool the shell was to search by its short name: started by its full path
    FullPath,       // a system tool named by its full path
    Console,        // a console tool run in a console that stays open
    DiskChecker,    // the system's disk checker
    VolumeControl,  // the volume mixer, started in the Windows folder with the main window as parent
    WebPage,        // the product's page
    Direct,
};

// Where an item shows: its name, menu, caption and marks.
struct Place {
    std::string_view name;
    LauncherMenu menu;
    std::string_view caption;
    unsigned marks = kPlainItem;
};

struct Command {
    Place place;
    LaunchKind kind;
    Form form;
    std::string_view tool = {};                 // the designed tool, applet or method
    const char* verb = nullptr;                 // ShellExecute's verb; nullptr passes none
    const char* parameters = nullptr;           // ShellExecute's parameters; nullptr passes none
    const char* directory = nullptr;            // ShellExecute's directory; nullptr passes none
    std::string_view successor = {};            // the file that took the tool's place
    std::string_view successorControl = {};     // or control.exe's arguments that took its place
    std::uint32_t successorNtMajor = 0;         // the oldest NT release that has that successor
    // control.exe's arguments that take the successor's place, from NT 6 on, for an account that is no
    // administrator's: the successor asks for one there.
    std::string_view standardUserControl = {};
    std::optional<std::int32_t> argument = {};  // a method's argument
};

// ShellSpecialFolderConstants: ssfCONTROLS and ssfPERSONAL (the user's documents).
constexpr std::int32_t kFolderControlPanel = 3;
constexpr std::int32_t kFolderDocuments = 5;

Command Method(Place item, std::string_view method, std::optional<std::int32_t> argument = {}) {
    Command command{item, LaunchKind::ShellObject, Form::Method, method};
    command.argument = argument;
    return command;
}

// An applet, and what took its place where it moved: another applet, or control.exe's arguments from
// the NT release named on.
Command Applet(Place item, std::string_view applet, std::string_view successor = {},
               std::string_view successorControl = {}, std::uint32_t successorNtMajor = 0,
               std::string_view standardUserControl = {}) {
    Command command{item, LaunchKind::CommandLine, Form::Applet, applet};
    command.successor = successor;
    command.successorControl = successorControl;
    command.successorNtMajor = successorNtMajor;
    command.standardUserControl = standardUserControl;
    return command;
}

Command Program(Place item, Form form, std::string_view tool, const char* verb,
                const char* parameters = nullptr, const char* directory = nullptr, std::string_view successor = {}) {
    Command command{item, LaunchKind::ShellExecute, form, tool, verb, parameters, directory};
    command.successor = successor;
    return command;
}

Command Direct(Place item) {
    return {item, LaunchKind::Direct, Form::Direct};
}

constexpr LauncherMenu kSystemMenu = LauncherMenu::System;
constexpr LauncherMenu kControlPanelMenu = LauncherMenu::ControlPanel;
constexpr LauncherMenu kProgramsMenu = LauncherMenu::Programs;
constexpr LauncherMenu kHardwareMenu = LauncherMenu::Hardware;
constexpr LauncherMenu kHelpMenu = LauncherMenu::Help;

// The items in menu order, each with its place on the main window's menus and the tool it starts.
const std::array kCommands{
    // System
    Method({"Run1", kSystemMenu, "Run"}, "FileRun"),
    // A plain Explorer window on the user's documents: the shell object's own method for it takes the folder.
    Method({"Explorer1", kSystemMenu, "Explorer"}, "Explore", kFolderDocuments),
    Method({"FindFiles1", kSystemMenu, "Find Files", kAfterSeparator}, "FindFiles"),
    Method({"FindComputer1", kSystemMenu, "Find Computer"}, "FindComputer"),
    Method({"MinimizeAll1", kSystemMenu, "Minimize All", kAfterSeparator}, "MinimizeAll"),
    Method({"rayProperties1", kSystemMenu, "Tray Properties"}, "TrayProperties"),
    // The hidden Control Panel item opens the Control Panel folder.
    Method({"ControlPanel2", kSystemMenu, "Control Panel", kHiddenItem}, "Open", kFolderControlPanel),
    Direct({"HideTaskbar1", kSystemMenu, "Hide Taskbar", kCheckItem}),
    Method({"ShutdownWindows1", kSystemMenu, "Shutdown System", kAfterSeparator}, "ShutdownWindows"),
    Program({"askManager1", kSystemMenu, "Task Manager", kAfterSeparator}, Form::Program, "taskmgr", "open", "", ""),
    Program({"VolumeControl1", kSystemMenu, "Volume Control", kAfterSeparator}, Form::VolumeControl, "sndvol32.exe",
            "open", nullptr, nullptr, "SndVol.exe"),
    // Control Panel
    Applet({"Accessibility1", kControlPanelMenu, "Accessibility"}, "Access.cpl", {},
           "/name Microsoft.EaseOfAccessCenter", 6),
    Applet({"AddRemovePrograms1", kControlPanelMenu, "Add/Remove Programs"}, "Appwiz.cpl"),
    Applet({"Display1", kControlPanelMenu, "Display"}, "Desk.cpl"),
    Applet({"Desktop1", kControlPanelMenu, "Desktop"}, "Desk.cpl"),
    Applet({"Internet1", kControlPanelMenu, "Internet"}, "Inetcpl.cpl"),
    Applet({"Regional1", kControlPanelMenu, "Regional"}, "Intl.cpl"),
    Applet({"Joystick1", kControlPanelMenu, "Joystick"}, "Joy.cpl"),
    Applet({"Mouse1", kControlPanelMenu, "Mouse"}, "Main.cpl"),
    Applet({"Multimedia1", kControlPanelMenu, "Multimedia"}, "Mmsys.cpl"),
    Applet({"Modems1", kControlPanelMenu, "Modems"}, "Modem.cpl", "telephon.cpl"),
    Applet({"Network1", kControlPanelMenu, "Network"}, "Netcpl.cpl", "ncpa.cpl"),
    Applet({"ODBC1", kControlPanelMenu, "ODBC"}, "Odbccp32.cpl"),
    // The advanced user accounts dialog needs an administrator from Vista on; a standard user gets the
    // user accounts page, which manages the user's own account.
    Applet({"Password1", kControlPanelMenu, "Password"}, "Password.cpl", {}, "userpasswords2", 5,
           "/name Microsoft.UserAccounts"),
    Command{{"Printers1", kControlPanelMenu, "Printers"}, LaunchKind::CommandLine, Form::Printers, "CONTROL.EXE"},
    Applet({"System2", kControlPanelMenu, "System"}, "Sysdm.cpl"),
    Applet({"heme1", kControlPanelMenu, "Theme"}, "Themes.cpl", {}, "/name Microsoft.Personalization", 6),
    Applet({"imeDate1", kControlPanelMenu, "Time/Date"}, "Timedate.cpl"),
    Applet({"Workgroup1", kControlPanelMenu, "Workgroup"}, "Wgpocpl.cpl"),
    // Programs
    Program({"SystemFileChecker1", kProgramsMenu, "System File Checker"}, Form::Console, "sfc.exe", "", "/scannow"),
    Program({"Scandisk1", kProgramsMenu, "Scandisk"}, Form::DiskChecker, "scandskw.exe", "", nullptr, nullptr,
            "chkdsk.exe"),
    Program({"Defrag1", kProgramsMenu, "Defrag"}, Form::Program, "dfrg.msc", "", nullptr, nullptr, "dfrgui.exe"),
    Program({"SysEdit1", kProgramsMenu, "Sys Edit"}, Form::FullPath, "sysedit.exe", ""),
    Program({"FileSignatureVerification1", kProgramsMenu, "File Signature Verification"}, Form::FullPath,
            "sigverif.exe", ""),
    Program({"DeviceManager1", kProgramsMenu, "Device Manager"}, Form::Program, "devmgmt.msc", ""),
    Program({"Dxdiag1", kProgramsMenu, "Dxdiag"}, Form::Program, "dxdiag", "open"),
    Program({"OnScreenKeyboard1", kProgramsMenu, "On Screen Keyboard"}, Form::Program, "osk.exe", "open"),
    // Hardware
    Direct({"StandbyMonitor1", kHardwareMenu, "Standby Monitor"}),
    Direct({"SwitchOffMonitor1", kHardwareMenu, "Switch Off Monitor"}),
    Direct({"EjectCD1", kHardwareMenu, "Eject CD", kAfterSeparator}),
    Direct({"LoadCD1", kHardwareMenu, "Load CD"}),
    Direct({"MuteSpeakers1", kHardwareMenu, "Mute Speakers", kAfterSeparator | kCheckItem}),
    Direct({"MuteMicrophone1", kHardwareMenu, "Mute Microphone", kCheckItem}),
    // Help
    Program({"Orvanewebpage1", kHelpMenu, "Orvane - Webpage"}, Form::WebPage, "", "open"),
};

const std::array<LauncherItem, kCommands.size()> kItems = [] {
    std::array<LauncherItem, kCommands.size()> items{};
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        const Place& place = kCommands[i].place;
        items[i] = {place.name, kCommands[i].kind, place.menu, place.caption, place.marks};
    }
    return items;
}();

const Command* FindCommand(std::string_view item) {
    for (const Command& command : kCommands) {
        if (command.place.name == item) return &command;
    }
    return nullptr;
}

std::optional<std::string> Optional(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

// The file name with ".exe" when it names a program without its extension ("taskmgr").
std::string FileNameOf(std::string_view tool) {
    return tool.find('.') == std::string_view::npos ? std::string(tool) + ".exe" : std::string(tool);
}

// A path as one argument of a command line.
std::string Quoted(std::string_view path) {
    return "\"" + std::string(path) + "\"";
}

// Looks for the system's own tools and names each by its full path, so that a file of the same name in the
// program's folder or the current folder never runs in its place.
class Tools {
public:
    explicit Tools(System& sys) : sys_(sys), folders_(FindSystemFolders(sys)) {
        const std::optional<platform::OsVersion> version = sys.Version();
        if (version && version->platformId == platform::kPlatformNt) ntMajor_ = version->major;
    }

    const SystemFolders& Folders() const { return folders_; }
    bool Nt() const { return ntMajor_ > 0; }
    bool NtFrom(std::uint32_t major) const { return ntMajor_ >= major; }
    System& Sys() { return sys_; }

    // The tool's full path in the system's own folder, when it is there. A folder the system did not name
    // has no tools: its empty name would make the path a bare name again.
    std::optional<std::string> InSystem(std::string_view tool) { return In(folders_.native, tool); }
    std::optional<std::string> InWindows(std::string_view tool) { return In(folders_.windows, tool); }
    // The full path this program starts a system tool by: in the system folder as this process sees it
    // (Sysnative for a 32-bit program on 64-bit Windows).
    std::string Named(std::string_view tool) const { return JoinPath(folders_.native, FileNameOf(tool)); }
    // No blank after the comma: rundll32 takes "dll,entry" as one argument, and some implementations of
    // it end the DLL's name at a blank and start nothing.
    std::string RunDll(std::string_view applet) const {
        return Quoted(Named("rundll32.exe")) + " shell32.dll,Control_RunDLL " + std::string(applet);
    }
    std::string Control(std::string_view arguments) const {
        return Quoted(Named("control.exe")) + " " + std::string(arguments);
    }

private:
    std::optional<std::string> In(const std::string& folder, std::string_view tool) {
        if (folder.empty()) return std::nullopt;
        std::string path = JoinPath(folder, FileNameOf(tool));
        if (sys_.FileExists(path)) return path;
        return std::nullopt;
    }

    System& sys_;
    SystemFolders folders_;
    std::uint32_t ntMajor_ = 0;
};

LaunchCall CommandLineCall(std::string commandLine) {
    LaunchCall call;
    call.kind = LaunchKind::CommandLine;
    call.commandLine = std::move(commandLine);
    return call;
}

LaunchCall ExecuteCall(const Command& command, std::string file) {
    LaunchCall call;
    call.kind = LaunchKind::ShellExecute;
    call.execute.verb = Optional(command.verb);
    call.execute.file = std::move(file);
    call.execute.parameters = Optional(command.parameters);
    call.execute.directory = Optional(command.directory);
    return call;
}

// A console tool in a console that stays open, so that its output can be read; elevated where the
// system asks an administrator's consent for it. Each path names the program for the process that opens
// it ("File System Redirector", Microsoft Learn): a program this process starts is found through Sysnative
// when it is a 32-bit one on 64-bit Windows; a start that shows the consent prompt is not redirected and
// opens the 64-bit file of the path System32 names; the console, always the system's own, sees the
// tool in System32 and has no Sysnative.
LaunchCall ConsoleCall(Tools& tools, std::string_view tool, const std::string& arguments) {
    // A program that runs as administrator already starts the console itself, without a prompt.
    const bool prompts = tools.NtFrom(6) && !IsAdministrator(tools.Sys());
    LaunchCall call;
    call.kind = LaunchKind::ShellExecute;
    call.execute.verb = prompts ? "runas" : "";
    call.execute.file = prompts ? JoinPath(tools.Folders().system, "cmd.exe") : tools.Named("cmd.exe");
    call.execute.parameters = "/k " + Quoted(JoinPath(tools.Folders().system, tool)) + " " + arguments;
    return call;
}

std::optional<LaunchCall> ResolveApplet(Tools& tools, const Command& command) {
    if (tools.InSystem(command.tool)) return CommandLineCall(tools.RunDll(command.tool));
    if (!command.successor.empty() && tools.InSystem(command.successor)) {
        return CommandLineCall(tools.RunDll(command.successor));
    }
    if (!command.successorControl.empty() && tools.NtFrom(command.successorNtMajor) && tools.InSystem("control.exe")) {
        if (!command.standardUserControl.empty() && tools.NtFrom(6) && !IsAdministratorAccount(tools.Sys())) {
            return CommandLineCall(tools.Control(command.standardUserControl));
        }
        return CommandLineCall(tools.Control(command.successorControl));
    }
    return std::nullopt;
}

std::optional<LaunchCall> Resolve(Tools& tools, const Command& command) {
    switch (command.form) {
        case Form::Method: {
            LaunchCall call;
            call.kind = LaunchKind::ShellObject;
            call.method = std::string(command.tool);
            call.argument = command.argument;
            return call;
        }
        case Form::Applet:
            return ResolveApplet(tools, command);
        case Form::Printers:
            if (const auto path = tools.InWindows(command.tool)) return CommandLineCall(Quoted(*path) + " PRINTERS");
            if (tools.InSystem("control.exe")) return CommandLineCall(tools.Control("printers"));
            return std::nullopt;
        case Form::Program:
            if (const auto path = tools.InSystem(command.tool)) return ExecuteCall(command, *path);
            if (!command.successor.empty()) {
                if (const auto path = tools.InSystem(command.successor)) return ExecuteCall(command, *path);
            }
            return std::nullopt;
        case Form::FullPath:
            if (const auto path = tools.InSystem(command.tool)) return ExecuteCall(command, *path);
            return std::nullopt;
        case Form::Console: {
            const auto path = tools.InSystem(command.tool);
            if (!path) return std::nullopt;
            if (tools.Nt() && tools.InSystem("cmd.exe")) {
                return ConsoleCall(tools, FileNameOf(command.tool), command.parameters);
            }
            return ExecuteCall(command, *path);
        }
        case Form::DiskChecker: {
            // The graphical checker where the system has one; else the console checker, reading the Windows
            // folder's drive without changing it.
            if (const auto path = tools.InWindows(command.tool)) return ExecuteCall(command, *path);
            if (const auto path = tools.InSystem(command.tool)) return ExecuteCall(command, *path);
            if (!tools.InSystem(command.successor) || !tools.Nt() || !tools.InSystem("cmd.exe")) return std::nullopt;
            const std::string& windows = tools.Folders().windows;
            return ConsoleCall(tools, FileNameOf(command.successor),
                               windows.size() >= 2 && windows[1] == ':' ? windows.substr(0, 2) : "");
        }
        case Form::VolumeControl: {
            std::optional<LaunchCall> call;
            if (const auto inWindows = tools.InWindows(command.tool)) {
                call = ExecuteCall(command, *inWindows);
            } else if (const auto inSystem = tools.InSystem(command.tool)) {
                call = ExecuteCall(command, *inSystem);
            } else if (const auto successor = tools.InSystem(command.successor)) {
                call = ExecuteCall(command, *successor);
            } else {
                return std::nullopt;
            }
            call->mainWindowParent = true;
            call->execute.directory = tools.Folders().windows;
            return call;
        }
        case Form::WebPage:
            return ExecuteCall(command, kProductPage);
        case Form::Direct:
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::span<const LauncherItem> LauncherItems() {
    return kItems;
}

std::optional<LaunchKind> LauncherKindOf(std::string_view item) {
    const Command* command = FindCommand(item);
    return command ? std::optional<LaunchKind>(command->kind) : std::nullopt;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path + std::string(name);
}

SystemFolders FindSystemFolders(System& sys) {
    SystemFolders folders;
    folders.system = sys.SystemDirectory();
    folders.windows = sys.WindowsDirectory();
    folders.wow64 = sys.IsWow64Process();  // a 32-bit program whose System32 is redirected
    folders.native = !folders.wow64            ? folders.system
                     : folders.windows.empty() ? std::string()
                                               : JoinPath(folders.windows, "Sysnative");
    return folders;
}

std::optional<LaunchCall> ResolveLaunch(System& sys, std::string_view item) {
    const Command* command = FindCommand(item);
    if (!command) return std::nullopt;
    Tools tools(sys);
    return Resolve(tools, *command);
}

bool LaunchAvailable(System& sys, std::string_view item) {
    const Command* command = FindCommand(item);
    if (!command || command->kind == LaunchKind::Direct || command->kind == LaunchKind::ShellObject) return true;
    return ResolveLaunch(sys, item).has_value();
}

std::string ShellObjectErrorText(System& sys, const platform::ShellObjectAnswer& answer) {
    if (!answer.description.empty()) return answer.description;
    const auto code = static_cast<std::uint32_t>(answer.result);
    std::string text = sys.SystemErrorText(code);
    return text.empty() ? Format("OLE error %08X", code) : text;
}

void RunLaunch(System& sys, const LaunchCall& call, platform::WindowRef mainWindow) {
    switch (call.kind) {
        case LaunchKind::CommandLine:
            sys.RunCommandLine(call.commandLine, 1);
            return;
        case LaunchKind::ShellExecute: {
            platform::ShellExecuteRequest request = call.execute;
            request.parent = call.mainWindowParent ? mainWindow : 0;
            sys.ShellOpen(request);
            return;
        }
        case LaunchKind::ShellObject: {
            const platform::ShellObjectAnswer answer = sys.CallShellObject(call.method, call.argument);
            if (answer.result < 0) throw UserError(ShellObjectErrorText(sys, answer));
            return;
        }
        case LaunchKind::Direct:
            return;
    }
}

void Launch(System& sys, std::string_view item, platform::WindowRef mainWindow) {
    if (const std::optional<LaunchCall> call = ResolveLaunch(sys, item)) RunLaunch(sys, *call, mainWindow);
}

LaunchCall SoundSettingsCall(System& sys) {
    Tools tools(sys);
    // Without a system folder there is no rundll32 to name.
    return CommandLineCall(tools.Folders().native.empty() ? std::string() : tools.RunDll("Mmsys.cpl"));
}

LaunchCall MixerSettingsCall(System& sys) {
    Tools tools(sys);
    if (const auto path = tools.InWindows("sndvol32.exe")) return CommandLineCall(Quoted(*path));
    if (const auto path = tools.InSystem("sndvol32.exe")) return CommandLineCall(Quoted(*path));
    if (const auto path = tools.InSystem("SndVol.exe")) return CommandLineCall(Quoted(*path));
    const std::string& windows = tools.Folders().windows;
    return CommandLineCall(windows.empty() ? std::string() : Quoted(JoinPath(windows, "sndvol32.exe")));
}

}  // namespace orvane
