#include "StandardControls.h"

#include <vector>

namespace {
// Text read through a fixed buffer is grown from this size while it fills the buffer.
constexpr int FirstTextBuffer = 256;
// A list view sub-item longer than this is cut here rather than grown without end.
constexpr int LongestItemText = 1 << 20;
}  // namespace

int CComboBoxView::AddString(const char* text) const
{
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBoxView::InsertString(int index, const char* text) const
{
    return static_cast<int>(Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

bool CComboBoxView::SetCurSel(int index) const
{
    // Clearing the selection answers CB_ERR too, and succeeds.
    return Send(CB_SETCURSEL, static_cast<WPARAM>(index)) != CB_ERR || index == -1;
}

std::string CComboBoxView::ItemText(int index) const
{
    const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR || length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

int CListViewView::InsertColumn(int index, const char* heading, int width, int format) const
{
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<char*>(heading);
    column.iSubItem = index;
    return static_cast<int>(Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

bool CListViewView::SetColumnWidth(int column, int width) const
{
    return Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)) != FALSE;
}

int CListViewView::InsertItem(int index, const char* text, int image, LPARAM data) const
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = index;
    item.pszText = const_cast<char*>(text);
    item.iImage = image;
    item.lParam = data;
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListViewView::SetItemText(int item, int subItem, const char* text) const
{
    LVITEMA fields = {};
    fields.iSubItem = subItem;
    fields.pszText = const_cast<char*>(text);
    return Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&fields)) != FALSE;
}

std::string CListViewView::ItemText(int item, int subItem) const
{
    // The control says only how much it copied: a full buffer may mean more text.
    std::vector<char> buffer;
    for (int size = FirstTextBuffer; size <= LongestItemText; size *= 2) {
        buffer.assign(static_cast<size_t>(size), '\0');
        LVITEMA fields = {};
        fields.iSubItem = subItem;
        fields.pszText = buffer.data();
        fields.cchTextMax = size;
        const LRESULT copied =
            Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&fields));
        if (copied <= 0)
            return {};
        // An item whose text is its owner's may answer with a pointer of its own.
        const char* text = fields.pszText ? fields.pszText : buffer.data();
        if (text != buffer.data())
            return text;
        if (copied < size - 1)
            return std::string(text, static_cast<size_t>(copied));
    }
    return std::string(buffer.data());
}

LPARAM CListViewView::ItemData(int item) const
{
    LVITEMA fields = {};
    fields.mask = LVIF_PARAM;
    fields.iItem = item;
    if (!Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&fields)))
        return 0;
    return fields.lParam;
}

bool CListViewView::SetItemData(int item, LPARAM data) const
{
    LVITEMA fields = {};
    fields.mask = LVIF_PARAM;
    fields.iItem = item;
    fields.lParam = data;
    return Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&fields)) != FALSE;
}

void CListViewView::SelectOnly(int item) const
{
    SetItemState(-1, 0, LVIS_SELECTED);
    if (item < 0)
        return;
    SetItemState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CListViewView::SetItemState(int item, UINT state, UINT mask) const
{
    LVITEMA fields = {};
    fields.stateMask = mask;
    fields.state = state;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&fields));
}

HIMAGELIST CListViewView::SetImageList(HIMAGELIST images, int which) const
{
    return reinterpret_cast<HIMAGELIST>(
        Send(LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(images)));
}

void CEditView::SetPasswordChar(char character) const
{
    Send(EM_SETPASSWORDCHAR, static_cast<WPARAM>(static_cast<unsigned char>(character)));
    Invalidate();
}

int CTabControlView::InsertItem(int index, const char* text) const
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text);
    return static_cast<int>(Send(TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}
