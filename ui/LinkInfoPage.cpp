#include "LinkInfoPage.h"

#include "LinkInfoPageIds.h"

namespace {
// Rescan and the radio switch both start adapter work that an apply in progress would undo.
constexpr int BusyIds[] = {IDC_LINK_RESCAN, IDC_LINK_RADIO};
constexpr int RadioIds[] = {IDC_LINK_RESCAN};
}  // namespace

CLinkInfoPage::CLinkInfoPage() : CPageBase(IDD_LINK_INFO_PAGE) {}

void CLinkInfoPage::RefreshLinkInfo() {}

std::span<const int> CLinkInfoPage::BusyControls() const
{
    return BusyIds;
}

std::span<const int> CLinkInfoPage::RadioControls() const
{
    return RadioIds;
}

int CLinkInfoPage::RadioButtonId() const
{
    return IDC_LINK_RADIO;
}
