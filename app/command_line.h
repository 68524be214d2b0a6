#pragma once
// The two switches of the command line. Parameters are the process's parameters as the runtime
// splits them, the program name not counted.

#include <optional>
#include <string>
#include <vector>

namespace orvane {

// An unattended inventory run: "/JSON <file>" or "/HTML <file>", optionally followed by "/REDACT" (each
// switch in any case).
enum class InventoryFormat { Json, Html };
struct InventoryCommand {
    InventoryFormat format = InventoryFormat::Json;
    std::string path;
    bool redact = false;
};

struct LaunchOptions {
    // Set when the parameters ask for batch mode: exactly "/AUTO" (any case) and a non-empty path.
    std::optional<std::string> batchPath;
    // "/nocom" (any case) as the first parameter: the serial ports are not touched.
    bool noCom = false;
    // Set when the first parameter is /JSON, /HTML or /REDACT and the rest make an inventory command.
    std::optional<InventoryCommand> inventory;
    // The first parameter is one of those switches but the rest do not fit: the run is unattended and
    // ends with the command line's exit status, never in the interactive program.
    bool inventoryMisread = false;
};

LaunchOptions ParseLaunchOptions(const std::vector<std::string>& parameters);

}  // namespace orvane
