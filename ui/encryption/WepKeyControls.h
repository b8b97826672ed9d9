// The WEP key section that the Encryption page and the Profile dialog share: four key edits
// with their default-key buttons, the key length and format lists, and the passphrase row
// that generates keys. The owner names its controls' ids and forwards their notifications.
#ifndef SKYLOOK_UI_WEP_KEY_CONTROLS_H
#define SKYLOOK_UI_WEP_KEY_CONTROLS_H

#include "controls/KeyEdit.h"
#include "framework/WindowView.h"
#include "keys/WepKeyRules.h"
#include "record/AdapterSettings.h"
#include "record/WepKeySlots.h"

#include <windows.h>

#include <array>
#include <span>

struct WepKeyControlIds {
    std::array<int, WepKeyCount> Keys;
    std::array<int, WepKeyCount> DefaultKeys;   // the radio buttons "1" to "4"
    std::array<int, WepKeyCount> KeyLengths;    // key 1's list is the visible one
    int KeyFormat;
    int TxKeyList;                              // hidden mirror of the transmit key
    int Passphrase;
    int Generate;
    std::span<const int> Shown;                 // shown for the WEP modes only
    std::span<const int> Enabled;               // enabled while encryption is on
};

class CWepKeyControls {
public:
    CWepKeyControls(const WepKeyControlIds& ids, std::array<CKeyEdit, WepKeyCount>& keys) : m_ids(ids), m_keys(keys) {}

    // The length, format and transmit-key lists' items and the passphrase's limit.
    void SetUp(HWND dialog);
    // Format, length, the stored keys masked, the default key; the passphrase emptied.
    void Load(const AdapterSettings& settings);

    void Show(bool show) const;
    void Enable(bool enable) const;

    // True when the command was one of the section's own (format, length, generate).
    bool OnCommand(WORD id, WORD code);

    int LengthSelection() const;
    uint32_t FormatSelection() const;
    int FormatIndex() const;
    // 0-3 for the first checked default-key button; -1 for none.
    int CheckedDefaultKey() const;
    WepKeyTexts Texts() const;

private:
    void ChangeFormat();
    void ChangeLength(int changedList);
    void Generate();
    void LimitKeys() const;
    void ClearKeys() const;

    WepKeyControlIds m_ids;
    std::array<CKeyEdit, WepKeyCount>& m_keys;
    CWindowView m_dialog;
    // The format in force; choosing it again changes nothing.
    int m_format = 0;
};

#endif
