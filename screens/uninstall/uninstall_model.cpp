#include "screens/uninstall/uninstall_model.h"

#include "core/text.h"
#include "probes/registry_reader.h"

namespace orvane {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

// The shell's execute call's error codes as a user reads them.
std::string ShellErrorText(std::intptr_t code) {
    switch (code) {
        case 0:
        case 8:  // SE_ERR_OOM
            return "The system is out of memory or resources.";
        case 2:  // SE_ERR_FNF
            return "The program was not found.";
        case 3:  // SE_ERR_PNF
            return "The path was not found.";
        case 5:  // SE_ERR_ACCESSDENIED
            return "Access was denied.";
        case 11:  // ERROR_BAD_FORMAT
            return "The program is not a valid Windows program.";
        case 31:  // SE_ERR_NOASSOC
            return "No program is associated with the file.";
        default:
            return Format("The shell refused to start it (error %d).", static_cast<int>(code));
    }
}

}  // namespace

std::vector<UninstallPlace> UninstallPlaces(bool windows64) {
    if (windows64) {
        return {{platform::Hive::LocalMachine, false},
                {platform::Hive::LocalMachine, true},
                {platform::Hive::CurrentUser, false}};
    }
    return {{platform::Hive::LocalMachine, false}, {platform::Hive::CurrentUser, false}};
}

ListRefresh ReadUninstallList(platform::Registry& registry, bool windows64, std::vector<UninstallPlace>* rowPlaces) {
    ListRefresh list;
    if (rowPlaces) rowPlaces->clear();
    try {
        for (const UninstallPlace& place : UninstallPlaces(windows64)) {
            auto open = [&](const std::string& path) {
                return place.view32 ? RegKey::Open32(registry, path, place.hive)
                                    : RegKey::Open(registry, path, place.hive);
            };
            RegKey entries = open(kUninstallKey);
            if (!entries.IsOpen()) continue;
            for (const std::string& entryName : entries.SubkeyNames()) {
                RegKey entry = open(std::string(kUninstallKey) + "\\" + entryName);
                if (!entry.IsOpen()) continue;
                std::string name = entry.ReadText(kUninstallValues[0]);
                if (name.empty()) continue;
                list.rows.push_back({std::move(name)});
                if (rowPlaces) rowPlaces->push_back(place);
                for (std::size_t cell = 1; cell < std::size(kUninstallValues); ++cell) {
                    list.rows.back().push_back(entry.ReadText(kUninstallValues[cell]));
                }
            }
        }
    } catch (const RegistryError& error) {
        list.error = error.what();
    }
    return list;
}

CommandLine SplitCommandLine(std::string_view line,
                             const std::function<std::optional<std::string>(const std::string&)>& findFile) {
    line = SkipBlanks(line);
    if (line.empty()) return {};
    if (line.front() == '"') {
        line.remove_prefix(1);
        const std::size_t close = line.find('"');
        if (close == std::string_view::npos) return {std::string(line), {}};
        return {std::string(line.substr(0, close)), std::string(SkipBlanks(line.substr(close + 1)))};
    }
    // Each run of words ends before a blank; the runs grow one word at a time, as process creation tries them.
    std::size_t firstEnd = std::string_view::npos;
    for (std::size_t end = 0; end <= line.size(); ++end) {
        if (end < line.size() && !IsBlank(line[end])) continue;
        if (end > 0 && IsBlank(line[end - 1])) continue;  // still inside a run of blanks
        if (firstEnd == std::string_view::npos) firstEnd = end;
        if (const std::optional<std::string> found = findFile(std::string(line.substr(0, end)))) {
            return {*found, std::string(SkipBlanks(line.substr(end)))};
        }
    }
    return {std::string(line.substr(0, firstEnd)), std::string(SkipBlanks(line.substr(firstEnd)))};
}

