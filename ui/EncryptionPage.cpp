#include "EncryptionPage.h"

#include "ConfigDlg.h"
#include "ComboFill.h"
#include "EncryptionPageIds.h"
#include "record/TextField.h"
#include "InputWarning.h"
#include "PendingApply.h"
#include "SettingsLists.h"

#include "state/AsciiKeyEntry.h"
#include "framework/StandardControls.h"
#include "keys/PassphraseKeys.h"
#include "keys/PskRules.h"
#include "keys/WepKeyRules.h"
#include "settings/DefaultSettings.h"
#include "record/WepKeySlots.h"

namespace {
constexpr int RadioIds[] = {IDC_ENCRYPTION_APPLY, IDC_ENCRYPTION_CANCEL};
constexpr char KeyMask = '*';
constexpr int PassphraseLength = 32;
// Where the embedded pages sit, in pixels of this page's client area.
constexpr POINT PskPagePlace = {16, 70};
constexpr POINT EapPagePlace = {6, 70};

constexpr int KeyIds[WepKeyCount] = {IDC_ENCRYPTION_KEY1, IDC_ENCRYPTION_KEY2, IDC_ENCRYPTION_KEY3,
                                     IDC_ENCRYPTION_KEY4};
constexpr int DefaultKeyIds[WepKeyCount] = {IDC_ENCRYPTION_DEFAULT_KEY1, IDC_ENCRYPTION_DEFAULT_KEY2,
                                            IDC_ENCRYPTION_DEFAULT_KEY3, IDC_ENCRYPTION_DEFAULT_KEY4};
// Key 1 has the visible list; the others keep theirs equal to it.
constexpr int KeyLengthIds[WepKeyCount] = {IDC_ENCRYPTION_KEY_LENGTH, IDC_ENCRYPTION_KEY2_LENGTH,
                                           IDC_ENCRYPTION_KEY3_LENGTH, IDC_ENCRYPTION_KEY4_LENGTH};

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

struct LabelText {
    int Id;
    const char* Text;
};
constexpr LabelText Labels[] = {
    {IDC_ENCRYPTION_ENABLED, "Data Encryption"},     {IDC_ENCRYPTION_AUTH_LABEL, "Auth. Mode"},
    {IDC_ENCRYPTION_DEFAULT_KEY_LABEL, "Default Key"}, {IDC_ENCRYPTION_KEY_LENGTH_LABEL, "Key Length"},
    {IDC_ENCRYPTION_KEY_FORMAT_LABEL, "Key Format"},  {IDC_ENCRYPTION_APPLY, "Apply"},
    {IDC_ENCRYPTION_CANCEL, "Cancel"},
};
}  // namespace

CEncryptionPage::CEncryptionPage() : CWhiteBackground(IDD_ENCRYPTION_PAGE) {}

std::span<const int> CEncryptionPage::RadioControls() const
{
    return RadioIds;
}

void CEncryptionPage::DoDataExchange()
{
    BindControl(m_apply, IDC_ENCRYPTION_APPLY);
    BindControl(m_cancel, IDC_ENCRYPTION_CANCEL);
    for (int i = 0; i < WepKeyCount; ++i)
        BindControl(m_keys[static_cast<size_t>(i)], KeyIds[i]);
}

