// The staged settings as Native Wifi's profile XML (the WLAN profile schema) and the EAP-TLS
// user data (the EAPHost user credentials schema) that names the certificate.
#ifndef SKYLOOK_WLANBRIDGE_PROFILE_XML_H
#define SKYLOOK_WLANBRIDGE_PROFILE_XML_H

#include "ProfileSecurity.h"
#include "StagedSettings.h"

#include <string>

struct ProfileDescription {
    std::string Name;  // UTF-8
    std::string Ssid;  // the SSID's bytes, at most 32
    bool AdHoc = false;
    bool Hidden = false;  // the network does not broadcast its SSID
    ProfileSecurity Security;
};

// UTF-8 XML: the SSID as hex (which Windows takes over the name) and as a name; connection
// mode manual, so that Windows never joins the network on its own because of this profile.
std::string ProfileXml(const ProfileDescription& profile);

std::string EapTlsUserDataXml(const TlsIdentity& identity);

std::wstring WideFromUtf8(const std::string& text);

#endif
