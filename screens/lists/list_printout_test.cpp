#include "screens/lists/list_printout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "report/testing/recording_surface.h"

namespace orvane {
namespace {

using report::testing::RecordingSurface;
using report::testing::RecordingTarget;

// A4 landscape at 254 dots to the inch (10 pixels to the millimetre), its printable area 2800 x 1960
// pixels starting 85 and 70 pixels in. The recording surface's font model then gives every 10-point
// line 40 pixels and every character 2 mm at 10 points: 20 pixels (16 at 8 points, 36 at 18).
constexpr report::DeviceGrid kGrid{2800, 1960, 85, 70, 10, 10};
// What the arithmetic gives on that page: ux = 2970 / 21, uy = 2100 / 28.215.
constexpr int kLeft = 212;    // near(1.5 ux)
constexpr int kRight = 2588;  // 2800 - near(1.5 ux)
constexpr int kTop = 186;     // near(2.5 uy)
constexpr int kRow = 40;
constexpr int kInset = 14;  // near(0.1 ux)
constexpr int kLift = 7;    // near(0.1 uy)

int PxX(double mm) {
    return static_cast<int>(std::lround(mm * 10)) - kGrid.offsetX;
}
int PxY(double mm) {
    return static_cast<int>(std::lround(mm * 10)) - kGrid.offsetY;
}

struct PixelText {
    int x, y, clipLeft, clipTop, clipRight, clipBottom;
};
PixelText Px(const RecordingSurface::Drawn& drawn) {
    return {PxX(drawn.x),
            PxY(drawn.y),
            PxX(drawn.clip.x),
            PxY(drawn.clip.y),
            PxX(drawn.clip.x + drawn.clip.width),
            PxY(drawn.clip.y + drawn.clip.height)};
}

struct PixelLine {
    int x0, y0, x1, y1;
    bool operator==(const PixelLine&) const = default;
};
std::vector<PixelLine> Lines(const RecordingSurface& page) {
    std::vector<PixelLine> lines;
    for (const auto& line : page.lines) lines.push_back({PxX(line[0]), PxY(line[1]), PxX(line[2]), PxY(line[3])});
    return lines;
}

PrintedList DeviceRows(int count) {
    PrintedList list{"Device Info", {"Driver", "Provider", "Version"}, {200, 150, 150}, {}, "1/2/2024"};
    for (int k = 1; k <= count; ++k) {
        const std::string n = std::to_string(k);
        list.rows.push_back({"Row " + n, "Prov " + n, "Ver " + n});
    }
    return list;
}

RecordingTarget Print(const PrintedList& list) {
    RecordingTarget target;
    target.paper = {297, 210};  // the landscape A4 sheet the print job asks for
    target.measure.sizedByPoints = true;
    target.measure.grid = kGrid;
    report::PrintPages(ListPrintout(list), target);
    return target;
}

TEST(ListPrintout, NinetyFiveRowsAtFortyAPageMakeThreePages) {
    const RecordingTarget target = Print(DeviceRows(95));
    ASSERT_EQ(target.pages.size(), 3u);
    // Columns at shares of 2376 pixels: 950, 713, 713.
    const int x1 = 1162, x2 = 1875;
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page + 1);
        const RecordingSurface& surface = target.pages[static_cast<std::size_t>(page)];
        // The inner rules, down to one row past the page (top + 41 h), on the last page to top + 17 h.
        const int bottom = page < 2 ? kTop + 41 * kRow : kTop + 17 * kRow;
        const std::vector<PixelLine> lines = {
            {x1, kTop, x1, bottom}, {x2, kTop, x2, bottom}, {kLeft - kInset, 222, kRight + kInset, 222}};
        EXPECT_EQ(Lines(surface), lines);
        const std::string date = "Date: 1/2/2024 Page: " + std::to_string(page + 1) + " / 3";
        const auto* dateLine = surface.Find(date);
        ASSERT_TRUE(dateLine);
        EXPECT_EQ(Px(*dateLine).x, kRight - 16 * static_cast<int>(date.size()));
        EXPECT_EQ(Px(*dateLine).y, 37);
        EXPECT_EQ(dateLine->points, 8);
        const auto* title = surface.Find("Device Info");
        ASSERT_TRUE(title);
        EXPECT_EQ(Px(*title).x, 424);
        EXPECT_EQ(Px(*title).y, 74);
        EXPECT_EQ(title->points, 18);
        // The header: "Driver" (120 pixels) centred over its 950.
        const auto* driver = surface.Find("Driver");
        ASSERT_TRUE(driver);
        const PixelText header = Px(*driver);
        EXPECT_EQ(header.x, kLeft + 950 / 2 - 60);
        EXPECT_EQ(header.y, kTop - kLift);
        EXPECT_EQ(header.clipLeft, kLeft + kInset);
        EXPECT_EQ(header.clipRight, x1 - kInset);
        EXPECT_EQ(header.clipTop, kTop - kLift);
        EXPECT_EQ(header.clipBottom, kTop + kRow - kLift);
    }
    // Rows 1-40, 41-80 and 81-95, each page starting one row below the header.
    const int firsts[] = {1, 41, 81};
    const int lasts[] = {40, 80, 95};
    for (int page = 0; page < 3; ++page) {
        const RecordingSurface& surface = target.pages[static_cast<std::size_t>(page)];
        const auto* first = surface.Find("Row " + std::to_string(firsts[page]));
        const auto* last = surface.Find("Ver " + std::to_string(lasts[page]));
        ASSERT_TRUE(first && last) << page;
        EXPECT_EQ(Px(*first).x, kLeft + kInset);
        EXPECT_EQ(Px(*first).y, kTop + kRow);
        const PixelText version = Px(*last);
        EXPECT_EQ(version.x, x2 + kInset);
        EXPECT_EQ(version.y, kTop + (lasts[page] - firsts[page] + 1) * kRow);
        EXPECT_EQ(version.clipRight, kRight - kInset);
        EXPECT_EQ(version.clipBottom, version.y + kRow);
        EXPECT_EQ(surface.texts.size(), 3u + 2u + 3u * static_cast<std::size_t>(lasts[page] - firsts[page] + 1));
    }
}

