#include "wlanprofile/WindowsProfile.h"

#include "keys/PskRules.h"
#include "keys/WepKeyRules.h"
#include "record/HexText.h"
#include "record/TextField.h"
#include "record/WepKeySlots.h"
#include "wlanprofile/XmlTree.h"

#include <algorithm>
#include <cstring>

namespace {

// The documentation prints the namespace with https; Windows itself writes http.
constexpr std::string_view SecureNamespace = "https://www.microsoft.com/networking/WLAN/profile/v1";

constexpr size_t SsidMaxBytes = 32;

struct Outcome {
    ProfileReading Reading;
    std::string Reason;
};

Outcome Taken()
{
    return {ProfileReading::Taken, ""};
}

Outcome Skipped(std::string reason)
{
    return {ProfileReading::Skipped, std::move(reason)};
}

Outcome Refused(std::string reason)
{
    return {ProfileReading::Refused, std::move(reason)};
}

// Schema tokens (enumerations, booleans, numbers) may carry blanks around them; names and
// keys are taken exactly as written.
std::string Token(const XmlElement* element)
{
    if (!element)
        return "";
    const std::string& text = element->Text;
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool IsHexText(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return HexDigitValue(c) >= 0; });
}

bool TrueToken(const std::string& token)
{
    return token == "true" || token == "1";
}

// One reader holds the profile's namespace, so that every lookup names only the element.
class CProfileReader {
public:
    CProfileReader(const XmlElement& root, std::string_view ns) : m_root(root), m_ns(ns) {}

    const XmlElement* Child(const XmlElement* parent, std::string_view name) const
    {
        return parent ? parent->Child(m_ns, name) : nullptr;
    }

    Outcome Network(AdapterSettings& settings) const
    {
        const XmlElement* ssidConfig = Child(&m_root, "SSIDConfig");
        const XmlElement* ssid = Child(ssidConfig, "SSID");
        if (!ssid)
            return Refused("it names no network (no SSID)");
        std::string bytes;
        if (const XmlElement* hex = Child(ssid, "hex")) {
            const std::string digits = Token(hex);
            if (digits.empty() || digits.size() % 2 != 0 || !IsHexText(digits) || digits.size() / 2 > SsidMaxBytes)
                return Refused("its SSID \"" + digits + "\" is not 1 to 32 bytes in hexadecimal");
            bytes.resize(digits.size() / 2);
            HexPairsToBytes(digits.data(), digits.size(), reinterpret_cast<unsigned char*>(bytes.data()),
                            bytes.size());
        } else if (const XmlElement* name = Child(ssid, "name")) {
            bytes = name->Text;
            if (bytes.empty() || bytes.size() > SsidMaxBytes)
                return Refused("its network name is not 1 to 32 bytes long");
        } else {
            return Refused("its SSID holds neither a name nor its hexadecimal form");
        }
        if (bytes.find('\0') != std::string::npos)
            return Skipped("the network's name holds a zero byte, which Skylook cannot keep");
        CopyFieldText(settings.DesiredSSID, bytes.c_str());

        const std::string type = Token(Child(&m_root, "connectionType"));
        if (type == "ESS")
            settings.NetworkMode = NetworkModeInfrastructure;
        else if (type == "IBSS")
            settings.NetworkMode = NetworkModeAdHoc;
        else
            return Refused("its connection type \"" + type + "\" is neither ESS nor IBSS");
        return Taken();
    }

    // An 802.11b/g card joins only 2.4 GHz networks; a profile that lists only 5 GHz (or
    // 60 GHz) standards is not for it. No list means any standard.
    Outcome Band() const
    {
        const XmlElement* connectivity = Child(Child(&m_root, "MSM"), "connectivity");
        if (!connectivity)
            return Taken();
        const std::vector<const XmlElement*> standards = connectivity->ChildrenNamed(m_ns, "phyType");
        if (standards.empty())
            return Taken();
        for (const XmlElement* standard : standards) {
            const std::string phy = Token(standard);
            if (phy != "a" && phy != "ac" && phy != "ad")
                return Taken();
        }
        return Skipped("it is for 5 GHz networks only (802.11a/ac), which this card cannot join");
    }

    Outcome Security(AdapterSettings& settings) const
    {
        const XmlElement* security = Child(Child(&m_root, "MSM"), "security");
        const XmlElement* authEncryption = Child(security, "authEncryption");
        if (!authEncryption)
            return Refused("it states no authentication and encryption");
        const std::string authentication = Token(Child(authEncryption, "authentication"));
        const std::string encryption = Token(Child(authEncryption, "encryption"));
        if (TrueToken(Token(Child(authEncryption, "useOneX"))) || authentication == "WPA" ||
            authentication == "WPA2" || authentication.compare(0, 4, "WPA3") == 0) {
            if (authentication == "WPA3SAE")
                return Skipped("it uses WPA3-Personal (SAE), which Skylook cannot set up");
            return Skipped("it signs in through 802.1X (" + authentication +
                           "-Enterprise); set up EAP-TLS on Skylook's Encryption page instead");
        }
        if (authentication == "OWE")
            return Skipped("it uses Enhanced Open (OWE), which Skylook cannot set up");
        if ((authentication == "open" || authentication == "shared") && encryption == "WEP")
            return Wep(security, authentication == "shared", settings);
        if (authentication == "open" && encryption == "none") {
            settings.AuthMode = AuthModeOpen;
            return Taken();
        }
        if ((authentication == "WPAPSK" || authentication == "WPA2PSK") && (encryption == "TKIP" || encryption == "AES"))
            return Psk(security, settings);
        return Skipped("it uses authentication \"" + authentication + "\" with encryption \"" + encryption +
                       "\", which Skylook cannot set up");
    }

private:
    // The key as the profile holds it: absent, or protected when Windows gave it encrypted
    // (it does so unless the caller is an administrator).
    Outcome Key(const XmlElement* security, std::string& keyType, std::string& material) const
    {
        const XmlElement* sharedKey = Child(security, "sharedKey");
        if (!sharedKey || !Child(sharedKey, "keyMaterial"))
            return Skipped("Windows gave no key for it");
        if (TrueToken(Token(Child(sharedKey, "protected"))))
            return Skipped("Windows gave its key only in encrypted form; run the import as an administrator");
        keyType = Token(Child(sharedKey, "keyType"));
        material = Child(sharedKey, "keyMaterial")->Text;
        return Taken();
    }

