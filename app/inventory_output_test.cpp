// The writers, the text conversion, the privacy mode and the unattended run's exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "app/command_line.h"
#include "core/text.h"
#include "inventory/inventory.h"
#include "app/inventory_batch.h"
#include "inventory/inventory_html.h"
#include "inventory/inventory_value.h"
#include "inventory/inventory_json.h"
#include "inventory/redaction.h"
#include "inventory/testing/html_check.h"
#include "inventory/testing/json_check.h"
#include "inventory/text_encoding.h"
#include "platform/testing/sample_machine.h"

namespace orvane::inventory {
namespace {

using orvane::testing::FillSampleMachine;
using orvane::testing::TestMachine;
using testing::JsonNode;
using testing::JsonReader;

constexpr const char* kWhen = "2024-05-01T09:30:00Z";

Inventory ReadSample(TestMachine& machine) {
    FillSampleMachine(machine);
    return ReadMachineInventory(machine, kWhen);
}

TEST(InventoryText, AnsiBytesBecomeUtf8ThroughTheCodePage) {
    TestMachine machine;
    struct Case {
        std::string ansi;
        std::string utf8;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"Caf\xE9", "Caf\xC3\xA9"},                  // é
        {"\x80 5", "\xE2\x82\xAC 5"},                // the euro sign of 1252
        {"0.18 \xB5m", "0.18 \xC2\xB5m"},            // the micro sign of the CPU table
        {"\x81", "\xC2\x81"},                        // a byte 1252 leaves unassigned keeps its value
        {"\x93quoted\x94", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
    };
    for (const Case& c : cases) EXPECT_EQ(AnsiToUtf8(machine, c.ansi), c.utf8) << c.ansi;
    machine.failAnsiToWide = true;
    EXPECT_EQ(AnsiToUtf8(machine, "ab\xE9"), "ab\xEF\xBF\xBD") << "a failed conversion still gives UTF-8";
    EXPECT_EQ(AnsiToUtf8(machine, "ascii"), "ascii") << "ASCII needs no conversion";

    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xDC00})), "\xEF\xBF\xBD");
    EXPECT_TRUE(IsValidUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"));
    for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"}) {
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    }
}

TEST(InventoryJson, StringsAreEscaped) {
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString("\n\r\t\b\f"), "\"\\n\\r\\t\\b\\f\"");
    EXPECT_EQ(JsonString(std::string("\x01\x1F\x7F", 3)), "\"\\u0001\\u001F\\u007F\"");
    EXPECT_EQ(JsonString(std::string(1, '\0')), "\"\\u0000\"");
    EXPECT_EQ(JsonString("/ \xC3\xA9"), "\"/ \xC3\xA9\"");
}

// A registry text of every hostile kind, planted where a list shows it.
std::string HostileText() {
    std::string text = "\"quoted\" <b>bold</b> & 'single' \\ back";
    for (int c = 1; c < 0x20; ++c) text += static_cast<char>(c);
    for (int c = 0x7F; c <= 0xFF; ++c) text += static_cast<char>(c);
    while (text.size() < 300 * 1024) text += "\x93<script>alert(1)</script>\x94 ";
    return text;
}

TEST(InventoryWriters, ANumberIsWrittenInItsShortestFormThatReadsBackWhole) {
    struct RealCase {
        double number;
        const char* text;
    };
    const RealCase cases[] = {{0.1, "0.1"},        {2400.5, "2400.5"}, {-0.25, "-0.25"}, {0.0, "0"},
                              {1.0 / 3, nullptr}, {1e21, "1e+21"},   {5e-324, nullptr}};
    for (const RealCase& c : cases) {
        const std::string text = RealText(c.number);
        if (c.text) {
            EXPECT_EQ(text, c.text);
        }
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), c.number) << text;
        EXPECT_EQ(text.find(','), std::string::npos) << text;
    }
}

