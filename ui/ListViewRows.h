// The few list-view operations the pages need, on a report-view list's window.
#ifndef SKYLOOK_UI_LIST_VIEW_ROWS_H
#define SKYLOOK_UI_LIST_VIEW_ROWS_H

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// Empties the list and gives it these columns (no width yet) and full-row selection.
void SetUpColumns(HWND list, const std::vector<const char*>& headers);
int ColumnCount(HWND list);
// Every column as wide as the wider of its header and its cells.
void AutoSizeColumns(HWND list);

// The list's small images; the list does not own them when its style shares image lists.
void SetSmallImages(HWND list, HIMAGELIST images);

void DeleteAllRows(HWND list);
// Inserts a row at position (clamped to the end) with its image, cell texts from column 0
// on, and a number the row carries; returns the row's index or -1.
int InsertRow(HWND list, int position, int image, const std::vector<std::string>& cells, LPARAM data);
int RowCount(HWND list);
std::string CellText(HWND list, int row, int column);
int RowImage(HWND list, int row);
LPARAM RowData(HWND list, int row);

// The first selected row, -1 for none.
int FirstSelectedRow(HWND list);
void SelectAndFocusRow(HWND list, int row);

#endif
