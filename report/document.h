#pragma once
// Pages and where they go. A document draws its pages on any surface; a page target (a print job, the
// preview, a test's recorder) hands out one blank page at a time. PrintPages joins the two, so copies
// and page ranges behave the same for every report.

#include <climits>

#include "report/surface.h"

namespace orvane::report {

class Document {
public:
    virtual ~Document() = default;
    // The size the pages are laid out at, in millimetres; an empty size lays them out on the target's
    // own sheet, unfitted.
    virtual PageSize Page() const { return {}; }
    // The number of pages; measure is a surface of the target, for documents whose length depends on
    // their text.
    virtual int PageCount(Surface& measure) const = 0;
    // Draws the page (counted from 0) in the layout's millimetres.
    virtual void DrawPage(Surface& surface, int index) const = 0;
};

class PageTarget {
public:
    virtual ~PageTarget() = default;
    // The sheet the pages go on, in millimetres.
    virtual PageSize Paper() = 0;
    // A surface for measuring text outside any page, in the sheet's millimetres.
    virtual Surface& Measure() = 0;
    // Starts a blank page; its surface is valid until EndPage. Throws when the page cannot be started.
    virtual Surface& BeginPage() = 0;
    virtual void EndPage() = 0;
};

// Pages counted from 1, both ends included, as a print dialog gives them.
struct PageRange {
    int first = 1;
    int last = INT_MAX;
};

// How many of count pages fall in the range.
int PagesInRange(int count, PageRange range);

// Prints the document's pages that fall in the range, the whole set copies times, each page fitted to
// the target's sheet (FitPage); returns the number of pages started. A range that leaves every page out
// prints nothing.
int PrintPages(const Document& document, PageTarget& target, int copies = 1, PageRange range = {});

}  // namespace orvane::report