TEST(InventoryWriters, AHostileRegistryTextGivesValidJsonAndEscapedHtml) {
    const std::string hostile = HostileText();
    TestMachine plainMachine;
    const Inventory plain = ReadSample(plainMachine);
    TestMachine fresh;
    FillSampleMachine(fresh);
    fresh.SetText("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sample64", "Publisher", hostile);
    const Inventory inventory = ReadMachineInventory(fresh, kWhen);

    const std::string json = BuildInventoryJson(inventory, fresh);
    JsonReader reader(json);
    const std::optional<JsonNode> doc = reader.Read();
    ASSERT_TRUE(doc) << reader.Error();
    EXPECT_EQ((*doc)["applications"]["items"][0]["publisher"].string, AnsiToUtf8(fresh, hostile))
        << "the text survives the round trip whole";
    EXPECT_EQ(json.find('\r'), std::string::npos) << "LF line ends, and a CR in a text escaped";
    EXPECT_NE(json.substr(0, 3), "\xEF\xBB\xBF") << "no byte-order mark";

    const std::string page = BuildInventoryHtml(inventory, fresh);
    EXPECT_TRUE(IsValidUtf8(page));
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
    EXPECT_TRUE(std::none_of(page.begin(), page.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\n' && c != '\t' && c != '\r') || byte == 0x7F;
    }));
    // The hostile text changes no markup: the page has the tags of the page without it.
    EXPECT_EQ(testing::TagSequence(page), testing::TagSequence(BuildInventoryHtml(plain, plainMachine)));
}

TEST(InventoryHtml, EverySectionIsInTheContentsAndOnThePage) {
    TestMachine machine;
    const Inventory inventory = ReadSample(machine);
    const std::string page = BuildInventoryHtml(inventory, machine);
    EXPECT_EQ(page.substr(0, 16), "<!DOCTYPE html>\n");
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<title>Orvane inventory: PLANTEDPC</title>"), std::string::npos);
    for (const SectionInfo& section : kSections) {
        const std::string key = section.key;
        EXPECT_NE(page.find("<li><a href=\"#" + key + "\">" + EscapeHtmlText(section.caption) + "</a></li>"),
                  std::string::npos)
            << key;
        EXPECT_NE(page.find("<section id=\"" + key + "\">\n<h2>" + EscapeHtmlText(section.caption) + "</h2>"),
                  std::string::npos)
            << key;
    }
    // Lists are tables with their columns; values show as the windows show them.
    EXPECT_NE(page.find("<tr><th>Name</th><th>Version</th><th>Help Link</th>"), std::string::npos);
    EXPECT_NE(page.find("<td>Contoso &quot;Tools&quot; Ltd</td>"), std::string::npos);
    EXPECT_NE(page.find("<tr><td class=\"item\">Physical Total</td><td>536,870,912 bytes   (513 MB)</td></tr>"),
              std::string::npos);
    EXPECT_NE(page.find("<h4>C: [System]</h4>"), std::string::npos);
    EXPECT_NE(page.find("<tr><td>MMX extensions</td><td>Yes</td></tr>"), std::string::npos);
    EXPECT_EQ(page.find("id=\"errors\""), std::string::npos) << "no errors, no errors section";
    EXPECT_EQ(page.substr(page.size() - 8), "</html>\n");
}

TEST(InventoryHtml, ErrorsAreListedAndShownInTheirSection) {
    TestMachine machine;
    FillSampleMachine(machine);
    machine.SetDword("SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}\\0000",
                     "DriverVersion", 3);
    const Inventory inventory = ReadMachineInventory(machine, kWhen);
    const std::string page = BuildInventoryHtml(inventory, machine);
    EXPECT_NE(page.find("<li><a href=\"#errors\">Errors</a></li>"), std::string::npos);
    EXPECT_NE(page.find("<tr><td>devices</td><td>Invalid data type for &#39;DriverVersion&#39;</td></tr>"),
              std::string::npos);
    EXPECT_NE(page.find("<h2>Device Info</h2>\n<p class=\"error\">Not read to the end: Invalid data type for "
                        "&#39;DriverVersion&#39;</p>"),
              std::string::npos);
}

