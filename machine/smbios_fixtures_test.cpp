// The SMBIOS decoders over the tables recorded on real laptops, desktops, servers and virtual machines in
// ../shared/fixtures/smbios, read in place. Each table has a row of key values below (decoded from the
// table by the folder's own check.py, and cross-checked there against the upstream expected values);
// where dmidecode's text (.txt) or go-smbios' output (.json) sits beside a table, every field both of them
// give is compared as well.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.h"
#include "machine/firmware_text.h"
#include "machine/smbios.h"

namespace orvane::machine {
namespace {

namespace fs = std::filesystem;

const fs::path kSmbiosFolder = fs::path(ORVANE_SHARED_DIR) / "fixtures" / "smbios";

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// --- go-smbios' JSON, read just far enough for its objects, arrays, strings and numbers ---

struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    double number = 0;
    std::string text;
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;

    const Json* Find(const std::string& name) const {
        for (const auto& [key, value] : members) {
            if (key == name) return &value;
        }
        return nullptr;
    }
    std::string Text(const std::string& name) const {
        const Json* value = Find(name);
        return value && value->kind == String ? value->text : std::string();
    }
    std::uint64_t Unsigned(const std::string& name) const {
        const Json* value = Find(name);
        return value && value->kind == Number ? static_cast<std::uint64_t>(value->number) : 0;
    }
};

class JsonReader {
  public:
    explicit JsonReader(const std::string& text) : text_(text) {}
    Json Value() {
        Skip();
        Json value;
        if (at_ >= text_.size()) return value;
        const char c = text_[at_];
        if (c == '{') {
            value.kind = Json::Object;
            ++at_;
            while (Skip(), at_ < text_.size() && text_[at_] != '}') {
                std::string key = Value().text;
                Skip();
                ++at_;  // ':'
                value.members.emplace_back(std::move(key), Value());
                Skip();
                if (at_ < text_.size() && text_[at_] == ',') ++at_;
            }
            ++at_;
        } else if (c == '[') {
            value.kind = Json::Array;
            ++at_;
            while (Skip(), at_ < text_.size() && text_[at_] != ']') {
                value.items.push_back(Value());
                Skip();
                if (at_ < text_.size() && text_[at_] == ',') ++at_;
            }
            ++at_;
        } else if (c == '"') {
            value.kind = Json::String;
            ++at_;
            while (at_ < text_.size() && text_[at_] != '"') {
                if (text_[at_] == '\\' && at_ + 1 < text_.size()) {
                    ++at_;
                    if (text_[at_] == 'u' && at_ + 4 < text_.size()) {
                        value.text += static_cast<char>(std::strtol(text_.substr(at_ + 1, 4).c_str(), nullptr, 16));
                        at_ += 4;
                    } else {
                        value.text += text_[at_] == 'n' ? '\n' : text_[at_] == 't' ? '\t' : text_[at_];
                    }
                } else {
                    value.text += text_[at_];
                }
                ++at_;
            }
            ++at_;
        } else {
            std::size_t end = at_;
            while (end < text_.size() && std::string_view(",}] \t\r\n").find(text_[end]) == std::string_view::npos) ++end;
            const std::string word = text_.substr(at_, end - at_);
            at_ = end;
            if (word == "true" || word == "false") {
                value.kind = Json::Bool;
                value.number = word == "true";
            } else if (word != "null") {
                value.kind = Json::Number;
                value.number = std::strtod(word.c_str(), nullptr);
            }
        }
        return value;
    }

  private:
    void Skip() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
    }
    const std::string& text_;
    std::size_t at_ = 0;
};

Json ReadJson(const fs::path& path) {
    const std::string text = ReadText(path);
    return JsonReader(text).Value();
}

// --- dmidecode's text: one section per structure, "\tName: value" lines ---

