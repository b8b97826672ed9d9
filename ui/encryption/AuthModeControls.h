// What the security editors show for an authentication mode: the WEP key section for open
// and shared authentication, the Pre-shared key page for WPA-PSK, the 802.1X page offering
// EAP-TLS alone for WPA.
#ifndef SKYLOOK_UI_AUTH_MODE_CONTROLS_H
#define SKYLOOK_UI_AUTH_MODE_CONTROLS_H

#include "ui/encryption/EapPage.h"
#include "ui/encryption/PskPage.h"
#include "ui/encryption/WepKeyControls.h"

// authIndex is the authentication list's selection, the record's AuthMode value.
void ShowAuthModeControls(int authIndex, const CWepKeyControls& keys, CPskPage& pskPage, CEapPage& eapPage);

#endif
