// The EDID decoder over blocks built here, one field or extension at a time; the recorded EDIDs of real
// monitors are in edid_fixtures_test.cpp.
#include "machine/edid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace orvane::machine {
namespace {

using Bytes = std::vector<std::uint8_t>;

void SetChecksum(Bytes& block) {
    const unsigned sum = std::accumulate(block.begin(), block.end() - 1, 0u);
    block.back() = static_cast<std::uint8_t>((256 - sum % 256) % 256);
}

// An 18-byte detailed timing: clock in 10 kHz units.
Bytes Dtd(std::uint16_t clock, std::uint32_t hActive, std::uint32_t hBlank, std::uint32_t vActive, std::uint32_t vBlank,
          bool interlaced = false) {
    Bytes d(18, 0);
    d[0] = static_cast<std::uint8_t>(clock);
    d[1] = static_cast<std::uint8_t>(clock >> 8);
    d[2] = static_cast<std::uint8_t>(hActive);
    d[3] = static_cast<std::uint8_t>(hBlank);
    d[4] = static_cast<std::uint8_t>((hActive >> 8) << 4 | (hBlank >> 8));
    d[5] = static_cast<std::uint8_t>(vActive);
    d[6] = static_cast<std::uint8_t>(vBlank);
    d[7] = static_cast<std::uint8_t>((vActive >> 8) << 4 | (vBlank >> 8));
    d[17] = interlaced ? 0x98 : 0x18;
    return d;
}
const Bytes kDtd1080p60 = Dtd(14850, 1920, 280, 1080, 45);

// A display descriptor with its 13 bytes of text as given (no line feed or padding added).
Bytes Descriptor(std::uint8_t tag, const std::string& text) {
    Bytes d(18, 0);
    d[3] = tag;
    for (std::size_t i = 0; i < text.size() && i < 13; ++i) d[5 + i] = static_cast<std::uint8_t>(text[i]);
    return d;
}
// The usual form: the text, a line feed, blanks.
Bytes Text(std::uint8_t tag, const std::string& text) {
    std::string field = text + "\n";
    field.resize(13, ' ');
    return Descriptor(tag, field);
}
const Bytes kUnused = Descriptor(0x10, std::string(13, '\0'));

struct BaseFields {
    const char* manufacturer = "DEL";
    std::uint16_t product = 0xA002;
    std::uint32_t serial = 927286355;
    std::uint8_t week = 5;
    std::uint8_t year = 23;  // 2013; the byte counts from 1990
    std::uint8_t widthCm = 52;
    std::uint8_t heightCm = 32;
    std::vector<Bytes> descriptors = {kDtd1080p60, Text(0xFF, "0FFXD3217EDS"), Text(0xFC, "DELL U2412M"), kUnused};
    std::uint8_t extensions = 0;
};

Bytes Base(const BaseFields& f) {
    Bytes b(128, 0);
    const std::uint8_t header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    std::copy(std::begin(header), std::end(header), b.begin());
    const auto letter = [&](int i) { return static_cast<unsigned>(f.manufacturer[i] - 'A' + 1) & 0x1F; };
    const unsigned packed = letter(0) << 10 | letter(1) << 5 | letter(2);
    b[8] = static_cast<std::uint8_t>(packed >> 8);
    b[9] = static_cast<std::uint8_t>(packed);
    b[10] = static_cast<std::uint8_t>(f.product);
    b[11] = static_cast<std::uint8_t>(f.product >> 8);
    for (int i = 0; i < 4; ++i) b[12 + i] = static_cast<std::uint8_t>(f.serial >> (8 * i));
    b[16] = f.week;
    b[17] = f.year;
    b[18] = 1;
    b[19] = 4;
    b[21] = f.widthCm;
    b[22] = f.heightCm;
    for (std::size_t i = 0; i < 4 && i < f.descriptors.size(); ++i) {
        std::copy(f.descriptors[i].begin(), f.descriptors[i].end(), b.begin() + 54 + 18 * i);
    }
    b[126] = f.extensions;
    SetChecksum(b);
    return b;
}

Bytes CtaBlock(const std::vector<Bytes>& dtds, std::uint8_t dtdOffset = 4) {
    Bytes b(128, 0);
    b[0] = 0x02;
    b[1] = 3;
    b[2] = dtdOffset;
    std::size_t at = dtdOffset;
    for (const Bytes& d : dtds) {
        std::copy(d.begin(), d.end(), b.begin() + at);
        at += 18;
    }
    SetChecksum(b);
    return b;
}

// A DisplayID 1.x (Type I timing) or 2.x (Type VII timing) timing descriptor: clock in 10 kHz or 1 kHz
// units, every field stored as its value minus one.
Bytes DisplayIdTiming(std::uint32_t clock, bool preferred, std::uint16_t hActive, std::uint16_t hBlank,
                      std::uint16_t vActive, std::uint16_t vBlank) {
    Bytes d(20, 0);
    const std::uint32_t c = clock - 1;
    d[0] = static_cast<std::uint8_t>(c);
    d[1] = static_cast<std::uint8_t>(c >> 8);
    d[2] = static_cast<std::uint8_t>(c >> 16);
    d[3] = preferred ? 0x84 : 0x04;
    const auto put = [&](std::size_t at, std::uint16_t value) {
        d[at] = static_cast<std::uint8_t>(value - 1);
        d[at + 1] = static_cast<std::uint8_t>((value - 1) >> 8);
    };
    put(4, hActive);
    put(6, hBlank);
    put(8, 48);
    put(10, 32);
    put(12, vActive);
    put(14, vBlank);
    put(16, 3);
    put(18, 5);
    return d;
}

Bytes DataBlock(std::uint8_t tag, const Bytes& payload) {
    Bytes block = {tag, 0, static_cast<std::uint8_t>(payload.size())};
    block.insert(block.end(), payload.begin(), payload.end());
    return block;
}

Bytes DisplayIdBlock(std::uint8_t version, const std::vector<Bytes>& dataBlocks) {
    Bytes section;
    for (const Bytes& block : dataBlocks) section.insert(section.end(), block.begin(), block.end());
    Bytes b(128, 0);
    b[0] = 0x70;
    b[1] = version;
    b[2] = static_cast<std::uint8_t>(section.size());
    std::copy(section.begin(), section.end(), b.begin() + 5);
    SetChecksum(b);
    return b;
}

Bytes ProductIdentification(const std::string& name) {
    Bytes payload = {'A', 'P', 'P', 0x3A, 0xAE, 1, 2, 3, 4, 7, 22, static_cast<std::uint8_t>(name.size())};
    payload.insert(payload.end(), name.begin(), name.end());
    return payload;
}

Bytes Join(std::initializer_list<Bytes> blocks) {
    Bytes all;
    for (const Bytes& b : blocks) all.insert(all.end(), b.begin(), b.end());
    return all;
}

TEST(Edid, DecodesTheBaseBlock) {
    const auto info = DecodeEdid(Base({}));
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->checksumOk);
    EXPECT_EQ(info->version, 1);
    EXPECT_EQ(info->revision, 4);
    EXPECT_EQ(info->manufacturerId, "DEL");
    EXPECT_EQ(info->productCode, 0xA002);
    EXPECT_EQ(info->serialNumber, 927286355u);
    EXPECT_EQ(info->serialText, "0FFXD3217EDS");
    EXPECT_EQ(info->Serial(), "0FFXD3217EDS");
    EXPECT_EQ(info->week, 5);
    EXPECT_EQ(info->year, 2013);
    EXPECT_FALSE(info->modelYear);
    EXPECT_EQ(info->widthCm, 52);
    EXPECT_EQ(info->heightCm, 32);
    EXPECT_EQ(info->diagonalInches, 24.0);  // 61.06 cm
    EXPECT_EQ(info->name, "DELL U2412M");
    ASSERT_TRUE(info->preferred);
    EXPECT_EQ(info->preferred->width, 1920u);
    EXPECT_EQ(info->preferred->height, 1080u);
    EXPECT_DOUBLE_EQ(info->preferred->refreshHz, 60.0);
    EXPECT_EQ(info->preferred->pixelClockHz, 148500000u);
    EXPECT_EQ(info->preferred->source, EdidTimingSource::BaseBlock);
    EXPECT_FALSE(info->preferred->interlaced);
    EXPECT_EQ(info->extensionBlocks, 0);
}