struct DmiSection {
    int type = -1;
    std::map<std::string, std::string> fields;
    const std::string* Field(const std::string& name) const {
        const auto found = fields.find(name);
        return found == fields.end() ? nullptr : &found->second;
    }
};

std::vector<DmiSection> ReadDmidecodeText(const fs::path& path) {
    std::vector<DmiSection> sections;
    std::istringstream in(ReadText(path));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with("Handle 0x")) {
            const std::size_t type = line.find("DMI type ");
            sections.push_back({});
            if (type != std::string::npos) sections.back().type = std::atoi(line.c_str() + type + 9);
            continue;
        }
        if (sections.empty() || line.size() < 2 || line[0] != '\t' || line[1] == '\t') continue;
        const std::size_t colon = line.find(": ");
        if (colon == std::string::npos) continue;
        sections.back().fields.emplace(line.substr(1, colon - 1), line.substr(colon + 2));
    }
    return sections;
}

// What a decoded text should be, given another decoder's text for the same field: dmidecode writes "Not
// Specified" for no string and "<BAD INDEX>" for a reference past the strings; both, and the makers'
// placeholders, are absent here.
void ExpectSameText(const std::optional<std::string>& decoded, const std::string& other, const char* field) {
    SCOPED_TRACE(field);
    const std::optional<std::string> expected = other == "<BAD INDEX>" ? std::nullopt : FirmwareText(other);
    EXPECT_EQ(decoded, expected) << "other decoder: \"" << other << "\"";
}

// A name the other decoder gives for a code: "Unknown" is no answer here; the spelling of the rest may
// differ in case ("Row Of Chips").
void ExpectSameName(const std::optional<std::string>& decoded, const std::string& other, const char* field) {
    SCOPED_TRACE(field);
    // An older dmidecode marks a code newer than itself in angle brackets ("<OUT OF ...>"): no answer.
    if (other.starts_with("<OUT OF ")) return;
    if (other == "Unknown") {
        EXPECT_FALSE(decoded) << *decoded;
        return;
    }
    ASSERT_TRUE(decoded) << "other decoder: " << other;
    EXPECT_TRUE(EqualsIgnoreCase(*decoded, other)) << *decoded << " vs " << other;
}

