#include "ViewCertDlg.h"

#include "CertificateDlgIds.h"
#include "PersonalCertificates.h"
#include "ReportList.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

CViewCertDlg::CViewCertDlg(PCCERT_CONTEXT certificate) : CDialog(IDD_VIEW_CERTIFICATE), m_certificate(certificate) {}

bool CViewCertDlg::OnInitDialog()
{
    HWND list = Item(IDC_VIEW_CERTIFICATE_FIELDS);
    const std::vector<CertificateField> fields = DescribeCertificate(m_certificate);
    // A quarter of the list for the names, or what the longest name needs; the values get
    // the rest of the client area, so that no name is cut and no scroll bar shows.
    int nameWidth = ListClientWidth(list) / 4 - 1;
    for (const CertificateField& field : fields)
        nameWidth = std::max(nameWidth, ListColumnWidthFor(list, field.Name));
    AddListColumn(list, 0, "", nameWidth);
    AddListColumn(list, 1, "", ListClientWidth(list) - nameWidth);
    // Label tips show a value that the column cuts short, such as the public key.
    AddListExtendedStyle(list, LVS_EX_GRIDLINES | LVS_EX_LABELTIP);
    for (const CertificateField& field : fields)
        AppendListRow(list, {field.Name, field.Value}, 0);
    return true;
}
