#include "ProfileRead.h"

#include "Reasons.h"

#include "wlanprofile/XmlTree.h"

#include <cstring>
#include <string>

namespace wdouble {

namespace {

// Children by local name: the schema's namespace has been written with http and https.
const XmlElement* Child(const XmlElement* parent, const char* name)
{
    if (!parent)
        return nullptr;
    for (const XmlElement& child : parent->Children)
        if (child.Name == name)
            return &child;
    return nullptr;
}

std::string TextOf(const XmlElement* element)
{
    if (!element)
        return std::string();
    const std::string& t = element->Text;
    const size_t first = t.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    return t.substr(first, t.find_last_not_of(" \t\r\n") - first + 1);
}

bool ToUtf8(const wchar_t* text, std::string& out)
{
    const int length = static_cast<int>(wcslen(text));
    if (length == 0) {
        out.clear();
        return true;
    }
    const int size = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return false;
    out.assign(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text, length, &out[0], size, nullptr, nullptr);
    return true;
}

bool FromUtf8(const std::string& text, wchar_t* out, int size)
{
    out[0] = 0;
    if (text.empty())
        return true;
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0);
    if (length <= 0 || length >= size)
        return false;
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out, size);
    out[length] = 0;
    return true;
}

bool HexBytes(const std::string& hex, unsigned char* out, int capacity, int& count)
{
    if (hex.size() % 2 || static_cast<int>(hex.size() / 2) > capacity)
        return false;
    for (size_t i = 0; i < hex.size(); i += 2) {
        const std::string pair = hex.substr(i, 2);
        if (pair.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return false;
        out[i / 2] = static_cast<unsigned char>(std::stoul(pair, nullptr, 16));
    }
    count = static_cast<int>(hex.size() / 2);
    return true;
}

bool IsHex(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

Auth AuthOf(const std::string& name)
{
    static const struct { const char* Name; Auth Value; } names[] = {
        {"open", Auth::Open}, {"shared", Auth::Shared}, {"WPA", Auth::Wpa}, {"WPAPSK", Auth::WpaPsk},
        {"WPA2", Auth::Wpa2}, {"WPA2PSK", Auth::Wpa2Psk}, {"WPA3SAE", Auth::Wpa3Sae}};
    for (const auto& n : names)
        if (name == n.Name)
            return n.Value;
    return Auth::Unknown;
}

Cipher CipherOf(const std::string& name)
{
    if (name == "none")
        return Cipher::None;
    if (name == "WEP")
        return Cipher::Wep;
    if (name == "TKIP")
        return Cipher::Tkip;
    if (name == "AES")
        return Cipher::Aes;
    return Cipher::Unknown;
}

// keyMaterial: printable ASCII (32-126) only; a passphrase of 8-63 characters, a WEP key of
// 5 or 13 characters or 10 or 26 hex digits, a pre-shared key of 64 hex digits.
bool ReadKey(const std::string& keyType, const std::string& material, bool isProtected, ProfileFacts& f,
             DWORD& reason)
{
    for (unsigned char c : material)
        if (c < 32 || c > 126) {
            reason = ReasonPassphraseChar;
            return false;
        }
    f.KeyIsPassphrase = keyType == "passPhrase";
    if (isProtected || material.size() > sizeof f.Key) {
        // An encrypted key is kept as it stands; it matches no network's key here.
        if (material.size() > sizeof f.Key && !isProtected) {
            reason = ReasonKeyLength;
            return false;
        }
        f.KeyLength = 0;
        return true;
    }
    const size_t n = material.size();
    if (f.KeyIsPassphrase) {
        if (n < 8 || n > 63) {
            reason = ReasonPskLength;
            return false;
        }
    } else if (f.Encryption == Cipher::Wep) {
        if ((n == 10 || n == 26) && IsHex(material))
            return HexBytes(material, f.Key, sizeof f.Key, f.KeyLength) || (reason = ReasonKeyLength, false);
        if (n != 5 && n != 13) {
            reason = ReasonKeyLength;
            return false;
        }
    } else if (n != 64 || !IsHex(material)) {
        reason = ReasonPskLength;
        return false;
    }
    std::memcpy(f.Key, material.data(), n);
    f.KeyLength = static_cast<int>(n);
    return true;
}

}  // namespace

bool ReadProfile(const wchar_t* xml, ProfileFacts& f, DWORD& reason)
{
    std::memset(&f, 0, sizeof f);
    reason = ReasonInvalidProfileSchema;
    std::string text;
    XmlElement root;
    XmlError error;
    if (!xml || !ToUtf8(xml, text) || !ParseXml(text, root, error) || root.Name != "WLANProfile")
        return false;
    if (!FromUtf8(TextOf(Child(&root, "name")), f.Name, MaxNameChars) || !f.Name[0])
        return false;
    const XmlElement* ssidConfig = Child(&root, "SSIDConfig");
    const XmlElement* ssid = Child(ssidConfig, "SSID");
    const std::string hex = TextOf(Child(ssid, "hex"));
    const std::string ssidName = TextOf(Child(ssid, "name"));
    if (!hex.empty()) {
        if (!HexBytes(hex, f.Ssid, sizeof f.Ssid, f.SsidLength) || f.SsidLength == 0)
            return false;
    } else if (!ssidName.empty() && ssidName.size() <= sizeof f.Ssid) {
        std::memcpy(f.Ssid, ssidName.data(), ssidName.size());
        f.SsidLength = static_cast<int>(ssidName.size());
    } else {
        return false;
    }
    f.NonBroadcast = TextOf(Child(ssidConfig, "nonBroadcast")) == "true";
    const std::string type = TextOf(Child(&root, "connectionType"));
    if (type != "ESS" && type != "IBSS")
        return false;
    f.Ibss = type == "IBSS";
    const std::string mode = TextOf(Child(&root, "connectionMode"));
    f.AutoMode = mode != "manual" && !f.Ibss;
    if (f.Ibss && f.NonBroadcast) {
        reason = ReasonNonBroadcastForAdhoc;
        return false;
    }
    const XmlElement* security = Child(Child(&root, "MSM"), "security");
    const XmlElement* authEncryption = Child(security, "authEncryption");
    if (!authEncryption) {
        f.Authentication = Auth::Open;
        f.Encryption = Cipher::None;
    } else {
        f.Authentication = AuthOf(TextOf(Child(authEncryption, "authentication")));
        f.Encryption = CipherOf(TextOf(Child(authEncryption, "encryption")));
        f.OneX = TextOf(Child(authEncryption, "useOneX")) == "true";
    }
    if (const XmlElement* sharedKey = Child(security, "sharedKey")) {
        const XmlElement* material = Child(sharedKey, "keyMaterial");
        if (!material)
            return false;
        if (!ReadKey(TextOf(Child(sharedKey, "keyType")), material->Text,
                     TextOf(Child(sharedKey, "protected")) == "true", f, reason))
            return false;
    }
    reason = ReasonSuccess;
    return true;
}

void NameToUtf8(const wchar_t* name, char* out, size_t size)
{
    std::string text;
    if (!ToUtf8(name, text))
        text = "?";
    const size_t count = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(out, text.data(), count);
    out[count] = 0;
}

}  // namespace wdouble