TEST(Edid, NotAnEdidOrAWrongChecksum) {
    EXPECT_FALSE(DecodeEdid(Bytes{}));
    Bytes base = Base({});
    EXPECT_FALSE(DecodeEdid(Bytes(base.begin(), base.begin() + 127)));
    Bytes badHeader = base;
    badHeader[7] = 0xFF;
    EXPECT_FALSE(DecodeEdid(badHeader));
    // A wrong checksum is reported; the values are read all the same.
    base[127] ^= 0x01;
    const auto info = DecodeEdid(base);
    ASSERT_TRUE(info);
    EXPECT_FALSE(info->checksumOk);
    EXPECT_EQ(info->name, "DELL U2412M");
}

TEST(Edid, DatesSizesSerialsAndMakersThatSayNothing) {
    BaseFields modelYear;
    modelYear.week = 0xFF;
    modelYear.year = 32;
    modelYear.widthCm = 0;
    modelYear.heightCm = 0;
    modelYear.serial = 0x01010101;
    modelYear.descriptors = {kDtd1080p60, kUnused, kUnused, kUnused};
    const auto a = DecodeEdid(Base(modelYear));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->modelYear, 2022);
    EXPECT_FALSE(a->year);
    EXPECT_FALSE(a->week);
    EXPECT_FALSE(a->widthCm);
    EXPECT_FALSE(a->diagonalInches);
    EXPECT_FALSE(a->serialNumber);
    EXPECT_FALSE(a->Serial());
    EXPECT_FALSE(a->name);

    BaseFields noWeek;
    noWeek.week = 0;
    noWeek.widthCm = 0;  // the height byte then holds an aspect ratio
    noWeek.heightCm = 79;
    noWeek.serial = 1234;
    noWeek.descriptors = {kDtd1080p60, kUnused, kUnused, kUnused};
    const auto b = DecodeEdid(Base(noWeek));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->year, 2013);
    EXPECT_FALSE(b->week);
    EXPECT_FALSE(b->heightCm);
    EXPECT_EQ(b->Serial(), "1234");

    BaseFields noDate;
    noDate.week = 0;
    noDate.year = 0;
    const auto undated = DecodeEdid(Base(noDate));
    ASSERT_TRUE(undated);
    EXPECT_FALSE(undated->year);
    EXPECT_FALSE(undated->modelYear);

    BaseFields zeroSerial;
    zeroSerial.serial = 0;
    Bytes badMaker = Base(zeroSerial);
    badMaker[8] = 0x00;  // letter 0
    SetChecksum(badMaker);
    const auto c = DecodeEdid(badMaker);
    ASSERT_TRUE(c);
    EXPECT_FALSE(c->manufacturerId);
    EXPECT_FALSE(c->serialNumber);
    EXPECT_EQ(c->Serial(), "0FFXD3217EDS");
}

