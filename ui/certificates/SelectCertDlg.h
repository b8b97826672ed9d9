// Select Certificate: the personal certificates of the user's "MY" store, one row each; the
// chosen one becomes the 802.1X client certificate that every 802.1X page shows.
#ifndef SKYLOOK_UI_SELECT_CERT_DLG_H
#define SKYLOOK_UI_SELECT_CERT_DLG_H

#include "ui/certificates/PersonalCertificates.h"

#include "framework/Dialog.h"

#include <vector>

class CSelectCertDlg : public CDialog {
public:
    // chosenHash receives the SHA-1 hash of the certificate chosen with "&Select".
    explicit CSelectCertDlg(unsigned char (&chosenHash)[CertificateThumbprintSize]);

protected:
    bool OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnOK() override;

private:
    void Fill();
    // The certificate of the selected row, or null.
    const CertificateRow* SelectedCertificate() const;
    void ViewSelected();

    unsigned char (&m_chosenHash)[CertificateThumbprintSize];
    std::vector<CertificateRow> m_rows;
};

#endif
