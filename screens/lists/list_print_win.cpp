#include "screens/lists/list_print_win.h"

#include "report/print_job_win.h"
#include "ui/locale_win.h"
#include "screens/lists/list_printout.h"

namespace orvane {

void PrintListView(HWND owner, const ui::ListView& list, const char* title) {
    PrintedList printed;
    printed.title = title;
    printed.captions = list.ColumnCaptions();
    printed.widths = list.ColumnWidths();
    const int columns = static_cast<int>(printed.widths.size());
    for (int row = 0; row < list.RowCount(); ++row) {
        ListRow cells;
        for (int column = 0; column < columns; ++column) cells.push_back(list.Cell(row, column));
        printed.rows.push_back(std::move(cells));
    }
    printed.date = ui::LocaleShortDate();
    report::PrintWithDialog(owner, ListPrintout(std::move(printed)), title, report::Orientation::Landscape,
                            report::PaperChoice::UserChoice);
}

}  // namespace orvane
