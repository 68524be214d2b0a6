// The uninstall command line as a registry entry gives it (any bytes: quotes left open, runs of tabs
// and spaces, NULs) split into program and parameters, with a file search that finds a fixed set of
// names the input chooses, so that each run's answer is the same.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "screens/uninstall/uninstall_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::FuzzInput in(data, size);
    // The names that exist: each a leading part of the line, picked by length.
    std::set<std::size_t> existingLengths;
    for (std::size_t count = in.Byte() % 4; count > 0; --count) existingLengths.insert(in.Byte());
    const std::string line = in.RestText();
    std::size_t asked = 0;
    const auto findFile = [&](const std::string& name) -> std::optional<std::string> {
        ++asked;
        // Every name asked is a leading part of the line (after its leading blanks).
        if (name.size() > line.size() || line.find(name) == std::string::npos) fuzz::Fail("a name asked is part of the line");
        if (existingLengths.count(name.size()) == 0) return std::nullopt;
        return "C:\\Found\\" + name;
    };
    const CommandLine split = SplitCommandLine(line, findFile);
    // Neither part can be longer than the line with the found path's prefix.
    if (split.program.size() > line.size() + 9 || split.parameters.size() > line.size()) fuzz::Fail("the parts fit the line");
    // The parameters are always the line's tail.
    if (!split.parameters.empty() &&
        !std::string_view(line).ends_with(split.parameters)) {
        fuzz::Fail("the parameters are the line's tail");
    }
    if (asked > line.size() + 1) fuzz::Fail("at most one file search per word");
    (void)UninstallQuestion("Application", line, split.program);
    (void)UninstallRefusal("Application", line, split);
    return 0;
}
