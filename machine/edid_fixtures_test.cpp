// The EDID decoder over the EDIDs of real laptop panels, monitors, TVs and headsets in
// ../shared/fixtures/edid, read in place. Each EDID is compared with edid-decode's text beside it
// (manufacturer, model, date, size, first detailed timing, names, text strings); the serials, which that
// text leaves out, and the extension kinds come from the table below (the folder's README, decoded there
// by check.py).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "machine/edid.h"

namespace orvane::machine {
namespace {

namespace fs = std::filesystem;

const fs::path kEdidFolder = fs::path(ORVANE_SHARED_DIR) / "fixtures" / "edid";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What edid-decode printed for the base block, and its first detailed timing wherever it was.
struct EdidDecodeText {
    std::string manufacturer;
    int model = -1;
    std::optional<int> week;
    std::optional<int> year;
    std::optional<int> modelYear;
    std::optional<int> widthCm;
    std::optional<int> heightCm;
    std::vector<std::string> names;
    std::vector<std::string> texts;
    std::optional<unsigned> dtdWidth;
    std::optional<unsigned> dtdHeight;
    bool dtdInterlaced = false;
    double dtdHz = 0;
};

// The text between the quotes of "Name: 'text'".
std::string Quoted(const std::string& line) {
    const std::size_t open = line.find('\'');
    const std::size_t close = line.rfind('\'');
    return open == std::string::npos || close <= open ? std::string() : line.substr(open + 1, close - open - 1);
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    while (!text.empty() && text.front() == ' ') text.erase(text.begin());
    return text;
}

EdidDecodeText ReadEdidDecode(const fs::path& path) {
    EdidDecodeText out;
    std::istringstream in(ReadFile(path));
    std::string line;
    bool baseBlock = false;
    while (std::getline(in, line)) {
        if (line.starts_with("Block ")) baseBlock = line.starts_with("Block 0,");
        if (line.find("DTD 1:") != std::string::npos && !out.dtdWidth) {
            // "    DTD 1:  1920x1080i  60.000000 Hz ..."
            std::istringstream fields(line.substr(line.find("DTD 1:") + 6));
            std::string mode;
            fields >> mode >> out.dtdHz;
            const std::size_t x = mode.find('x');
            out.dtdWidth = static_cast<unsigned>(std::stoul(mode.substr(0, x)));
            out.dtdHeight = static_cast<unsigned>(std::stoul(mode.substr(x + 1)));
            out.dtdInterlaced = mode.back() == 'i';
        }
        if (!baseBlock) continue;
        const std::string text = Trimmed(line);
        if (text.starts_with("Manufacturer: ")) out.manufacturer = text.substr(14);
        if (text.starts_with("Model: ")) out.model = std::atoi(text.c_str() + 7);
        if (text.starts_with("Made in: week ")) {
            out.week = std::atoi(text.c_str() + 14);
            out.year = std::atoi(text.c_str() + text.find(" of ") + 4);
        } else if (text.starts_with("Made in: ")) {
            out.year = std::atoi(text.c_str() + 9);
        }
        if (text.starts_with("Model year: ")) out.modelYear = std::atoi(text.c_str() + 12);
        if (text.starts_with("Maximum image size: ")) {
            out.widthCm = std::atoi(text.c_str() + 20);
            out.heightCm = std::atoi(text.c_str() + text.find(" x ") + 3);
        }
        if (text.starts_with("Display Product Name: ")) out.names.push_back(Trimmed(Quoted(text)));
        // edid-decode prints an empty string too; the decoder leaves empty descriptors out.
        if (text.starts_with("Alphanumeric Data String: ") && !Trimmed(Quoted(text)).empty()) {
            out.texts.push_back(Trimmed(Quoted(text)));
        }
    }
    return out;
}

struct EdidRow {
    const char* name;
    const char* serialText;  // nullptr: no serial-number descriptor
    std::uint32_t serialNumber;
    bool cta861;
    bool displayId;
};

constexpr const char* kAbsent = nullptr;

// clang-format off
const EdidRow kEdids[] = {
    {"acer-xb271hu", "T4TAA0018500", 1614866196u, true, false},
    {"adi-edid11-analog-1999", kAbsent, 50755878u, false, false},
    {"aoc-24g2", "ATNMB1A014550", 14550u, true, false},
    {"apple-cinema-2003", kAbsent, 33555976u, false, false},
    {"apple-color-lcd-retina-displayid", kAbsent, 0u, false, true},
    {"apple-studio-display-5k", kAbsent, 4066776062u, true, true},
    {"asus-mb17se-edid12-analog", "6AL9009688", 16843009u, false, false},
    {"asus-rog-pg259qn-360hz", "#HLAYMxgwABTA", 118954u, true, false},
    {"auo-1080p-144hz-panel", kAbsent, 0u, true, false},
    {"auo-2560x1600-displayid-panel", kAbsent, 0u, true, true},
    {"benq-xl2411z", "G7E00999SL0", 21573u, true, false},
    {"boe-1080p-panel", kAbsent, 0u, false, false},
    {"cmn-1080p-panel", kAbsent, 0u, false, false},
    {"cmn-2560x1440-displayid-panel", kAbsent, 0u, false, true},
    {"cpt-1366x768-panel", kAbsent, 0u, false, false},
    {"csot-2560x1600-panel", kAbsent, 0u, false, false},
    {"dell-p2715q-4k", "V7WP95C8AY2L", 1096364620u, true, false},
    {"dell-s3422dwg-ultrawide", "G7QZS63", 810168918u, true, true},
    {"dell-u2412m", "0FFXD3217EDS", 927286355u, true, false},
    {"dell-up3218k-8k", "D2HP8084031L", 808661324u, true, true},
    {"gigabyte-m27q", "21100B005914", 16843009u, true, false},
    {"hisense-tv", kAbsent, 0u, true, false},
    {"hp-z27-4k", "CN493404Q1", 0u, true, false},
    {"htc-vive-pro", kAbsent, 0u, true, false},
    {"lenovo-g34w-displayid", "UGW00GPL", 0u, true, true},
    {"lenovo-t2324pa", "V1885327", 16843009u, true, false},
    {"lg-flatron-analog-2002", kAbsent, 2061u, false, false},
    {"lg-hdr-4k", kAbsent, 462835u, true, false},
    {"lg-tv-4k-2022", kAbsent, 16843009u, true, false},
    {"lg-ultrafine-4k-2xdisplayid", "809NTDV0J138", 18138u, false, true},
    {"lg-ultragear-1440p-144hz", "312MALFAHX40", 1216940u, true, true},
    {"lg-ultrawide-2560x1080", kAbsent, 16843009u, false, false},
    {"lgphilips-1280x800-panel", kAbsent, 0u, false, false},
    {"msi-mag342cqr-displayid", "DB6H261B01359", 0u, true, true},
    {"nec-ea244uhd", "65101455TB", 16843009u, true, false},
    {"oculus-rift-dk2", "H1DEM446KHC8K", 0u, true, false},
    {"panasonic-tv", kAbsent, 16843009u, true, false},
    {"philips-200ws-2007", "CJ10714013495", 16843009u, false, false},
    {"philips-ftv-4k", kAbsent, 0u, true, false},
    {"samsung-odyssey-g7", "H4ZNB01819", 1129854529u, true, true},
    {"samsung-syncmaster-2003", "HJCW308600", 1195913529u, true, false},
    {"samsung-syncmaster-analog-2001", "H1ERA03726", 1380069685u, false, false},
    {"samsung-tv-2005-1080i", kAbsent, 0u, true, false},
    {"sdc-4k-oled-panel", kAbsent, 0u, true, false},
    {"toshiba-tv-4k", kAbsent, 1u, true, false},
    {"valve-index", kAbsent, 1u, true, false},
    {"viewsonic-vx2780-2k-displayid", "X8D234600080", 16843009u, true, true},
    {"vizio-tv", kAbsent, 16843009u, true, false},
};
// clang-format on

#define SKIP_WITHOUT_FIXTURES()                                                    \
    if (!fs::is_directory(kEdidFolder)) {                                          \
        GTEST_SKIP() << "no recorded EDIDs at " << kEdidFolder.string();           \
    }

TEST(EdidFixtures, EachRecordedEdidDecodesToItsExpectedValues) {
    SKIP_WITHOUT_FIXTURES();
    for (const EdidRow& row : kEdids) {
        SCOPED_TRACE(row.name);
        const std::string bytes = ReadFile(kEdidFolder / (std::string(row.name) + ".bin"));
        const auto info = DecodeEdid(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
        ASSERT_TRUE(info);
        const EdidDecodeText expected = ReadEdidDecode(kEdidFolder / (std::string(row.name) + ".txt"));

        EXPECT_TRUE(info->checksumOk);
        EXPECT_EQ(info->extensionBlocks, static_cast<int>(bytes.size() / kEdidBlockBytes) - 1);
        EXPECT_EQ(info->cta861, row.cta861);
        EXPECT_EQ(info->displayId, row.displayId);
        EXPECT_EQ(info->manufacturerId, expected.manufacturer);
        EXPECT_EQ(info->productCode, expected.model);
        EXPECT_EQ(info->serialText, row.serialText ? std::optional<std::string>(row.serialText) : std::nullopt);
        const bool filler = row.serialNumber == 0 || row.serialNumber == 0x01010101;
        EXPECT_EQ(info->serialNumber, filler ? std::nullopt : std::optional<std::uint32_t>(row.serialNumber));
        EXPECT_EQ(info->week, expected.week);
        EXPECT_EQ(info->year, expected.year);
        EXPECT_EQ(info->modelYear, expected.modelYear);
        EXPECT_EQ(info->widthCm, expected.widthCm);
        EXPECT_EQ(info->heightCm, expected.heightCm);
        if (expected.widthCm && expected.heightCm) {
            ASSERT_TRUE(info->diagonalInches);
            EXPECT_NEAR(*info->diagonalInches, std::hypot(*expected.widthCm, *expected.heightCm) / 2.54, 0.05);
        } else {
            EXPECT_FALSE(info->diagonalInches);
        }
        // A name edid-decode prints in pieces is one name here, starting with its first piece.
        if (expected.names.empty()) {
            EXPECT_FALSE(info->name);
        } else {
            ASSERT_TRUE(info->name);
            EXPECT_TRUE(info->name->starts_with(expected.names.front())) << *info->name;
            for (const std::string& piece : expected.names) EXPECT_NE(info->name->find(piece), std::string::npos) << piece;
        }
        EXPECT_EQ(info->texts, expected.texts);
        ASSERT_TRUE(expected.dtdWidth);
        ASSERT_TRUE(info->preferred);
        EXPECT_EQ(info->preferred->width, *expected.dtdWidth);
        EXPECT_EQ(info->preferred->height, *expected.dtdHeight);
        EXPECT_EQ(info->preferred->interlaced, expected.dtdInterlaced);
        EXPECT_NEAR(info->preferred->refreshHz, expected.dtdHz, 0.00001);
    }
}

TEST(EdidFixtures, EveryEdidInTheFolderHasARow) {
    SKIP_WITHOUT_FIXTURES();
    std::set<std::string> listed;
    for (const EdidRow& row : kEdids) listed.insert(row.name);
    std::set<std::string> held;
    for (const auto& entry : fs::directory_iterator(kEdidFolder)) {
        if (entry.path().extension() != ".bin") continue;
        held.insert(entry.path().stem().string());
        EXPECT_TRUE(listed.contains(entry.path().stem().string())) << entry.path().filename().string();
        EXPECT_TRUE(fs::exists(fs::path(entry.path()).replace_extension(".txt"))) << entry.path().filename().string();
    }
    for (const EdidRow& row : kEdids) EXPECT_TRUE(held.contains(row.name)) << row.name;
}

// A monitor whose base block holds no timing: its native mode is the CTA-861 block's first.
TEST(EdidFixtures, ThePreferredTimingOfAStudioDisplayComesFromItsCtaBlock) {
    SKIP_WITHOUT_FIXTURES();
    const std::string bytes = ReadFile(kEdidFolder / "apple-studio-display-5k.bin");
    const auto info = DecodeEdid(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    ASSERT_TRUE(info && info->preferred);
    EXPECT_EQ(info->preferred->source, EdidTimingSource::Cta861);
    EXPECT_EQ(info->preferred->width, 2560u);
    EXPECT_EQ(info->preferred->height, 2880u);
}

}  // namespace
}  // namespace orvane::machine
