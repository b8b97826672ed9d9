#include "SelectCertDlg.h"

#include "CertificateDlgIds.h"
#include "ReportList.h"
#include "ViewCertDlg.h"

#include "state/ProgramState.h"
#include "record/TextField.h"

#include <commctrl.h>

#include <cstring>

CSelectCertDlg::CSelectCertDlg(unsigned char (&chosenHash)[CertificateThumbprintSize])
    : CDialog(IDD_SELECT_CERTIFICATE), m_chosenHash(chosenHash)
{
}

bool CSelectCertDlg::OnInitDialog()
{
    HWND list = Item(IDC_SELECT_CERTIFICATE_LIST);
    // Thirds of the client area, so that the columns fill the list without a scroll bar.
    const int third = ListClientWidth(list) / 3;
    AddListColumn(list, 0, "Issuer", third - 1);
    AddListColumn(list, 1, "Subject", third);
    AddListColumn(list, 2, "Valid Before", third);
    AddListExtendedStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    Fill();
    ::EnableWindow(Item(IDC_SELECT_CERTIFICATE_VIEW), FALSE);
    return true;
}

void CSelectCertDlg::Fill()
{
    HWND list = Item(IDC_SELECT_CERTIFICATE_LIST);
    DeleteAllListRows(list);
    m_rows = ListPersonalCertificates();
    for (size_t index = 0; index < m_rows.size(); ++index) {
        const CertificateRow& row = m_rows[index];
        AppendListRow(list, {row.Issuer, row.Subject, row.ValidBefore}, static_cast<LPARAM>(index));
    }
}

const CertificateRow* CSelectCertDlg::SelectedCertificate() const
{
    HWND list = Item(IDC_SELECT_CERTIFICATE_LIST);
    const int row = FirstSelectedListRow(list);
    if (row < 0)
        return nullptr;
    const LPARAM index = ListRowData(list, row);
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
        ::EnableWindow(Item(IDC_SELECT_CERTIFICATE_VIEW), SelectedCertificate() ? TRUE : FALSE);
        result = 0;
        return true;
    }
    return false;
}

bool CSelectCertDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_SELECT_CERTIFICATE_VIEW && code == BN_CLICKED) {
        ViewSelected();
        return true;
    }
    return CDialog::OnCommand(id, code, control);
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
