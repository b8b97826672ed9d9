// View Certificate: the main fields of one certificate, a name and a value per row.
#ifndef SKYLOOK_UI_VIEW_CERT_DLG_H
#define SKYLOOK_UI_VIEW_CERT_DLG_H

#include "framework/Dialog.h"

#include <windows.h>
#include <wincrypt.h>

class CViewCertDlg : public CDialog {
public:
    // The dialog only reads certificate, which may be null (the list then stays empty) and
    // must outlive the dialog's run.
    explicit CViewCertDlg(PCCERT_CONTEXT certificate);

protected:
    bool OnInitDialog() override;

private:
    PCCERT_CONTEXT m_certificate;
};

#endif
