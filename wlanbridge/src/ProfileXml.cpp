#include "ProfileXml.h"

#include "XmlText.h"
#include "record/HexText.h"

#include <windows.h>

namespace {

// The namespaces as Windows writes them into the profiles it exports.
constexpr const char* ProfileNamespace = "http://www.microsoft.com/networking/WLAN/profile/v1";
constexpr const char* OneXNamespace = "http://www.microsoft.com/networking/OneX/v1";

// EAP type 13 is EAP-TLS; the certificate comes from the user's store.
constexpr const char* EapTlsConfig =
    "\t\t\t\t<EAPConfig>\n"
    "\t\t\t\t\t<EapHostConfig xmlns=\"http://www.microsoft.com/provisioning/EapHostConfig\""
    " xmlns:eapCommon=\"http://www.microsoft.com/provisioning/EapCommon\""
    " xmlns:baseEap=\"http://www.microsoft.com/provisioning/BaseEapMethodConfig\">\n"
    "\t\t\t\t\t\t<EapMethod>\n"
    "\t\t\t\t\t\t\t<eapCommon:Type>13</eapCommon:Type>\n"
    "\t\t\t\t\t\t\t<eapCommon:AuthorId>0</eapCommon:AuthorId>\n"
    "\t\t\t\t\t\t</EapMethod>\n"
    "\t\t\t\t\t\t<Config xmlns:baseEap=\"http://www.microsoft.com/provisioning/BaseEapConnectionPropertiesV1\""
    " xmlns:eapTls=\"http://www.microsoft.com/provisioning/EapTlsConnectionPropertiesV1\">\n"
    "\t\t\t\t\t\t\t<baseEap:Eap>\n"
    "\t\t\t\t\t\t\t\t<baseEap:Type>13</baseEap:Type>\n"
    "\t\t\t\t\t\t\t\t<eapTls:EapType>\n"
    "\t\t\t\t\t\t\t\t\t<eapTls:CredentialsSource>\n"
    "\t\t\t\t\t\t\t\t\t\t<eapTls:CertificateStore />\n"
    "\t\t\t\t\t\t\t\t\t</eapTls:CredentialsSource>\n"
    "\t\t\t\t\t\t\t\t\t<eapTls:ServerValidation>\n"
    "\t\t\t\t\t\t\t\t\t\t<eapTls:DisableUserPromptForServerValidation>false</eapTls:DisableUserPromptForServerValidation>\n"
    "\t\t\t\t\t\t\t\t\t\t<eapTls:ServerNames />\n"
    "\t\t\t\t\t\t\t\t\t\t<eapTls:TrustedRootCA />\n"
    "\t\t\t\t\t\t\t\t\t</eapTls:ServerValidation>\n"
    "\t\t\t\t\t\t\t\t\t<eapTls:DifferentUsername>false</eapTls:DifferentUsername>\n"
    "\t\t\t\t\t\t\t\t</eapTls:EapType>\n"
    "\t\t\t\t\t\t\t</baseEap:Eap>\n"
    "\t\t\t\t\t\t</Config>\n"
    "\t\t\t\t\t</EapHostConfig>\n"
    "\t\t\t\t</EAPConfig>\n";

const char* KeyTypeName(KeyKind kind)
{
    return kind == KeyKind::PassPhrase ? "passPhrase" : "networkKey";
}

}  // namespace