TEST(ListPrintout, AnEmptyListPrintsAPageWithNoHeaderAndNoRows) {
    const RecordingTarget target = Print(DeviceRows(0));
    ASSERT_EQ(target.pages.size(), 1u);
    EXPECT_TRUE(target.pages[0].texts.empty());
    EXPECT_TRUE(target.pages[0].lines.empty());
}

TEST(ListPrintout, ARowWithoutSubItemsLeavesItsCellsEmpty) {
    PrintedList list = DeviceRows(2);
    list.rows[0] = {"Lonely"};
    const RecordingTarget target = Print(list);
    ASSERT_EQ(target.pages.size(), 1u);
    const auto& texts = target.pages[0].texts;
    const auto inRow = [&](int y) {
        return std::count_if(texts.begin(), texts.end(), [&](const auto& drawn) { return PxY(drawn.y) == y; });
    };
    EXPECT_EQ(inRow(kTop + kRow), 1);
    EXPECT_EQ(inRow(kTop + 2 * kRow), 3);
    EXPECT_TRUE(target.pages[0].Find("Prov 2"));
}

TEST(ListPrintout, SharesFollowTheWidthsTheUserLeftAndACaptionWiderThanItsColumnIsClipped) {
    PrintedList list{
        "Installed Applications", {"A very long caption", "B", "C"}, {10, 30, 120}, {{"x", "y", "z"}}, "1/2/2024"};
    const RecordingTarget target = Print(list);
    ASSERT_EQ(target.pages.size(), 1u);
    // Shares of 2376: 148.5 and 445.5 round to the even 148 and 446; the last edge is recomputed.
    const std::vector<PixelLine> lines = {{360, kTop, 360, kTop + 3 * kRow},
                                          {806, kTop, 806, kTop + 3 * kRow},
                                          {kLeft - kInset, 222, kRight + kInset, 222}};
    EXPECT_EQ(Lines(target.pages[0]), lines);
    const auto* caption = target.pages[0].Find("A very long caption");
    ASSERT_TRUE(caption);
    const PixelText header = Px(*caption);
    EXPECT_EQ(header.x, kLeft + 148 / 2 - 380 / 2);
    EXPECT_EQ(header.clipLeft, kLeft + kInset);
    EXPECT_EQ(header.clipRight, 360 - kInset);
    const auto* z = target.pages[0].Find("z");
    ASSERT_TRUE(z);
    EXPECT_EQ(Px(*z).x, 806 + kInset);
}

