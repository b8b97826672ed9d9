#include "CommonControls.h"
#include "Dialog.h"
#include "FrameworkTestResources.h"
#include "StandardControls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CItemsDialog : public CDialog {
public:
    CItemsDialog() : CDialog(IDD_FRAMEWORK_ITEMS) {}
};

class ViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(EnsureCommonControls());
        ASSERT_TRUE(dialog.Create(nullptr));
    }
    void TearDown() override { dialog.DestroyWindow(); }

    CItemsDialog dialog;
};

TEST_F(ViewTest, AViewNeverSubclassesNorBindsTheWindow)
{
    const std::vector<int> ids = {IDC_ITEMS_EDIT, IDC_ITEMS_COMBO, IDC_ITEMS_LIST, IDC_ITEMS_CHECK, IDC_ITEMS_TABS};
    std::vector<LONG_PTR> procedures;
    for (int id : ids)
        procedures.push_back(::GetWindowLongPtrA(dialog.Item(id), GWLP_WNDPROC));
    const LONG_PTR dialogProcedure = ::GetWindowLongPtrA(dialog, DWLP_DLGPROC);

    // Views of every kind, copied and used.
    CWindowView view = dialog;
    CWindowView copy = view;
    copy.SetItemText(IDC_ITEMS_EDIT, "seen");
    CEditView(dialog.Item(IDC_ITEMS_EDIT)).LimitText(10);
    CComboBoxView combo = dialog.Item(IDC_ITEMS_COMBO);
    combo.AddString("one");
    combo.SetCurSel(0);
    CListViewView list = dialog.Item(IDC_ITEMS_LIST);
    list.InsertColumn(0, "Name", 50);
    list.InsertItem(0, "row");
    CButtonView(dialog.Item(IDC_ITEMS_CHECK)).SetChecked(true);
    CTabControlView(dialog.Item(IDC_ITEMS_TABS)).InsertItem(0, "tab");
    EXPECT_EQ("seen", view.ItemText(IDC_ITEMS_EDIT));

    for (size_t i = 0; i < ids.size(); ++i) {
        HWND item = dialog.Item(ids[i]);
        EXPECT_EQ(procedures[i], ::GetWindowLongPtrA(item, GWLP_WNDPROC)) << ids[i];
        EXPECT_EQ(nullptr, CWindow::FromHandle(item)) << ids[i];
    }
    EXPECT_EQ(dialogProcedure, ::GetWindowLongPtrA(dialog, DWLP_DLGPROC));
    EXPECT_EQ(&dialog, CWindow::FromHandle(dialog));
}

// Text in an edit item read back as a number. Only what Windows and Wine agree on: Wine
// also takes "-42" as unsigned.
struct NumberCase {
    const char* text;
    bool isSigned;
    long long value;
    bool translated;
};

const NumberCase NumberCases[] = {
    {"42", true, 42, true},
    {"42", false, 42, true},
    {"-42", true, -42, true},
    {"4000000000", true, 0, false},
    {"4000000000", false, 4000000000, true},
    {"twelve", true, 0, false},
    {"twelve", false, 0, false},
    {"", true, 0, false},
};

TEST_F(ViewTest, ItemNumbersSayWhetherTheTextWasOne)
{
    for (const NumberCase& row : NumberCases) {
        dialog.SetItemText(IDC_ITEMS_EDIT, row.text);
        bool translated = !row.translated;
        const long long value = row.isSigned ? static_cast<long long>(dialog.ItemInt(IDC_ITEMS_EDIT, &translated))
                                             : static_cast<long long>(dialog.ItemUInt(IDC_ITEMS_EDIT, &translated));
        EXPECT_EQ(row.value, value) << row.text << (row.isSigned ? " signed" : " unsigned");
        EXPECT_EQ(row.translated, translated) << row.text << (row.isSigned ? " signed" : " unsigned");
    }
    dialog.SetItemInt(IDC_ITEMS_EDIT, -7);
    EXPECT_EQ("-7", dialog.ItemText(IDC_ITEMS_EDIT));
    dialog.SetItemUInt(IDC_ITEMS_EDIT, 4000000000u);
    EXPECT_EQ("4000000000", dialog.ItemText(IDC_ITEMS_EDIT));
}