TEST(Edid, MonitorNamesAcrossDescriptors) {
    struct Case {
        const char* what;
        std::vector<Bytes> descriptors;
        std::optional<std::string> name;
    };
    const Case cases[] = {
        {"a name that fills its field goes on in the next",
         {kDtd1080p60, Descriptor(0xFC, "Apple Cinema "), Text(0xFC, "HD Display"), kUnused}, "Apple Cinema HD Display"},
        {"without a blank at the seam", {kDtd1080p60, Descriptor(0xFC, "FLATRON LCD 5"), Text(0xFC, "63LE"), kUnused},
         "FLATRON LCD 563LE"},
        {"two names that end on their own", {kDtd1080p60, Text(0xFC, "Minicom LTD "), Text(0xFC, "Smart Plus "), kUnused},
         "Minicom LTD Smart Plus"},
        {"a full field and nothing after it", {kDtd1080p60, Descriptor(0xFC, "LC49G95TSSNXZ"), kUnused, kUnused},
         "LC49G95TSSNXZ"},
        {"control bytes are dropped", {kDtd1080p60, Text(0xFC, "A\x01" "B\x7F" "C"), kUnused, kUnused}, "ABC"},
        {"a blank name", {kDtd1080p60, Text(0xFC, "   "), kUnused, kUnused}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BaseFields f;
        f.descriptors = c.descriptors;
        const auto info = DecodeEdid(Base(f));
        ASSERT_TRUE(info);
        EXPECT_EQ(info->name, c.name);
    }
    BaseFields panel;
    panel.descriptors = {kDtd1080p60, Text(0xFE, "AUO"), Text(0xFE, "B156HAN10.1 "), kUnused};
    const auto info = DecodeEdid(Base(panel));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->texts, (std::vector<std::string>{"AUO", "B156HAN10.1"}));
    EXPECT_FALSE(info->name);
}

