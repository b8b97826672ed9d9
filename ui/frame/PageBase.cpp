#include "ui/frame/PageBase.h"

#include "ui/frame/ConfigDlg.h"
#include "ui/common/InputWarning.h"

#include <algorithm>

namespace {

// Disabling the control that has the keyboard focus leaves the focus nowhere, and a keyboard
// user stranded until a click. The focus goes on to the next control that can take it, on
// the same page when it has one, the way the dialog's own Tab would take it.
void MoveFocusOnFrom(HWND page, HWND disabled)
{
    HWND next = ::GetNextDlgTabItem(page, disabled, FALSE);
    if (!next || next == disabled || !::IsWindowEnabled(next)) {
        HWND root = ::GetAncestor(page, GA_ROOT);
        next = root ? ::GetNextDlgTabItem(root, disabled, FALSE) : nullptr;
        if (!next || next == disabled || !::IsWindowEnabled(next))
            return;
    }
    // WM_NEXTDLGCTL, not SetFocus: the dialog also moves its default-button look along.
    if (HWND root = ::GetAncestor(page, GA_ROOT))
        ::SendMessageA(root, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

}  // namespace

void CPageBase::EnableItems(std::span<const int> ids, bool enable) const
{
    HWND focused = enable ? nullptr : ::GetFocus();
    HWND focusedItem = nullptr;
    for (int id : ids) {
        HWND item = Item(id);
        if (focused && item && (item == focused || ::IsChild(item, focused)))
            focusedItem = item;
        EnableItem(id, enable);
    }
    if (focusedItem)
        MoveFocusOnFrom(m_hWnd, focusedItem);
}

bool CPageBase::IsRadioControl(int id) const
{
    const std::span<const int> radio = RadioControls();
    return std::find(radio.begin(), radio.end(), id) != radio.end();
}

void CPageBase::EnableRadioControl(int id) const
{
    EnableItem(id, !m_ownerDialog || m_ownerDialog->RadioSetUsable());
}

bool CPageBase::RefuseChange() const
{
    if (m_changesAllowed)
        return false;
    ShowManagedElsewhere(m_hWnd);
    return true;
}
