#include "ui/encryption/WepKeyControls.h"

#include "ui/common/ComboFill.h"
#include "ui/common/SettingsLists.h"

#include "keys/PassphraseKeys.h"
#include "state/AsciiKeyEntry.h"

namespace {
constexpr char KeyMask = '*';
constexpr int PassphraseLength = 32;
}  // namespace

void CWepKeyControls::SetUp(HWND dialog)
{
    m_dialog = CWindowView(dialog);
    FillComboBox(CComboBoxView(m_dialog.Item(m_ids.KeyFormat)), KeyFormatItems);
    for (int id : m_ids.KeyLengths)
        FillComboBox(CComboBoxView(m_dialog.Item(id)), KeyLengthItems);
    FillComboBox(CComboBoxView(m_dialog.Item(m_ids.TxKeyList)), DefaultKeyItems);
    CEditView(m_dialog.Item(m_ids.Passphrase)).LimitText(PassphraseLength);
}

void CWepKeyControls::Load(const AdapterSettings& settings)
{
    CComboBoxView(m_dialog.Item(m_ids.KeyFormat)).SetCurSel(static_cast<int>(settings.WepKeyFormat));
    AsciiKeyEntry = 1 - static_cast<int>(settings.WepKeyFormat);
    m_format = CComboBoxView(m_dialog.Item(m_ids.KeyFormat)).CurSel();
    CComboBoxView(m_dialog.Item(m_ids.TxKeyList)).SetCurSel(static_cast<int>(settings.TxWepKey));

    for (CKeyEdit& key : m_keys)
        key.SetHexadecimalOnly(true);
    const int lengthIndex = KeyLengthIndex(settings.WepKeySize);
    for (int id : m_ids.KeyLengths)
        CComboBoxView(m_dialog.Item(id)).SetCurSel(lengthIndex);
    LimitKeys();

    // The stored size gives the shown length; a size the lists do not offer still shows
    // what the slots hold.
    const uint32_t shownSize = settings.WepKeySize == 0 ? WepKeySize64 : settings.WepKeySize;
    for (int i = 0; i < WepKeyCount; ++i) {
        const int id = m_ids.Keys[static_cast<size_t>(i)];
        m_dialog.SetItemText(id, WepKeySlotToText(WepKeySlot(settings, i), shownSize, settings.WepKeyFormat));
        CEditView(m_dialog.Item(id)).SetPasswordChar(KeyMask);
    }

    for (int id : m_ids.DefaultKeys)
        m_dialog.CheckItem(id, false);
    if (settings.TxWepKey < WepKeyCount)
        m_dialog.CheckItem(m_ids.DefaultKeys[settings.TxWepKey], true);
    m_dialog.SetItemText(m_ids.Passphrase, "");
}

void CWepKeyControls::Show(bool show) const
{
    for (int id : m_ids.Shown)
        m_dialog.ShowItem(id, show);
}

void CWepKeyControls::Enable(bool enable) const
{
    for (int id : m_ids.Enabled)
        m_dialog.EnableItem(id, enable);
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
    return CComboBoxView(m_dialog.Item(m_ids.KeyLengths[0])).CurSel();
}

uint32_t CWepKeyControls::FormatSelection() const
{
    return FormatIndex() == 1 ? WepKeyFormatHex : WepKeyFormatAscii;
}

int CWepKeyControls::FormatIndex() const
{
    return CComboBoxView(m_dialog.Item(m_ids.KeyFormat)).CurSel();
}

int CWepKeyControls::CheckedDefaultKey() const
{
    for (int i = 0; i < WepKeyCount; ++i)
        if (m_dialog.IsItemChecked(m_ids.DefaultKeys[static_cast<size_t>(i)]))
            return i;
    return -1;
}

WepKeyTexts CWepKeyControls::Texts() const
{
    WepKeyTexts texts;
    for (int i = 0; i < WepKeyCount; ++i)
        texts[static_cast<size_t>(i)] = m_dialog.ItemText(m_ids.Keys[static_cast<size_t>(i)]);
    return texts;
}

void CWepKeyControls::LimitKeys() const
{
    const size_t chars = RequiredWepKeyChars(WepKeySizeForLengthIndex(LengthSelection()), FormatSelection());
    for (int id : m_ids.Keys)
        CEditView(m_dialog.Item(id)).LimitText(static_cast<int>(chars));
}

void CWepKeyControls::ClearKeys() const
{
    LimitKeys();
    for (int id : m_ids.Keys)
        m_dialog.SetItemText(id, "");
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
    const int index = CComboBoxView(m_dialog.Item(changedList)).CurSel();
    for (int id : m_ids.KeyLengths)
        if (id != changedList)
            CComboBoxView(m_dialog.Item(id)).SetCurSel(index);
    ClearKeys();
}

void CWepKeyControls::Generate()
{
    WepKeyTexts keys;
    if (!GenerateWepKeys(m_dialog.ItemText(m_ids.Passphrase), LengthSelection(), keys))
        return;
    // Generated keys are arbitrary bytes, which only hexadecimal text can show.
    if (FormatSelection() != WepKeyFormatHex) {
        CComboBoxView(m_dialog.Item(m_ids.KeyFormat)).SetCurSel(1);
        ChangeFormat();
    }
    LimitKeys();
    for (int i = 0; i < WepKeyCount; ++i) {
        const int id = m_ids.Keys[static_cast<size_t>(i)];
        CEditView(m_dialog.Item(id)).SetPasswordChar('\0');
        m_dialog.SetItemText(id, keys[static_cast<size_t>(i)]);
    }
}
