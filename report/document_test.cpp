#include "report/document.h"

#include <gtest/gtest.h>

#include "report/testing/recording_surface.h"

namespace orvane::report {
namespace {

using testing::RecordingTarget;

// A document of numbered pages: each page draws its number.
class NumberedPages : public Document {
public:
    explicit NumberedPages(int count) : count_(count) {}
    int PageCount(Surface&) const override { return count_; }
    void DrawPage(Surface& surface, int index) const override {
        surface.Text({}, 10, 10, std::to_string(index + 1), {0, 0, 210, 297});
    }

private:
    int count_;
};

std::string PrintedNumbers(const RecordingTarget& target) {
    std::string numbers;
    for (const auto& page : target.pages) {
        for (const auto& text : page.texts) numbers += text.text;
    }
    return numbers;
}

TEST(PrintPages, CopiesAndRangesPrintTheRightPagesInOrder) {
    struct Case {
        int pages;
        int copies;
        PageRange range;
        std::string printed;
    } cases[] = {
        {3, 1, {}, "123"},     {3, 2, {}, "123123"},  // collated copies
        {3, 0, {}, "123"},                            // no copy count from the dialog means one
        {5, 1, {2, 4}, "234"}, {3, 1, {2, 9}, "23"},  // a range past the end stops at the last page
        {1, 1, {2, 2}, ""},                           // a range that leaves the one page out prints nothing
        {1, 3, {0, 1}, "111"}, {0, 1, {}, ""},
    };
    for (const Case& c : cases) {
        NumberedPages document(c.pages);
        RecordingTarget target;
        const int started = PrintPages(document, target, c.copies, c.range);
        EXPECT_EQ(PrintedNumbers(target), c.printed) << c.pages << " pages, " << c.copies << " copies";
        EXPECT_EQ(started, static_cast<int>(c.printed.size()));
        EXPECT_EQ(PagesInRange(c.pages, c.range) * std::max(c.copies, 1), started);
        EXPECT_FALSE(target.open) << "every page begun is ended";
    }
}

}  // namespace
}  // namespace orvane::report
