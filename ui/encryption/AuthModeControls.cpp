#include "ui/encryption/AuthModeControls.h"

#include "ui/encryption/SecurityChoice.h"

void ShowAuthModeControls(int authIndex, const CWepKeyControls& keys, CPskPage& pskPage, CEapPage& eapPage)
{
    const auto auth = static_cast<uint32_t>(authIndex);
    keys.Show(ShowsWepKeys(authIndex));
    if (pskPage.IsWindow())
        pskPage.Show(auth == AuthModeWpaPsk ? SW_SHOW : SW_HIDE);
    if (auth == AuthModeWpa)
        eapPage.OfferTlsOnly();
    if (eapPage.IsWindow())
        eapPage.Show(auth == AuthModeWpa ? SW_SHOW : SW_HIDE);
}
