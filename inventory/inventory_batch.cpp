#include "inventory/inventory_batch.h"

#include "app/batch.h"
#include "app/report_outputs.h"
#include "app/version_gate.h"
#include "core/error.h"
#include "core/replace_file.h"
#include "inventory/inventory.h"
#include "inventory/inventory_html.h"
#include "inventory/inventory_json.h"
#include "inventory/redaction.h"

namespace orvane::inventory {

std::string BuildInventoryDocument(platform::System& sys, InventoryFormat format, bool redact,
                                   const std::string& generatedAt) {
    Inventory inventory = ReadInventory(sys, InventoryRequest{.generatedAt = generatedAt});
    if (redact) RedactInventory(inventory, sys.ShellFolderPath(platform::kCsidlProfile));
    return format == InventoryFormat::Json ? BuildInventoryJson(inventory, sys) : BuildInventoryHtml(inventory, sys);
}

void WriteInventory(platform::System& sys, const std::string& path, InventoryFormat format, bool redact,
                    const std::string& generatedAt) {
    const std::string document = BuildInventoryDocument(sys, format, redact, generatedAt);
    if (ReplaceFileContents(sys, path, document) != 0) throw UserError(CannotCreateFileMessage(path));
}

BatchOutcome RunInventoryCommand(platform::System& sys, const LaunchOptions& options, const std::string& generatedAt) {
    if (!options.inventory) return {kExitCommandLine, kCommandLineMessage};
    // The refusal of the window run, without its message box.
    if (RefusesToRun(sys.Version())) return {kExitNotWritten, std::string("Orvane: ") + kRefusalText};
    const InventoryCommand& command = *options.inventory;
    const std::string document = BuildInventoryDocument(sys, command.format, command.redact, generatedAt);
    if (const int error = ReplaceFileContents(sys, command.path, document); error != 0) {
        return {kExitNotWritten, "Orvane: " + CannotCreateFileMessage(command.path) + " (" + InOutErrorText(error) + ")"};
    }
    return {};
}

}  // namespace orvane::inventory
