#include "ui/PskPage.h"

#include "PskPageIds.h"

#include "controls/PointFont.h"
#include "keys/PskRules.h"
#include "ui/DialogItems.h"

namespace {
const COLORREF PageWhite = RGB(255, 255, 255);
const COLORREF CaptionBlue = RGB(0, 0, 128);
const COLORREF FrameGrey = RGB(128, 128, 128);
constexpr char PasswordMask = '*';
constexpr int PassphraseFields[] = {IDC_PSK_PASSPHRASE, IDC_PSK_CONFIRM};
}  // namespace

CPskPage::CPskPage() : CDialog(IDD_PSK_PAGE) {}

void CPskPage::SetPassphrase(const std::string& passphrase)
{
    for (int field : PassphraseFields)
        SetItemText(field, passphrase);
}

std::string CPskPage::Passphrase() const
{
    return ItemText(IDC_PSK_PASSPHRASE);
}

std::string CPskPage::Confirmation() const
{
    return ItemText(IDC_PSK_CONFIRM);
}

void CPskPage::DoDataExchange()
{
    BindControl(m_group, IDC_PSK_GROUP);
}

bool CPskPage::OnInitDialog()
{
    m_background = MakeSolidBrush(PageWhite);
    m_group.SetCaptionColour(CaptionBlue, false);
    m_group.SetFrameColours(FrameGrey, FrameGrey, false);
    m_group.SetCaptionFont(MakePointLogFont("Arial", 100, FW_BOLD));
    for (int field : PassphraseFields) {
        SetPasswordChar(m_hWnd, field, PasswordMask);
        LimitItemText(m_hWnd, field, static_cast<int>(PskPassphraseMaxLength));
    }
    return false;
}

bool CPskPage::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_PSK_UNMASK && code == BN_CLICKED) {
        ShowFieldsInClear(IsItemChecked(IDC_PSK_UNMASK));
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void CPskPage::ShowFieldsInClear(bool clear)
{
    for (int field : PassphraseFields) {
        SetPasswordChar(m_hWnd, field, clear ? '\0' : PasswordMask);
        // The edit keeps its old look until it is painted again; both change together now.
        ::RedrawWindow(Item(field), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

HBRUSH CPskPage::OnCtlColor(HDC dc, HWND control, UINT type)
{
    CDialog::OnCtlColor(dc, control, type);
    ::SetBkColor(dc, PageWhite);
    return m_background.Get();
}

void CPskPage::OnDestroy()
{
    m_background.Reset();
}
