#pragma once
// What TfrmStartup lists: the programs the system starts at logon, from the Run keys of the machine and
// the user and from the two Startup folders, each with where it was found, its name, its command or
// path, and whether the user left it enabled in Task Manager.

#include <string>
#include <vector>

#include "platform/system.h"
#include "screens/lists/inventory_list.h"

namespace orvane {

inline constexpr const char* kEnabledText = "Enabled";
inline constexpr const char* kDisabledText = "Disabled";
inline constexpr const char* kAllUsersStartupText = "All Users - Startup folder";
inline constexpr const char* kCurrentUserStartupText = "Current User - Startup folder";

// A Run key and what its rows say about where they were found.
struct RunKeyPlace {
    platform::Hive hive;
    bool view32;  // the view 64-bit Windows gives 32-bit programs
    const char* path;
    const char* location;
    // The value under ...\Explorer\StartupApproved (same hive) that holds the entries' enabled state;
    // nullptr where Task Manager keeps none.
    const char* approvedKey;
};

// The Run keys in the order listed: the machine's before the user's; the machine's 32-bit keys only on
// 64-bit Windows.
std::vector<RunKeyPlace> RunKeyPlaces(bool windows64);

// Task Manager's flag bytes: an entry is disabled when the low bit of the first byte is set (03), and
// enabled otherwise (02, 06) or when there is no value.
bool StartupApprovedDisabled(const std::vector<std::uint8_t>& flags);

// The startup folders: the shell's (CSIDL_COMMON_STARTUP, CSIDL_STARTUP), or where the shell cannot name
// them, the fixed profile paths of Windows 2000 and XP (the user's with the logged-on user's name).
struct StartupFolder {
    std::string path;  // without a trailing backslash
    const char* location;
    platform::Hive approvedHive;
};
std::vector<StartupFolder> StartupFolders(platform::System& sys);

// Rows of four cells (location, name, command or path, status) in the order found; never sorted.
// Values of a non-text type (the "Flags" number under RunOnceEx) and empty texts are no programs and
// are skipped; every entry of a Startup folder but "." and ".." is listed.
ListRefresh ReadStartupList(platform::System& sys, bool windows64);

}  // namespace orvane
