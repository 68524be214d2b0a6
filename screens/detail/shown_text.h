#pragma once
// What a detail window's model hands to the window: the rows' texts by control name, the items of a
// check list, and the row table that the window's layout and its model share.

#include <string>

namespace orvane {

// A row of a window: its label control, the label's caption and the control that shows the value.
struct RowSpec {
    const char* labelName;
    const char* caption;
    const char* valueName;
};

// A value control's name and the text it shows.
struct ShownText {
    const char* control;
    std::string text;
};

// An item of a check list and its tick.
struct CheckItem {
    std::string caption;
    bool checked = false;
};

}  // namespace orvane
