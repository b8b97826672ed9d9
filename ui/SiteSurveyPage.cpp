#include "SiteSurveyPage.h"

#include "SiteSurveyPageIds.h"

namespace {
constexpr int RadioIds[] = {IDC_SURVEY_REFRESH, IDC_SURVEY_CONNECT, IDC_SURVEY_ADD, IDC_SURVEY_REMOVE,
                            IDC_SURVEY_PROPERTIES};
}  // namespace

CSiteSurveyPage::CSiteSurveyPage() : CPageBase(IDD_SITE_SURVEY_PAGE) {}

void CSiteSurveyPage::FillNetworkList() {}

void CSiteSurveyPage::FillProfileList() {}

void CSiteSurveyPage::OnNetworksChanged()
{
    FillNetworkList();
    FillProfileList();
}

std::span<const int> CSiteSurveyPage::RadioControls() const
{
    return RadioIds;
}