std::optional<std::uint64_t> DmidecodeSize(const std::string& text) {
    static const std::pair<const char*, std::uint64_t> kUnits[] = {
        {" kB", 1024ull}, {" MB", 1024ull << 10}, {" GB", 1024ull << 20}, {" TB", 1024ull << 30}};
    for (const auto& [unit, factor] : kUnits) {
        if (text.ends_with(unit)) return std::stoull(text) * factor;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> DmidecodeSpeed(const std::string* text) {
    if (!text || text->empty() || !std::isdigit(static_cast<unsigned char>((*text)[0]))) return std::nullopt;
    return static_cast<std::uint32_t>(std::stoul(*text));
}

// --- the tables and their key values ---

enum Source {
    kRsmbCopy,      // rsmb/<name>.bin, converted from the recording by the folder's to_rsmb.py
    kRecordedRsmb,  // <name>.bin, recorded on Windows in the RSMB form
    kBareTable,     // <name>.bin, the structures alone: the header is made here with go-smbios' version
};

struct ModuleRow {
    const char* locator;  // nullptr: no module installed
    std::uint64_t bytes;
    const char* type;
    std::uint32_t speedMts;  // 0: unknown
};

constexpr const char* kAbsent = nullptr;
constexpr ModuleRow kNoModule{nullptr, 0, nullptr, 0};

struct TableRow {
    const char* name;
    Source source;
    const char* biosVendor;
    const char* biosVersion;
    const char* biosDate;
    const char* systemMaker;
    const char* systemProduct;
    const char* boardMaker;
    const char* boardProduct;
    const char* chassisType;
    std::uint32_t slots;  // 0: absent
    std::size_t modules;
    std::uint64_t totalGiB;
    ModuleRow first;
    bool endOfTable;
    bool damaged;
};

// clang-format off
const TableRow kTables[] = {
    // ASRock Rack's system and chassis strings are the template's "To Be Filled By O.E.M."; its 32 GB
    // modules need the extended size field.
    {"asrockrack-x570d4u", kBareTable,
     "American Megatrends International, LLC.", "P1.20", "05/19/2021",
     kAbsent, kAbsent, "ASRockRack", "X570D4U", kAbsent,
     4, 2, 64, {"DIMM 1", 32768ull << 20, "DDR4", 2400}, true, false},
    {"asus-ux305la", kRsmbCopy,
     "American Megatrends Inc.", "UX305LA.206", "08/03/2015",
     "ASUSTeK COMPUTER INC.", "UX305LA", "ASUSTeK COMPUTER INC.", "UX305LA", "Notebook",
     2, 2, 8, {"ChannelA-DIMM0", 4096ull << 20, "LPDDR3", 1600}, true, false},
    // Damaged: the dump ends after 72 structures without End-of-Table.
    {"beelink-eq12", kRsmbCopy,
     "American Megatrends International, LLC.", "N95V106", "12/15/2023",
     "AZW", "EQ", "AZW", "EQ", "Desktop",
     2, 1, 16, {"Controller0-ChannelA-DIMM0", 16384ull << 20, "DDR5", 5600}, false, false},
    // Starts with Dell's OEM type 218.
    {"dell-poweredge-r630", kBareTable,
     "Dell Inc.", "2.3.4", "11/08/2016",
     "Dell Inc.", "PowerEdge R630", "Dell Inc.", "02C2CP", "Rack Mount Chassis",
     24, 2, 32, {"A3", 16384ull << 20, "DDR4", 2400}, true, false},
    {"dell-poweredge-r640", kRsmbCopy,
     "Dell Inc.", "2.2.11", "06/13/2019",
     "Dell Inc.", "PowerEdge R640", "Dell Inc.", "0RGP26", "Rack Mount Chassis",
     24, 8, 128, {"A1", 16384ull << 20, "DDR4", 2666}, true, false},
    {"dell-poweredge-r740xd", kRsmbCopy,
     "Dell Inc.", "91.3.7 [137 and debug menu]", "02/08/2018",
     "Dell Inc.", "PowerEdge R740xd", "Dell Inc.", "0RR8YK", "Rack Mount Chassis",
     24, 16, 256, {"A1", 16384ull << 20, "DDR4", 2666}, true, false},
    {"dell-poweredge-r777sd-anon", kRsmbCopy,
     "Dell Inc.", "2.8.2", "08/27/2020",
     "Dell Inc.", "PowerEdge R777sd", "Dell Inc.", "088888", "Rack Mount Chassis",
     24, 8, 128, {"A1", 16384ull << 20, "DDR4", 2133}, true, false},
    {"dell-precision-3620", kRsmbCopy,
     "Dell Inc.", "2.1.9", "01/24/2017",
     "Dell Inc.", "Precision Tower 3620", "Dell Inc.", "09WH54", "Desktop",
     4, 2, 16, {"DIMM1", 8192ull << 20, "DDR4", 2133}, true, false},
    // Its memory type is "Unknown".
    {"gigabyte-ga-ma74gmt-s2", kRsmbCopy,
     "Award Software International, Inc.", "F8", "08/03/2010",
     "Gigabyte Technology Co., Ltd.", "GA-MA74GMT-S2", "Gigabyte Technology Co., Ltd.", "GA-MA74GMT-S2", "Desktop",
     4, 2, 2, {"A2", 1024ull << 20, kAbsent, 1066}, true, false},
    {"gigabyte-x399-aorus-xtreme", kRsmbCopy,
     "American Megatrends Inc.", "F4", "10/04/2018",
     "Gigabyte Technology Co., Ltd.", "X399 AORUS XTREME", "Gigabyte Technology Co., Ltd.", "X399 AORUS XTREME-CF", "Desktop",
     8, 8, 128, {"DIMM 0", 16384ull << 20, "DDR4", 2933}, true, false},
    // Damaged: a zero-length header after five structures, stray data after it.
    {"hyperv-vm", kBareTable,
     "American Megatrends Inc.", "090008", "12/07/2018",
     "Microsoft Corporation", "Virtual Machine", "Microsoft Corporation", "Virtual Machine", "Desktop",
     0, 0, 0, kNoModule, false, true},
    {"intel-s2600wtt", kRsmbCopy,
     "Intel Corporation", "SE5C610.86B.01.01.0014.121820151719", "12/18/2015",
     "EMC", "S2600WTT", "Intel Corporation", "S2600WTT", "Rack Mount Chassis",
     24, 24, 192, {"DIMM_A1", 8192ull << 20, "DDR4", 2133}, true, false},
    {"ixsystems-supermicro-x10drh-ct", kRsmbCopy,
     "American Megatrends Inc.", "2.0b", "05/02/2017",
     "iXsystems", "BOX-SKU27", "Supermicro", "X10DRH-CT", "Rack Mount Chassis",
     16, 2, 64, {"P1_DIMMA1", 32768ull << 20, "DDR4", 2400}, true, false},
    {"lenovo-thinkpad-t430", kRsmbCopy,
     "LENOVO", "G1ET45WW (1.20 )", "08/07/2012",
     "LENOVO", "2347A49", "LENOVO", "2347A49", "Notebook",
     2, 2, 8, {"ChannelA-DIMM0", 4096ull << 20, "DDR3", 1600}, true, false},
    {"lenovo-thinkpad-t480s", kRsmbCopy,
     "LENOVO", "N22ET52W (1.29 )", "01/16/2019",
     "LENOVO", "20L8S07A14", "LENOVO", "20L8S07A14", "Notebook",
     2, 2, 24, {"ChannelA-DIMM0", 8192ull << 20, "DDR4", 2400}, true, false},
    {"lenovo-thinkpad-t490", kRsmbCopy,
     "LENOVO", "N2IET92W (1.70 )", "09/21/2020",
     "LENOVO", "20N2CTO1WW", "LENOVO", "20N2CTO1WW", "Notebook",
     2, 2, 40, {"ChannelA-DIMM0", 8192ull << 20, "DDR4", 2667}, true, false},
    {"lenovo-thinkpad-w510", kRsmbCopy,
     "LENOVO", "6NET84WW (1.45 )", "10/03/2012",
     "LENOVO", "431924G", "LENOVO", "431924G", "Notebook",
     4, 2, 8, {"DIMM 1", 4096ull << 20, "DDR3", 1334}, true, false},
    // Recorded on Windows; its first structure is type 18.
    {"microsoft-surface-laptop-3", kRecordedRsmb,
     "Microsoft Corporation", "1.2238.140", "01/16/2020",
     "Microsoft Corporation", "Surface Laptop 3", "Microsoft Corporation", "Surface Laptop 3", "Laptop",
     2, 2, 16, {"DIMM 0", 8192ull << 20, "DDR4", 2400}, true, false},
    {"msi-ms-7816-h87-g43", kRsmbCopy,
     "American Megatrends Inc.", "V2.14B14", "07/13/2018",
     "MSI", "MS-7816", "MSI", "H87-G43 (MS-7816)", "Desktop",
     4, 4, 32, {"ChannelA-DIMM0", 8192ull << 20, "DDR3", 1600}, true, false},
    {"quanta-d51b-2u", kRsmbCopy,
     "American Megatrends Inc.", "S2B_3A17", "11/07/2014",
     "Quanta Computer Inc", "D51B-2U (dual 10G LoM)", "Quanta Computer Inc", "S2B-MB (dual 10G LoM)", "Rack Mount Chassis",
     24, 16, 256, {"DIMM_A0", 16384ull << 20, "Other", 2133}, true, false},
    {"supermicro-h8qg6", kBareTable,
     "American Megatrends Inc.", "3.00", "09/04/2012",
     "Supermicro", "H8QG6", "Supermicro", "H8QG6", "Main Server Chassis",
     32, 32, 128, {"P1_1A", 4096ull << 20, "DDR3", 667}, true, false},
    // 18 inactive (type 126) structures.
    {"supermicro-sys-1027r-wrf", kBareTable,
     "American Megatrends Inc.", "3.0c", "03/24/2014",
     "Supermicro", "SYS-1027R-WRF", "Supermicro", "X9DRW", "Other",
     16, 16, 64, {"P1-DIMMA1", 4096ull << 20, "DDR3", 1333}, true, false},
    {"supermicro-x10dal-i", kRsmbCopy,
     "American Megatrends Inc.", "2.0", "12/18/2015",
     "Supermicro", "Super Server", "Supermicro", "X10DAL-i", "Main Server Chassis",
     8, 1, 16, {"P1-DIMMA1", 16384ull << 20, "DDR4", 2133}, true, false},
    {"supermicro-x9dbl", kRsmbCopy,
     "American Megatrends Inc.", "3.00", "12/06/2013",
     "Thomas-Krenn.AG", "X9DBL-3F/X9DBL-iF", "Supermicro", "X9DBL-3F/X9DBL-iF", "Main Server Chassis",
     6, 6, 48, {"P1-DIMM1A", 4096ull << 20, "DDR3", 1333}, true, false},
    {"synology-rs3614xsplus", kRsmbCopy,
     "American Megatrends Inc.", "0.1.4", "06/08/2015",
     "Synology", "RS3614xs+", "Synology", "RS3614xs+", "Rack Mount Chassis",
     4, 4, 32, {"ChannelA-DIMM0", 8192ull << 20, "DDR3", 1600}, true, false},
    // Its board strings are Insyde's unfilled template.
    {"toshiba-satellite-pro-l70-a", kRsmbCopy,
     "Insyde Corp.", "1.60", "04/18/2014",
     "TOSHIBA", "SATELLITE PRO L70-A", kAbsent, kAbsent, "Notebook",
     4, 2, 16, {"DIMM0", 8192ull << 20, "DDR3", 1600}, true, false},
    // 128 memory devices, one array of 64 slots, one module of unknown speed.
    {"vmware-virtual-platform-2017", kRsmbCopy,
     "Phoenix Technologies LTD", "6.00", "05/19/2017",
     "VMware, Inc.", "VMware Virtual Platform", "Intel Corporation", "440BX Desktop Reference Platform", "Other",
     64, 1, 1, {"RAM slot #0", 1024ull << 20, "DRAM", 0}, true, false},
};
// clang-format on

std::optional<std::string> Text(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

const TableRow* RowFor(const std::string& name) {
    for (const TableRow& row : kTables) {
        if (name == row.name) return &row;
    }
    return nullptr;
}

// The table as GetSystemFirmwareTable('RSMB') would return it.
std::vector<std::uint8_t> ReplyFor(const TableRow& row) {
    switch (row.source) {
        case kRsmbCopy:
            return ReadBytes(kSmbiosFolder / "rsmb" / (std::string(row.name) + ".bin"));
        case kRecordedRsmb:
            return ReadBytes(kSmbiosFolder / (std::string(row.name) + ".bin"));
        case kBareTable:
            break;
    }
    const std::vector<std::uint8_t> table = ReadBytes(kSmbiosFolder / (std::string(row.name) + ".bin"));
    const Json json = ReadJson(kSmbiosFolder / (std::string(row.name) + ".json"));
    const Json* version = json.Find("Version");
    std::vector<std::uint8_t> reply = {0, static_cast<std::uint8_t>(version ? version->Unsigned("Major") : 0),
                                       static_cast<std::uint8_t>(version ? version->Unsigned("Minor") : 0), 0};
    for (int i = 0; i < 4; ++i) reply.push_back(static_cast<std::uint8_t>(table.size() >> (8 * i)));
    reply.insert(reply.end(), table.begin(), table.end());
    return reply;
}

#define SKIP_WITHOUT_FIXTURES()                                                        \
    if (!fs::is_directory(kSmbiosFolder)) {                                            \
        GTEST_SKIP() << "no recorded SMBIOS tables at " << kSmbiosFolder.string();     \
    }

TEST(SmbiosFixtures, EachRecordedTableDecodesToItsKeyValues) {
    SKIP_WITHOUT_FIXTURES();
    for (const TableRow& row : kTables) {
        SCOPED_TRACE(row.name);
        const std::vector<std::uint8_t> reply = ReplyFor(row);
        ASSERT_GT(reply.size(), kRawSmbiosHeaderBytes);
        const SmbiosTable table = WalkSmbios(reply);
        EXPECT_FALSE(table.headerMissing);
        EXPECT_FALSE(table.lengthBeyondReply);
        EXPECT_EQ(table.endOfTableFound, row.endOfTable);
        EXPECT_EQ(table.damagedAt.has_value(), row.damaged);
        EXPECT_TRUE(table.duplicateHandles.empty());

        const SmbiosInfo info = DecodeSmbios(table);
        EXPECT_EQ(info.firmware.vendor, Text(row.biosVendor));
        EXPECT_EQ(info.firmware.version, Text(row.biosVersion));
        EXPECT_EQ(info.firmware.date, Text(row.biosDate));
        EXPECT_EQ(info.firmware.smbiosVersion, std::to_string(reply[1]) + "." + std::to_string(reply[2]));
        EXPECT_EQ(info.system.manufacturer, Text(row.systemMaker));
        EXPECT_EQ(info.system.product, Text(row.systemProduct));
        EXPECT_EQ(info.board.manufacturer, Text(row.boardMaker));
        EXPECT_EQ(info.board.product, Text(row.boardProduct));
        EXPECT_EQ(info.chassis.type, Text(row.chassisType));
        EXPECT_EQ(info.memorySlots, row.slots ? std::optional<std::uint32_t>(row.slots) : std::nullopt);
        ASSERT_EQ(info.modules.size(), row.modules);
        std::uint64_t total = 0;
        for (const MemoryModule& m : info.modules) total += m.sizeBytes.value_or(0);
        EXPECT_EQ(total, row.totalGiB << 30);
        if (row.first.locator) {
            const MemoryModule& m = info.modules.front();
            EXPECT_EQ(m.locator, row.first.locator);
            EXPECT_EQ(m.sizeBytes, row.first.bytes);
            EXPECT_EQ(m.type, Text(row.first.type));
            EXPECT_EQ(m.speedMts, row.first.speedMts ? std::optional<std::uint32_t>(row.first.speedMts) : std::nullopt);
        }
    }
}

TEST(SmbiosFixtures, EveryTableInTheFolderHasARow) {
    SKIP_WITHOUT_FIXTURES();
    std::set<std::string> tables;
    for (const auto& entry : fs::directory_iterator(kSmbiosFolder)) {
        if (entry.path().extension() != ".bin") continue;
        const std::string name = entry.path().stem().string();
        tables.insert(name);
        const TableRow* row = RowFor(name);
        ASSERT_TRUE(row) << name;
        // A table with an RSMB copy is read from the copy; one without is read as it is.
        EXPECT_EQ(row->source == kRsmbCopy, fs::exists(kSmbiosFolder / "rsmb" / entry.path().filename())) << name;
    }
    for (const TableRow& row : kTables) EXPECT_TRUE(tables.contains(row.name)) << row.name;
}

TEST(SmbiosFixtures, TablesAgreeWithDmidecodesText) {
    SKIP_WITHOUT_FIXTURES();
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(kSmbiosFolder)) {
        if (entry.path().extension() != ".txt") continue;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        const TableRow* row = RowFor(name);
        ASSERT_TRUE(row);
        const SmbiosTable table = WalkSmbios(ReplyFor(*row));
        const SmbiosInfo info = DecodeSmbios(table);
        const std::vector<DmiSection> sections = ReadDmidecodeText(entry.path());
        ++compared;

        std::uint32_t slots = 0;
        std::size_t module = 0;
        std::map<int, int> seen;
        for (const DmiSection& s : sections) {
            const bool first = seen[s.type]++ == 0;
            auto field = [&s](const char* key) {
                const std::string* value = s.Field(key);
                return value ? *value : std::string();
            };
            if (s.type == 0 && first) {
                ExpectSameText(info.firmware.vendor, field("Vendor"), "BIOS vendor");
                ExpectSameText(info.firmware.version, field("Version"), "BIOS version");
                ExpectSameText(info.firmware.date, field("Release Date"), "BIOS date");
            } else if (s.type == 1 && first) {
                ExpectSameText(info.system.manufacturer, field("Manufacturer"), "system manufacturer");
                ExpectSameText(info.system.product, field("Product Name"), "system product");
                ExpectSameText(info.system.version, field("Version"), "system version");
                ExpectSameText(info.system.serial, field("Serial Number"), "system serial");
                ExpectSameText(info.system.sku, field("SKU Number"), "system SKU");
                ExpectSameText(info.system.family, field("Family"), "system family");
                const std::string uuid = field("UUID");
                if (uuid == "Not Present" || uuid == "Not Settable") {
                    EXPECT_FALSE(info.system.uuid) << *info.system.uuid;
                } else {
                    ASSERT_TRUE(info.system.uuid);
                    EXPECT_TRUE(EqualsIgnoreCase(*info.system.uuid, uuid)) << *info.system.uuid << " vs " << uuid;
                }
            } else if (s.type == 2 && first) {
                ExpectSameText(info.board.manufacturer, field("Manufacturer"), "board manufacturer");
                ExpectSameText(info.board.product, field("Product Name"), "board product");
                ExpectSameText(info.board.version, field("Version"), "board version");
                ExpectSameText(info.board.serial, field("Serial Number"), "board serial");
            } else if (s.type == 3 && first) {
                ExpectSameText(info.chassis.manufacturer, field("Manufacturer"), "chassis manufacturer");
                ExpectSameName(info.chassis.type, field("Type"), "chassis type");
            } else if (s.type == 16 && field("Use") == "System Memory") {
                slots += static_cast<std::uint32_t>(std::stoul(field("Number Of Devices")));
            } else if (s.type == 17 && field("Size") != "No Module Installed") {
                ASSERT_LT(module, info.modules.size());
                const MemoryModule& m = info.modules[module++];
                SCOPED_TRACE(field("Locator"));
                EXPECT_EQ(m.sizeBytes, DmidecodeSize(field("Size")));
                ExpectSameText(m.locator, field("Locator"), "locator");
                ExpectSameText(m.bank, field("Bank Locator"), "bank");
                ExpectSameName(m.type, field("Type"), "memory type");
                ExpectSameName(m.formFactor, field("Form Factor"), "form factor");
                ExpectSameText(m.manufacturer, field("Manufacturer"), "module manufacturer");
                ExpectSameText(m.serial, field("Serial Number"), "module serial");
                ExpectSameText(m.partNumber, field("Part Number"), "part number");
                EXPECT_EQ(m.speedMts, DmidecodeSpeed(s.Field("Speed")));
                const std::string* configured = s.Field("Configured Memory Speed");
                if (!configured) configured = s.Field("Configured Clock Speed");
                EXPECT_EQ(m.configuredSpeedMts, DmidecodeSpeed(configured));
            }
        }
        EXPECT_EQ(module, info.modules.size());
        EXPECT_EQ(info.memorySlots, slots);
    }
    EXPECT_GT(compared, 0);
}

TEST(SmbiosFixtures, TablesAgreeWithGoSmbiosOutput) {
    SKIP_WITHOUT_FIXTURES();
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(kSmbiosFolder)) {
        if (entry.path().extension() != ".json") continue;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        const TableRow* row = RowFor(name);
        ASSERT_TRUE(row);
        const SmbiosInfo info = DecodeSmbios(WalkSmbios(ReplyFor(*row)));
        const Json json = ReadJson(entry.path());
        ++compared;
        // go-smbios leaves a text empty where it found none, where it blanked a placeholder and where it
        // misread the table (Beelink's BIOS): only the texts it gives are compared.
        auto compare = [](const std::optional<std::string>& decoded, const Json* object, const char* key) {
            if (!object || object->Text(key).empty()) return;
            ExpectSameText(decoded, object->Text(key), key);
        };
        const Json* bios = json.Find("BIOSInformation");
        compare(info.firmware.vendor, bios, "Vendor");
        compare(info.firmware.version, bios, "Version");
        compare(info.firmware.date, bios, "ReleaseDate");
        const Json* system = json.Find("SystemInformation");
        compare(info.system.manufacturer, system, "Manufacturer");
        compare(info.system.product, system, "ProductName");
        compare(info.system.version, system, "Version");
        compare(info.system.serial, system, "SerialNumber");
        compare(info.system.sku, system, "SKUNumber");
        compare(info.system.family, system, "Family");
        if (system && !system->Text("UUID").empty()) {
            ASSERT_TRUE(info.system.uuid);
            EXPECT_TRUE(EqualsIgnoreCase(*info.system.uuid, system->Text("UUID"))) << *info.system.uuid;
        }
        const Json* board = json.Find("BaseboardInformation");
        compare(info.board.manufacturer, board, "Manufacturer");
        compare(info.board.product, board, "Product");
        compare(info.board.version, board, "Version");
        compare(info.board.serial, board, "SerialNumber");
        compare(info.chassis.manufacturer, json.Find("SystemEnclosure"), "Manufacturer");

        const Json* devices = json.Find("MemoryDevices");
        std::size_t module = 0;
        for (const Json& d : devices ? devices->items : std::vector<Json>()) {
            const std::uint64_t size = d.Unsigned("Size");
            if (size == 0) continue;
            ASSERT_LT(module, info.modules.size());
            const MemoryModule& m = info.modules[module++];
            SCOPED_TRACE(d.Text("DeviceLocator"));
            const std::uint64_t bytes = size == 0x7FFF ? d.Unsigned("ExtendedSize") << 20
                                        : (size & 0x8000) ? (size & 0x7FFF) << 10
                                                          : size << 20;
            EXPECT_EQ(m.sizeBytes, bytes);
            EXPECT_EQ(m.typeCode, d.Unsigned("MemoryType"));
            EXPECT_EQ(m.formFactorCode, d.Unsigned("FormFactor"));
            const std::uint64_t speed = d.Unsigned("Speed");
            EXPECT_EQ(m.speedMts, speed ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(speed)) : std::nullopt);
            const std::uint64_t configured = d.Unsigned("ConfiguredMemorySpeed");
            EXPECT_EQ(m.configuredSpeedMts,
                      configured ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(configured)) : std::nullopt);
            compare(m.locator, &d, "DeviceLocator");
            compare(m.bank, &d, "BankLocator");
            compare(m.manufacturer, &d, "Manufacturer");
            compare(m.serial, &d, "SerialNumber");
            compare(m.partNumber, &d, "PartNumber");
        }
        EXPECT_EQ(module, info.modules.size());
    }
    EXPECT_GT(compared, 0);
}

}  // namespace
}  // namespace orvane::machine