    Outcome Wep(const XmlElement* security, bool shared, AdapterSettings& settings) const
    {
        std::string keyType;
        std::string material;
        Outcome key = Key(security, keyType, material);
        if (key.Reading != ProfileReading::Taken)
            return key;
        uint32_t format = WepKeyFormatAscii;
        uint32_t size = 0;
        for (uint32_t candidate : {WepKeySize64, WepKeySize128}) {
            if (material.size() == candidate) {
                size = candidate;
            } else if (material.size() == RequiredWepKeyChars(candidate, WepKeyFormatHex) && IsHexText(material)) {
                size = candidate;
                format = WepKeyFormatHex;
            }
        }
        if (keyType != "networkKey" || size == 0)
            return Skipped("its WEP key is not 5 or 13 characters or 10 or 26 hexadecimal digits");
        const XmlElement* indexElement = Child(security, "keyIndex");
        const std::string index = indexElement ? Token(indexElement) : "0";
        if (index.size() != 1 || index[0] < '0' || index[0] >= '0' + WepKeyCount)
            return Refused("its WEP key index \"" + index + "\" is not 0 to 3");
        settings.AuthMode = shared ? AuthModeShared : AuthModeOpen;
        settings.WepStatus = WepStatusOn;
        settings.TxWepKey = static_cast<uint32_t>(index[0] - '0');
        settings.WepKeySize = size;
        settings.WepKeyFormat = format;
        WepKeyTextToSlot(material, format, WepKeySlot(settings, static_cast<int>(settings.TxWepKey)));
        return Taken();
    }

    Outcome Psk(const XmlElement* security, AdapterSettings& settings) const
    {
        std::string keyType;
        std::string material;
        Outcome key = Key(security, keyType, material);
        if (key.Reading != ProfileReading::Taken)
            return key;
        const bool passphrase = keyType == "passPhrase" && material.size() >= PskPassphraseMinLength &&
                                material.size() <= PskPassphraseMaxLength;
        const bool rawKey = keyType == "networkKey" && IsPskHexKey(material);
        if (!passphrase && !rawKey)
            return Skipped("its key is neither a passphrase of 8 to 63 characters nor 64 hexadecimal digits");
        settings.AuthMode = AuthModeWpaPsk;
        CopyFieldText(settings.PskPassphrase, material.c_str());
        return Taken();
    }

    const XmlElement& m_root;
    std::string_view m_ns;
};

// The record an editor starts from: infrastructure, channel 1, automatic rate and preamble,
// continuous access, WEP off with 64-bit ASCII keys, both halves to apply.
AdapterSettings BaseRecord()
{
    AdapterSettings settings;
    std::memset(&settings, 0, sizeof settings);
    settings.ApplyScope = ApplyScopeAll;
    settings.NetworkMode = NetworkModeInfrastructure;
    settings.Channel = 1;
    settings.WepStatus = WepStatusOff;
    settings.WepKeySize = WepKeySize64;
    return settings;
}

WindowsProfile Read(bool parsed, const XmlElement& root, const XmlError& error)
{
    WindowsProfile profile;
    if (!parsed) {
        profile.Reason = error.Line == 0 ? "its XML could not be read: " + error.Message
                                         : "its XML is not well-formed (line " + std::to_string(error.Line) + ": " +
                                               error.Message + ")";
        return profile;
    }
    if (root.Name != "WLANProfile" || (root.Namespace != WlanProfileNamespace && root.Namespace != SecureNamespace)) {
        profile.Reason = "it is not a Windows wireless profile";
        return profile;
    }
    CProfileReader reader(root, root.Namespace);
    const XmlElement* name = reader.Child(&root, "name");
    if (!name || name->Text.empty()) {
        profile.Reason = "it has no name";
        return profile;
    }
    profile.Name = name->Text;
    AdapterSettings settings = BaseRecord();
    Outcome outcome = reader.Network(settings);
    if (outcome.Reading == ProfileReading::Taken)
        outcome = reader.Band();
    if (outcome.Reading == ProfileReading::Taken)
        outcome = reader.Security(settings);
    if (outcome.Reading != ProfileReading::Taken) {
        profile.Reading = outcome.Reading;
        profile.Reason = std::move(outcome.Reason);
        return profile;
    }
    profile.Reading = ProfileReading::Taken;
    profile.Settings = settings;
    return profile;
}

}  // namespace

WindowsProfile ReadWindowsProfile(std::string_view xml)
{
    XmlElement root;
    XmlError error;
    const bool parsed = ParseXml(xml, root, error);
    return Read(parsed, root, error);
}

WindowsProfile ReadWindowsProfile(std::wstring_view xml)
{
    XmlElement root;
    XmlError error;
    const bool parsed = ParseXml(xml, root, error);
    return Read(parsed, root, error);
}
