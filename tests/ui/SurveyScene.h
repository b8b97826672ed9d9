// The Site Survey page on the real dialog: its lists read back as rows, and ways to act on
// them as the user would.
#ifndef SKYLOOK_TESTS_UI_SURVEY_SCENE_H
#define SKYLOOK_TESTS_UI_SURVEY_SCENE_H

#include "DialogScene.h"

#include <string>
#include <vector>

constexpr int SurveyPageIndex = 3;
constexpr int NetworkListId = 1025;
constexpr int ProfileListId = 1037;

struct ShownRow {
    std::string text;  // the first cell
    int image;
    bool operator==(const ShownRow&) const = default;
};

HWND SurveyItem(int id);
std::vector<ShownRow> ShownRows(int listId);
std::vector<std::string> RowCells(int listId, int row);
int SelectedRow(int listId);
void SelectRow(int listId, int row);
void ClearSelection(int listId);
// A click on a page button as BN_CLICKED reaches the page.
void ClickSurveyButton(int id);
// A double click on a row of the list, as the list reports it.
void DoubleClickList(int listId);

std::ostream& operator<<(std::ostream& out, const ShownRow& row);

#endif
