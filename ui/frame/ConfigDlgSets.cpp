// The configuration dialog's sets of page controls that the program switches together: the
// busy set (off while an apply settles or changes are refused), the radio set (off while the
// radio is), and the changes the pages may make.
#include "ui/frame/ConfigDlg.h"

#include "state/ProgramState.h"

void CConfigDlg::EnableBusySet(bool enable)
{
    if (!IsWindow())
        return;
    m_busySetEnabled = enable;
    HWND shownLabel = ShownLabel();
    for (PageSlot& slot : m_pages) {
        // The shown page's label stays enabled: a click on it changes nothing, and the
        // keyboard's focus has a visible place to wait while the page's buttons are off.
        if (slot.Label)
            slot.Label->Enable(enable || slot.Label->Handle() == shownLabel);
        if (!enable) {
            m_focusReturn.Remember(slot.Page->EnableItems(slot.Page->BusyControls(), false, shownLabel));
            continue;
        }
        // A control of both sets (Rescan) comes back only when the radio set may too.
        for (int id : slot.Page->BusyControls())
            slot.Page->EnableItem(id, !slot.Page->IsRadioControl(id) || RadioSetUsable());
    }
    if (enable)
        ReturnFocus();
}

bool CConfigDlg::BusySetUsable() const
{
    return m_busySetEnabled && m_changesAllowed;
}

bool CConfigDlg::RadioSetUsable() const
{
    return RadioOn != 0 && CurrentStatus.LinkState != LinkRadioOff;
}

void CConfigDlg::EnableRadioSet(bool enable)
{
    if (!IsWindow())
        return;
    enable = enable && RadioSetUsable();
    for (PageSlot& slot : m_pages) {
        if (!enable) {
            m_focusReturn.Remember(slot.Page->EnableItems(slot.Page->RadioControls(), false, ShownLabel()));
            continue;
        }
        // A control of both sets (Rescan) stays off while the busy set is held off: an apply
        // settles, or changes are refused.
        for (int id : slot.Page->RadioControls())
            if (!slot.Page->IsBusyControl(id) || BusySetUsable())
                slot.Page->EnableItem(id, true);
    }
    if (enable)
        ReturnFocus();
}

void CConfigDlg::SwitchRadioSet(bool radioOn)
{
    if (!IsWindow())
        return;
    for (PageSlot& slot : m_pages) {
        const int button = slot.Page->RadioButtonId();
        if (button != 0 && slot.Page->IsWindow())
            if (HWND item = slot.Page->Item(button))
                ::SetWindowTextA(item, RadioButtonCaption(radioOn));
    }
    EnableRadioSet(radioOn);
}

void CConfigDlg::AllowChanges(bool allow)
{
    const bool takenBack = allow && !m_changesAllowed;
    m_changesAllowed = allow;
    if (!IsWindow())
        return;
    PassChangesAllowedToPages();
    // Nothing was applied while the changes were refused, so no apply is settling now.
    if (takenBack)
        EnableBusySet(true);
}

void CConfigDlg::PassChangesAllowedToPages()
{
    for (PageSlot& slot : m_pages) {
        slot.Page->AllowChanges(m_changesAllowed);
        if (!m_changesAllowed)
            slot.Page->EnableItems(slot.Page->BusyControls(), false);
    }
}