TEST(Edid, InterlacedTimingsCountBothFields) {
    BaseFields tv;
    tv.descriptors = {Dtd(7425, 1920, 280, 540, 22, true), kUnused, kUnused, kUnused};
    const auto info = DecodeEdid(Base(tv));
    ASSERT_TRUE(info && info->preferred);
    EXPECT_EQ(info->preferred->height, 1080u);
    EXPECT_TRUE(info->preferred->interlaced);
    EXPECT_DOUBLE_EQ(info->preferred->refreshHz, 60.0);
    // A timing without a picture is no timing; the next one is taken.
    tv.descriptors = {Dtd(7425, 0, 280, 540, 22), kDtd1080p60, kUnused, kUnused};
    const auto second = DecodeEdid(Base(tv));
    ASSERT_TRUE(second && second->preferred);
    EXPECT_EQ(second->preferred->height, 1080u);
    EXPECT_FALSE(second->preferred->interlaced);
}

TEST(Edid, ExtensionsGiveTheTimingAndNameTheBaseBlockLacks) {
    BaseFields bare;
    bare.descriptors = {Text(0xFF, "SERIAL"), kUnused, kUnused, kUnused};
    const Bytes dtd5k = Dtd(48240, 2560, 120, 2880, 70);
    const Bytes did4k = DisplayIdTiming(52261, false, 3840, 160, 2160, 62);
    const Bytes did8k = DisplayIdTiming(103025, true, 7680, 200, 4320, 48);
    struct Case {
        const char* what;
        std::vector<Bytes> extensions;
        std::uint8_t declared;
        std::optional<std::uint32_t> width;
        EdidTimingSource source;
        std::optional<std::string> name;
        int blocksRead;
    };
    const Case cases[] = {
        {"CTA-861 detailed timing", {CtaBlock({dtd5k})}, 1, 2560, EdidTimingSource::Cta861, std::nullopt, 1},
        {"CTA-861 before DisplayID", {DisplayIdBlock(0x12, {DataBlock(0x03, did8k)}), CtaBlock({dtd5k})}, 2, 2560,
         EdidTimingSource::Cta861, std::nullopt, 2},
        {"DisplayID's preferred timing over its first", {DisplayIdBlock(0x12, {DataBlock(0x03, Join({did4k, did8k}))})}, 1,
         7680, EdidTimingSource::DisplayId, std::nullopt, 1},
        {"DisplayID's first timing where none is preferred", {DisplayIdBlock(0x12, {DataBlock(0x03, did4k)})}, 1, 3840,
         EdidTimingSource::DisplayId, std::nullopt, 1},
        {"DisplayID 1.x product name", {DisplayIdBlock(0x12, {DataBlock(0x00, ProductIdentification("StudioDisplay"))})}, 1,
         std::nullopt, EdidTimingSource::DisplayId, "StudioDisplay", 1},
        {"DisplayID 2.0 product name and Type VII timing",
         {DisplayIdBlock(0x20, {DataBlock(0x20, ProductIdentification("Mi monitor")),
                                DataBlock(0x22, DisplayIdTiming(522610, true, 3840, 160, 2160, 62))})},
         1, 3840, EdidTimingSource::DisplayId, "Mi monitor", 1},
        {"CTA-861 without detailed timings", {CtaBlock({}, 0)}, 1, std::nullopt, EdidTimingSource::Cta861, std::nullopt, 1},
        {"a CTA-861 timing offset past the block", {CtaBlock({}, 120)}, 1, std::nullopt, EdidTimingSource::Cta861,
         std::nullopt, 1},
        {"more extensions declared than held", {CtaBlock({dtd5k})}, 3, 2560, EdidTimingSource::Cta861, std::nullopt, 1},
        {"a held block beyond the declared count", {CtaBlock({dtd5k})}, 0, std::nullopt, EdidTimingSource::Cta861,
         std::nullopt, 0},
        {"a data block longer than its section",
         {DisplayIdBlock(0x12, {Bytes{0x03, 0x00, 0x7F}})}, 1, std::nullopt, EdidTimingSource::DisplayId, std::nullopt, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BaseFields f = bare;
        f.extensions = c.declared;
        Bytes edid = Base(f);
        for (const Bytes& block : c.extensions) edid.insert(edid.end(), block.begin(), block.end());
        const auto info = DecodeEdid(edid);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->extensionBlocks, c.blocksRead);
        EXPECT_EQ(info->name, c.name);
        EXPECT_EQ(info->serialText, "SERIAL");
        ASSERT_EQ(info->preferred.has_value(), c.width.has_value());
        if (c.width) {
            EXPECT_EQ(info->preferred->width, *c.width);
            EXPECT_EQ(info->preferred->source, c.source);
        }
    }
}

