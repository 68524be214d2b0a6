#pragma once
// PrintListView: prints a report list as the paged, ruled table of screens/lists/list_printout.h, on the
// printer and paper the user picks in the print dialog (A4 to begin with), in landscape, with the
// columns at the widths the user left them; the dialog's page range picks the pages.

#include <windows.h>

#include "ui/list_view_win.h"

namespace orvane {

void PrintListView(HWND owner, const ui::ListView& list, const char* title);

}  // namespace orvane