std::string ProfileXml(const ProfileDescription& profile)
{
    const ProfileSecurity& s = profile.Security;
    const std::string name = XmlEscaped(profile.Name);
    const std::string ssidHex =
        BytesToHexText(reinterpret_cast<const unsigned char*>(profile.Ssid.data()), profile.Ssid.size());
    std::string x = "<?xml version=\"1.0\"?>\n";
    x += std::string("<WLANProfile xmlns=\"") + ProfileNamespace + "\">\n";
    x += "\t<name>" + name + "</name>\n";
    x += "\t<SSIDConfig>\n\t\t<SSID>\n";
    x += "\t\t\t<hex>" + ssidHex + "</hex>\n";
    x += "\t\t\t<name>" + XmlEscaped(SsidText(profile.Ssid)) + "</name>\n";
    x += "\t\t</SSID>\n";
    // An IBSS profile must not say nonBroadcast (nonBroadcast (SSIDConfig) element): Windows
    // refuses the whole profile.
    if (profile.Hidden && !profile.AdHoc)
        x += "\t\t<nonBroadcast>true</nonBroadcast>\n";
    x += "\t</SSIDConfig>\n";
    x += std::string("\t<connectionType>") + (profile.AdHoc ? "IBSS" : "ESS") + "</connectionType>\n";
    x += "\t<connectionMode>manual</connectionMode>\n";
    x += "\t<MSM>\n\t\t<security>\n";
    x += "\t\t\t<authEncryption>\n";
    x += std::string("\t\t\t\t<authentication>") + s.Authentication + "</authentication>\n";
    x += std::string("\t\t\t\t<encryption>") + s.Encryption + "</encryption>\n";
    x += std::string("\t\t\t\t<useOneX>") + (s.OneX ? "true" : "false") + "</useOneX>\n";
    x += "\t\t\t</authEncryption>\n";
    if (s.Key != KeyKind::None) {
        x += "\t\t\t<sharedKey>\n";
        x += std::string("\t\t\t\t<keyType>") + KeyTypeName(s.Key) + "</keyType>\n";
        x += "\t\t\t\t<protected>false</protected>\n";
        x += "\t\t\t\t<keyMaterial>" + XmlEscaped(s.KeyMaterial) + "</keyMaterial>\n";
        x += "\t\t\t</sharedKey>\n";
    }
    if (s.KeyIndex >= 0)
        x += "\t\t\t<keyIndex>" + std::to_string(s.KeyIndex) + "</keyIndex>\n";
    if (s.OneX) {
        x += std::string("\t\t\t<OneX xmlns=\"") + OneXNamespace + "\">\n";
        x += EapTlsConfig;
        x += "\t\t\t</OneX>\n";
    }
    x += "\t\t</security>\n\t</MSM>\n";
    x += "</WLANProfile>\n";
    return x;
}

std::string EapTlsUserDataXml(const TlsIdentity& identity)
{
    std::string x = "<?xml version=\"1.0\"?>\n";
    x += "<EapHostUserCredentials xmlns=\"http://www.microsoft.com/provisioning/EapHostUserCredentials\""
         " xmlns:eapCommon=\"http://www.microsoft.com/provisioning/EapCommon\""
         " xmlns:baseEap=\"http://www.microsoft.com/provisioning/BaseEapMethodUserCredentials\">\n";
    x += "\t<EapMethod>\n\t\t<eapCommon:Type>13</eapCommon:Type>\n\t\t<eapCommon:AuthorId>0</eapCommon:AuthorId>\n"
         "\t</EapMethod>\n";
    x += "\t<Credentials xmlns:eapUser=\"http://www.microsoft.com/provisioning/EapUserPropertiesV1\""
         " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
         " xmlns:baseEap=\"http://www.microsoft.com/provisioning/BaseEapUserPropertiesV1\""
         " xmlns:eapTls=\"http://www.microsoft.com/provisioning/EapTlsUserPropertiesV1\">\n";
    x += "\t\t<baseEap:Eap>\n\t\t\t<baseEap:Type>13</baseEap:Type>\n\t\t\t<eapTls:EapType>\n";
    x += "\t\t\t\t<eapTls:Username>" + XmlEscaped(Utf8FromAnsi(identity.Identity)) + "</eapTls:Username>\n";
    x += "\t\t\t\t<eapTls:UserCert>" + BytesToHexText(identity.Hash, sizeof identity.Hash) + "</eapTls:UserCert>\n";
    x += "\t\t\t</eapTls:EapType>\n\t\t</baseEap:Eap>\n\t</Credentials>\n";
    x += "</EapHostUserCredentials>\n";
    return x;
}

std::wstring WideFromUtf8(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int count = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(count > 0 ? count : 0), L'\0');
    if (count > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), count);
    return out;
}
