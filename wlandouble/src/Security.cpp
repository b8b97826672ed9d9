#include "Security.h"

#include "Reasons.h"

#include <wlanapi.h>

#include <cstring>

namespace wdouble {

namespace {

bool Is(const ProfileFacts& p, Auth auth, Cipher cipher)
{
    return p.Authentication == auth && p.Encryption == cipher;
}

// The kinds of security a beacon of that kind accepts.
bool Offers(const ProfileFacts& p, int security)
{
    switch (security) {
    case VEXASIM_OPEN:
        return Is(p, Auth::Open, Cipher::None);
    case VEXASIM_WEP:
        return Is(p, Auth::Open, Cipher::Wep) || Is(p, Auth::Shared, Cipher::Wep);
    case VEXASIM_WPA_PSK:
        return Is(p, Auth::WpaPsk, Cipher::Tkip);
    case VEXASIM_WPA_TLS:
        return Is(p, Auth::Wpa, Cipher::Tkip) && p.OneX;
    case VEXASIM_WPA2_PSK:
        return Is(p, Auth::Wpa2Psk, Cipher::Aes);
    case VEXASIM_WPA_WPA2_PSK:
        return Is(p, Auth::WpaPsk, Cipher::Tkip) || Is(p, Auth::Wpa2Psk, Cipher::Aes) ||
               Is(p, Auth::Wpa2Psk, Cipher::Tkip);
    case VEXASIM_WPA3_SAE:
        return Is(p, Auth::Wpa3Sae, Cipher::Aes);
    case VEXASIM_WPA2_WPA3:
        return Is(p, Auth::Wpa2Psk, Cipher::Aes) || Is(p, Auth::Wpa3Sae, Cipher::Aes);
    default:
        return false;
    }
}

bool SameHex(const unsigned char* key, int length, const char* text)
{
    if (static_cast<int>(strnlen(text, 65)) != length)
        return false;
    for (int i = 0; i < length; ++i) {
        char a = static_cast<char>(key[i]), b = text[i];
        if (a >= 'A' && a <= 'F')
            a = static_cast<char>(a - 'A' + 'a');
        if (b >= 'A' && b <= 'F')
            b = static_cast<char>(b - 'A' + 'a');
        if (a != b)
            return false;
    }
    return true;
}

bool KeyMatches(const ProfileFacts& p, const VexaSimNetwork& n)
{
    if (n.Security == VEXASIM_OPEN || n.Security == VEXASIM_WPA_TLS)
        return true;
    if (n.Security == VEXASIM_WEP)
        return p.KeyLength == n.WepKeyLength && std::memcmp(p.Key, n.WepKey, static_cast<size_t>(p.KeyLength)) == 0;
    if (p.KeyIsPassphrase)
        return p.KeyLength == static_cast<int>(strnlen(n.Passphrase, 64)) &&
               std::memcmp(p.Key, n.Passphrase, static_cast<size_t>(p.KeyLength)) == 0;
    // A pre-shared key of 64 hex digits matches a network whose passphrase is that key.
    return SameHex(p.Key, p.KeyLength, n.Passphrase);
}

}  // namespace

DWORD JoinOutcome(const ProfileFacts& profile, const VexaSimNetwork& network, bool eapUserDataSet)
{
    // A hidden network answers only probes that name it [nonBroadcast (SSIDConfig) element].
    if (network.Hidden && !profile.NonBroadcast)
        return ReasonNetworkNotAvailable;
    if (!Offers(profile, network.Security))
        return ReasonNetworkNotAvailable;
    if (!KeyMatches(profile, network))
        return ReasonKeyMismatch;
    if (network.Security == VEXASIM_WPA_TLS && !eapUserDataSet)
        return ReasonUserNotRespond;
    return ReasonSuccess;
}

DWORD AuthAlgorithm(Auth auth)
{
    switch (auth) {
    case Auth::Shared: return DOT11_AUTH_ALGO_80211_SHARED_KEY;
    case Auth::Wpa: return DOT11_AUTH_ALGO_WPA;
    case Auth::WpaPsk: return DOT11_AUTH_ALGO_WPA_PSK;
    case Auth::Wpa2: return DOT11_AUTH_ALGO_RSNA;
    case Auth::Wpa2Psk: return DOT11_AUTH_ALGO_RSNA_PSK;
    case Auth::Wpa3Sae: return 9;  // DOT11_AUTH_ALGO_WPA3_SAE
    default: return DOT11_AUTH_ALGO_80211_OPEN;
    }
}

DWORD CipherAlgorithm(Cipher cipher, int keyLength)
{
    switch (cipher) {
    case Cipher::Wep: return keyLength == 13 ? DOT11_CIPHER_ALGO_WEP104 : DOT11_CIPHER_ALGO_WEP40;
    case Cipher::Tkip: return DOT11_CIPHER_ALGO_TKIP;
    case Cipher::Aes: return DOT11_CIPHER_ALGO_CCMP;
    default: return DOT11_CIPHER_ALGO_NONE;
    }
}

}  // namespace wdouble
