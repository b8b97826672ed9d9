#include "AboutPage.h"

#include "AboutPageIds.h"

CAboutPage::CAboutPage() : CPageBase(IDD_ABOUT_PAGE) {}
