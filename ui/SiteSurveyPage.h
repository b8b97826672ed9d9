#ifndef SKYLOOK_UI_SITESURVEYPAGE_H
#define SKYLOOK_UI_SITESURVEYPAGE_H

#include "ConfigPage.h"
#include "res/dialog_ids.h"

// Page 3: the networks of the last scan and the stored profiles.
class CSiteSurveyPage : public CConfigPageBase {
public:
    CSiteSurveyPage() : CConfigPageBase(IDD_SITE_SURVEY_PAGE) {}

    void FillNetworkList();
    void FillProfileList();
};

#endif
