#ifndef SKYLOOK_UI_ENCRYPTION_PAGE_H
#define SKYLOOK_UI_ENCRYPTION_PAGE_H

#include "ui/common/WhiteBackground.h"
#include "ui/encryption/EapPage.h"
#include "ui/frame/PageBase.h"
#include "ui/encryption/PskPage.h"
#include "ui/encryption/WepKeyControls.h"

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

    CSkinButton m_apply;
    CSkinButton m_cancel;
    std::array<CKeyEdit, 4> m_keys;
    CPskPage m_pskPage;
    CEapPage m_eapPage;
    CWepKeyControls m_keyControls;
};

#endif
