#include "app/inventory_batch.h"

#include <array>
#include <exception>
#include <optional>

#include "app/batch.h"
#include "app/report_outputs.h"
#include "app/summary.h"
#include "app/version_gate.h"
#include "core/error.h"
#include "core/replace_file.h"
#include "inventory/inventory.h"
#include "inventory/inventory_html.h"
#include "inventory/inventory_json.h"
#include "inventory/redaction.h"

namespace orvane::inventory {

namespace {

// The rows as the main window would hold them, without the window.
class RowStore : public SummaryView {
public:
    void ShowValue(int row, const std::string& text) override { values[static_cast<std::size_t>(row - 1)] = text; }
    std::string Value(int row) override { return values[static_cast<std::size_t>(row - 1)].value_or(std::string()); }
    void ShowPersonalValue(PersonalRow, const std::string&) override {}

    std::array<std::optional<std::string>, kSummaryRowCount> values;
};

}  // namespace

void ReadSummarySection(platform::System& sys, CPUClockRecord& clock, Value& section) {
    RowStore store;
    std::exception_ptr failure;
    try {
        // The personal rows are the personal section's.
        RunSummaryRefresh(sys, store, LaunchOptions{}, kSummaryRows, {}, &clock);
    } catch (...) {
        failure = std::current_exception();
    }
    Value& rows = section.Set("rows", Value::List(), "Rows");
    for (int row = 1; row <= kSummaryRowCount; ++row) {
        const std::optional<std::string>& value = store.values[static_cast<std::size_t>(row - 1)];
        Value line = Value::Object();
        line.Set("label", Value::Text(kSummaryRows[row - 1].label, Origin::Program), "Item");
        // A whole refresh leaves a row it did not write empty, as the report writes it; a refresh that
        // ended early did not reach the rows it did not write.
        if (value || !failure) {
            line.Set("value", Value::Text(value.value_or(std::string()), Origin::Machine), "Details");
        } else {
            line.Set("value", Value(), "Details");
        }
        rows.Append(std::move(line));
    }
    if (failure) std::rethrow_exception(failure);
}

Inventory ReadMachineInventory(platform::System& sys, const std::string& generatedAt) {
    InventoryRequest request;
    request.generatedAt = generatedAt;
    request.readSummary = [&sys](CPUClockRecord& clock, Value& section) { ReadSummarySection(sys, clock, section); };
    return ReadInventory(sys, request);
}

std::string BuildInventoryDocument(platform::System& sys, InventoryFormat format, bool redact,
                                   const std::string& generatedAt) {
    Inventory inventory = ReadMachineInventory(sys, generatedAt);
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
