#include "ui/encryption/EncryptionPage.h"

#include "ui/encryption/AuthModeControls.h"
#include "ui/common/ComboFill.h"
#include "ui/encryption/EncryptionPageIds.h"
#include "ui/encryption/SecurityChoice.h"
#include "record/TextField.h"
#include "ui/common/InputWarning.h"
#include "ui/common/PendingApply.h"
#include "ui/common/SettingsLists.h"

#include "controls/DpiScale.h"
#include "framework/StandardControls.h"
#include "keys/PskRules.h"
#include "keys/WepKeyRules.h"
#include "settings/DefaultsInUse.h"
#include "record/WepKeySlots.h"

namespace {
constexpr int RadioIds[] = {IDC_ENCRYPTION_APPLY, IDC_ENCRYPTION_CANCEL};
// Where the embedded pages sit, in pixels at 96 dpi of this page's client area.
constexpr POINT PskPagePlace = {16, 70};
constexpr POINT EapPagePlace = {6, 70};


// Shown for the WEP modes only. The passphrase row is part of it: keys are generated only
// for WEP.
constexpr int WepControlIds[] = {
    IDC_ENCRYPTION_DEFAULT_KEY1,      IDC_ENCRYPTION_DEFAULT_KEY2,     IDC_ENCRYPTION_DEFAULT_KEY3,
    IDC_ENCRYPTION_DEFAULT_KEY4,      IDC_ENCRYPTION_KEY1,             IDC_ENCRYPTION_KEY2,
    IDC_ENCRYPTION_KEY3,              IDC_ENCRYPTION_KEY4,             IDC_ENCRYPTION_KEY_LENGTH,
    IDC_ENCRYPTION_KEY_FORMAT,        IDC_ENCRYPTION_DEFAULT_KEY_LABEL, IDC_ENCRYPTION_KEY_FORMAT_LABEL,
    IDC_ENCRYPTION_KEY_LENGTH_LABEL,  IDC_ENCRYPTION_PASSPHRASE_LABEL, IDC_ENCRYPTION_PASSPHRASE,
    IDC_ENCRYPTION_GENERATE,
};

// Enabled only while "Data Encryption" is checked.
constexpr int KeyControlIds[] = {
    IDC_ENCRYPTION_DEFAULT_KEY1, IDC_ENCRYPTION_DEFAULT_KEY2,     IDC_ENCRYPTION_DEFAULT_KEY3,
    IDC_ENCRYPTION_DEFAULT_KEY4, IDC_ENCRYPTION_KEY1,             IDC_ENCRYPTION_KEY2,
    IDC_ENCRYPTION_KEY3,         IDC_ENCRYPTION_KEY4,             IDC_ENCRYPTION_KEY_LENGTH,
    IDC_ENCRYPTION_KEY2_LENGTH,  IDC_ENCRYPTION_KEY3_LENGTH,      IDC_ENCRYPTION_KEY4_LENGTH,
    IDC_ENCRYPTION_KEY_FORMAT,   IDC_ENCRYPTION_PASSPHRASE_LABEL, IDC_ENCRYPTION_PASSPHRASE,
    IDC_ENCRYPTION_GENERATE,
};

const WepKeyControlIds KeyControls = {
    {IDC_ENCRYPTION_KEY1, IDC_ENCRYPTION_KEY2, IDC_ENCRYPTION_KEY3, IDC_ENCRYPTION_KEY4},
    {IDC_ENCRYPTION_DEFAULT_KEY1, IDC_ENCRYPTION_DEFAULT_KEY2, IDC_ENCRYPTION_DEFAULT_KEY3,
     IDC_ENCRYPTION_DEFAULT_KEY4},
    {IDC_ENCRYPTION_KEY_LENGTH, IDC_ENCRYPTION_KEY2_LENGTH, IDC_ENCRYPTION_KEY3_LENGTH, IDC_ENCRYPTION_KEY4_LENGTH},
    IDC_ENCRYPTION_KEY_FORMAT,
    IDC_ENCRYPTION_TX_KEY_LIST,
    IDC_ENCRYPTION_PASSPHRASE,
    IDC_ENCRYPTION_GENERATE,
    WepControlIds,
    KeyControlIds,
};

constexpr DialogItemText Labels[] = {
    {IDC_ENCRYPTION_ENABLED, "&Data Encryption"},     {IDC_ENCRYPTION_AUTH_LABEL, "&Auth. Mode"},
    {IDC_ENCRYPTION_DEFAULT_KEY_LABEL, "Default &Key"}, {IDC_ENCRYPTION_KEY_LENGTH_LABEL, "Key &Length"},
    {IDC_ENCRYPTION_KEY_FORMAT_LABEL, "Key &Format"},  {IDC_ENCRYPTION_APPLY, "Apply"},
    {IDC_ENCRYPTION_CANCEL, "Cancel"},
};
}  // namespace

CEncryptionPage::CEncryptionPage() : CWhiteBackground(IDD_ENCRYPTION_PAGE), m_keyControls(KeyControls, m_keys) {}

std::span<const int> CEncryptionPage::RadioControls() const
{
    return RadioIds;
}

void CEncryptionPage::DoDataExchange()
{
    BindControl(m_apply, IDC_ENCRYPTION_APPLY);
    BindControl(m_cancel, IDC_ENCRYPTION_CANCEL);
    for (int i = 0; i < WepKeyCount; ++i)
        BindControl(m_keys[static_cast<size_t>(i)], KeyControls.Keys[static_cast<size_t>(i)]);
}

