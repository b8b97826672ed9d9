#ifndef SKYLOOK_UI_ENCRYPTIONPAGE_H
#define SKYLOOK_UI_ENCRYPTIONPAGE_H

#include "ConfigPage.h"
#include "res/dialog_ids.h"

// Page 2: the security half of the default settings.
class CEncryptionPage : public CConfigPageBase {
public:
    CEncryptionPage() : CConfigPageBase(IDD_ENCRYPTION_PAGE) {}

    // Shows the stored default settings; called every time the page is shown.
    void LoadSettings();
};

#endif