// Every planted name, address and serial number, in any case.
std::vector<std::string> Planted(const JsonNode& plainDocument) {
    return {orvane::testing::kSampleComputer,
            orvane::testing::kSampleUser,
            orvane::testing::kSampleProfile,
            orvane::testing::kSampleIp,
            orvane::testing::kSampleMac,
            orvane::testing::kSampleProductId,
            orvane::testing::kSampleBiosSerial,
            orvane::testing::kSampleVolumeSerial,
            plainDocument["cpu"]["serial"].string,
            std::to_string(0x1A2B3C4D)};
}

TEST(InventoryRedaction, NoPlantedNameAddressOrSerialIsLeftAnywhere) {
    TestMachine plainMachine;
    const Inventory plain = ReadSample(plainMachine);
    const std::string plainJson = BuildInventoryJson(plain, plainMachine);
    JsonReader plainReader(plainJson);
    const JsonNode plainDoc = plainReader.Read().value();
    const std::vector<std::string> planted = Planted(plainDoc);
    // A secret as it stands in a JSON string (a path's backslashes doubled) and on the page.
    const auto inJson = [](const std::string& secret) {
        const std::string quoted = JsonString(secret);
        return ToUpperAscii(quoted.substr(1, quoted.size() - 2));
    };
    // Without redaction every one of them is there, so their absence below is redaction's doing.
    for (const std::string& secret : planted) {
        EXPECT_NE(ToUpperAscii(plainJson).find(inJson(secret)), std::string::npos) << secret;
    }

    TestMachine machine;
    Inventory inventory = ReadSample(machine);
    RedactInventory(inventory, machine.ShellFolderPath(platform::kCsidlProfile));
    const std::string json = BuildInventoryJson(inventory, machine);
    const std::string page = BuildInventoryHtml(inventory, machine);
    for (const std::string& secret : planted) {
        EXPECT_EQ(ToUpperAscii(json).find(inJson(secret)), std::string::npos) << secret;
        EXPECT_EQ(ToUpperAscii(page).find(ToUpperAscii(secret)), std::string::npos) << secret;
    }
    JsonReader reader(json);
    const JsonNode doc = reader.Read().value();
    EXPECT_TRUE(doc["redacted"].boolean);
    EXPECT_NE(page.find("<b>Redacted:</b>"), std::string::npos);
    for (const char* key : {"computer_name", "user_name", "ip_addresses", "mac_address", "product_id"}) {
        EXPECT_EQ(doc["personal"][key].string, "[redacted]") << key;
    }
    EXPECT_EQ(doc["summary"]["rows"][22]["value"].string, "[redacted]");
    EXPECT_EQ(doc["cpu"]["serial"].string, "[redacted]");
    EXPECT_TRUE(doc["drives"]["drives"][1]["serial"].IsNull());
    // Paths keep what does not identify; the program's own words and other texts stay.
    EXPECT_EQ(doc["drives"]["drives"][1]["unc"].string, "[redacted]\\Documents");
    EXPECT_EQ(doc["applications"]["items"][2]["install_location"].string, "[redacted]\\AppData\\Local\\Sample");
    EXPECT_EQ(doc["startup"]["items"][1]["command"].string,
              "[redacted]\\AppData\\Local\\Sample\\sync.exe --host [redacted]");
    EXPECT_EQ(doc["startup"]["items"][2]["location"].string, "Current User - Startup folder");
    EXPECT_EQ(doc["summary"]["rows"][11]["value"].string, "\\\\[redacted]\\Laser");
    EXPECT_EQ(doc["applications"]["items"][0]["name"].string, "Sample Tool 64");
    EXPECT_EQ(doc["cpu"]["chip"].string, plainDoc["cpu"]["chip"].string);
}

