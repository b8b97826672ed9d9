#include "ui/encryption/PskPage.h"

#include "ui/encryption/PskPageIds.h"

#include "controls/PointFont.h"
#include "keys/PskRules.h"
#include "framework/StandardControls.h"

namespace {
const COLORREF CaptionBlue = RGB(0, 0, 128);
const COLORREF FrameGrey = RGB(128, 128, 128);
constexpr char PasswordMask = '*';
constexpr int PassphraseFields[] = {IDC_PSK_PASSPHRASE, IDC_PSK_CONFIRM};
}  // namespace

CPskPage::CPskPage() : CWhiteBackground(IDD_PSK_PAGE) {}

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
    m_group.SetCaptionColour(CaptionBlue, false);
    m_group.SetFrameColours(FrameGrey, FrameGrey, false);
    m_group.SetCaptionFont(MakePointLogFont("Arial", 100, FW_BOLD));
    for (int field : PassphraseFields) {
        const CEditView edit(Item(field));
        edit.SetPasswordChar(PasswordMask);
        edit.LimitText(static_cast<int>(PskPassphraseMaxLength));
    }
    return false;
}

bool CPskPage::OnButtonClicked(WORD id)
{
    if (id != IDC_PSK_UNMASK)
        return false;
    ShowFieldsInClear(IsItemChecked(IDC_PSK_UNMASK));
    return true;
}

void CPskPage::ShowFieldsInClear(bool clear)
{
    for (int field : PassphraseFields) {
        CEditView(Item(field)).SetPasswordChar(clear ? '\0' : PasswordMask);
        // Both fields change at once, without waiting for the next paint.
        ::RedrawWindow(Item(field), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}
