#include "EncryptionPage.h"

#include "EncryptionPageIds.h"

namespace {
constexpr int RadioIds[] = {IDC_ENCRYPTION_APPLY, IDC_ENCRYPTION_CANCEL};
}  // namespace

CEncryptionPage::CEncryptionPage() : CPageBase(IDD_ENCRYPTION_PAGE) {}

void CEncryptionPage::LoadSettings() {}

std::span<const int> CEncryptionPage::RadioControls() const
{
    return RadioIds;
}
