#include "ui/frame/PageBase.h"

#include "ui/common/InputWarning.h"

#include <algorithm>

namespace {

bool CanTakeFocus(HWND window, HWND disabled)
{
    return window && window != disabled && ::IsWindowEnabled(window) && ::IsWindowVisible(window);
}

// Disabling the control that has the keyboard focus leaves the focus nowhere, and a keyboard
// user stranded until a click. The focus goes on to the next control that can take it, on
// the same page when it has one, the way the dialog's own Tab would take it; a page with
// none left hands it to the fallback rather than to a container that shows no focus.
HWND MoveFocusOnFrom(HWND page, HWND disabled, HWND fallback)
{
    HWND root = ::GetAncestor(page, GA_ROOT);
    HWND next = ::GetNextDlgTabItem(page, disabled, FALSE);
    if (!CanTakeFocus(next, disabled) || !::IsChild(page, next))
        next = fallback;
    if (!CanTakeFocus(next, disabled))
        next = root ? ::GetNextDlgTabItem(root, disabled, FALSE) : nullptr;
    if (!CanTakeFocus(next, disabled) || !root)
        return nullptr;
    // WM_NEXTDLGCTL, not SetFocus: the dialog also moves its default-button look along.
    ::SendMessageA(root, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    return next;
}

}  // namespace

FocusMove CPageBase::EnableItems(std::span<const int> ids, bool enable, HWND fallback) const
{
    HWND focused = enable ? nullptr : ::GetFocus();
    HWND focusedItem = nullptr;
    for (int id : ids) {
        HWND item = Item(id);
        if (focused && item && (item == focused || ::IsChild(item, focused)))
            focusedItem = item;
        EnableItem(id, enable);
    }
    if (!focusedItem)
        return {};
    return FocusMove{focusedItem, MoveFocusOnFrom(m_hWnd, focusedItem, fallback)};
}

bool CPageBase::IsRadioControl(int id) const
{
    const std::span<const int> radio = RadioControls();
    return std::find(radio.begin(), radio.end(), id) != radio.end();
}

bool CPageBase::IsBusyControl(int id) const
{
    const std::span<const int> busy = BusyControls();
    return std::find(busy.begin(), busy.end(), id) != busy.end();
}

void CPageBase::EnableRadioControl(int id) const
{
    EnableItem(id, !m_ownerDialog || m_ownerDialog->RadioSetUsable());
    if (m_ownerDialog)
        m_ownerDialog->ReturnFocus();
}

void CPageBase::DisableForOwnWait(int id) const
{
    const int ids[] = {id};
    const FocusMove move = EnableItems(ids, false, m_ownerDialog ? m_ownerDialog->ShownLabel() : nullptr);
    if (m_ownerDialog)
        m_ownerDialog->RememberFocusMove(move);
}

void CPageBase::EnableAfterOwnWait(int id) const
{
    EnableItem(id, true);
    if (m_ownerDialog)
        m_ownerDialog->ReturnFocus();
}

bool CPageBase::RefuseChange() const
{
    if (m_changesAllowed)
        return false;
    ShowManagedElsewhere(m_hWnd);
    return true;
}