namespace {

// "C:\\..." or "\\\\server\\...": a path that does not depend on the current folder.
bool IsFullPath(std::string_view path) {
    if (path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/')) return true;
    return path.size() >= 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/');
}

// A name without any folder ("MsiExec.exe", "RunDll32").
bool IsBareName(std::string_view name) {
    return !name.empty() && name.find_first_of("\\/:") == std::string_view::npos;
}

// The folders a bare program name is looked for in: the system's own first, then those of PATH that are
// named in full (a relative entry, such as ".", would be the current folder).
std::string BareNameFolders(platform::System& sys) {
    std::string folders;
    auto add = [&folders](std::string_view entry) {
        const std::string folder = Trim(entry);
        if (!IsFullPath(folder)) return;
        if (!folders.empty()) folders += ';';
        folders += folder;
    };
    add(sys.SystemDirectory());
    add(sys.WindowsDirectory());
    const std::string path = sys.EnvironmentVariable("PATH").value_or("");
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(';', start);
        if (end == std::string::npos) end = path.size();
        add(std::string_view(path).substr(start, end - start));
        start = end + 1;
    }
    return folders;
}

std::string UninstallFailurePrefix(std::string_view applicationName) {
    return "The uninstall command of \"" + std::string(applicationName) + "\" could not be started";
}

// One pair of double quotes around the whole text, as some installers write a folder.
std::string Unquoted(std::string_view text) {
    std::string trimmed = Trim(text);
    if (trimmed.size() >= 2 && trimmed.front() == '"' && trimmed.back() == '"') {
        trimmed = trimmed.substr(1, trimmed.size() - 2);
    }
    return trimmed;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

CommandLine FindUninstallProgram(platform::System& sys, std::string_view commandLine) {
    const std::string folders = BareNameFolders(sys);
    auto find = [&](const std::string& name) -> std::optional<std::string> {
        if (IsBareName(name)) return sys.FindProgramFileIn(folders, name);
        return sys.FindProgramFile(name);
    };
    CommandLine command = SplitCommandLine(commandLine, find);
    // A quoted bare name is looked for the same way; one that is found nowhere stays as it was written.
    if (IsBareName(command.program)) {
        if (std::optional<std::string> found = sys.FindProgramFileIn(folders, command.program)) {
            command.program = *found;
        }
    }
    return command;
}

std::string UninstallQuestion(std::string_view applicationName, std::string_view commandLine,
                              std::string_view program) {
    return "Uninstall \"" + std::string(applicationName) + "\"?\r\n\r\nThis runs its uninstall command:\r\n" +
           std::string(commandLine) + "\r\n\r\nProgram: " + std::string(program);
}

std::optional<std::string> UninstallRefusal(std::string_view applicationName, std::string_view commandLine,
                                            const CommandLine& command) {
    if (command.program.empty()) return UninstallFailurePrefix(applicationName) + ": it has no uninstall command.";
    // The shell would look for a name that is not a full path in the program's folder and the current one.
    if (!IsFullPath(command.program)) {
        return UninstallFailurePrefix(applicationName) + ":\r\n" + std::string(commandLine) + "\r\n\r\n" +
               ShellErrorText(2);
    }
    return std::nullopt;
}

std::optional<std::string> StartUninstall(platform::System& sys, std::string_view applicationName,
                                          std::string_view commandLine, const CommandLine& command) {
    if (std::optional<std::string> refusal = UninstallRefusal(applicationName, commandLine, command)) return refusal;
    platform::ShellExecuteRequest request{.verb = "open", .file = command.program};
    if (!command.parameters.empty()) request.parameters = command.parameters;
    const std::intptr_t answer = sys.ShellOpen(request);
    if (answer > 32) return std::nullopt;
    return UninstallFailurePrefix(applicationName) + ":\r\n" + std::string(commandLine) + "\r\n\r\n" +
           ShellErrorText(answer);
}

std::optional<std::string> OpenHelpLink(platform::System& sys, std::string_view applicationName,
                                        std::string_view link) {
    const std::string address = Trim(link);
    if (address.empty()) return std::nullopt;
    // Any other text would be opened by the shell as a file or a program.
    if (!StartsWithIgnoreCase(address, "http://") && !StartsWithIgnoreCase(address, "https://")) {
        return "The help link of \"" + std::string(applicationName) +
               "\" was not opened: it is not a web address (http: or https:).\r\n\r\n" + std::string(link);
    }
    sys.ShellOpen({.verb = "open", .file = address});
    return std::nullopt;
}

std::optional<std::string> OpenInstallFolder(platform::System& sys, std::string_view applicationName,
                                             std::string_view column, std::string_view folder) {
    if (Trim(folder).empty()) return std::nullopt;
    const std::string path = Unquoted(folder);
    const std::optional<std::uint32_t> attributes = IsFullPath(path) ? sys.FileAttributes(path) : std::nullopt;
    // Only a folder is opened: the shell would run a program or open a document named there.
    if (!attributes || !(*attributes & platform::kFileAttributeDirectory)) {
        return "The " + std::string(column) + " of \"" + std::string(applicationName) +
               "\" was not opened: it is not a folder on this computer.\r\n\r\n" + std::string(folder);
    }
    sys.ShellOpen({.verb = "open", .file = path});
    return std::nullopt;
}

}  // namespace orvane
