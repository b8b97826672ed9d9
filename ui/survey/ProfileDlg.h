// The Profile dialog: one settings record edited together with a profile name, to add a
// profile, edit one, or connect to a network of the scan. It stores nothing itself; the
// owner takes EditSettings and ProfileName after OK.
#ifndef SKYLOOK_UI_PROFILE_DLG_H
#define SKYLOOK_UI_PROFILE_DLG_H

#include "ui/encryption/EapPage.h"
#include "ui/survey/ProfileForm.h"
#include "ui/encryption/PskPage.h"
#include "ui/common/WhiteBackground.h"
#include "ui/encryption/WepKeyControls.h"

#include "controls/KeyEdit.h"
#include "controls/SkinButton.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "record/AdapterSettings.h"

#include <array>
#include <cstdint>

enum ProfileDlgMode : int32_t {
    ProfileModeAdd = 0,
    ProfileModeEdit = 2,
    ProfileModeConnect = 3,
};

class CProfileDlg : public CWhiteBackground<CDialog> {
public:
    CProfileDlg();
    ~CProfileDlg() override;

    AdapterSettings EditSettings = {};
    int32_t Mode = ProfileModeAdd;
    char ProfileName[36] = {};

    // The dialog's title for a mode and profile name.
    static std::string TitleFor(int32_t mode, const char* profileName);

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    void FillLists();
    void CreateSubPages();
    void LoadControls();
    void ApplyMode();

    bool EncryptionChecked() const;
    // "Data Encryption": the authentication list and the key controls follow it.
    void FollowEncryptionSwitch();
    // The one rule of the check box and the network type (AuthListEnabled).
    void EnableAuthList();
    // Shows the controls of the selected authentication mode.
    void ShowModeControls();
    ProfileForm ReadForm() const;

    CSkinButton m_apply;
    CSkinButton m_cancel;
    std::array<CKeyEdit, 4> m_keys;
    CPskPage m_pskPage;
    CEapPage m_eapPage;
    CWepKeyControls m_keyControls;
};

#endif
