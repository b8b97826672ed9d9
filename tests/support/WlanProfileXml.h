// Windows wireless profiles as WlanGetProfile writes them, for the tests of their reader and of
// the import: one builder, each test giving only the parts it is about.
#ifndef SKYLOOK_TESTS_WLAN_PROFILE_XML_H
#define SKYLOOK_TESTS_WLAN_PROFILE_XML_H

#include <string>

extern const std::string WlanProfileV1;

// <authEncryption> with its three children.
std::string AuthEncryption(const std::string& authentication, const std::string& encryption,
                           const std::string& oneX = "false");

// <sharedKey> with the key in plain text unless protectedKey says "true".
std::string SharedKey(const std::string& type, const std::string& material, const std::string& protectedKey = "false");

// A whole profile laid out as Windows writes one: declaration, CR LF and indentation, an
// extension element of another namespace after MSM. ssid is the inside of <SSID>.
std::string WlanProfile(const std::string& security, const std::string& ssid = "<name>Home</name>",
                        const std::string& connectivity = "", const std::string& type = "ESS",
                        const std::string& name = "Home");

// The common cases by name: an open network and a WPA2-Personal one.
std::string OpenWlanProfile(const std::string& name, const std::string& ssid);
std::string PskWlanProfile(const std::string& name, const std::string& ssid, const std::string& passphrase);

#endif
