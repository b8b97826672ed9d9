// Views of the standard controls: each is a CWindowView of a window of that class with the
// control's own messages as methods. None subclasses or owns its control, so a page makes
// one from an item whenever it needs it:
//     CComboBoxView(Item(IDC_MODE)).SetCurSel(mode);
// Everything goes through messages; the common controls library stays out of the import
// table (framework/CommonControls.h loads it).
#ifndef SKYLOOK_FRAMEWORK_STANDARD_CONTROLS_H
#define SKYLOOK_FRAMEWORK_STANDARD_CONTROLS_H

#include "WindowView.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

// A combo box, a drop-down list above all. Indexes are CB_ERR (-1) where there is none.
class CComboBoxView : public CWindowView {
public:
    CComboBoxView(HWND hWnd = nullptr) : CWindowView(hWnd) {}

    // The new item's index, or CB_ERR.
    int AddString(const char* text) const;
    int InsertString(int index, const char* text) const;
    void ResetContent() const { Send(CB_RESETCONTENT); }
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int CurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    // -1 clears the selection; false when index names no item.
    bool SetCurSel(int index) const;
    // The item's text, whole; empty for an index that names no item.
    std::string ItemText(int index) const;
    LPARAM ItemData(int index) const { return static_cast<LPARAM>(Send(CB_GETITEMDATA, index)); }
    bool SetItemData(int index, LPARAM data) const { return Send(CB_SETITEMDATA, index, data) != CB_ERR; }
};

// A list view in report style. Item and column indexes are zero-based; -1 means none.
class CListViewView : public CWindowView {
public:
    CListViewView(HWND hWnd = nullptr) : CWindowView(hWnd) {}

    // The new column's index, or -1.
    int InsertColumn(int index, const char* heading, int width, int format = LVCFMT_LEFT) const;
    // width may be LVSCW_AUTOSIZE or LVSCW_AUTOSIZE_USEHEADER.
    bool SetColumnWidth(int column, int width) const;
    int ColumnWidth(int column) const { return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, column)); }

    // The new item's index, or -1. image -1 leaves the item without one.
    int InsertItem(int index, const char* text, int image = -1, LPARAM data = 0) const;
    bool SetItemText(int item, int subItem, const char* text) const;
    // The sub-item's text, whole however long it is; empty for one that does not exist.
    std::string ItemText(int item, int subItem) const;
    int ItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    bool DeleteItem(int item) const { return Send(LVM_DELETEITEM, item) != FALSE; }
    bool DeleteAllItems() const { return Send(LVM_DELETEALLITEMS) != FALSE; }
    LPARAM ItemData(int item) const;
    bool SetItemData(int item, LPARAM data) const;

    // The first selected item after start (-1: from the top), or -1.
    int NextSelected(int start = -1) const { return NextItem(start, LVNI_SELECTED); }
    int SelectedItem() const { return NextSelected(-1); }
    int FocusedItem() const { return NextItem(-1, LVNI_FOCUSED); }
    bool IsSelected(int item) const { return (ItemState(item, LVIS_SELECTED) & LVIS_SELECTED) != 0; }
    // Selects item alone and gives it the focus; -1 clears the selection.
    void SelectOnly(int item) const;
    void SetSelected(int item, bool selected) const { SetItemState(item, selected ? LVIS_SELECTED : 0, LVIS_SELECTED); }
    void SetFocused(int item) const { SetItemState(item, LVIS_FOCUSED, LVIS_FOCUSED); }
    bool EnsureVisible(int item) const { return Send(LVM_ENSUREVISIBLE, item, FALSE) != FALSE; }

    // Returns the list set before. Without LVS_SHAREIMAGELISTS the list view destroys its
    // image lists when it is destroyed itself.
    HIMAGELIST SetImageList(HIMAGELIST images, int which = LVSIL_SMALL) const;
    DWORD ExtendedStyle() const { return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    // Sets the bits of style that mask names; a mask of 0 sets every bit.
    void SetExtendedStyle(DWORD style, DWORD mask = 0) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style); }

private:
    int NextItem(int start, UINT flags) const
    {
        return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
    }
    UINT ItemState(int item, UINT mask) const { return static_cast<UINT>(Send(LVM_GETITEMSTATE, item, mask)); }
    void SetItemState(int item, UINT state, UINT mask) const;
};

// A single-line or multi-line edit control.
class CEditView : public CWindowView {
public:
    CEditView(HWND hWnd = nullptr) : CWindowView(hWnd) {}

    // The most characters the user can type; 0 restores the control's own limit.
    void LimitText(int characters) const { Send(EM_SETLIMITTEXT, static_cast<WPARAM>(characters)); }
    int Limit() const { return static_cast<int>(Send(EM_GETLIMITTEXT)); }
    void SetReadOnly(bool readOnly) const { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
    bool IsReadOnly() const { return (::GetWindowLongA(m_hWnd, GWL_STYLE) & ES_READONLY) != 0; }
    // 0 shows the text as typed. The control is redrawn.
    void SetPasswordChar(char character) const;
    char PasswordChar() const { return static_cast<char>(Send(EM_GETPASSWORDCHAR)); }
};

// A push button, check box or radio button.
class CButtonView : public CWindowView {
public:
    CButtonView(HWND hWnd = nullptr) : CWindowView(hWnd) {}

    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int CheckState() const { return static_cast<int>(Send(BM_GETCHECK)); }
    void SetCheckState(int state) const { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }
    bool IsChecked() const { return CheckState() == BST_CHECKED; }
    void SetChecked(bool checked) const { SetCheckState(checked ? BST_CHECKED : BST_UNCHECKED); }
};

// A tab control.
class CTabControlView : public CWindowView {
public:
    CTabControlView(HWND hWnd = nullptr) : CWindowView(hWnd) {}

    int CurSel() const { return static_cast<int>(Send(TCM_GETCURSEL)); }
    // The tab selected before, or -1. The control sends no TCN_SELCHANGE for this.
    int SetCurSel(int index) const { return static_cast<int>(Send(TCM_SETCURSEL, static_cast<WPARAM>(index))); }
    int ItemCount() const { return static_cast<int>(Send(TCM_GETITEMCOUNT)); }
    // The new tab's index, or -1.
    int InsertItem(int index, const char* text) const;
};

#endif
