// Base of the configuration dialog's pages: a modeless child dialog that keeps a pointer
// back to its host (the dialog), where Enter and Escape do nothing. The dialog reaches a page
// only through the hooks below, so it never needs to know a page's controls; the page
// reaches the dialog only through IPageHost.
#ifndef SKYLOOK_UI_PAGE_BASE_H
#define SKYLOOK_UI_PAGE_BASE_H

#include "ui/frame/FocusReturn.h"
#include "ui/frame/PageHost.h"

#include "framework/Dialog.h"

#include <span>

class CPageBase : public CDialog {
public:
    explicit CPageBase(UINT templateId) : CDialog(templateId) {}

    void SetOwnerDialog(IPageHost* dialog) { m_ownerDialog = dialog; }
    IPageHost* OwnerDialog() const { return m_ownerDialog; }

    // Just before the page is shown: reload stored settings or refresh from the status.
    virtual void OnShowing() {}
    // Just after the page is shown.
    virtual void OnShown() {}
    // The last scan or the link changed; pages that list networks fill their lists again.
    virtual void OnNetworksChanged() {}

    // The page's controls that stay disabled while an apply settles.
    virtual std::span<const int> BusyControls() const { return {}; }
    // The page's controls that act on the adapter and so are disabled while the radio is off.
    virtual std::span<const int> RadioControls() const { return {}; }
    // The button that switches the radio, captioned by the radio's state; 0 for none.
    virtual int RadioButtonId() const { return 0; }

    // Enables or disables the page's controls of ids; a control the page lacks is skipped.
    // When a disabled control had the focus, the focus goes on to the page's next control
    // that can take it, else to fallback (a control that shows the focus), else to the
    // dialog's next; the answer says where.
    FocusMove EnableItems(std::span<const int> ids, bool enable, HWND fallback = nullptr) const;
    bool IsRadioControl(int id) const;
    bool IsBusyControl(int id) const;
    // Enables a control of the radio set again when the page's own wait for it ended (a scan,
    // a rescan), unless the dialog keeps the radio set disabled: the radio went off meanwhile.
    void EnableRadioControl(int id) const;
    // Disables a button for the page's own wait (a rescan, a refresh, the radio switching):
    // a focus on it moves as EnableItems moves it, and comes back when the button is enabled
    // again through EnableAfterOwnWait or EnableRadioControl.
    void DisableForOwnWait(int id) const;
    void EnableAfterOwnWait(int id) const;

    // Whether this copy may change the card and the stored settings: it may not while another
    // session's copy manages the card. Handed down by the dialog.
    void AllowChanges(bool allow) { m_changesAllowed = allow; }
    // True, after a box that tells the user why, when the page may not make its change; every
    // path that applies, stores or switches asks this first.
    bool RefuseChange() const;

protected:
    void OnOK() override {}
    void OnCancel() override {}

private:
    IPageHost* m_ownerDialog = nullptr;
    bool m_changesAllowed = true;
};

// The radio switch offers the opposite of the radio's state.
inline const char* RadioButtonCaption(bool radioOn)
{
    return radioOn ? "Radio Off" : "Radio On";
}

#endif