TEST(ListPrintout, TheTitleGoesLeftWhenItClearsTheDateLineElseItIsCentred) {
    // The date line starts at 2172; a title of t pixels goes left while 2172 >= (t + 2800) div 2 + 106.
    struct Case {
        std::size_t characters;
        int x;
    };
    const Case cases[] = {{11, 424}, {37, 424}, {38, (2800 - 38 * 36) / 2}, {60, (2800 - 60 * 36) / 2}};
    for (const Case& c : cases) {
        PrintedList list = DeviceRows(1);
        list.title = std::string(c.characters, 'T');
        const RecordingTarget target = Print(list);
        const auto* title = target.pages.at(0).Find(list.title);
        ASSERT_TRUE(title) << c.characters;
        EXPECT_EQ(Px(*title).x, c.x) << c.characters;
        EXPECT_EQ(Px(*title).y, 74) << c.characters;
        EXPECT_EQ(Px(*target.pages.at(0).Find("Date: 1/2/2024 Page: 1 / 1")).x, 2172);
    }
}

TEST(ListPrintout, OnThePaperTheUserChoseTheArithmeticTakesItsPrintableArea) {
    // Letter landscape at 300 dots to the inch: 3300 x 2550 pixels, printable 3200 x 2450 from 50, 50.
    constexpr double kPerMm = 300 / 25.4;
    const report::DeviceGrid letter{3200, 2450, 50, 50, kPerMm, kPerMm};
    RecordingTarget target;
    target.paper = {279.4, 215.9};
    target.measure.sizedByPoints = true;
    target.measure.grid = letter;
    report::PrintPages(ListPrintout(DeviceRows(95)), target);

    // A 10-point line of the recording font is 4 mm: 47 pixels at this resolution.
    const ListPageGeometry page = LayoutListPages(letter, {200, 150, 150}, 47, 95);
    ASSERT_EQ(target.pages.size(), static_cast<std::size_t>(page.pages));
    const auto mmX = [&](int px) { return (px + letter.offsetX) / kPerMm; };
    const auto mmY = [&](int px) { return (px + letter.offsetY) / kPerMm; };
    const RecordingSurface& first = target.pages.front();
    // The header rule spans the columns from the left margin to the right one of this paper.
    ASSERT_EQ(first.lines.size(), 3u);
    const int inset = static_cast<int>(std::nearbyint(0.1 * page.ux));
    EXPECT_NEAR(first.lines[2][0], mmX(page.x.front() - inset), 0.01);
    EXPECT_NEAR(first.lines[2][2], mmX(page.x.back() + inset), 0.01);
    EXPECT_NEAR(first.lines[0][0], mmX(page.x[1]), 0.01);
    EXPECT_NEAR(first.lines[0][1], mmY(page.top), 0.01);
    // The first row one line below the header, in the first column.
    const auto* row = first.Find("Row 1");
    ASSERT_TRUE(row);
    EXPECT_NEAR(row->x, mmX(page.x[0] + inset), 0.01);
    EXPECT_NEAR(row->y, mmY(page.top + page.rowHeight), 0.01);
    EXPECT_EQ(row->points, 10) << "not scaled down to fit another paper";
}

TEST(ListPrintout, PageArithmeticFollowsThePrintableArea) {
    // A 600-dot page of Letter landscape with its own offsets: the units come from the paper's size.
    const report::DeviceGrid letter{6600, 5100, 100, 75, 600 / 25.4, 600 / 25.4};
    const ListPageGeometry page = LayoutListPages(letter, {200, 150, 150}, 100, 95);
    EXPECT_DOUBLE_EQ(page.ux, 6800 / 21.0);
    EXPECT_DOUBLE_EQ(page.uy, 5250 / 28.215);
    EXPECT_EQ(page.x, (std::vector<int>{486, 2737, 4425, 6113}));  // the last edge recomputed
    EXPECT_EQ(page.top, 465);
    EXPECT_EQ(page.perPage, 42);
    EXPECT_EQ(page.pages, 3);
    // Columns all closed to nothing share alike; a page smaller than a row still holds one.
    const ListPageGeometry closed = LayoutListPages(letter, {0, 0}, 100, 3);
    EXPECT_EQ(closed.x, (std::vector<int>{486, 3300, 6114}));
    const ListPageGeometry tiny = LayoutListPages({100, 50, 0, 0, 1, 1}, {1}, 200, 3);
    EXPECT_EQ(tiny.perPage, 1);
    EXPECT_EQ(tiny.pages, 3);
}

}  // namespace
}  // namespace orvane
