#include "SurveyScene.h"

#include "ui/ListViewRows.h"

#include <commctrl.h>

#include <ostream>

HWND SurveyItem(int id)
{
    return ::GetDlgItem(PageWindow(SurveyPageIndex), id);
}

std::vector<ShownRow> ShownRows(int listId)
{
    HWND list = SurveyItem(listId);
    std::vector<ShownRow> rows;
    for (int row = 0; row < RowCount(list); ++row)
        rows.push_back({CellText(list, row, 0), RowImage(list, row)});
    return rows;
}

std::vector<std::string> RowCells(int listId, int row)
{
    HWND list = SurveyItem(listId);
    std::vector<std::string> cells;
    for (int column = 0; column < ColumnCount(list); ++column)
        cells.push_back(CellText(list, row, column));
    return cells;
}

int SelectedRow(int listId)
{
    return FirstSelectedRow(SurveyItem(listId));
}

void SelectRow(int listId, int row)
{
    SelectAndFocusRow(SurveyItem(listId), row);
}

void ClearSelection(int listId)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    ::SendMessageA(SurveyItem(listId), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}

void ClickSurveyButton(int id)
{
    HWND button = SurveyItem(id);
    ::SendMessageA(PageWindow(SurveyPageIndex), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void DoubleClickList(int listId)
{
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = SurveyItem(listId);
    click.hdr.idFrom = static_cast<UINT_PTR>(listId);
    click.hdr.code = NM_DBLCLK;
    click.iItem = -1;
    ::SendMessageA(PageWindow(SurveyPageIndex), WM_NOTIFY, static_cast<WPARAM>(listId), reinterpret_cast<LPARAM>(&click));
}

std::ostream& operator<<(std::ostream& out, const ShownRow& row)
{
    return out << "{" << row.text << ", " << row.image << "}";
}
