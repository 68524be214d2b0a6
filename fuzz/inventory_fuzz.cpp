// The inventory's writers over hostile registry texts: the sample machine with texts from the input
// planted where the lists, the display window and the personal rows show them (any bytes, up to 300 KB:
// quotes, markup, control characters, bytes above 0x7F), read whole but for the summary (its rows are
// the application's), maybe redacted, and written. The
// JSON must always read back under the strict grammar with the texts whole, and the HTML must have the
// very markup of the page the same machine gives with harmless texts in those places.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/text.h"
#include "fuzz/fuzz_input.h"
#include "inventory/inventory.h"
#include "inventory/inventory_html.h"
#include "inventory/inventory_json.h"
#include "inventory/redaction.h"
#include "inventory/testing/html_check.h"
#include "inventory/testing/json_check.h"
#include "inventory/text_encoding.h"
#include "platform/testing/sample_machine.h"

namespace {

using namespace orvane;
using orvane::testing::TestMachine;

constexpr std::size_t kLongest = 300 * 1024;

struct Place {
    const char* key;
    const char* value;
    bool machineKey;  // false: under HKEY_CURRENT_USER
};
// Where the texts go: an application's cells, a Run entry, a device's description, the display adapter's.
constexpr Place kPlaces[] = {
    {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sample64", "Publisher", true},
    {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sample64", "DisplayName", true},
    {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\SampleUser", "InstallLocation", false},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Run", "SampleTray", true},
    {"SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e967-e325-11ce-bfc1-08002be10318}\\0000", "DriverDesc", true},
    {"SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}\\0000", "DriverDesc", true},
};

struct Run {
    std::string json;
    std::string html;
};

// The texts planted, plus the computer and user names the identity rows show.
Run Inventory(const std::vector<std::string>& texts, const std::string& computer, const std::string& user,
              bool redact) {
    TestMachine machine;
    testing::FillSampleMachine(machine);
    for (std::size_t i = 0; i < std::size(kPlaces); ++i) {
        std::vector<std::uint8_t> bytes(texts[i].begin(), texts[i].end());
        bytes.push_back(0);
        machine.SetValue(kPlaces[i].machineKey ? platform::Hive::LocalMachine : platform::Hive::CurrentUser,
                         kPlaces[i].key, kPlaces[i].value, {platform::kRegSz, bytes});
    }
    machine.computerName = computer;
    machine.userName = user;
    inventory::Inventory document =
        inventory::ReadInventory(machine, {.generatedAt = "2024-05-01T09:30:00Z", .program64 = true});
    if (redact) inventory::RedactInventory(document, machine.ShellFolderPath(platform::kCsidlProfile));
    return {inventory::BuildInventoryJson(document, machine), inventory::BuildInventoryHtml(document, machine)};
}

// A harmless text that the lists treat as the hostile one: empty where it reads empty.
std::string Harmless(const std::string& text) {
    return TextUpToNul(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()).empty() ? "" : "x";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const bool redact = in.Bool();
    std::vector<std::string> texts;
    bool repeated = false;
    for (std::size_t i = 0; i < std::size(kPlaces); ++i) {
        // A piece of the input repeated, so that a short input still makes a text of up to 300 KB. One
        // place at most is repeated: six such texts cost the run six times as much and find nothing one
        // does not.
        const std::uint8_t repeat = in.Byte();
        const std::string piece = in.Text();
        std::string text;
        const bool repeats = repeat >= 0xF0 && !repeated;
        repeated = repeated || repeats;
        const std::size_t times = !repeats ? 1 : static_cast<std::size_t>(repeat - 0xEF) * 2000;
        while (text.size() + piece.size() <= kLongest && times > 0 && text.size() < piece.size() * times) text += piece;
        texts.push_back(text.empty() ? piece.substr(0, kLongest) : text);
    }
    const std::string computer = in.Text();
    const std::string user = in.Text();

    const Run hostile = Inventory(texts, computer, user, redact);
    inventory::testing::JsonReader reader(hostile.json);
    const std::optional<inventory::testing::JsonNode> doc = reader.Read();
    if (!doc) {
        std::fprintf(stderr, "%s\n", reader.Error().c_str());
        fuzz::Fail("the JSON reads back");
    }
    if (!redact && !Harmless(texts[1]).empty()) {
        // The publisher's cell (of an entry that is listed, its name not empty) is the planted text up to
        // its first NUL, converted and whole.
        TestMachine locale;
        const std::string planted =
            TextUpToNul(reinterpret_cast<const std::uint8_t*>(texts[0].data()), texts[0].size());
        const auto& items = (*doc)["applications"]["items"].items;
        const bool listed = std::any_of(items.begin(), items.end(), [&](const auto& item) {
            return item["publisher"].string == inventory::AnsiToUtf8(locale, planted);
        });
        if (!listed) fuzz::Fail("the publisher's text survives whole");
    }

    if (!inventory::IsValidUtf8(hostile.html)) fuzz::Fail("the page is UTF-8");
    for (char c : hostile.html) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n' && c != '\t' && c != '\r') || byte == 0x7F) fuzz::Fail("no control characters");
    }
    std::vector<std::string> harmless;
    for (const std::string& text : texts) harmless.push_back(Harmless(text));
    // The reference pages differ only by which texts are empty and by the flag: each is made once.
    static std::map<std::string, std::vector<std::string>> references;
    std::string which = redact ? "r" : "-";
    for (const std::string& text : harmless) which += text.empty() ? '0' : '1';
    which += Harmless(computer).empty() ? '0' : '1';
    which += Harmless(user).empty() ? '0' : '1';
    auto reference = references.find(which);
    if (reference == references.end()) {
        const Run page = Inventory(harmless, Harmless(computer), Harmless(user), redact);
        reference = references.emplace(which, inventory::testing::TagSequence(page.html)).first;
    }
    if (inventory::testing::TagSequence(hostile.html) != reference->second) {
        fuzz::Fail("the hostile texts change no markup");
    }
    return 0;
}
