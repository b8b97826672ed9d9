#include "WepKeyControls.h"

#include "DialogItems.h"
#include "SettingsLists.h"

#include "keys/PassphraseKeys.h"
#include "state/AsciiKeyEntry.h"

namespace {
constexpr char KeyMask = '*';
constexpr int PassphraseLength = 32;
}  // namespace

void CWepKeyControls::SetUp(HWND dialog)
{
    m_dialog = dialog;
    FillComboList(m_dialog, m_ids.KeyFormat, KeyFormatItems);
    for (int id : m_ids.KeyLengths)
        FillComboList(m_dialog, id, KeyLengthItems);
    FillComboList(m_dialog, m_ids.TxKeyList, DefaultKeyItems);
    LimitItemText(m_dialog, m_ids.Passphrase, PassphraseLength);
}

void CWepKeyControls::Load(const AdapterSettings& settings)
{
    SelectComboItem(m_dialog, m_ids.KeyFormat, static_cast<int>(settings.WepKeyFormat));
    AsciiKeyEntry = 1 - static_cast<int>(settings.WepKeyFormat);
    m_format = ComboSelection(m_dialog, m_ids.KeyFormat);
    SelectComboItem(m_dialog, m_ids.TxKeyList, static_cast<int>(settings.TxWepKey));

    for (CKeyEdit& key : m_keys)
        key.SetHexadecimalOnly(true);
    const int lengthIndex = KeyLengthIndex(settings.WepKeySize);
    for (int id : m_ids.KeyLengths)
        SelectComboItem(m_dialog, id, lengthIndex);
    LimitKeys();

    // The stored size gives the shown length; a size the lists do not offer still shows
    // what the slots hold.
    const uint32_t shownSize = settings.WepKeySize == 0 ? WepKeySize64 : settings.WepKeySize;
    for (int i = 0; i < WepKeyCount; ++i) {
        const int id = m_ids.Keys[static_cast<size_t>(i)];
        SetItemText(m_dialog, id, WepKeySlotToText(WepKeySlot(settings, i), shownSize, settings.WepKeyFormat));
        SetPasswordChar(m_dialog, id, KeyMask);
    }

    for (int id : m_ids.DefaultKeys)
        CheckItem(m_dialog, id, false);
    if (settings.TxWepKey < WepKeyCount)
        CheckItem(m_dialog, m_ids.DefaultKeys[settings.TxWepKey], true);
    SetItemText(m_dialog, m_ids.Passphrase, "");
}

void CWepKeyControls::Show(bool show) const
{
    ShowItems(m_dialog, m_ids.Shown, show);
}

void CWepKeyControls::Enable(bool enable) const
{
    EnableDialogItems(m_dialog, m_ids.Enabled, enable);
}

bool CWepKeyControls::OnCommand(WORD id, WORD code)
{
    if (id == m_ids.Generate) {
        if (code == BN_CLICKED)
            Generate();
        return true;
    }
    if (id == m_ids.KeyFormat) {
        if (code == CBN_SELCHANGE)
            ChangeFormat();
        return true;
    }
    for (int list : m_ids.KeyLengths) {
        if (id == list) {
            if (code == CBN_SELCHANGE)
                ChangeLength(list);
            return true;
        }
    }
    return false;
}

int CWepKeyControls::LengthSelection() const
{
    return ComboSelection(m_dialog, m_ids.KeyLengths[0]);
}

uint32_t CWepKeyControls::FormatSelection() const
{
    return FormatIndex() == 1 ? WepKeyFormatHex : WepKeyFormatAscii;
}

int CWepKeyControls::FormatIndex() const
{
    return ComboSelection(m_dialog, m_ids.KeyFormat);
}

int CWepKeyControls::CheckedDefaultKey() const
{
    for (int i = 0; i < WepKeyCount; ++i)
        if (IsItemChecked(m_dialog, m_ids.DefaultKeys[static_cast<size_t>(i)]))
            return i;
    return -1;
}

WepKeyTexts CWepKeyControls::Texts() const
{
    WepKeyTexts texts;
    for (int i = 0; i < WepKeyCount; ++i)
        texts[static_cast<size_t>(i)] = ItemText(m_dialog, m_ids.Keys[static_cast<size_t>(i)]);
    return texts;
}

void CWepKeyControls::LimitKeys() const
{
    const size_t chars = RequiredWepKeyChars(WepKeySizeForLengthIndex(LengthSelection()), FormatSelection());
    for (int id : m_ids.Keys)
        LimitItemText(m_dialog, id, static_cast<int>(chars));
}

void CWepKeyControls::ClearKeys() const
{
    LimitKeys();
    for (int id : m_ids.Keys)
        SetItemText(m_dialog, id, "");
}

void CWepKeyControls::ChangeFormat()
{
    const int index = FormatIndex();
    if (index == m_format)
        return;
    m_format = index;
    AsciiKeyEntry = 1 - index;
    ClearKeys();
    for (CKeyEdit& key : m_keys)
        key.SetHexadecimalOnly(index == 1);
}

void CWepKeyControls::ChangeLength(int changedList)
{
    const int index = ComboSelection(m_dialog, changedList);
    for (int id : m_ids.KeyLengths)
        if (id != changedList)
            SelectComboItem(m_dialog, id, index);
    ClearKeys();
}

void CWepKeyControls::Generate()
{
    WepKeyTexts keys;
    if (!GenerateWepKeys(ItemText(m_dialog, m_ids.Passphrase), LengthSelection(), keys))
        return;
    // Generated keys are arbitrary bytes, which only hexadecimal text can show.
    if (FormatSelection() != WepKeyFormatHex) {
        SelectComboItem(m_dialog, m_ids.KeyFormat, 1);
        ChangeFormat();
    }
    LimitKeys();
    for (int i = 0; i < WepKeyCount; ++i) {
        const int id = m_ids.Keys[static_cast<size_t>(i)];
        SetPasswordChar(m_dialog, id, '\0');
        SetItemText(m_dialog, id, keys[static_cast<size_t>(i)]);
    }
}
