// The pages' controls driven the way the user drives them, from inside a modal run, and the
// message boxes they raise read back.
#ifndef SKYLOOK_TESTS_UI_PAGE_CONTROLS_H
#define SKYLOOK_TESTS_UI_PAGE_CONTROLS_H

#include "DialogScene.h"
#include "ModalScript.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The dialog opened from a main frame whose ticks the test serves itself.
class PageRun : public DialogScene {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the dialog on page (1-4), runs the steps, closes the dialog.
    void Run(int page, const std::function<void(CModalScript&)>& steps);

    CTestFrame frame;
};

HWND PageItem(int page, int id);
std::string PageItemText(int page, int id);
void SetPageItemText(int page, int id, const std::string& text);
bool PageItemVisible(int page, int id);
bool PageItemEnabled(int page, int id);
bool PageItemChecked(int page, int id);

// The numbers first to last as a list shows them, one item each.
std::vector<std::string> Numbers(int first, int last);

// A drop-down list's items, its selected index (-1 for none), and a choice from it that
// notifies the page as the user's choice does.
std::vector<std::string> ListItems(int page, int id);
int ListSelection(int page, int id);
void ChooseListItem(int page, int id, int index);

// The ids that Tab visits on the page, from the control first, until it comes back to it.
std::vector<int> TabOrder(int page, int first);

// A click on a button, check box or radio button.
void ClickPageItem(int page, int id);
// Characters typed into an edit.
void TypeInto(int page, int id, const std::string& text);
// Enter pressed on the page, as the dialog manager delivers it.
void PressEnter(int page);

struct MessageBoxSeen {
    std::string Caption;
    std::string Text;
    bool InformationIcon = false;
};

// Adds the steps that wait for the message box the previous step opened, read it into seen
// and close it.
void ReadAndCloseMessageBox(CModalScript& script, MessageBoxSeen& seen);

#endif
