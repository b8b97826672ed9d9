#ifndef SKYLOOK_UI_ABOUT_PAGE_H
#define SKYLOOK_UI_ABOUT_PAGE_H

#include "PageBase.h"

// The utility, driver and firmware versions.
class CAboutPage : public CPageBase {
public:
    CAboutPage();
};

#endif
