#pragma once
// The two switches of the command line. Parameters are the process's parameters as the runtime
// splits them, the program name not counted.

#include <optional>
#include <string>
#include <vector>

namespace orvane {

struct LaunchOptions {
    // Set when the parameters ask for batch mode: exactly "/AUTO" (any case) and a non-empty path.
    std::optional<std::string> batchPath;
    // "/nocom" (any case) as the first parameter: the serial ports are not touched.
    bool noCom = false;
};

LaunchOptions ParseLaunchOptions(const std::vector<std::string>& parameters);

}  // namespace orvane
