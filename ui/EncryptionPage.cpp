#include "EncryptionPage.h"

#include "ConfigDlg.h"
#include "DialogItems.h"
#include "EncryptionPageIds.h"
#include "settings/TextField.h"
#include "InputWarning.h"
#include "PendingApply.h"
#include "SettingsLists.h"

#include "state/AsciiKeyEntry.h"
#include "keys/PassphraseKeys.h"
#include "keys/PskRules.h"
#include "keys/WepKeyRules.h"
#include "settings/DefaultSettings.h"
#include "record/WepKeySlots.h"

namespace {
constexpr int RadioIds[] = {IDC_ENCRYPTION_APPLY, IDC_ENCRYPTION_CANCEL};
const COLORREF PageWhite = RGB(255, 255, 255);
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

AdapterSettings StoredSettings()
{
    AdapterSettings settings{};
    LoadDefaultSettings(settings);
    return settings;
}
}  // namespace

CEncryptionPage::CEncryptionPage() : CPageBase(IDD_ENCRYPTION_PAGE) {}

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
        SetItemText(m_hWnd, label.Id, label.Text);
    m_background = MakeSolidBrush(PageWhite);

    FillComboList(m_hWnd, IDC_ENCRYPTION_AUTH_MODE, AuthModeItems);
    FillComboList(m_hWnd, IDC_ENCRYPTION_KEY_FORMAT, KeyFormatItems);
    for (int id : KeyLengthIds)
        FillComboList(m_hWnd, id, KeyLengthItems);
    FillComboList(m_hWnd, IDC_ENCRYPTION_TX_KEY_LIST, DefaultKeyItems);
    LimitItemText(m_hWnd, IDC_ENCRYPTION_PASSPHRASE, PassphraseLength);

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
    const AdapterSettings settings = StoredSettings();

    SelectComboItem(m_hWnd, IDC_ENCRYPTION_KEY_FORMAT, static_cast<int>(settings.WepKeyFormat));
    AsciiKeyEntry = 1 - static_cast<int>(settings.WepKeyFormat);
    SelectComboItem(m_hWnd, IDC_ENCRYPTION_AUTH_MODE, static_cast<int>(settings.AuthMode));
    m_keyFormat = ComboSelection(m_hWnd, IDC_ENCRYPTION_KEY_FORMAT);
    SelectComboItem(m_hWnd, IDC_ENCRYPTION_TX_KEY_LIST, static_cast<int>(settings.TxWepKey));

    for (CKeyEdit& key : m_keys)
        key.SetHexadecimalOnly(true);

    const int lengthIndex = KeyLengthIndex(settings.WepKeySize);
    for (int id : KeyLengthIds)
        SelectComboItem(m_hWnd, id, lengthIndex);
    LimitKeys();

    // The stored size gives the shown length; a size the lists do not offer still shows
    // what the slots hold.
    const uint32_t shownSize = settings.WepKeySize == 0 ? WepKeySize64 : settings.WepKeySize;
    for (int i = 0; i < WepKeyCount; ++i)
        SetItemText(m_hWnd, KeyIds[i], WepKeySlotToText(WepKeySlot(settings, i), shownSize, settings.WepKeyFormat));

    const bool encryption = settings.WepStatus == WepStatusOn;
    CheckItem(m_hWnd, IDC_ENCRYPTION_ENABLED, encryption);
    EnableItem(IDC_ENCRYPTION_AUTH_MODE, encryption);

    for (int id : DefaultKeyIds)
        CheckItem(m_hWnd, id, false);
    if (settings.TxWepKey < WepKeyCount)
        CheckItem(m_hWnd, DefaultKeyIds[settings.TxWepKey], true);

    SetItemText(m_hWnd, IDC_ENCRYPTION_PASSPHRASE, "");
    for (int id : KeyIds)
        SetPasswordChar(m_hWnd, id, KeyMask);

    const uint32_t auth = static_cast<uint32_t>(ComboSelection(m_hWnd, IDC_ENCRYPTION_AUTH_MODE));
    if (auth == AuthModeWpaPsk || auth == AuthModeWpa)
        CheckItem(m_hWnd, IDC_ENCRYPTION_ENABLED, true);

    FollowEncryptionSwitch();
    ShowModeControls();

    if (m_pskPage.IsWindow())
        m_pskPage.SetPassphrase(FieldString(settings.PskPassphrase));
    m_eapPage.Load(settings);
}

bool CEncryptionPage::EncryptionChecked() const
{
    return IsItemChecked(m_hWnd, IDC_ENCRYPTION_ENABLED);
}

