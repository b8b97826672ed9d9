#include "ListViewRows.h"

#include <commctrl.h>

void SetUpColumns(HWND list, const std::vector<const char*>& headers)
{
    DeleteAllRows(list);
    while (::SendMessageA(list, LVM_DELETECOLUMN, 0, 0))
        ;
    for (size_t i = 0; i < headers.size(); ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_SUBITEM | LVCF_WIDTH;
        column.pszText = const_cast<char*>(headers[i]);
        column.cx = 10;
        column.iSubItem = static_cast<int>(i);
        ::SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    ::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

int ColumnCount(HWND list)
{
    HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

namespace {
// Room beside a header's text for the header's own margins.
constexpr int HeaderTextMargin = 12;

int HeaderTextWidth(HWND list, int column)
{
    char text[64] = {};
    LVCOLUMNA item = {};
    item.mask = LVCF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (!::SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&item)))
        return 0;
    return static_cast<int>(::SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
}
}  // namespace

void AutoSizeColumns(HWND list)
{
    // Some list views size a column to its cells alone and cut the header short; the header
    // always stays readable.
    const int columns = ColumnCount(list);
    for (int i = 0; i < columns; ++i) {
        ::SendMessageA(list, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
        const int headerWidth = HeaderTextWidth(list, i) + HeaderTextMargin;
        if (static_cast<int>(::SendMessageA(list, LVM_GETCOLUMNWIDTH, i, 0)) < headerWidth)
            ::SendMessageA(list, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(headerWidth, 0));
    }
}

void SetSmallImages(HWND list, HIMAGELIST images)
{
    ::SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void DeleteAllRows(HWND list)
{
    ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
}

int InsertRow(HWND list, int position, int image, const std::vector<std::string>& cells, LPARAM data)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = position;
    item.iImage = image;
    item.lParam = data;
    item.pszText = const_cast<char*>(cells.empty() ? "" : cells[0].c_str());
    const int row = static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0)
        return -1;
    for (size_t column = 1; column < cells.size(); ++column) {
        LVITEMA cell = {};
        cell.iSubItem = static_cast<int>(column);
        cell.pszText = const_cast<char*>(cells[column].c_str());
        ::SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
    }
    return row;
}

int RowCount(HWND list)
{
    return static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

std::string CellText(HWND list, int row, int column)
{
    char text[260] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    text[sizeof text - 1] = 0;
    return text;
}

namespace {
bool GetRow(HWND list, int row, UINT mask, LVITEMA& item)
{
    item = {};
    item.mask = mask;
    item.iItem = row;
    return ::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
}
}  // namespace

int RowImage(HWND list, int row)
{
    LVITEMA item;
    return GetRow(list, row, LVIF_IMAGE, item) ? item.iImage : -1;
}

LPARAM RowData(HWND list, int row)
{
    LVITEMA item;
    return GetRow(list, row, LVIF_PARAM, item) ? item.lParam : -1;
}

int FirstSelectedRow(HWND list)
{
    return static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SelectAndFocusRow(HWND list, int row)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}
