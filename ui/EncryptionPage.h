#ifndef SKYLOOK_UI_ENCRYPTION_PAGE_H
#define SKYLOOK_UI_ENCRYPTION_PAGE_H

#include "WhiteBackground.h"
#include "EapPage.h"
#include "PageBase.h"
#include "PskPage.h"

#include "controls/KeyEdit.h"
#include "controls/SkinButton.h"
#include "framework/Gdi.h"
#include "framework/StandardControls.h"

#include <array>

// The security half of the default settings: encryption on or off, the authentication mode,
// four WEP keys (typed or generated from a passphrase) with their size, format and transmit
// key, the WPA-PSK passphrase on an embedded Pre-shared key page and the WPA client
// certificate on an embedded 802.1X page.
class CEncryptionPage : public CWhiteBackground<CPageBase> {
public:
    CEncryptionPage();

    // Shows the stored default settings; called every time the page is shown and by Cancel.
    void LoadSettings();
    // Checks the input, stores it with the stored network settings and asks for an apply;
    // false when the input was refused (nothing stored).
    bool ApplySettings();

    void OnShowing() override { LoadSettings(); }
    std::span<const int> RadioControls() const override;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    CComboBoxView List(int id) const;
    bool EncryptionChecked() const;
    // Enables the controls that only mean something with encryption on.
    void FollowEncryptionSwitch();
    // Shows the controls of the selected authentication mode.
    void ShowModeControls();
    void ChangeKeyFormat();
    void ChangeKeyLength(int changedList);
    void GenerateKeys();

    int KeyLengthSelection() const;
    uint32_t KeyFormatSelection() const;
    // Every key edit limited to what the size and format take, emptied.
    void ClearKeys();
    void LimitKeys();
    // 0-3 for the first checked default-key button; -1 for none.
    int CheckedDefaultKey() const;

    CSkinButton m_apply;
    CSkinButton m_cancel;
    std::array<CKeyEdit, 4> m_keys;
    CPskPage m_pskPage;
    CEapPage m_eapPage;
    // The format in force; choosing it again changes nothing.
    int m_keyFormat = 0;
};

#endif
