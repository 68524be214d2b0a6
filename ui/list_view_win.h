#pragma once
// The report-style list view: columns with captions and widths, rows of item text and sub-items, grid
// lines, whole-row selection, read-only; sorted by the item text as lstrcmpA orders it.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/control_kinds_win.h"

namespace orvane::ui {

class ListView {
public:
    explicit ListView(HWND control = nullptr) : control_(control) {}
    explicit operator bool() const { return control_ != nullptr; }
    HWND Handle() const { return control_; }

    void Clear();
    // A row of the item text and its sub-items, at the end; its index.
    int AddRow(const std::vector<std::string>& cells);
    int RowCount() const;
    std::string Cell(int row, int column) const;
    // Groups (common controls 6): turns the group view on, without groups yet; AddGroup adds one with its
    // heading. False where the list has no group view or this system draws no group headings (Wine):
    // rows are then added without a group.
    bool EnableGroups();
    bool AddGroup(int id, const std::string& heading);
    // A row in the given group (added with AddGroup), at the end; its index.
    int AddRowInGroup(const std::vector<std::string>& cells, int group);
    // Orders the rows by their item text (lstrcmpA: the user's collation, ignoring nothing). The rows'
    // item data is the sort's own: it holds each row's place in the keys read before the sort.
    void SortByItemText();
    // The selected row, or -1.
    int SelectedRow() const;
    void SelectRow(int row);
    // The columns as the user left them: captions and widths in screen pixels.
    int ColumnCount() const;
    std::vector<std::string> ColumnCaptions() const;
    std::vector<int> ColumnWidths() const;

private:
    HWND control_;
};

void PrepareListView(FormHost& form, HWND control, const ControlSpec& design);
// A row selected or left reaches the form as the list's selection change.
bool ListViewNotify(FormHost& form, HWND control, const ControlSpec& design, const NMHDR& header, LRESULT& result);

inline constexpr KindHooks kListViewHooks{.prepare = PrepareListView, .notify = ListViewNotify};

}  // namespace orvane::ui
