#include "ui/list_view_win.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/dpi_win.h"
#include "ui/error_box_win.h"
#include "ui/form_host_win.h"

namespace orvane::ui {

namespace {

std::string ItemText(HWND control, int row, int column) {
    std::string text(260, '\0');
    for (;;) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const auto length = static_cast<std::size_t>(
            SendMessageA(control, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        // A text that fills the buffer may have been cut: ask again with more room.
        if (length + 1 < text.size() || text.size() >= 65536) {
            text.resize(length);
            return text;
        }
        text.assign(text.size() * 4, '\0');
    }
}

// The comparison of LVM_SORTITEMS: each row's item data is the index of its key in the table the sort
// read before it began. Nothing is asked of the control here, since it moves its rows while it sorts.
int CALLBACK CompareSortKeys(LPARAM first, LPARAM second, LPARAM table) {
    return Guarded(nullptr, 0, [&] {
        const auto& keys = *reinterpret_cast<const std::vector<std::string>*>(table);
        const auto key = [&keys](LPARAM index) {
            return index >= 0 && static_cast<std::size_t>(index) < keys.size()
                       ? keys[static_cast<std::size_t>(index)].c_str()
                       : "";
        };
        return lstrcmpA(key(first), key(second));
    });
}

}  // namespace

void PrepareListView(FormHost&, HWND control, const ControlSpec& design) {
    const DWORD extended = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    SendMessageA(control, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    int index = 0;
    for (const ColumnSpec& columnDesign : design.columns) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(columnDesign.caption.c_str());
        column.cx = Scale(columnDesign.width);
        column.iSubItem = index;
        SendMessageA(control, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
        ++index;
    }
}

bool ListViewNotify(FormHost& form, HWND, const ControlSpec& design, const NMHDR& header, LRESULT& result) {
    if (header.code != LVN_ITEMCHANGED) return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED)) {
        form.RaiseSelectionChanged(design.name);
    }
    result = 0;
    return true;
}

void ListView::Clear() {
    if (!control_) return;
    SendMessageA(control_, LVM_DELETEALLITEMS, 0, 0);
}

int ListView::AddRow(const std::vector<std::string>& cells) {
    return AddRowInGroup(cells, -1);
}

namespace {

// Whether this system's list views draw groups: some (Wine's) take groups and draw no headings, and a
// list that has had its group view turned on and off again there paints nothing. So a hidden list of
// the same kind answers, once: a drawn heading puts at least half a row above its first row.
bool SystemDrawsGroups(HWND parent) {
    static const bool drawn = [parent] {
        HWND probe = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 200, 200, parent, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
        if (!probe) return false;
        bool answer = false;
        LVCOLUMNA column{};
        column.mask = LVCF_WIDTH;
        column.cx = 100;
        SendMessageA(probe, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        if (SendMessageA(probe, LVM_ENABLEGROUPVIEW, TRUE, 0) >= 0) {
            wchar_t heading[] = L"x";
            LVGROUP group{};
            group.cbSize = sizeof group;
            group.mask = LVGF_HEADER | LVGF_GROUPID;
            group.pszHeader = heading;
            group.iGroupId = 1;
            SendMessageA(probe, LVM_INSERTGROUP, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&group));
            char text[] = "x";
            LVITEMA item{};
            item.mask = LVIF_TEXT | LVIF_GROUPID;
            item.pszText = text;
            item.iGroupId = 1;
            SendMessageA(probe, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
            RECT row{};
            row.left = LVIR_BOUNDS;
            int headings = 0;
            if (HWND header = reinterpret_cast<HWND>(SendMessageA(probe, LVM_GETHEADER, 0, 0))) {
                RECT area{};
                GetWindowRect(header, &area);
                headings = area.bottom - area.top;
            }
            if (SendMessageA(probe, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row))) {
                answer = row.top >= headings + (row.bottom - row.top) / 2;
            }
        }
        DestroyWindow(probe);
        return answer;
    }();
    return drawn;
}

}  // namespace

bool ListView::EnableGroups() {
    if (!control_ || !SystemDrawsGroups(GetParent(control_))) return false;
    SendMessageA(control_, LVM_REMOVEALLGROUPS, 0, 0);
    // -1: the control has no group view (before common controls 6).
    return SendMessageA(control_, LVM_ENABLEGROUPVIEW, TRUE, 0) >= 0;
}

bool ListView::AddGroup(int id, const std::string& heading) {
    if (!control_) return false;
    // The group record carries its heading in UTF-16 only; the headings are ASCII.
    std::wstring wide(heading.begin(), heading.end());
    LVGROUP group{};
    group.cbSize = sizeof group;
    group.mask = LVGF_HEADER | LVGF_GROUPID;
    group.pszHeader = wide.data();
    group.iGroupId = id;
    return SendMessageA(control_, LVM_INSERTGROUP, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&group)) >= 0;
}

int ListView::AddRowInGroup(const std::vector<std::string>& cells, int group) {
    if (!control_) return -1;
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    if (group >= 0) {
        item.mask |= LVIF_GROUPID;
        item.iGroupId = group;
    }
    item.iItem = RowCount();
    item.pszText = const_cast<char*>(cells.empty() ? "" : cells[0].c_str());
    const int row = static_cast<int>(SendMessageA(control_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return row;
    for (std::size_t column = 1; column < cells.size(); ++column) {
        LVITEMA sub{};
        sub.iSubItem = static_cast<int>(column);
        sub.pszText = const_cast<char*>(cells[column].c_str());
        SendMessageA(control_, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&sub));
    }
    return row;
}

int ListView::RowCount() const {
    return control_ ? static_cast<int>(SendMessageA(control_, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string ListView::Cell(int row, int column) const {
    return control_ ? ItemText(control_, row, column) : std::string();
}

void ListView::SortByItemText() {
    if (!control_) return;
    // The keys are read while the rows stand still, and each row carries its key's index as its item
    // data into the sort.
    const int count = RowCount();
    std::vector<std::string> keys;
    keys.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int row = 0; row < count; ++row) {
        keys.push_back(ItemText(control_, row, 0));
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        item.lParam = row;
        SendMessageA(control_, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(control_, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&keys), reinterpret_cast<LPARAM>(&CompareSortKeys));
}

int ListView::SelectedRow() const {
    return control_ ? static_cast<int>(SendMessageA(control_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED))
                    : -1;
}

void ListView::SelectRow(int row) {
    if (!control_) return;
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(control_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    SendMessageA(control_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

int ListView::ColumnCount() const {
    if (!control_) return 0;
    HWND header = reinterpret_cast<HWND>(SendMessageA(control_, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::vector<std::string> ListView::ColumnCaptions() const {
    std::vector<std::string> captions;
    for (int index = 0; index < ColumnCount(); ++index) {
        char text[260] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = sizeof text;
        SendMessageA(control_, LVM_GETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
        captions.emplace_back(text);
    }
    return captions;
}

std::vector<int> ListView::ColumnWidths() const {
    std::vector<int> widths;
    for (int index = 0; index < ColumnCount(); ++index) {
        widths.push_back(static_cast<int>(SendMessageA(control_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index), 0)));
    }
    return widths;
}

}  // namespace orvane::ui
