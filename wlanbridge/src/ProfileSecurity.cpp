#include "ProfileSecurity.h"

#include "record/HexText.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr size_t HexPskDigits = 64;

bool AllHex(const std::string& text)
{
    for (unsigned char c : text)
        if (!std::isxdigit(c))
            return false;
    return true;
}

}  // namespace

std::optional<ProfileSecurity> ProfileSecurityFor(const StagedSettings& staged, bool networkOffersRsn)
{
    ProfileSecurity s;
    switch (staged.AuthMode) {
    case AuthWpaPsk:
        if (staged.WpaMethod != WpaMethodPassphrase)
            return std::nullopt;
        s.Authentication = networkOffersRsn ? "WPA2PSK" : "WPAPSK";
        s.Encryption = networkOffersRsn ? "AES" : "TKIP";
        // Sixty-four hex digits are the key itself; anything shorter is a passphrase.
        s.Key = staged.WpaKey.size() == HexPskDigits && AllHex(staged.WpaKey) ? KeyKind::NetworkKey
                                                                               : KeyKind::PassPhrase;
        s.KeyMaterial = staged.WpaKey;
        return s;
    case AuthWpa:
        if (staged.WpaMethod != WpaMethodTls)
            return std::nullopt;
        s.Authentication = networkOffersRsn ? "WPA2" : "WPA";
        s.Encryption = networkOffersRsn ? "AES" : "TKIP";
        s.OneX = true;
        return s;
    case AuthOpen:
    case AuthShared: {
        if (staged.WepStatus != WepEnabled)
            return s;  // shared authentication needs WEP; without it the network is open
        const int index = staged.TransmitKey >= 0 && staged.TransmitKey < 4 ? staged.TransmitKey : 0;
        const StagedWepKey& key = staged.WepKeys[index];
        s.Authentication = staged.AuthMode == AuthShared ? "shared" : "open";
        s.Encryption = "WEP";
        s.Key = KeyKind::NetworkKey;
        s.KeyMaterial = BytesToHexText(key.Bytes, std::min<size_t>(key.Length, sizeof key.Bytes));
        s.KeyIndex = index;
        return s;
    }
    default:
        return std::nullopt;
    }
}
