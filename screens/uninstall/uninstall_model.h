#pragma once
// What TfrmUnistall lists and does: the installed applications registered for removal, nine columns of
// each entry's registration data, and the uninstall command split into program and parameters.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/programs.h"
#include "platform/system.h"
#include "platform/registry.h"
#include "screens/lists/inventory_list.h"

namespace orvane {

inline constexpr const char* kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// The registry values of the row's cells, in column order: the name, then the eight sub-items.
inline constexpr const char* kUninstallValues[] = {"DisplayName",   "DisplayVersion",  "HelpLink",
                                                   "HelpTelephone", "InstallLocation", "InstallSource",
                                                   "Publisher",     "Readme",          "UninstallString"};
// Cells of a row (0 is the item text) that the context menu's actions use.
inline constexpr std::size_t kHelpLinkCell = 2;
inline constexpr std::size_t kInstallLocationCell = 4;
inline constexpr std::size_t kInstallSourceCell = 5;
inline constexpr std::size_t kUninstallCell = 8;

// Where uninstall entries are registered.
struct UninstallPlace {
    platform::Hive hive;
    bool view32;  // the view 64-bit Windows gives 32-bit programs
};

// On 64-bit Windows: the machine's 64-bit view, its 32-bit view and the user's own key. Elsewhere the
// machine key and the user's key (there is no second view, and Windows 2000 refuses to be asked for one).
std::vector<UninstallPlace> UninstallPlaces(bool windows64);

// One row per entry with a non-empty "DisplayName", place by place in the order above and entry by
// entry in the order enumerated; every row carries the eight sub-items (empty where a value is missing).
// A value of a non-text type ends the walk with the error; the row being read keeps the cells read
// before it. With rowPlaces, where each row was found, one entry per row.
ListRefresh ReadUninstallList(platform::Registry& registry, bool windows64,
                              std::vector<UninstallPlace>* rowPlaces = nullptr);

// A command line as the program it names and the parameters that follow.
struct CommandLine {
    std::string program;
    std::string parameters;

    bool operator==(const CommandLine&) const = default;
};

// Splits a command line the way process creation reads it. A first token in double quotes is the
// program, and whatever follows the closing quote (leading blanks removed) the parameters. Unquoted, the
// program is the shortest leading run of blank-separated words that names an existing file (as
// findFile answers: the file's full path, which becomes the program); when none does, the first word.
// Blanks are spaces and tabs; an empty or blank line gives an empty program.
CommandLine SplitCommandLine(std::string_view line,
                             const std::function<std::optional<std::string>(const std::string&)>& findFile);

// The program an uninstall command runs, and its parameters: split as above, a program named by its
// path looked for as process creation would, and a bare name (quoted or not, "MsiExec.exe") looked for
// in the system folder, then the Windows folder, then the folders of PATH that are named in full; never
// in the program's own folder or the current one, where a file of that name may have been put.
CommandLine FindUninstallProgram(platform::System& sys, std::string_view commandLine);

// The Yes/No question asked before an uninstall command runs: the application, its command and the
// program that will run.
std::string UninstallQuestion(std::string_view applicationName, std::string_view commandLine, std::string_view program);

// Why the command cannot run (no command; no program found by its full path), or nullopt when it can.
std::optional<std::string> UninstallRefusal(std::string_view applicationName, std::string_view commandLine,
                                            const CommandLine& command);

// Starts the program found with its parameters through the shell ("open"), so that an uninstaller that
// needs elevation gets its prompt. nullopt when it started; else the message for the user.
std::optional<std::string> StartUninstall(platform::System& sys, std::string_view applicationName,
                                          std::string_view commandLine, const CommandLine& command);

// The context menu's links. Each opens its cell through the shell when it is what the item opens: a web
// address (http: or https:) for the help link, a folder that exists, named by its full path, for the
// install location and source. nullopt when it was opened or the cell is empty; else the message for
// the user, and nothing is run.
std::optional<std::string> OpenHelpLink(platform::System& sys, std::string_view applicationName, std::string_view link);
std::optional<std::string> OpenInstallFolder(platform::System& sys, std::string_view applicationName,
                                             std::string_view column, std::string_view folder);

}  // namespace orvane
