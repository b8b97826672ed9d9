#include "ReportList.h"

#include <commctrl.h>

#include <vector>

void AddListExtendedStyle(HWND list, DWORD style)
{
    ::SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
}

void AddListColumn(HWND list, int column, const char* title, int width)
{
    LVCOLUMNA header = {};
    header.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    header.fmt = LVCFMT_LEFT;
    header.cx = width;
    header.pszText = const_cast<char*>(title);
    header.iSubItem = column;
    ::SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&header));
}

int AppendListRow(HWND list, std::initializer_list<std::string> texts, LPARAM data)
{
    int row = -1;
    int column = 0;
    for (const std::string& text : texts) {
        LVITEMA item = {};
        item.iItem = row < 0 ? ListRowCount(list) : row;
        item.iSubItem = column;
        item.pszText = const_cast<char*>(text.c_str());
        if (row < 0) {
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.lParam = data;
            row = static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
            if (row < 0)
                return -1;
        } else {
            item.mask = LVIF_TEXT;
            ::SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        }
        ++column;
    }
    return row;
}

void DeleteAllListRows(HWND list)
{
    ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
}

int ListRowCount(HWND list)
{
    return static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

int FirstSelectedListRow(HWND list)
{
    return static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

LPARAM ListRowData(HWND list, int row)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return -1;
    return item.lParam;
}

std::string ListItemText(HWND list, int row, int column)
{
    // The list copies at most the buffer's size less one and terminates.
    std::vector<char> text(1024, '\0');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    text.back() = '\0';
    return text.data();
}

int ListClientWidth(HWND list)
{
    RECT client = {};
    ::GetClientRect(list, &client);
    return client.right - client.left;
}

int ListColumnWidthFor(HWND list, const char* text)
{
    // The list leaves a few pixels of margin on each side of a cell's text.
    constexpr int CellMargins = 12;
    return static_cast<int>(::SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text))) +
           CellMargins;
}