TEST(Edid, DisplayIdTimingsReadTheirClockUnits) {
    BaseFields bare;
    bare.descriptors = {kUnused, kUnused, kUnused, kUnused};
    bare.extensions = 1;
    // Type I: 10 kHz units; Type VII: 1 kHz units. Both 7680 x 4320 at 29.93 Hz (1030.25 MHz).
    for (const auto& [tag, clock] : {std::pair<std::uint8_t, std::uint32_t>{0x03, 103025}, {0x22, 1030250}}) {
        SCOPED_TRACE(static_cast<int>(tag));
        const Bytes edid = Join({Base(bare), DisplayIdBlock(tag == 0x03 ? 0x12 : 0x20,
                                                            {DataBlock(tag, DisplayIdTiming(clock, true, 7680, 200, 4320, 48))})});
        const auto info = DecodeEdid(edid);
        ASSERT_TRUE(info && info->preferred);
        EXPECT_EQ(info->preferred->pixelClockHz, 1030250000u);
        EXPECT_EQ(info->preferred->height, 4320u);
        EXPECT_NEAR(info->preferred->refreshHz, 29.93, 0.005);
        EXPECT_TRUE(info->displayId);
    }
}

TEST(Edid, AnExtensionWithAWrongChecksumIsLeftOut) {
    BaseFields bare;
    bare.descriptors = {kUnused, kUnused, kUnused, kUnused};
    bare.extensions = 1;
    Bytes cta = CtaBlock({Dtd(48240, 2560, 120, 2880, 70)});
    cta[127] ^= 0x10;
    const auto info = DecodeEdid(Join({Base(bare), cta}));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->extensionBlocks, 0);
    EXPECT_FALSE(info->cta861);
    EXPECT_FALSE(info->preferred);
}

}  // namespace
}  // namespace orvane::machine