bool CEncryptionPage::OnInitDialog()
{
    for (const LabelText& label : Labels)
        SetItemText(label.Id, label.Text);

    FillComboBox(List(IDC_ENCRYPTION_AUTH_MODE), AuthModeItems);
    FillComboBox(List(IDC_ENCRYPTION_KEY_FORMAT), KeyFormatItems);
    for (int id : KeyLengthIds)
        FillComboBox(List(id), KeyLengthItems);
    FillComboBox(List(IDC_ENCRYPTION_TX_KEY_LIST), DefaultKeyItems);
    CEditView(Item(IDC_ENCRYPTION_PASSPHRASE)).LimitText(PassphraseLength);

    // Tab goes from the authentication list into an embedded page, then on to Apply.
    if (m_pskPage.Create(m_hWnd)) {
        ::SetWindowPos(m_pskPage.Handle(), Item(IDC_ENCRYPTION_AUTH_MODE), PskPagePlace.x, PskPagePlace.y, 0, 0,
                       SWP_NOSIZE | SWP_NOACTIVATE);
        m_pskPage.Show(SW_HIDE);
    }
    if (m_eapPage.CreateAt(m_hWnd, EapPagePlace))
        ::SetWindowPos(m_eapPage.Handle(), Item(IDC_ENCRYPTION_AUTH_MODE), 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    LoadSettings();
    return false;
}

void CEncryptionPage::LoadSettings()
{
    if (!IsWindow())
        return;
    const AdapterSettings settings = StoredDefaultSettings();

    List(IDC_ENCRYPTION_KEY_FORMAT).SetCurSel(static_cast<int>(settings.WepKeyFormat));
    AsciiKeyEntry = 1 - static_cast<int>(settings.WepKeyFormat);
    List(IDC_ENCRYPTION_AUTH_MODE).SetCurSel(static_cast<int>(settings.AuthMode));
    m_keyFormat = List(IDC_ENCRYPTION_KEY_FORMAT).CurSel();
    List(IDC_ENCRYPTION_TX_KEY_LIST).SetCurSel(static_cast<int>(settings.TxWepKey));

    for (CKeyEdit& key : m_keys)
        key.SetHexadecimalOnly(true);

    const int lengthIndex = KeyLengthIndex(settings.WepKeySize);
    for (int id : KeyLengthIds)
        List(id).SetCurSel(lengthIndex);
    LimitKeys();

    // The stored size gives the shown length; a size the lists do not offer still shows
    // what the slots hold.
    const uint32_t shownSize = settings.WepKeySize == 0 ? WepKeySize64 : settings.WepKeySize;
    for (int i = 0; i < WepKeyCount; ++i)
        SetItemText(KeyIds[i], WepKeySlotToText(WepKeySlot(settings, i), shownSize, settings.WepKeyFormat));

    const bool encryption = settings.WepStatus == WepStatusOn;
    CheckItem(IDC_ENCRYPTION_ENABLED, encryption);
    EnableItem(IDC_ENCRYPTION_AUTH_MODE, encryption);

    for (int id : DefaultKeyIds)
        CheckItem(id, false);
    if (settings.TxWepKey < WepKeyCount)
        CheckItem(DefaultKeyIds[settings.TxWepKey], true);

    SetItemText(IDC_ENCRYPTION_PASSPHRASE, "");
    for (int id : KeyIds)
        CEditView(Item(id)).SetPasswordChar(KeyMask);

    const uint32_t auth = static_cast<uint32_t>(List(IDC_ENCRYPTION_AUTH_MODE).CurSel());
    if (auth == AuthModeWpaPsk || auth == AuthModeWpa)
        CheckItem(IDC_ENCRYPTION_ENABLED, true);

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
    EnableItems(KeyControlIds, on);
}

void CEncryptionPage::ShowModeControls()
{
    const uint32_t auth = static_cast<uint32_t>(List(IDC_ENCRYPTION_AUTH_MODE).CurSel());
    const bool wep = auth == AuthModeOpen || auth == AuthModeShared;
    for (int id : WepControlIds)
        ShowItem(id, wep);
    if (m_pskPage.IsWindow())
        m_pskPage.Show(auth == AuthModeWpaPsk ? SW_SHOW : SW_HIDE);
    if (auth == AuthModeWpa)
        m_eapPage.OfferTlsOnly();
    if (m_eapPage.IsWindow())
        m_eapPage.Show(auth == AuthModeWpa ? SW_SHOW : SW_HIDE);
}

int CEncryptionPage::KeyLengthSelection() const
{
    return List(IDC_ENCRYPTION_KEY_LENGTH).CurSel();
}

uint32_t CEncryptionPage::KeyFormatSelection() const
{
    return List(IDC_ENCRYPTION_KEY_FORMAT).CurSel() == 1 ? WepKeyFormatHex : WepKeyFormatAscii;
}

void CEncryptionPage::LimitKeys()
{
    const size_t chars = RequiredWepKeyChars(WepKeySizeForLengthIndex(KeyLengthSelection()), KeyFormatSelection());
    for (int id : KeyIds)
        CEditView(Item(id)).LimitText(static_cast<int>(chars));
}

void CEncryptionPage::ClearKeys()
{
    LimitKeys();
    for (int id : KeyIds)
        SetItemText(id, "");
}

void CEncryptionPage::ChangeKeyFormat()
{
    const int index = List(IDC_ENCRYPTION_KEY_FORMAT).CurSel();
    if (index == m_keyFormat)
        return;
    m_keyFormat = index;
    AsciiKeyEntry = 1 - index;
    ClearKeys();
    for (CKeyEdit& key : m_keys)
        key.SetHexadecimalOnly(index == 1);
}

void CEncryptionPage::ChangeKeyLength(int changedList)
{
    const int index = List(changedList).CurSel();
    for (int id : KeyLengthIds)
        if (id != changedList)
            List(id).SetCurSel(index);
    ClearKeys();
}

void CEncryptionPage::GenerateKeys()
{
    WepKeyTexts keys;
    if (!GenerateWepKeys(ItemText(IDC_ENCRYPTION_PASSPHRASE), KeyLengthSelection(), keys))
        return;
    // Generated keys are arbitrary bytes, which only hexadecimal text can show.
    if (KeyFormatSelection() != WepKeyFormatHex) {
        List(IDC_ENCRYPTION_KEY_FORMAT).SetCurSel(1);
        ChangeKeyFormat();
    }
    LimitKeys();
    for (int i = 0; i < WepKeyCount; ++i) {
        CEditView(Item(KeyIds[i])).SetPasswordChar('\0');
        SetItemText(KeyIds[i], keys[static_cast<size_t>(i)]);
    }
}

int CEncryptionPage::CheckedDefaultKey() const
{
    for (int i = 0; i < WepKeyCount; ++i)
        if (IsItemChecked(DefaultKeyIds[i]))
            return i;
    return -1;
}

bool CEncryptionPage::ApplySettings()
{
    AdapterSettings settings = StoredDefaultSettings();
    const uint32_t auth = static_cast<uint32_t>(List(IDC_ENCRYPTION_AUTH_MODE).CurSel());
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
    } else {
        const bool encryption = EncryptionChecked();
        const int lengthIndex = KeyLengthSelection();
        const uint32_t format = KeyFormatSelection();
        WepKeyTexts keys;
        for (int i = 0; i < WepKeyCount; ++i)
            keys[static_cast<size_t>(i)] = ItemText(KeyIds[i]);
        const int defaultKey = CheckedDefaultKey();
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

    SaveAndRequestApply(settings);
    LoadSettings();
    if (CConfigDlg* dialog = OwnerDialog())
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
    case IDC_ENCRYPTION_GENERATE:
        GenerateKeys();
        return true;
    default:
        return false;
    }
}

bool CEncryptionPage::OnCommand(WORD id, WORD code, HWND control)
{
    switch (id) {
    case IDC_ENCRYPTION_AUTH_MODE:
        if (code == CBN_SELCHANGE)
            ShowModeControls();
        return true;
    case IDC_ENCRYPTION_KEY_FORMAT:
        if (code == CBN_SELCHANGE)
            ChangeKeyFormat();
        return true;
    case IDC_ENCRYPTION_KEY_LENGTH:
    case IDC_ENCRYPTION_KEY2_LENGTH:
    case IDC_ENCRYPTION_KEY3_LENGTH:
    case IDC_ENCRYPTION_KEY4_LENGTH:
        if (code == CBN_SELCHANGE)
            ChangeKeyLength(id);
        return true;
    default:
        return CPageBase::OnCommand(id, code, control);
    }
}
