#include "ui/common/ListViewRows.h"

#include "controls/DpiScale.h"

namespace {
// Room beside a header's text for the header's own margins, in pixels at 96 dpi.
constexpr int HeaderTextMargin = 12;

int HeaderTextWidth(const CListViewView& list, int column)
{
    char text[64] = {};
    LVCOLUMNA item = {};
    item.mask = LVCF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (!list.Send(LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item)))
        return 0;
    return static_cast<int>(list.Send(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
}
}  // namespace

void SetUpColumns(const CListViewView& list, const std::vector<const char*>& headers)
{
    list.DeleteAllItems();
    while (list.Send(LVM_DELETECOLUMN, 0))
        ;
    for (size_t i = 0; i < headers.size(); ++i)
        list.InsertColumn(static_cast<int>(i), headers[i], 10);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

int ColumnCount(const CListViewView& list)
{
    HWND header = reinterpret_cast<HWND>(list.Send(LVM_GETHEADER));
    return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

void AutoSizeColumns(const CListViewView& list)
{
    // Some list views size a column to its cells alone and cut the header short; the header
    // always stays readable.
    const int columns = ColumnCount(list);
    for (int i = 0; i < columns; ++i) {
        list.SetColumnWidth(i, LVSCW_AUTOSIZE_USEHEADER);
        const int headerWidth = HeaderTextWidth(list, i) + ScaleForWindow(HeaderTextMargin, list.Handle());
        if (list.ColumnWidth(i) < headerWidth)
            list.SetColumnWidth(i, headerWidth);
    }
}

CListRedrawPause::CListRedrawPause(const CListViewView& list) : m_list(list.Handle())
{
    if (m_list)
        ::SendMessageA(m_list, WM_SETREDRAW, FALSE, 0);
}

CListRedrawPause::~CListRedrawPause()
{
    if (!m_list)
        return;
    ::SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
    if (::IsWindowVisible(m_list))
        ::RedrawWindow(m_list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

int AppendRow(const CListViewView& list, int image, const std::vector<std::string>& cells, LPARAM data)
{
    const int row = list.InsertItem(list.ItemCount(), cells.empty() ? "" : cells[0].c_str(), image, data);
    if (row < 0)
        return -1;
    for (size_t column = 1; column < cells.size(); ++column)
        list.SetItemText(row, static_cast<int>(column), cells[column].c_str());
    return row;
}

int RowImage(const CListViewView& list, int row)
{
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    return list.Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.iImage : -1;
}
