#include "app/inventory_batch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>

#include "app/report_formats.h"
#include "app/summary.h"
#include "core/text.h"
#include "cpu/cpu_speed.h"
#include "screens/cpu/cpu_model.h"
#include "screens/memory/memory_model.h"
#include "inventory/inventory_json.h"
#include "inventory/testing/json_check.h"
#include "inventory/text_encoding.h"
#include "platform/testing/sample_machine.h"
#include "screens/display/display_model.h"
#include "screens/drive/drive_model.h"
#include "screens/startup/startup_model.h"
#include "screens/uninstall/uninstall_model.h"

namespace orvane::inventory {
namespace {

using orvane::testing::FillSampleMachine;
using orvane::testing::TestMachine;
using testing::JsonNode;
using testing::JsonReader;

constexpr const char* kWhen = "2024-05-01T09:30:00Z";

Inventory ReadSample(const std::function<void(TestMachine&)>& change = {}) {
    TestMachine machine;
    FillSampleMachine(machine);
    if (change) change(machine);
    return ReadMachineInventory(machine, kWhen);
}

JsonNode Parse(const std::string& json) {
    JsonReader reader(json);
    const std::optional<JsonNode> node = reader.Read();
    EXPECT_TRUE(node.has_value()) << reader.Error();
    return node.value_or(JsonNode{});
}

JsonNode SampleDocument(const std::function<void(TestMachine&)>& change = {}) {
    TestMachine locale;
    return Parse(BuildInventoryJson(ReadSample(change), locale));
}

// One section alone, as JSON text, to compare sections of two documents.
std::string SectionJson(const JsonNode& document, std::string_view key) {
    std::function<std::string(const JsonNode&)> write = [&](const JsonNode& node) -> std::string {
        switch (node.kind) {
            case JsonNode::Kind::Null: return "null";
            case JsonNode::Kind::Boolean: return node.boolean ? "true" : "false";
            case JsonNode::Kind::Number: return node.number;
            case JsonNode::Kind::String: return JsonString(node.string);
            case JsonNode::Kind::Object: {
                std::string out = "{";
                for (std::size_t i = 0; i < node.keys.size(); ++i) {
                    out += JsonString(node.keys[i]) + ":" + write(node.values[i]) + ",";
                }
                return out + "}";
            }
            case JsonNode::Kind::Array: {
                std::string out = "[";
                for (const JsonNode& item : node.items) out += write(item) + ",";
                return out + "]";
            }
        }
        return "";
    };
    return write(document[key]);
}

TEST(Inventory, EverySectionHoldsWhatItsWindowShowsForTheSameMachine) {
    const JsonNode doc = SampleDocument();
    EXPECT_EQ(doc["schema_version"].string, "1.0");
    EXPECT_EQ(doc["generator"]["name"].string, "Orvane");
    EXPECT_EQ(doc["generated_at"].string, kWhen);
    EXPECT_FALSE(doc["redacted"].boolean);
    EXPECT_TRUE(doc["errors"].items.empty()) << SectionJson(doc, "errors");
    const char* order[] = {"schema_version", "generator", "generated_at", "redacted", "errors",  "summary", "personal",
                           "cpu",            "memory",    "display",      "drives",   "devices", "applications",
                           "startup",        "sound"};
    ASSERT_EQ(doc.keys.size(), std::size(order));
    for (std::size_t i = 0; i < std::size(order); ++i) EXPECT_EQ(doc.keys[i], order[i]);

    // The same machine read by the windows' own code.
    TestMachine machine;
    FillSampleMachine(machine);

    // Summary: the 29 lines the text report writes.
    struct Store : SummaryView, ControlTexts {
        std::map<int, std::string> values;
        void ShowValue(int row, const std::string& text) override { values[row] = text; }
        std::string Value(int row) override { return values[row]; }
        void ShowPersonalValue(PersonalRow, const std::string&) override {}
        std::optional<std::string> TextOf(std::string_view name) override {
            for (int row = 1; row <= kSummaryRowCount; ++row) {
                if (EqualsIgnoreCase(name, SummaryLabelName(row))) return kSummaryRows[row - 1].label;
                if (EqualsIgnoreCase(name, SummaryValueName(row))) return values[row];
            }
            return std::nullopt;
        }
    } store;
    RunSummaryRefresh(machine, store, LaunchOptions{}, kSummaryRows, {});
    std::string fromDocument;
    for (const JsonNode& row : doc["summary"]["rows"].items) {
        fromDocument += row["label"].string + ": " + row["value"].string + "\r\n";
    }
    EXPECT_EQ(fromDocument, BuildTextReport(ReadSummaryRows(store)));
    EXPECT_EQ(doc["summary"]["rows"][27]["label"].string, "Motherboard");

    // Personal.
    const JsonNode& personal = doc["personal"];
    EXPECT_EQ(personal["computer_name"].string, orvane::testing::kSampleComputer);
    EXPECT_EQ(personal["ip_addresses"].string, std::string(orvane::testing::kSampleIp) + " | ");
    ASSERT_EQ(personal["ip_address_list"].items.size(), 1u);
    EXPECT_EQ(personal["ip_address_list"][0].string, orvane::testing::kSampleIp);
    EXPECT_EQ(personal["mac_address"].string, orvane::testing::kSampleMac);
    EXPECT_EQ(personal["product_id"].string, orvane::testing::kSampleProductId);
    EXPECT_FALSE(personal["administrator"].boolean);
    EXPECT_EQ(personal["administrator_text"].string, "You Do NOT have Administrator Privileges");

    // CPU: the window's rows, named by the clock the summary measured (733 MHz).
    TestMachine cpuMachine;
    FillSampleMachine(cpuMachine);
    const CPUWindowInfo info = ReadCPUWindowInfo(cpuMachine, 733);
    const JsonNode& cpu = doc["cpu"];
    EXPECT_EQ(cpu["chip"].string, info.chip);
    EXPECT_EQ(cpu["chip"].string, "1 x Pentium III E");
    // The code name's micro sign is the ANSI byte 0xB5 in the window and U+00B5 in the document.
    EXPECT_EQ(cpu["code_name"].string, AnsiToUtf8(cpuMachine, info.codeName));
    EXPECT_EQ(cpu["code_name"].string, "Coppermine (0.18 \xC2\xB5m)");
    EXPECT_EQ(cpu["vendor"].string, info.vendor);
    EXPECT_EQ(cpu["vendor"].string, "Intel Corporation");
    EXPECT_EQ(cpu["model_text"].string, info.model);
    EXPECT_EQ(cpu["family"].number, "6");
    EXPECT_EQ(cpu["model"].number, "8");
    EXPECT_EQ(cpu["stepping"].number, "3");
    EXPECT_EQ(cpu["bus_speed_text"].string, info.busSpeed);
    EXPECT_EQ(cpu["cpu_id"].string, "0683");
    EXPECT_EQ(cpu["clock_text"].string, "733.0 MHz");
    ASSERT_EQ(cpu["features"].items.size(), 25u);
    for (std::size_t i = 0; i < 25; ++i) {
        EXPECT_EQ(cpu["features"][i]["name"].string, info.features[i].caption);
        EXPECT_EQ(cpu["features"][i]["checked"].boolean, info.features[i].checked);
    }
    EXPECT_EQ(cpu["features"][5]["key"].string, "mmx");
    EXPECT_EQ(cpu["features"][5]["name"].string, "MMX extensions");
    EXPECT_EQ(cpu["features"][24]["key"].string, "fdiv_bug");
    EXPECT_EQ(cpu["cache"]["l1_data_bytes"].number, "16384");
    EXPECT_EQ(cpu["cache"]["l2_bytes"].number, "262144");
    EXPECT_TRUE(cpu["cache"]["l1_unified_bytes"].number == "0");

    // Memory.
    TestMachine memoryMachine;
    FillSampleMachine(memoryMachine);
    const MemoryWindowTexts memory = ReadMemoryWindow(memoryMachine);
    EXPECT_EQ(doc["memory"]["physical"]["total_bytes"].number, "536870912");
    EXPECT_EQ(doc["memory"]["physical"]["total_text"].string, memory.values[0]);
    EXPECT_EQ(doc["memory"]["virtual"]["free_text"].string, memory.values[5]);
    EXPECT_EQ(doc["memory"]["load_percent"].number, "37");
    EXPECT_EQ(doc["memory"]["application_address_range_text"].string, "00010000 - 7FFEFFFF");

    // Display.
    TestMachine displayMachine;
    FillSampleMachine(displayMachine);
    DisplayWindowModel display;
    display.Refresh(displayMachine);
    const JsonNode& adapter = doc["display"]["adapters"][0];
    EXPECT_EQ(adapter["name"].string, "Contoso Graphics 9000");
    EXPECT_EQ(adapter["chipset"].string, display.Text("Info3"));
    EXPECT_EQ(adapter["memory_bytes"].number, "4294967296");
    EXPECT_EQ(adapter["memory_text"].string, display.Text("Info5"));
    EXPECT_EQ(doc["display"]["metrics_text"].string, display.Text("Info8"));
    EXPECT_EQ(doc["display"]["horizontal_pixels"].number, "1024");

    // Drives: every entry, each as the window shows it once chosen.
    TestMachine driveMachine;
    FillSampleMachine(driveMachine);
    DriveWindowModel drives;
    drives.Refresh(driveMachine);
    const JsonNode& list = doc["drives"]["drives"];
    ASSERT_EQ(list.items.size(), 3u);
    EXPECT_EQ(doc["drives"]["start_drive"].string, "C:");
    for (int i = 0; i < 3; ++i) {
        drives.SelectDrive(driveMachine, i);
        const JsonNode& drive = list[static_cast<std::size_t>(i)];
        EXPECT_EQ(drive["entry"].string, drives.DriveItems()[static_cast<std::size_t>(i)]);
        for (const auto& [key, control] : {std::pair{"type_text", "info1"}, {"unc", "info2"}, {"serial_text", "info3"},
                                            {"capacity_text", "info4"}, {"free_text", "info5"},
                                            {"total_clusters_text", "Info8"}}) {
            EXPECT_EQ(drive[key].string, drives.Text(control)) << drive["entry"].string << " " << key;
        }
        ASSERT_EQ(drive["flags"].items.size(), 12u);
    }
    const JsonNode& c = list[1];
    EXPECT_EQ(c["entry"].string, "C: [System]");
    EXPECT_EQ(c["capacity_bytes"].number, "40000000000");
    EXPECT_EQ(c["capacity_text"].string, "40,000,000,000 bytes");
    EXPECT_EQ(c["used_percent"].number, "75");
    EXPECT_EQ(c["serial_text"].string, orvane::testing::kSampleVolumeSerial);
    EXPECT_TRUE(c["flags"][0]["checked"].boolean);   // case is preserved
    EXPECT_FALSE(c["flags"][1]["checked"].boolean);  // not case sensitive
    EXPECT_EQ(c["flags"][6]["key"].string, "long_filenames");
    EXPECT_TRUE(c["flags"][6]["checked"].boolean);
    // A floppy drive without a disk: nothing read, while its texts are what the window shows.
    const JsonNode& a = list[0];
    EXPECT_FALSE(a["ready"].boolean);
    EXPECT_TRUE(a["capacity_bytes"].IsNull());
    EXPECT_EQ(a["capacity_text"].string, "0 bytes");
    EXPECT_TRUE(a["serial"].IsNull());
    EXPECT_TRUE(a["flags"][0]["checked"].IsNull());
    EXPECT_TRUE(a["used_percent"].IsNull());

    // The three lists.
    EXPECT_EQ(doc["devices"]["count"].number, "2");
    EXPECT_EQ(doc["devices"]["items"][1]["driver"].string, "Contoso Graphics 9000");
    EXPECT_EQ(doc["devices"]["items"][1]["version"].string, "31.0.15.1694");
    const JsonNode& apps = doc["applications"];
    ASSERT_EQ(apps["items"].items.size(), 3u);
    EXPECT_EQ(apps["count"].number, "3");
    const std::pair<const char*, const char*> places[] = {
        {"Sample Tool 64", "64-bit"}, {"Sample Tool 32", "32-bit"}, {"Sample User Tool", "user"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(apps["items"][i]["name"].string, places[i].first);
        EXPECT_EQ(apps["items"][i]["location"].string, places[i].second);
        EXPECT_EQ(apps["items"][i]["publisher"].string, "Contoso \"Tools\" Ltd");
        EXPECT_EQ(apps["items"][i]["help_link"].string, "");
    }
    EXPECT_EQ(apps["items"][0]["uninstall"].string, "\"C:\\Program Files\\Sample\\uninstall.exe\" /S");
    const JsonNode& startup = doc["startup"];
    ASSERT_EQ(startup["items"].items.size(), 3u);
    EXPECT_EQ(startup["items"][0]["location"].string, "Registry (HKLM) - Run");
    EXPECT_EQ(startup["items"][0]["name"].string, "SampleTray");
    EXPECT_EQ(startup["items"][1]["location"].string, "Registry (HKCU) - Run");
    EXPECT_EQ(startup["items"][2]["location"].string, kCurrentUserStartupText);
    EXPECT_EQ(startup["items"][2]["name"].string, "Notes.lnk");
    for (const JsonNode& item : startup["items"].items) {
        EXPECT_EQ(item["status"].string, "Enabled");
        EXPECT_TRUE(item["enabled"].boolean);
    }

    // Sound.
    EXPECT_EQ(doc["sound"]["sound_card"].string, "Speakers (Contoso Audio)");
    EXPECT_EQ(doc["sound"]["mixer_count"].number, "2");
    EXPECT_EQ(doc["sound"]["mixers_text"].string, "2");
    EXPECT_EQ(doc["sound"]["driver_version_text"].string, "Version : 5.1");
    EXPECT_EQ(doc["sound"]["driver_version_major"].number, "5");
}

// Every number the window shows as a text is in that text, written as the window writes it.
TEST(Inventory, NumbersAndTheirTextsAgree) {
    const JsonNode doc = SampleDocument();
    int pairs = 0;
    std::function<void(const JsonNode&, const std::string&)> walk = [&](const JsonNode& node,
                                                                         const std::string& where) {
        for (std::size_t m = 0; m < node.keys.size(); ++m) {
            const std::string& key = node.keys[m];
            const JsonNode& value = node.values[m];
            walk(value, where + "/" + key);
            if (!key.ends_with("_text") || value.kind != JsonNode::Kind::String) continue;
            const std::string base = key.substr(0, key.size() - 5);
            // These texts name their numbers; they are checked below.
            if (base == "type" || base == "technology") continue;
            for (const std::string& numberKey : {base, base + "_bytes", base + "_mhz", base + "_dpi", base + "_count"}) {
                const JsonNode& number = node[numberKey];
                if (number.kind != JsonNode::Kind::Number || number.number.find_first_of(".eE") != std::string::npos) {
                    continue;
                }
                ++pairs;
                const std::uint64_t n = std::stoull(number.number);
                std::string hexDigits = value.string;  // a volume serial shows as "1A2B-3C4D"
                std::erase(hexDigits, '-');
                const bool found = value.string.find(number.number) != std::string::npos ||
                                   value.string.find(GroupThousands(n, ",")) != std::string::npos ||
                                   hexDigits == Format("%08llX", static_cast<unsigned long long>(n));
                EXPECT_TRUE(found) << where << "/" << numberKey << " = " << number.number << " but " << key << " = "
                                   << value.string;
            }
        }
        for (std::size_t i = 0; i < node.items.size(); ++i) walk(node.items[i], where + "/" + std::to_string(i));
    };
    walk(doc, "");
    EXPECT_GT(pairs, 20);
    EXPECT_EQ(doc["display"]["technology_text"].string, TechnologyName(std::stoi(doc["display"]["technology"].number)));
    for (const JsonNode& drive : doc["drives"]["drives"].items) {
        EXPECT_EQ(drive["type_text"].string.rfind(DriveTypeName(static_cast<std::uint8_t>(std::stoi(drive["type"].number))) + " - ", 0),
                  0u)
            << drive["entry"].string;
    }
    // The clock's text is the number as the summary writes it; the counts are the lists' lengths.
    EXPECT_EQ(doc["cpu"]["clock_text"].string, FormatCPUSpeed(std::stod(doc["cpu"]["clock_mhz"].number)));
    for (const char* list : {"devices", "applications", "startup"}) {
        EXPECT_EQ(doc[list]["count"].number, std::to_string(doc[list]["items"].items.size())) << list;
    }
}

struct FaultCase {
    const char* name;
    std::function<void(TestMachine&)> plant;
    const char* section;
    const char* message;
};

// A registry value of the wrong type ends its section only: the others are as without it.
TEST(Inventory, ARegistryTypeErrorEndsOneSectionAndIsNamed) {
    const FaultCase cases[] = {
        {"uninstall version",
         [](TestMachine& m) {
             m.SetDword("SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sample32",
                        "DisplayVersion", 7);
         },
         "applications", "Invalid data type for 'DisplayVersion'"},
        {"device provider",
         [](TestMachine& m) {
             m.SetDword("SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}\\0000",
                        "ProviderName", 1);
         },
         "devices", "Invalid data type for 'ProviderName'"},
        {"display class",
         [](TestMachine& m) {
             m.SetDword("SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}", "Class",
                        1);
         },
         "display", "Invalid data type for 'Class'"},
        {"browser version",
         [](TestMachine& m) { m.SetDword("SOFTWARE\\Microsoft\\Internet Explorer", "Version", 11); }, "summary",
         "Invalid data type for 'Version'"},
    };
    const JsonNode baseline = SampleDocument();
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        const JsonNode doc = SampleDocument(c.plant);
        ASSERT_EQ(doc["errors"].items.size(), 1u) << SectionJson(doc, "errors");
        EXPECT_EQ(doc["errors"][0]["section"].string, c.section);
        EXPECT_EQ(doc["errors"][0]["message"].string, c.message);
        for (const SectionInfo& section : kSections) {
            if (section.key == std::string_view(c.section)) continue;
            // The device fault's value is the display adapter's, which only the device list reads.
            EXPECT_EQ(SectionJson(doc, section.key), SectionJson(baseline, section.key)) << section.key;
        }
    }
    // What each section had read before the error stays; what it had not reached is null.
    const JsonNode apps = SampleDocument(cases[0].plant);
    ASSERT_EQ(apps["applications"]["items"].items.size(), 2u);
    EXPECT_EQ(apps["applications"]["items"][1]["name"].string, "Sample Tool 32");
    EXPECT_TRUE(apps["applications"]["items"][1]["version"].IsNull());
    const JsonNode summary = SampleDocument(cases[3].plant);
    EXPECT_EQ(summary["summary"]["rows"][0]["value"].string, baseline["summary"]["rows"][0]["value"].string);
    EXPECT_TRUE(summary["summary"]["rows"][1]["value"].IsNull());
    EXPECT_TRUE(summary["summary"]["rows"][28]["value"].IsNull());
    EXPECT_EQ(summary["summary"]["rows"][28]["label"].string, "Modems");
    const JsonNode display = SampleDocument(cases[2].plant);
    EXPECT_TRUE(display["display"]["adapters"].items.empty());
    EXPECT_TRUE(display["display"]["metrics_text"].IsNull());
}

TEST(Inventory, AProcessorWithoutCpuidLeavesTheCpuSectionUnread) {
    const JsonNode doc = SampleDocument([](TestMachine& m) { m.writableFlags = 0; });
    ASSERT_EQ(doc["errors"].items.size(), 1u);
    EXPECT_EQ(doc["errors"][0]["section"].string, "cpu");
    EXPECT_EQ(doc["errors"][0]["message"].string, "This processor does not support the CPUID instruction.");
    for (const char* key : {"brand", "chip", "family", "vendor", "bus_speed_mhz", "serial"}) {
        EXPECT_TRUE(doc["cpu"][key].IsNull()) << key;
    }
    EXPECT_TRUE(doc["cpu"]["features"].items.empty());
    EXPECT_TRUE(doc["cpu"]["cache"]["l2_bytes"].IsNull());
}

std::string PythonWithJsonSchema() {
    // Debian's interpreter, where python3-jsonschema installs, before whatever the PATH names first.
    for (const char* python : {"/usr/bin/python3", "python3"}) {
        const std::string probe = std::string(python) + " -c 'import jsonschema' >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0) return python;
    }
    return std::string();
}

// The documents these tests make, against the published schema, by an independent validator.
TEST(Inventory, DocumentsValidateAgainstTheSchema) {
    const std::string python = PythonWithJsonSchema();
    ASSERT_FALSE(python.empty()) << "python3-jsonschema is missing: tools/install_deps.sh installs it";
    TestMachine locale;
    std::vector<std::pair<std::string, std::string>> documents = {
        {"plain", BuildInventoryJson(ReadSample(), locale)},
        {"no-cpuid", BuildInventoryJson(ReadSample([](TestMachine& m) { m.writableFlags = 0; }), locale)},
        {"display-error",
         BuildInventoryJson(ReadSample([](TestMachine& m) {
                                m.SetDword("SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-"
                                           "08002be10318}",
                                           "Class", 1);
                            }),
                            locale)},
        {"empty-machine", [&] {
             TestMachine empty;
             return BuildInventoryJson(ReadMachineInventory(empty, kWhen), empty);
         }()},
    };
    for (const auto& [name, json] : documents) {
        const std::string path = ::testing::TempDir() + "inventory-" + name + ".json";
        std::ofstream(path, std::ios::binary) << json;
        const std::string command =
            python + " " + ORVANE_SOURCE_DIR + "/tools/check_inventory_schema.py " + path + " 2>&1";
        std::string output;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[512];
            while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
            EXPECT_EQ(pclose(pipe), 0) << name << ": " << output;
        } else {
            ADD_FAILURE() << "cannot run " << command;
        }
        std::remove(path.c_str());
    }
    // The validator does reject: a document missing a section fails.
    const std::string broken = ::testing::TempDir() + "inventory-broken.json";
    std::ofstream(broken, std::ios::binary) << "{\"schema_version\": \"1.0\"}";
    EXPECT_NE(std::system((python + " " + ORVANE_SOURCE_DIR + "/tools/check_inventory_schema.py " + broken +
                           " >/dev/null 2>&1")
                              .c_str()),
              0);
    std::remove(broken.c_str());
}

}  // namespace
}  // namespace orvane::inventory
