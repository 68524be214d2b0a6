#pragma once
// The paged, ruled printout of a report list (PrintListView's pages): the list's columns at shares of
// the printable width in proportion to their widths on the screen, a centred bold header with a rule
// under it, vertical rules between the columns, a date line numbering the pages and the title. Laid out
// in the printer's device pixels, as the arithmetic below is designed, and drawn through the report
// surface, so the same code draws on a test's recording surface and on a printer.

#include <string>
#include <vector>

#include "report/document.h"
#include "screens/lists/inventory_list.h"

namespace orvane {

// What is printed: the list as the user sees it, the title and today's date in the user's short format.
struct PrintedList {
    std::string title;
    std::vector<std::string> captions;
    std::vector<int> widths;  // the columns' current widths on the screen
    std::vector<ListRow> rows;
    std::string date;
};

// The layout in device pixels. near() rounds halves to even, div truncates.
struct ListPageGeometry {
    double ux = 0;       // (width + 2 offsetX) / 21
    double uy = 0;       // (height + 2 offsetY) / 28.215
    std::vector<int> x;  // the column edges, x[0] to x[n]
    int top = 0;         // near(2.5 uy)
    int rowHeight = 0;   // the text height of "dummy" in Times New Roman, 10 points
    int perPage = 0;     // near((height - 5 uy) / rowHeight), at least 1
    int pages = 1;       // the smallest p >= 1 with p * perPage >= rows
};

inline constexpr const char* kListPrintFace = "Times New Roman";

// The printer's grid where the surface has one; else A4 landscape at 10 pixels to the millimetre.
report::DeviceGrid ListPrintGrid(const report::Surface& surface);

ListPageGeometry LayoutListPages(const report::DeviceGrid& grid, const std::vector<int>& widths, int rowHeight,
                                 std::size_t rowCount);

class ListPrintout : public report::Document {
public:
    explicit ListPrintout(PrintedList list) : list_(std::move(list)) {}

    // No page size of its own: laid out on whatever paper the printer prints on, the arithmetic taking
    // that paper's printable area, never fitted onto it.
    report::PageSize Page() const override { return {0, 0}; }
    int PageCount(report::Surface& measure) const override;
    // An empty list gives one page with nothing on it: no header, no rows.
    void DrawPage(report::Surface& surface, int index) const override;

private:
    ListPageGeometry Layout(report::Surface& surface) const;

    PrintedList list_;
};

}  // namespace orvane
