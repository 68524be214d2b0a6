#pragma once
// A surface for the unit tests that records what is drawn, with a simple font model: every character
// 2 mm wide (scaled with the font's size from 10 points), every line 4 mm high (likewise).

#include <array>
#include <deque>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "report/document.h"
#include "report/surface.h"

namespace orvane::report::testing {

class RecordingSurface : public Surface {
public:
    struct Drawn {
        std::string text;
        double x, y;
        MmRect clip;
        double points;
    };
    std::optional<DeviceGrid> Grid() const override { return grid; }
    void Fill(const MmRect& rect, Colour colour) override { fills.push_back({rect, colour}); }
    void Line(double x0, double y0, double x1, double y1) override { lines.push_back({x0, y0, x1, y1}); }
    double TextWidth(const Font& font, std::string_view text) override {
        return 2.0 * static_cast<double>(text.size()) * Size(font);
    }
    double LineHeight(const Font& font) override { return 4.0 * Size(font); }
    void Text(const Font& font, double x, double y, std::string_view text, const MmRect& clip) override {
        texts.push_back({std::string(text), x, y, clip, font.points});
    }
    const Drawn* Find(const std::string& text) const {
        for (const Drawn& drawn : texts) {
            if (drawn.text == text) return &drawn;
        }
        return nullptr;
    }

    // Fonts are measured against this size; the layouts' tests keep it at 1 whatever the points.
    bool sizedByPoints = false;
    std::optional<DeviceGrid> grid;  // a printer's, for layouts in device pixels
    std::vector<std::pair<MmRect, Colour>> fills;
    std::vector<std::array<double, 4>> lines;
    std::vector<Drawn> texts;

private:
    double Size(const Font& font) const { return sizedByPoints ? font.points / 10.0 : 1.0; }
};

// A page target that keeps each page's drawing and counts how the pages were begun and ended. Its pages
// measure and describe their device as its measuring surface does.
class RecordingTarget : public PageTarget {
public:
    PageSize Paper() override { return paper; }
    Surface& Measure() override { return measure; }
    Surface& BeginPage() override {
        if (open) throw std::logic_error("a page begun inside another");
        open = true;
        pages.emplace_back();
        pages.back().sizedByPoints = measure.sizedByPoints;
        pages.back().grid = measure.grid;
        return pages.back();
    }
    void EndPage() override {
        if (!open) throw std::logic_error("a page ended that was not begun");
        open = false;
    }

    PageSize paper;            // A4 unless a test sets it
    RecordingSurface measure;  // its font model is every page's
    std::deque<RecordingSurface> pages;
    bool open = false;
};

}  // namespace orvane::report::testing
