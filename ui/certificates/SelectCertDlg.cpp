#include "ui/certificates/SelectCertDlg.h"

#include "ui/certificates/CertificateDlgIds.h"
#include "ui/certificates/ViewCertDlg.h"

#include "framework/StandardControls.h"
#include "record/TextField.h"
#include "state/ProgramState.h"

#include <commctrl.h>

#include <cstring>

CSelectCertDlg::CSelectCertDlg(unsigned char (&chosenHash)[CertificateThumbprintSize])
    : CDialog(IDD_SELECT_CERTIFICATE), m_chosenHash(chosenHash)
{
}

bool CSelectCertDlg::OnInitDialog()
{
    const CListViewView list(Item(IDC_SELECT_CERTIFICATE_LIST));
    // Thirds of the client area, so that the columns fill the list without a scroll bar.
    RECT client = {};
    ::GetClientRect(list, &client);
    const int third = client.right / 3;
    list.InsertColumn(0, "Issuer", third - 1);
    list.InsertColumn(1, "Subject", third);
    list.InsertColumn(2, "Valid Before", third);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    Fill();
    EnableItem(IDC_SELECT_CERTIFICATE_VIEW, false);
    return true;
}

void CSelectCertDlg::Fill()
{
    const CListViewView list(Item(IDC_SELECT_CERTIFICATE_LIST));
    list.DeleteAllItems();
    m_rows = ListPersonalCertificates();
    for (size_t index = 0; index < m_rows.size(); ++index) {
        const CertificateRow& row = m_rows[index];
        const int item = list.InsertItem(list.ItemCount(), row.Issuer.c_str(), -1, static_cast<LPARAM>(index));
        list.SetItemText(item, 1, row.Subject.c_str());
        list.SetItemText(item, 2, row.ValidBefore.c_str());
    }
}

const CertificateRow* CSelectCertDlg::SelectedCertificate() const
{
    const CListViewView list(Item(IDC_SELECT_CERTIFICATE_LIST));
    const int row = list.SelectedItem();
    if (row < 0)
        return nullptr;
    const LPARAM index = list.ItemData(row);
    if (index < 0 || static_cast<size_t>(index) >= m_rows.size())
        return nullptr;
    return &m_rows[static_cast<size_t>(index)];
}

bool CSelectCertDlg::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->idFrom != IDC_SELECT_CERTIFICATE_LIST)
        return false;
    // Keyboard and mouse both change the selection; a click on an empty area clears it.
    if (header->code == LVN_ITEMCHANGED || header->code == NM_CLICK) {
        EnableItem(IDC_SELECT_CERTIFICATE_VIEW, SelectedCertificate() != nullptr);
        result = 0;
        return true;
    }
    return false;
}

bool CSelectCertDlg::OnButtonClicked(WORD id)
{
    if (id != IDC_SELECT_CERTIFICATE_VIEW)
        return false;
    ViewSelected();
    return true;
}

void CSelectCertDlg::ViewSelected()
{
    const CertificateRow* row = SelectedCertificate();
    if (!row || !row->HasHash)
        return;
    WithPersonalCertificate(row->Hash, row->Issuer, [this](PCCERT_CONTEXT certificate) {
        CViewCertDlg view(certificate);
        view.DoModal(m_hWnd);
    });
}

void CSelectCertDlg::OnOK()
{
    if (const CertificateRow* row = SelectedCertificate()) {
        CopyFieldText(EapSelection.CertificateName, row->Issuer.c_str());
        CopyFieldText(EapSelection.UserName, row->Subject.c_str());
        if (row->HasHash)
            std::memcpy(m_chosenHash, row->Hash, sizeof m_chosenHash);
    }
    CDialog::OnOK();
}
