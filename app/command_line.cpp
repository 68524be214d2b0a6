#include "app/command_line.h"

#include "core/text.h"

namespace orvane {

LaunchOptions ParseLaunchOptions(const std::vector<std::string>& parameters) {
    LaunchOptions options;
    if (!parameters.empty()) options.noCom = ToLowerAscii(parameters[0]) == "/nocom";
    if (parameters.size() == 2 && ToUpperAscii(parameters[0]) == "/AUTO" && !parameters[1].empty()) {
        options.batchPath = parameters[1];
    }
    if (parameters.empty()) return options;
    const std::string first = ToUpperAscii(parameters[0]);
    if (first != "/JSON" && first != "/HTML" && first != "/REDACT") return options;
    const bool redactLast = parameters.size() == 3 && ToUpperAscii(parameters[2]) == "/REDACT";
    const bool fits = first != "/REDACT" && (parameters.size() == 2 || redactLast) && !parameters[1].empty() &&
                      ToUpperAscii(parameters[1]) != "/REDACT";
    if (!fits) {
        options.inventoryMisread = true;
        return options;
    }
    options.inventory = InventoryCommand{first == "/JSON" ? InventoryFormat::Json : InventoryFormat::Html,
                                         parameters[1], redactLast};
    return options;
}

}  // namespace orvane
