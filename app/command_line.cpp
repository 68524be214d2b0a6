#include "app/command_line.h"

#include "core/text.h"

namespace orvane {

LaunchOptions ParseLaunchOptions(const std::vector<std::string>& parameters) {
    LaunchOptions options;
    if (!parameters.empty()) options.noCom = ToLowerAscii(parameters[0]) == "/nocom";
    if (parameters.size() == 2 && ToUpperAscii(parameters[0]) == "/AUTO" && !parameters[1].empty()) {
        options.batchPath = parameters[1];
    }
    return options;
}

}  // namespace orvane
