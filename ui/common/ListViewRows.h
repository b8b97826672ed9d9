// What the pages' report lists need beyond the list view's own messages: columns from
// header texts, columns sized so their headers stay readable, rows of cells.
#ifndef SKYLOOK_UI_LIST_VIEW_ROWS_H
#define SKYLOOK_UI_LIST_VIEW_ROWS_H

#include "framework/StandardControls.h"

#include <string>
#include <vector>

// Empties the list and gives it these columns (no width yet) and full-row selection.
void SetUpColumns(const CListViewView& list, const std::vector<const char*>& headers);
int ColumnCount(const CListViewView& list);
// Every column as wide as the wider of its header and its cells.
void AutoSizeColumns(const CListViewView& list);

// Holds back a list's drawing and layout while it is refilled; a shown list is repainted
// once at the end. Sizing the columns of a list that redraws costs a layout per column.
class CListRedrawPause {
public:
    explicit CListRedrawPause(const CListViewView& list);
    ~CListRedrawPause();
    CListRedrawPause(const CListRedrawPause&) = delete;
    CListRedrawPause& operator=(const CListRedrawPause&) = delete;

private:
    HWND m_list;
};

// Appends a row with its image, cell texts from column 0 on, and a number the row carries;
// returns the row's index or -1.
int AppendRow(const CListViewView& list, int image, const std::vector<std::string>& cells, LPARAM data);
// The row's image, -1 for none.
int RowImage(const CListViewView& list, int row);

#endif
