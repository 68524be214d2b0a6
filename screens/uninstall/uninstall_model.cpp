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

CommandLine SplitCommandLine(std::string_view line, platform::Programs& programs) {
    return SplitCommandLine(line, [&](const std::string& name) { return programs.FindProgramFile(name); });
}

std::string UninstallQuestion(std::string_view applicationName, std::string_view commandLine) {
    return "Uninstall \"" + std::string(applicationName) + "\"?\r\n\r\nThis runs its uninstall command:\r\n" +
           std::string(commandLine);
}

std::optional<std::string> StartUninstall(platform::System& sys, std::string_view applicationName,
                                          std::string_view commandLine) {
    const std::string prefix = "The uninstall command of \"" + std::string(applicationName) + "\" could not be started";
    const CommandLine command = SplitCommandLine(commandLine, sys);
    if (command.program.empty()) return prefix + ": it has no uninstall command.";
    platform::ShellExecuteRequest request{.verb = "open", .file = command.program};
    if (!command.parameters.empty()) request.parameters = command.parameters;
    const std::intptr_t answer = sys.ShellOpen(request);
    if (answer > 32) return std::nullopt;
    return prefix + ":\r\n" + std::string(commandLine) + "\r\n\r\n" + ShellErrorText(answer);
}

}  // namespace orvane
