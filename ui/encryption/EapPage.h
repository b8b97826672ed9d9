// The 802.1X page: the protocol, a login and password for a password-based protocol, and
// the personal client certificate for EAP-TLS. It is a child of the page or dialog that
// edits a record's security (the Encryption page, the Profile dialog), which creates it,
// places it and shows it while "WPA" is chosen.
//
// The login, password and protocol are kept for the session only: the record's store has
// no values for them, so nothing reads them back.
#ifndef SKYLOOK_UI_EAP_PAGE_H
#define SKYLOOK_UI_EAP_PAGE_H

#include "ui/common/WhiteBackground.h"
#include "ui/frame/PageBase.h"

#include "controls/GroupFrame.h"
#include "controls/SkinButton.h"
#include "framework/Gdi.h"
#include "record/AdapterSettings.h"

#include <string>

class CEapPage : public CWhiteBackground<CPageBase> {
public:
    CEapPage();

    // Creates the page hidden, as a child of parent with its top-left corner at topLeft
    // (pixels of the parent's client area), in the template's size.
    bool CreateAt(HWND parent, POINT topLeft);

    // "WPA" offers one protocol: the list gets the single item "EAP-TLS", selected, and the
    // page refreshes.
    void OfferTlsOnly();

    // Login, password and protocol selection from the record, and the certificate names
    // that it stores.
    void Load(const AdapterSettings& settings);
    // The certificate names that the page shows into WPALoginName (the subject) and
    // WPACertificate (the issuer), cut to the fields.
    void Save(AdapterSettings& settings) const;

    // Enables the side of the selected protocol and shows the chosen certificate's names.
    // Until a certificate has been chosen since the program started, the names loaded from
    // the record stay.
    void Refresh();

    bool IsTlsSelected() const;
    const std::string& UserName() const { return m_userName; }
    const std::string& CertificateName() const { return m_certificateName; }

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnButtonClicked(WORD id) override;

private:
    void EnableForProtocol();
    void ShowNames();
    void Browse();
    void ViewWithoutCertificate();

    CGroupFrame m_protocolFrame;
    CGroupFrame m_passwordFrame;
    CGroupFrame m_certificateFrame;
    CSkinButton m_viewButton;
    CSkinButton m_browseButton;
    // What 1099 and 1094 show and Save stores.
    std::string m_userName;
    std::string m_certificateName;
};

#endif
