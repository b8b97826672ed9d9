// The Site Survey page on the real dialog: its lists read back as rows, and ways to act on
// them as the user would.
#ifndef SKYLOOK_TESTS_UI_SURVEY_SCENE_H
#define SKYLOOK_TESTS_UI_SURVEY_SCENE_H

#include "DialogScene.h"

#include <functional>

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
// The same click posted, for a button that opens a modal dialog.
void PostSurveyClick(int id);
// A double click on a row of the list, as the list reports it.
void DoubleClickList(int listId);

// The open Profile dialog (a dialog owned by the configuration dialog, other than a
// message box), or null; and the message box it owns.
HWND ProfileDialogWindow();
HWND ProfileWarningBox();
HWND ProfileItem(int id);
bool ProfileItemEnabled(int id);
// A drop-down choice and a click that notify the dialog as the user's do.
void ChooseProfileListItem(int id, int index);
void ClickProfileItem(int id);

std::ostream& operator<<(std::ostream& out, const ShownRow& row);

// The dialog joined to "Wireless" on the survey page, with ticks the test serves.
class SiteSurvey : public DialogScene {
protected:
    void SetUp() override;
    void TearDown() override;
    void Run(const std::function<void(CModalScript&)>& steps);

    CTestFrame frame;
};

void SetLinkAndRefill(int32_t state);

#endif
