#include "report/document.h"

#include <algorithm>

namespace orvane::report {

int PagesInRange(int count, PageRange range) {
    return std::max(0, std::min(range.last, count) - std::max(range.first, 1) + 1);
}

int PrintPages(const Document& document, PageTarget& target, int copies, PageRange range) {
    const PageFit fit = FitPage(document.Page(), target.Paper());
    FittedSurface measure(target.Measure(), fit);
    const int count = document.PageCount(measure);
    const int first = std::max(range.first, 1);
    const int last = std::min(range.last, count);
    int printed = 0;
    for (int copy = 0; copy < std::max(copies, 1); ++copy) {
        for (int page = first; page <= last; ++page) {
            FittedSurface surface(target.BeginPage(), fit);
            document.DrawPage(surface, page - 1);
            target.EndPage();
            ++printed;
        }
    }
    return printed;
}

}  // namespace orvane::report
