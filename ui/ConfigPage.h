// Base of the configuration dialog's pages: a modeless child dialog that keeps a pointer
// back to the dialog, where Enter and Escape do nothing.
#ifndef SKYLOOK_UI_CONFIG_PAGE_H
#define SKYLOOK_UI_CONFIG_PAGE_H

#include "framework/Dialog.h"

class CConfigDlg;

class CConfigPageBase : public CDialog {
public:
    explicit CConfigPageBase(UINT templateId) : CDialog(templateId) {}

    void SetOwnerDialog(CConfigDlg* dialog) { m_ownerDialog = dialog; }
    CConfigDlg* OwnerDialog() const { return m_ownerDialog; }

    // Enables or disables one of the page's controls; a control the page lacks is skipped.
    void EnableItem(int id, bool enable) const;

protected:
    void OnOK() override {}
    void OnCancel() override {}

private:
    CConfigDlg* m_ownerDialog = nullptr;
};

#endif