bool CEncryptionPage::OnInitDialog()
{
    SetItemTexts(Labels);

    FillComboBox(List(IDC_ENCRYPTION_AUTH_MODE), AuthModeItems);
    m_keyControls.SetUp(m_hWnd);

    // Tab goes from the authentication list into an embedded page, then on to Apply.
    if (m_pskPage.Create(m_hWnd)) {
        ::SetWindowPos(m_pskPage.Handle(), Item(IDC_ENCRYPTION_AUTH_MODE), ScaleForWindow(PskPagePlace.x, m_hWnd),
                       ScaleForWindow(PskPagePlace.y, m_hWnd), 0, 0,
                       SWP_NOSIZE | SWP_NOACTIVATE);
        m_pskPage.Show(SW_HIDE);
    }
    if (m_eapPage.CreateAt(m_hWnd, {ScaleForWindow(EapPagePlace.x, m_hWnd), ScaleForWindow(EapPagePlace.y, m_hWnd)}))
        ::SetWindowPos(m_eapPage.Handle(), Item(IDC_ENCRYPTION_AUTH_MODE), 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    // The stored settings are loaded each time the page is about to show (OnShowing), not
    // at every opening of the dialog for a page that may never be looked at.
    return false;
}

void CEncryptionPage::LoadSettings()
{
    if (!IsWindow())
        return;
    const AdapterSettings settings = DefaultSettingsInUse();

    const SecurityChoice choice = SecurityChoiceFor(settings);
    List(IDC_ENCRYPTION_AUTH_MODE).SetCurSel(choice.AuthIndex);
    m_keyControls.Load(settings);
    CheckItem(IDC_ENCRYPTION_ENABLED, choice.Encryption);

    FollowEncryptionSwitch();
    ShowModeControls();

    if (m_pskPage.IsWindow())
        m_pskPage.SetPassphrase(FieldString(settings.PskPassphrase));
    m_eapPage.Load(settings);
}

bool CEncryptionPage::EncryptionChecked() const
{
    return IsItemChecked(IDC_ENCRYPTION_ENABLED);
}

void CEncryptionPage::FollowEncryptionSwitch()
{
    const bool on = EncryptionChecked();
    EnableItem(IDC_ENCRYPTION_AUTH_MODE, on);
    if (!on) {
        List(IDC_ENCRYPTION_AUTH_MODE).SetCurSel(static_cast<int>(AuthModeOpen));
        ShowModeControls();
    }
    m_keyControls.Enable(on);
}

void CEncryptionPage::ShowModeControls()
{
    ShowAuthModeControls(List(IDC_ENCRYPTION_AUTH_MODE).CurSel(), m_keyControls, m_pskPage, m_eapPage);
}

bool CEncryptionPage::ApplySettings()
{
    if (RefuseChange())
        return false;
    AdapterSettings settings = DefaultSettingsInUse();
    // Without a selection the list stores its no-selection index, and nothing else of the
    // security half was shown, so the rest stays as stored.
    const int selection = List(IDC_ENCRYPTION_AUTH_MODE).CurSel();
    const uint32_t auth = static_cast<uint32_t>(selection);
    settings.AuthMode = auth;

    if (auth == AuthModeWpa) {
        m_eapPage.Save(settings);
    } else if (auth == AuthModeWpaPsk) {
        const std::string passphrase = m_pskPage.Passphrase();
        const PskCheck check = CheckPskPassphrase(passphrase, m_pskPage.Confirmation());
        if (!check.Passed()) {
            ShowInputWarning(m_hWnd, check.Message);
            return false;
        }
        CopyFieldText(settings.PskPassphrase, passphrase.c_str());
    } else if (ShowsWepKeys(selection)) {
        const bool encryption = EncryptionChecked();
        const int lengthIndex = m_keyControls.LengthSelection();
        const uint32_t format = m_keyControls.FormatSelection();
        const WepKeyTexts keys = m_keyControls.Texts();
        const int defaultKey = m_keyControls.CheckedDefaultKey();
        if (encryption) {
            const WepKeyCheck check = ValidateWepKeys(keys, static_cast<uint32_t>(defaultKey),
                                                      WepKeySizeForLengthIndex(lengthIndex), format);
            if (!check.Passed) {
                ShowInputWarning(m_hWnd, check.Message);
                return false;
            }
            settings.WepStatus = WepStatusOn;
            if (defaultKey >= 0)
                settings.TxWepKey = static_cast<uint32_t>(defaultKey);
            StoreWepKeyTexts(keys, lengthIndex, format, settings);
        } else {
            settings.WepStatus = WepStatusOff;
        }
        settings.WepKeySize = WepKeySizeForLengthIndex(lengthIndex);
    }

    const bool stored = SaveAndRequestApply(settings);
    if (!stored)
        ShowSettingsNotStored(m_hWnd);
    LoadSettings();
    if (IPageHost* dialog = OwnerDialog())
        dialog->ShowPage(0);
    return true;
}

CComboBoxView CEncryptionPage::List(int id) const
{
    return CComboBoxView(Item(id));
}

bool CEncryptionPage::OnButtonClicked(WORD id)
{
    switch (id) {
    case IDC_ENCRYPTION_APPLY:
        ApplySettings();
        return true;
    case IDC_ENCRYPTION_CANCEL:
        LoadSettings();
        return true;
    case IDC_ENCRYPTION_ENABLED:
        FollowEncryptionSwitch();
        return true;
    default:
        return false;
    }
}

bool CEncryptionPage::OnCommand(WORD id, WORD code, HWND control)
{
    if (m_keyControls.OnCommand(id, code))
        return true;
    switch (id) {
    case IDC_ENCRYPTION_AUTH_MODE:
        if (code == CBN_SELCHANGE)
            ShowModeControls();
        return true;
    default:
        return CPageBase::OnCommand(id, code, control);
    }
}