TEST_F(ViewTest, ButtonsRadiosAndTheStateOfItems)
{
    dialog.CheckItem(IDC_ITEMS_CHECK);
    EXPECT_TRUE(CButtonView(dialog.Item(IDC_ITEMS_CHECK)).IsChecked());
    dialog.UncheckItem(IDC_ITEMS_CHECK);
    EXPECT_FALSE(dialog.IsItemChecked(IDC_ITEMS_CHECK));

    for (int checked : {IDC_ITEMS_RADIO_SECOND, IDC_ITEMS_RADIO_THIRD, IDC_ITEMS_RADIO_FIRST}) {
        dialog.CheckRadio(IDC_ITEMS_RADIO_FIRST, IDC_ITEMS_RADIO_THIRD, checked);
        for (int id = IDC_ITEMS_RADIO_FIRST; id <= IDC_ITEMS_RADIO_THIRD; ++id)
            EXPECT_EQ(id == checked, dialog.IsItemChecked(id)) << "checked " << checked << ", radio " << id;
    }

    dialog.EnableItem(IDC_ITEMS_BUTTON, false);
    dialog.ShowItem(IDC_ITEMS_BUTTON, false);
    EXPECT_FALSE(::IsWindowEnabled(dialog.Item(IDC_ITEMS_BUTTON)));
    EXPECT_FALSE(::GetWindowLongA(dialog.Item(IDC_ITEMS_BUTTON), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(BST_CHECKED, dialog.SendItem(IDC_ITEMS_RADIO_FIRST, BM_GETCHECK));
}

TEST_F(ViewTest, AMissingItemIsANoOpAndReadsAsEmpty)
{
    dialog.SetItemText(IDC_TEST_MISSING, "nowhere");
    dialog.SetItemInt(IDC_TEST_MISSING, 5);
    dialog.CheckItem(IDC_TEST_MISSING);
    dialog.EnableItem(IDC_TEST_MISSING, false);
    dialog.ShowItem(IDC_TEST_MISSING, false);
    bool translated = true;
    EXPECT_EQ("", dialog.ItemText(IDC_TEST_MISSING));
    EXPECT_EQ(0, dialog.ItemInt(IDC_TEST_MISSING, &translated));
    EXPECT_FALSE(translated);
    EXPECT_FALSE(dialog.IsItemChecked(IDC_TEST_MISSING));
    EXPECT_EQ(0, dialog.SendItem(IDC_TEST_MISSING, WM_GETTEXTLENGTH));

    // A view of no window at all is as harmless.
    const CWindowView nothing;
    EXPECT_EQ("", nothing.GetText());
    EXPECT_EQ("", nothing.ItemText(IDC_ITEMS_EDIT));
    EXPECT_EQ("", CListViewView().ItemText(0, 0));
    EXPECT_EQ("", CComboBoxView().ItemText(0));
}

TEST_F(ViewTest, ListViewSubItemTextComesBackWholeHoweverLong)
{
    CListViewView list = dialog.Item(IDC_ITEMS_LIST);
    ASSERT_EQ(0, list.InsertColumn(0, "SSID", 60));
    ASSERT_EQ(1, list.InsertColumn(1, "Note", 60));
    ASSERT_EQ(0, list.InsertItem(0, "first", -1, 11));
    const std::string longText(3000, 'x');
    for (const std::string& text : {std::string(), std::string("short"), std::string(255, 'a'), longText}) {
        ASSERT_TRUE(list.SetItemText(0, 1, text.c_str()));
        EXPECT_EQ(text, list.ItemText(0, 1)) << text.size() << " characters";
    }
    EXPECT_EQ("first", list.ItemText(0, 0));
    EXPECT_EQ("", list.ItemText(5, 0));
}

// Where the controls answer in ways of their own: a cleared combo selection reads as
// CB_ERR, and list-view selection goes by item state.
TEST_F(ViewTest, SelectionInComboBoxAndListView)
{
    CComboBoxView combo = dialog.Item(IDC_ITEMS_COMBO);
    combo.AddString("Infrastructure");
    EXPECT_EQ(0, combo.InsertString(0, "Auto"));
    EXPECT_TRUE(combo.SetItemData(1, 77));
    EXPECT_EQ(77, combo.ItemData(1));
    EXPECT_EQ("Infrastructure", combo.ItemText(1));
    EXPECT_TRUE(combo.SetCurSel(1));
    EXPECT_FALSE(combo.SetCurSel(9));
    EXPECT_TRUE(combo.SetCurSel(-1));
    EXPECT_EQ(CB_ERR, combo.CurSel());

    CListViewView list = dialog.Item(IDC_ITEMS_LIST);
    list.InsertColumn(0, "SSID", 40);
    for (int i = 0; i < 3; ++i)
        list.InsertItem(i, "row", 0, 100 + i);
    EXPECT_EQ(101, list.ItemData(1));
    list.SelectOnly(2);
    list.SetSelected(0, true);
    EXPECT_EQ(2, list.FocusedItem());
    EXPECT_EQ(0, list.NextSelected());
    EXPECT_EQ(2, list.NextSelected(0));
    EXPECT_EQ(-1, list.NextSelected(2));
    list.SelectOnly(-1);
    EXPECT_EQ(-1, list.SelectedItem());
    EXPECT_TRUE(list.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER));
    EXPECT_GT(list.ColumnWidth(0), 0);
}

}  // namespace
