#pragma once
// The tools launcher: what each item of the System, Control Panel, Programs and Hardware menus and the
// Help menu's web page starts, found on the system at hand (the direct items are hardware_actions.h).
// The decisions are here; the calls go through the platform seam.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/system.h"

namespace orvane {

enum class LaunchKind {
    CommandLine,   // WinExec of a command line, show state 1
    ShellExecute,  // the shell's execute call (Shell::ShellOpen)
    ShellObject,   // a method of the "Shell.Application" object, called by name
    Direct,        // the item's own platform calls (taskbar, monitor, CD tray, beeper, microphone)
};

// One launch as data: the call and its arguments.
struct LaunchCall {
    LaunchKind kind = LaunchKind::CommandLine;
    std::string commandLine;                // CommandLine
    platform::ShellExecuteRequest execute;  // ShellExecute; its parent is set when it is run
    bool mainWindowParent = false;          // ShellExecute: the main window is the parent, not none
    std::string method;                     // ShellObject
    std::optional<std::int32_t> argument;   // ShellObject: the method's one argument, if it takes one

    bool operator==(const LaunchCall&) const = default;
};

// The menus of the main window that hold launcher items.
enum class LauncherMenu { System, ControlPanel, Programs, Hardware, Help };

// How an item shows on its menu, beside its caption.
enum LauncherMark : unsigned {
    kPlainItem = 0,
    kAfterSeparator = 1,  // a separator stands before it
    kHiddenItem = 2,      // on the menu, with its shortcut's reach, but not shown
    kCheckItem = 4,       // carries a check mark (the direct items that stay on until cleared)
};

struct LauncherItem {
    std::string_view name;  // the menu item's name
    LaunchKind kind;
    LauncherMenu menu;
    std::string_view caption;
    unsigned marks = kPlainItem;  // LauncherMark bits
};

// Every launcher item of the four menus and the Help menu, in menu order: the main window builds those
// menus from it.
std::span<const LauncherItem> LauncherItems();
// The kind of a launcher item; nullopt for a name that is not one.
std::optional<LaunchKind> LauncherKindOf(std::string_view item);

// The system folders the launcher builds its paths from.
struct SystemFolders {
    std::string system;   // GetSystemDirectoryA
    std::string windows;  // GetWindowsDirectoryA
    // Where the system's own tools are: the system folder, or "Sysnative" under the Windows folder for
    // a 32-bit program on 64-bit Windows, whose system folder is redirected to the 32-bit one.
    std::string native;
    bool wow64 = false;
};
SystemFolders FindSystemFolders(platform::System& sys);
// "folder\name", with one backslash between them.
std::string JoinPath(std::string_view folder, std::string_view name);

// What the item starts on this system: its designed tool, or the tool's successor where it moved, named
// by the full path where it was found (quoted in a command line).
// nullopt when the item's tool exists neither way here (the item is then shown unavailable), and for
// the direct items, which have no launch.
std::optional<LaunchCall> ResolveLaunch(platform::System& sys, std::string_view item);
// False only for a launch item whose tool is missing here; asked each time its menu opens.
bool LaunchAvailable(platform::System& sys, std::string_view item);
// Makes the call. Command lines and shell executions are fire-and-forget; a failed Shell.Application
// call raises the automation error's text for the error box (the object is released in any case).
void RunLaunch(platform::System& sys, const LaunchCall& call, platform::WindowRef mainWindow);
// ResolveLaunch, then RunLaunch; an unavailable item does nothing.
void Launch(platform::System& sys, std::string_view item, platform::WindowRef mainWindow);

// The sound window's two settings buttons: the sound applet and the volume mixer, by the same rules,
// each by its full path. Where no mixer exists the designed one is named in the Windows folder, and fails
// silently.
LaunchCall SoundSettingsCall(platform::System& sys);
LaunchCall MixerSettingsCall(platform::System& sys);

// The automation error's text: the exception's description, the system's text for the code, or the
// code itself.
std::string ShellObjectErrorText(platform::System& sys, const platform::ShellObjectAnswer& answer);

}  // namespace orvane
