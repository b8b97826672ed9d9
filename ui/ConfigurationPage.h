#ifndef SKYLOOK_UI_CONFIGURATION_PAGE_H
#define SKYLOOK_UI_CONFIGURATION_PAGE_H

#include "PageBase.h"

// The network half of the default settings.
class CConfigPage : public CPageBase {
public:
    CConfigPage();

    // Shows the stored default settings; called every time the page is shown.
    void LoadSettings();

    void OnShowing() override { LoadSettings(); }
    std::span<const int> RadioControls() const override;
};

#endif
