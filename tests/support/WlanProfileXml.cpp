#include "WlanProfileXml.h"

const std::string WlanProfileV1 = "http://www.microsoft.com/networking/WLAN/profile/v1";

std::string AuthEncryption(const std::string& authentication, const std::string& encryption, const std::string& oneX)
{
    return "<authEncryption><authentication>" + authentication + "</authentication><encryption>" + encryption +
           "</encryption><useOneX>" + oneX + "</useOneX></authEncryption>";
}

std::string SharedKey(const std::string& type, const std::string& material, const std::string& protectedKey)
{
    return "<sharedKey><keyType>" + type + "</keyType><protected>" + protectedKey + "</protected><keyMaterial>" +
           material + "</keyMaterial></sharedKey>";
}

std::string WlanProfile(const std::string& security, const std::string& ssid, const std::string& connectivity,
                        const std::string& type, const std::string& name)
{
    return "<?xml version=\"1.0\"?>\r\n<WLANProfile xmlns=\"" + WlanProfileV1 + "\">\r\n\t<name>" + name +
           "</name>\r\n\t<SSIDConfig>\r\n\t\t<SSID>" + ssid +
           "</SSID>\r\n\t</SSIDConfig>\r\n\t<connectionType>" + type +
           "</connectionType>\r\n\t<connectionMode>auto</connectionMode>\r\n\t<MSM>" + connectivity +
           "<security>" + security +
           "</security></MSM>\r\n\t<MacRandomization xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v3\">"
           "<enableRandomization>false</enableRandomization></MacRandomization>\r\n</WLANProfile>";
}

std::string OpenWlanProfile(const std::string& name, const std::string& ssid)
{
    return WlanProfile(AuthEncryption("open", "none"), "<name>" + ssid + "</name>", "", "ESS", name);
}

std::string PskWlanProfile(const std::string& name, const std::string& ssid, const std::string& passphrase)
{
    return WlanProfile(AuthEncryption("WPA2PSK", "AES") + SharedKey("passPhrase", passphrase),
                       "<name>" + ssid + "</name>", "", "ESS", name);
}
