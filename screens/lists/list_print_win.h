#pragma once
// PrintListView: prints a report list as the paged, ruled table of screens/lists/list_printout.h, on the
// printer the user picks in the print dialog, in landscape, with the columns at the widths the user
// left them.

#include <windows.h>

#include "ui/list_view_win.h"

namespace orvane {

void PrintListView(HWND owner, const ui::ListView& list, const char* title);

}  // namespace orvane
