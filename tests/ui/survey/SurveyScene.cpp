#include "survey/SurveyScene.h"

#include "AdapterScene.h"

#include "state/ProgramState.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "ui/frame/ConfigDlg.h"
#include "ui/common/ListViewRows.h"

#include <commctrl.h>

#include <ostream>

HWND SurveyItem(int id)
{
    return ::GetDlgItem(PageWindow(SurveyPageIndex), id);
}

std::vector<ShownRow> ShownRows(int listId)
{
    const CListViewView list(SurveyItem(listId));
    std::vector<ShownRow> rows;
    for (int row = 0; row < list.ItemCount(); ++row)
        rows.push_back({list.ItemText(row, 0), RowImage(list, row)});
    return rows;
}

std::vector<std::string> RowCells(int listId, int row)
{
    const CListViewView list(SurveyItem(listId));
    std::vector<std::string> cells;
    for (int column = 0; column < ColumnCount(list); ++column)
        cells.push_back(list.ItemText(row, column));
    return cells;
}

int SelectedRow(int listId)
{
    return CListViewView(SurveyItem(listId)).SelectedItem();
}

void SelectRow(int listId, int row)
{
    CListViewView(SurveyItem(listId)).SelectOnly(row);
}

void ClearSelection(int listId)
{
    CListViewView(SurveyItem(listId)).SelectOnly(-1);
}

void ClickSurveyButton(int id)
{
    HWND button = SurveyItem(id);
    ::SendMessageA(PageWindow(SurveyPageIndex), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void PostSurveyClick(int id)
{
    ::PostMessageA(PageWindow(SurveyPageIndex), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(SurveyItem(id)));
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

namespace {
bool IsMessageBox(HWND window)
{
    return ::GetDlgItem(window, 0xFFFF) != nullptr;
}

HWND DialogOwnedBy(HWND owner, bool messageBox)
{
    for (HWND window : WindowsOwnedBy(owner)) {
        char name[16] = {};
        ::GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "#32770" && IsMessageBox(window) == messageBox && ::IsWindowVisible(window))
            return window;
    }
    return nullptr;
}
}  // namespace

HWND ProfileDialogWindow()
{
    return DialogOwnedBy(DialogWindow(), false);
}

HWND ProfileWarningBox()
{
    HWND dialog = ProfileDialogWindow();
    return dialog ? DialogOwnedBy(dialog, true) : nullptr;
}

HWND ProfileItem(int id)
{
    return ::GetDlgItem(ProfileDialogWindow(), id);
}

bool ProfileItemEnabled(int id)
{
    return ::IsWindowEnabled(ProfileItem(id)) != FALSE;
}

void ChooseProfileListItem(int id, int index)
{
    HWND list = ProfileItem(id);
    ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(::GetParent(list), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void ClickProfileItem(int id)
{
    ::SendMessageA(ProfileItem(id), BM_CLICK, 0, 0);
}

void SiteSurvey::SetUp()
{
    DialogScene::SetUp();
    frame.manualTicks = true;
    ASSERT_TRUE(frame.Create());
}

void SiteSurvey::TearDown()
{
    frame.DestroyWindow();
    DialogScene::TearDown();
}

void SiteSurvey::Run(const std::function<void(CModalScript&)>& steps)
{
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown).Do("join Wireless and show the survey", [this] {
        Join("Wireless");
        frame.ManualTick();
        ASSERT_EQ(LinkAssociated, CurrentStatus.LinkState);
        ClickLabel(PageLabels[SurveyPageIndex]);
        ASSERT_EQ(SurveyPageIndex, ShownPage());
    });
    steps(script);
    script.Do("close", [] { ConfigDialog().CloseConfigDialog(); });
    RunConfigDialog(script, frame);
    EXPECT_TRUE(script.Finished()) << script.Position();
    EXPECT_FALSE(script.GuardFired());
}

void SetLinkAndRefill(int32_t state)
{
    CurrentStatus.LinkState = state;
    ConfigDialog().RefreshNetworkLists();
}
