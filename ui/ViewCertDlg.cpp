#include "ViewCertDlg.h"

#include "CertificateDlgIds.h"
#include "PersonalCertificates.h"
#include "ReportList.h"

#include <commctrl.h>

CViewCertDlg::CViewCertDlg(PCCERT_CONTEXT certificate) : CDialog(IDD_VIEW_CERTIFICATE), m_certificate(certificate) {}

bool CViewCertDlg::OnInitDialog()
{
    HWND list = Item(IDC_VIEW_CERTIFICATE_FIELDS);
    const int quarter = ListWidth(list) / 4;
    AddListColumn(list, 0, "", quarter - 1);
    AddListColumn(list, 1, "", quarter * 3);
    // Label tips show a value that the column cuts short, such as the public key.
    AddListExtendedStyle(list, LVS_EX_GRIDLINES | LVS_EX_LABELTIP);
    for (const CertificateField& field : DescribeCertificate(m_certificate))
        AppendListRow(list, {field.Name, field.Value}, 0);
    return true;
}