TEST(InventoryRedaction, SecretsAreWordsNotParts) {
    Inventory inventory;
    {
        Value& personal = inventory.sections.Set("personal", Value::Object());
        personal.Set("user_name", Value::Text("ann"));
        personal.Set("computer_name", Value::Text("PC"));
    }  // too short to look for elsewhere
    Value& startup = inventory.sections.Set("startup", Value::Object());
    Value& texts = startup.Set("items", Value::List());
    for (const char* text : {"C:\\Users\\Ann\\x.exe", "annual report.doc", "Joanne", "ann-tool", "PC Tools"}) {
        texts.Append(Value::Text(text));
    }
    texts.Append(Value::Text("ann", Origin::Program));
    RedactInventory(inventory, std::nullopt);
    std::vector<std::string> after;
    for (const Value& text : texts.Items()) after.push_back(text.AsText());
    EXPECT_EQ(after, (std::vector<std::string>{"C:\\Users\\[redacted]\\x.exe", "annual report.doc", "Joanne",
                                               "[redacted]-tool", "PC Tools", "ann"}));
    EXPECT_EQ(inventory.sections.Find("personal")->Find("computer_name")->AsText(), "[redacted]");
}

TEST(InventoryBatch, ExitStatuses) {
    const std::string path = "C:\\out\\inventory.json";
    struct Case {
        const char* name;
        std::vector<std::string> parameters;
        int fileWriteError;
        int status;
    };
    const Case cases[] = {
        {"written", {"/JSON", path}, 0, kExitWritten},
        {"html, redacted", {"/html", path, "/redact"}, 0, kExitWritten},
        {"the file cannot be written", {"/JSON", path}, 5, kExitNotWritten},
        {"no path", {"/JSON"}, 0, kExitCommandLine},
        {"a switch for a path", {"/HTML", "/REDACT"}, 0, kExitCommandLine},
        {"something after the path", {"/JSON", path, "/AUTO"}, 0, kExitCommandLine},
        {"redact first", {"/REDACT", "/JSON", path}, 0, kExitCommandLine},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestMachine machine;
        FillSampleMachine(machine);
        machine.files[path] = "old report";
        machine.fileWriteError = c.fileWriteError;
        const BatchOutcome outcome = RunInventoryCommand(machine, ParseLaunchOptions(c.parameters), kWhen);
        EXPECT_EQ(outcome.exitStatus, c.status);
        if (c.status == kExitWritten) {
            EXPECT_EQ(outcome.message, "");
            EXPECT_NE(machine.files[path], "old report");
        } else {
            EXPECT_EQ(machine.files[path], "old report") << "the old file is whole";
            EXPECT_EQ(outcome.message.find('\n'), std::string::npos) << "one line";
        }
    }
    TestMachine machine;
    FillSampleMachine(machine);
    machine.fileWriteError = 5;
    EXPECT_EQ(RunInventoryCommand(machine, ParseLaunchOptions({"/JSON", path}), kWhen).message,
              "Orvane: Cannot create file C:\\out\\inventory.json (File access denied)");
    machine.version = orvane::testing::Windows95();
    EXPECT_EQ(RunInventoryCommand(machine, ParseLaunchOptions({"/JSON", path}), kWhen).message,
              "Orvane: Orvane will not run on Windows 95.");
}

TEST(InventoryBatch, TheFormatFollowsTheSwitch) {
    TestMachine machine;
    FillSampleMachine(machine);
    ASSERT_EQ(RunInventoryCommand(machine, ParseLaunchOptions({"/json", "C:\\out\\a.json"}), kWhen).exitStatus, 0);
    ASSERT_EQ(
        RunInventoryCommand(machine, ParseLaunchOptions({"/HTML", "C:\\out\\a.htm", "/REDACT"}), kWhen).exitStatus, 0);
    JsonReader reader(machine.files["C:\\out\\a.json"]);
    EXPECT_TRUE(reader.Read().has_value()) << reader.Error();
    EXPECT_EQ(machine.files["C:\\out\\a.htm"].substr(0, 15), "<!DOCTYPE html>");
    EXPECT_NE(machine.files["C:\\out\\a.htm"].find("<b>Redacted:</b>"), std::string::npos);
    EXPECT_EQ(machine.files["C:\\out\\a.json"].find("[redacted]"), std::string::npos);
}

}  // namespace
}  // namespace orvane::inventory
