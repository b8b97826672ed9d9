#ifndef SKYLOOK_UI_CONFIGURATIONPAGE_H
#define SKYLOOK_UI_CONFIGURATIONPAGE_H

#include "ConfigPage.h"
#include "res/dialog_ids.h"

// Page 1: the network half of the default settings.
class CConfigPage : public CConfigPageBase {
public:
    CConfigPage() : CConfigPageBase(IDD_CONFIGURATION_PAGE) {}

    // Shows the stored default settings; called every time the page is shown.
    void LoadSettings();
};

#endif
