// Whether a profile's security suits what a network's beacon offers, as an access point
// decides it: a WPA2-only network refuses WPA/TKIP, a WPA3-only one all but WPA3-SAE.
#ifndef WLANDOUBLE_SECURITY_H
#define WLANDOUBLE_SECURITY_H

#include "DoubleState.h"

#include <windows.h>

namespace wdouble {

// ReasonSuccess when the profile joins the network, else the documented reason:
// ReasonNetworkNotAvailable for a kind of security the network does not offer (or a hidden
// network joined without nonBroadcast), ReasonKeyMismatch for a wrong key,
// ReasonUserNotRespond for 802.1X without the user's EAP data.
DWORD JoinOutcome(const ProfileFacts& profile, const VexaSimNetwork& network, bool eapUserDataSet);

// DOT11_AUTH_ALGORITHM and DOT11_CIPHER_ALGORITHM of a link made with the profile.
DWORD AuthAlgorithm(Auth auth);
DWORD CipherAlgorithm(Cipher cipher, int keyLength);

}  // namespace wdouble

#endif
