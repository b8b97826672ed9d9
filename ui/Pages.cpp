// Page behaviour beyond the frame's own (controls, their values, their actions) comes with
// each page; until then a page is an empty child dialog of its template.
#include "AboutPage.h"
#include "ConfigurationPage.h"
#include "EncryptionPage.h"
#include "LinkInfoPage.h"
#include "SiteSurveyPage.h"

void CLinkInfoPage::RefreshLinkInfo() {}

void CLinkInfoPage::SetRadioCaption(const char* caption) const
{
    if (IsWindow())
        if (HWND button = Item(IDC_LINK_RADIO))
            ::SetWindowTextA(button, caption);
}

void CConfigPage::LoadSettings() {}

void CEncryptionPage::LoadSettings() {}

void CSiteSurveyPage::FillNetworkList() {}

void CSiteSurveyPage::FillProfileList() {}
