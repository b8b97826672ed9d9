#include "ui/certificates/ViewCertDlg.h"

#include "ui/certificates/CertificateDlgIds.h"
#include "ui/certificates/PersonalCertificates.h"

#include "framework/StandardControls.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace {
// The width a name needs in its column: the text and the margins the list leaves around it.
int NameColumnWidth(const CListViewView& list, const char* name)
{
    constexpr int CellMargins = 12;
    return static_cast<int>(list.Send(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(name))) + CellMargins;
}
}  // namespace

CViewCertDlg::CViewCertDlg(PCCERT_CONTEXT certificate) : CDialog(IDD_VIEW_CERTIFICATE), m_certificate(certificate) {}

bool CViewCertDlg::OnInitDialog()
{
    const CListViewView list(Item(IDC_VIEW_CERTIFICATE_FIELDS));
    const std::vector<CertificateField> fields = DescribeCertificate(m_certificate);
    // A quarter of the list for the names, or what the longest name needs; the values get
    // the rest of the client area, so that no name is cut and no scroll bar shows.
    RECT client = {};
    ::GetClientRect(list, &client);
    int nameWidth = client.right / 4 - 1;
    for (const CertificateField& field : fields)
        nameWidth = std::max(nameWidth, NameColumnWidth(list, field.Name));
    list.InsertColumn(0, "", nameWidth);
    list.InsertColumn(1, "", client.right - nameWidth);
    // Label tips show a value that the column cuts short, such as the public key.
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_LABELTIP, LVS_EX_GRIDLINES | LVS_EX_LABELTIP);
    for (const CertificateField& field : fields) {
        const int item = list.InsertItem(list.ItemCount(), field.Name);
        list.SetItemText(item, 1, field.Value.c_str());
    }
    return true;
}