void CEncryptionPage::FollowEncryptionSwitch()
{
    const bool on = EncryptionChecked();
    EnableItem(IDC_ENCRYPTION_AUTH_MODE, on);
    if (!on) {
        SelectComboItem(m_hWnd, IDC_ENCRYPTION_AUTH_MODE, static_cast<int>(AuthModeOpen));
        ShowModeControls();
    }
    EnableItems(KeyControlIds, on);
}

void CEncryptionPage::ShowModeControls()
{
    const uint32_t auth = static_cast<uint32_t>(ComboSelection(m_hWnd, IDC_ENCRYPTION_AUTH_MODE));
    const bool wep = auth == AuthModeOpen || auth == AuthModeShared;
    ShowItems(m_hWnd, WepControlIds, wep);
    if (m_pskPage.IsWindow())
        m_pskPage.Show(auth == AuthModeWpaPsk ? SW_SHOW : SW_HIDE);
    if (auth == AuthModeWpa)
        m_eapPage.OfferTlsOnly();
    if (m_eapPage.IsWindow())
        m_eapPage.Show(auth == AuthModeWpa ? SW_SHOW : SW_HIDE);
}

int CEncryptionPage::KeyLengthSelection() const
{
    return ComboSelection(m_hWnd, IDC_ENCRYPTION_KEY_LENGTH);
}

uint32_t CEncryptionPage::KeyFormatSelection() const
{
    return ComboSelection(m_hWnd, IDC_ENCRYPTION_KEY_FORMAT) == 1 ? WepKeyFormatHex : WepKeyFormatAscii;
}

void CEncryptionPage::LimitKeys()
{
    const size_t chars = RequiredWepKeyChars(WepKeySizeForLengthIndex(KeyLengthSelection()), KeyFormatSelection());
    for (int id : KeyIds)
        LimitItemText(m_hWnd, id, static_cast<int>(chars));
}

void CEncryptionPage::ClearKeys()
{
    LimitKeys();
    for (int id : KeyIds)
        SetItemText(m_hWnd, id, "");
}

void CEncryptionPage::ChangeKeyFormat()
{
    const int index = ComboSelection(m_hWnd, IDC_ENCRYPTION_KEY_FORMAT);
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
    const int index = ComboSelection(m_hWnd, changedList);
    for (int id : KeyLengthIds)
        if (id != changedList)
            SelectComboItem(m_hWnd, id, index);
    ClearKeys();
}

void CEncryptionPage::GenerateKeys()
{
    WepKeyTexts keys;
    if (!GenerateWepKeys(ItemText(m_hWnd, IDC_ENCRYPTION_PASSPHRASE), KeyLengthSelection(), keys))
        return;
    // Generated keys are arbitrary bytes, which only hexadecimal text can show.
    if (KeyFormatSelection() != WepKeyFormatHex) {
        SelectComboItem(m_hWnd, IDC_ENCRYPTION_KEY_FORMAT, 1);
        ChangeKeyFormat();
    }
    LimitKeys();
    for (int i = 0; i < WepKeyCount; ++i) {
        SetPasswordChar(m_hWnd, KeyIds[i], '\0');
        SetItemText(m_hWnd, KeyIds[i], keys[static_cast<size_t>(i)]);
    }
}

int CEncryptionPage::CheckedDefaultKey() const
{
    for (int i = 0; i < WepKeyCount; ++i)
        if (IsItemChecked(m_hWnd, DefaultKeyIds[i]))
            return i;
    return -1;
}

bool CEncryptionPage::ApplySettings()
{
    AdapterSettings settings = StoredSettings();
    const uint32_t auth = static_cast<uint32_t>(ComboSelection(m_hWnd, IDC_ENCRYPTION_AUTH_MODE));
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
            keys[static_cast<size_t>(i)] = ItemText(m_hWnd, KeyIds[i]);
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

bool CEncryptionPage::OnCommand(WORD id, WORD code, HWND control)
{
    switch (id) {
    case IDC_ENCRYPTION_APPLY:
        if (code == BN_CLICKED)
            ApplySettings();
        return true;
    case IDC_ENCRYPTION_CANCEL:
        if (code == BN_CLICKED)
            LoadSettings();
        return true;
    case IDC_ENCRYPTION_ENABLED:
        if (code == BN_CLICKED)
            FollowEncryptionSwitch();
        return true;
    case IDC_ENCRYPTION_GENERATE:
        if (code == BN_CLICKED)
            GenerateKeys();
        return true;
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

HBRUSH CEncryptionPage::OnCtlColor(HDC dc, HWND control, UINT type)
{
    CPageBase::OnCtlColor(dc, control, type);
    ::SetBkColor(dc, PageWhite);
    return m_background.Get();
}

void CEncryptionPage::OnDestroy()
{
    m_background.Reset();
}
