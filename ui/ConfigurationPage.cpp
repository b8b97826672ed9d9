#include "ConfigurationPage.h"

#include "ConfigurationPageIds.h"

namespace {
constexpr int RadioIds[] = {IDC_CONFIG_APPLY, IDC_CONFIG_CANCEL};
}  // namespace

CConfigPage::CConfigPage() : CPageBase(IDD_CONFIGURATION_PAGE) {}

void CConfigPage::LoadSettings() {}

std::span<const int> CConfigPage::RadioControls() const
{
    return RadioIds;
}
