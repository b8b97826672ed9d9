#ifndef SKYLOOK_UI_ENCRYPTION_PAGE_H
#define SKYLOOK_UI_ENCRYPTION_PAGE_H

#include "PageBase.h"

// The security half of the default settings.
class CEncryptionPage : public CPageBase {
public:
    CEncryptionPage();

    // Shows the stored default settings; called every time the page is shown.
    void LoadSettings();

    void OnShowing() override { LoadSettings(); }
    std::span<const int> RadioControls() const override;
};

#endif
