#include "ui/encryption/EapPage.h"

#include "ui/encryption/EapPageIds.h"
#include "ui/certificates/SelectCertDlg.h"
#include "ui/certificates/ViewCertDlg.h"

#include "controls/PointFont.h"
#include "framework/StandardControls.h"
#include "record/TextField.h"
#include "state/ProgramState.h"

namespace {
constexpr const char* TlsProtocol = "EAP-TLS";
// The record's login and password fields hold 64 characters.
constexpr int CredentialLimit = 64;
// The user name field shows what WPALoginName holds, at most 32 characters typed.
constexpr int UserNameLimit = 32;

// A password-based protocol uses these; EAP-TLS the certificate side.
constexpr int PasswordSide[] = {IDC_EAP_PASSWORD_FRAME, IDC_EAP_LOGIN_LABEL, IDC_EAP_LOGIN, IDC_EAP_PASSWORD_LABEL,
                                IDC_EAP_PASSWORD};
// The name fields themselves stay disabled: only the Select Certificate dialog fills them.
constexpr int CertificateSide[] = {IDC_EAP_CERTIFICATE_FRAME, IDC_EAP_USER_NAME_LABEL, IDC_EAP_AUTHORITY_LABEL,
                                   IDC_EAP_VIEW};
}  // namespace

CEapPage::CEapPage() : CWhiteBackground(IDD_EAP_PAGE) {}

bool CEapPage::CreateAt(HWND parent, POINT topLeft)
{
    if (!Create(parent))
        return false;
    ::SetWindowPos(m_hWnd, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Show(SW_HIDE);
    return true;
}

void CEapPage::DoDataExchange()
{
    BindControl(m_protocolFrame, IDC_EAP_PROTOCOL_FRAME);
    BindControl(m_passwordFrame, IDC_EAP_PASSWORD_FRAME);
    BindControl(m_certificateFrame, IDC_EAP_CERTIFICATE_FRAME);
    BindControl(m_viewButton, IDC_EAP_VIEW);
    BindControl(m_browseButton, IDC_EAP_BROWSE);
}

bool CEapPage::OnInitDialog()
{
    const LOGFONTA frameFont = MakePointLogFont("Arial", 100, FW_BOLD);
    for (CGroupFrame* frame : {&m_protocolFrame, &m_passwordFrame, &m_certificateFrame})
        frame->SetCaptionFont(frameFont);
    CEditView(Item(IDC_EAP_USER_NAME)).LimitText(UserNameLimit);
    CEditView(Item(IDC_EAP_LOGIN)).LimitText(CredentialLimit);
    const CEditView password(Item(IDC_EAP_PASSWORD));
    password.LimitText(CredentialLimit);
    password.SetPasswordChar('*');
    Refresh();
    return true;
}

void CEapPage::OfferTlsOnly()
{
    if (!IsWindow())
        return;
    const CComboBoxView protocols(Item(IDC_EAP_PROTOCOL));
    protocols.ResetContent();
    protocols.SetCurSel(protocols.AddString(TlsProtocol));
    Refresh();
}

void CEapPage::Load(const AdapterSettings& settings)
{
    m_userName = FieldString(settings.WPALoginName);
    m_certificateName = FieldString(settings.WPACertificate);
    if (!IsWindow())
        return;
    SetItemText(IDC_EAP_LOGIN, FieldString(settings.EapLogin));
    SetItemText(IDC_EAP_PASSWORD, FieldString(settings.EapPassword));
    CComboBoxView(Item(IDC_EAP_PROTOCOL)).SetCurSel(static_cast<int>(settings.EapProtocol));
    EnableForProtocol();
    ShowNames();
}

void CEapPage::Save(AdapterSettings& settings) const
{
    CopyFieldText(settings.WPALoginName, m_userName.c_str());
    CopyFieldText(settings.WPACertificate, m_certificateName.c_str());
}

void CEapPage::Refresh()
{
    if (EapSelection.UserName[0] != '\0' || EapSelection.CertificateName[0] != '\0') {
        m_userName = FieldString(EapSelection.UserName);
        m_certificateName = FieldString(EapSelection.CertificateName);
    }
    if (!IsWindow())
        return;
    EnableForProtocol();
    ShowNames();
}

bool CEapPage::IsTlsSelected() const
{
    if (!IsWindow())
        return false;
    const CComboBoxView protocols(Item(IDC_EAP_PROTOCOL));
    return protocols.ItemText(protocols.CurSel()) == TlsProtocol;
}

void CEapPage::EnableForProtocol()
{
    const bool tls = IsTlsSelected();
    EnableItems(PasswordSide, !tls);
    EnableItems(CertificateSide, tls);
}

void CEapPage::ShowNames()
{
    SetItemText(IDC_EAP_USER_NAME, m_userName);
    SetItemText(IDC_EAP_AUTHORITY, m_certificateName);
}

bool CEapPage::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_EAP_PROTOCOL && code == CBN_SELCHANGE) {
        EnableForProtocol();
        return true;
    }
    return CPageBase::OnCommand(id, code, control);
}

bool CEapPage::OnButtonClicked(WORD id)
{
    switch (id) {
    case IDC_EAP_BROWSE:
        Browse();
        return true;
    case IDC_EAP_VIEW:
        ViewWithoutCertificate();
        return true;
    default:
        return false;
    }
}

void CEapPage::Browse()
{
    CSelectCertDlg select(EapSelection.Hash);
    select.DoModal(m_hWnd);
    // Whatever the answer: a choice shows, and a cancelled one leaves the names as they were.
    Refresh();
}

void CEapPage::ViewWithoutCertificate()
{
    CViewCertDlg view(nullptr);
    view.DoModal(m_hWnd);
}

