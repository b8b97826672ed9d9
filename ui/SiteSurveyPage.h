#ifndef SKYLOOK_UI_SITE_SURVEY_PAGE_H
#define SKYLOOK_UI_SITE_SURVEY_PAGE_H

#include "PageBase.h"

// The networks of the last scan and the stored profiles.
class CSiteSurveyPage : public CPageBase {
public:
    CSiteSurveyPage();

    void FillNetworkList();
    void FillProfileList();

    // The lists are filled after the page is shown, so that the user sees it at once.
    void OnShown() override { OnNetworksChanged(); }
    void OnNetworksChanged() override;
    std::span<const int> RadioControls() const override;
};

#endif
