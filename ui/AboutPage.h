#ifndef SKYLOOK_UI_ABOUTPAGE_H
#define SKYLOOK_UI_ABOUTPAGE_H

#include "ConfigPage.h"
#include "res/dialog_ids.h"

// Page 4: utility, driver and firmware versions.
class CAboutPage : public CConfigPageBase {
public:
    CAboutPage() : CConfigPageBase(IDD_ABOUT_PAGE) {}
};

#endif
