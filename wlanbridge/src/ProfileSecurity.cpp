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

// The keyMaterial element takes ASCII 32-126 only (WLAN profile schema, keyMaterial
// (sharedKey) element); other bytes would reach Windows as some code page's guess.
bool PrintableAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 32 && c <= 126; });
}

bool TakesWpa2(NetworkOffer offer)
{
    return offer != NetworkOffer::WpaOnly;
}

SecurityChoice Refused(SecurityRefusal why)
{
    SecurityChoice choice;
    choice.Refusal = why;
    return choice;
}

}  // namespace

SecurityChoice ProfileSecurityFor(const StagedSettings& staged, NetworkOffer offer)
{
    SecurityChoice choice;
    ProfileSecurity& s = choice.Security;
    switch (staged.AuthMode) {
    case AuthWpaPsk:
        if (staged.WpaMethod != WpaMethodPassphrase)
            return Refused(SecurityRefusal::NotExpressible);
        if (offer == NetworkOffer::Wpa3Only)
            return Refused(SecurityRefusal::Wpa3Only);
        if (!PrintableAscii(staged.WpaKey))
            return Refused(SecurityRefusal::KeyText);
        s.Authentication = TakesWpa2(offer) ? "WPA2PSK" : "WPAPSK";
        s.Encryption = TakesWpa2(offer) ? "AES" : "TKIP";
        // Sixty-four hex digits are the key itself; anything shorter is a passphrase.
        s.Key = staged.WpaKey.size() == HexPskDigits && AllHex(staged.WpaKey) ? KeyKind::NetworkKey
                                                                               : KeyKind::PassPhrase;
        s.KeyMaterial = staged.WpaKey;
        return choice;
    case AuthWpa:
        if (staged.WpaMethod != WpaMethodTls)
            return Refused(SecurityRefusal::NotExpressible);
        if (offer == NetworkOffer::Wpa3Only)
            return Refused(SecurityRefusal::Wpa3Only);
        s.Authentication = TakesWpa2(offer) ? "WPA2" : "WPA";
        s.Encryption = TakesWpa2(offer) ? "AES" : "TKIP";
        s.OneX = true;
        return choice;
    case AuthOpen:
    case AuthShared: {
        if (staged.WepStatus != WepEnabled)
            return choice;  // shared authentication needs WEP; without it the network is open
        const int index = staged.TransmitKey >= 0 && staged.TransmitKey < 4 ? staged.TransmitKey : 0;
        const StagedWepKey& key = staged.WepKeys[index];
        s.Authentication = staged.AuthMode == AuthShared ? "shared" : "open";
        s.Encryption = "WEP";
        s.Key = KeyKind::NetworkKey;
        s.KeyMaterial = BytesToHexText(key.Bytes, std::min<size_t>(key.Length, sizeof key.Bytes));
        s.KeyIndex = index;
        return choice;
    }
    default:
        return Refused(SecurityRefusal::NotExpressible);
    }
}
