// The few list-view operations the certificate dialogs use, on a report-style list.
#ifndef SKYLOOK_UI_REPORT_LIST_H
#define SKYLOOK_UI_REPORT_LIST_H

#include <windows.h>

#include <initializer_list>
#include <string>

void AddListExtendedStyle(HWND list, DWORD style);
void AddListColumn(HWND list, int column, const char* title, int width);
// Appends a row of texts, column 0 first, carrying data; returns its index or -1.
int AppendListRow(HWND list, std::initializer_list<std::string> texts, LPARAM data);
void DeleteAllListRows(HWND list);
int ListRowCount(HWND list);
// The first selected row, -1 for none.
int FirstSelectedListRow(HWND list);
LPARAM ListRowData(HWND list, int row);
std::string ListItemText(HWND list, int row, int column);
// The width of the list's client area in pixels: what its columns can fill without a
// horizontal scroll bar.
int ListClientWidth(HWND list);
// The width in pixels that text needs in a column of the list, its margins included.
int ListColumnWidthFor(HWND list, const char* text);

#endif
