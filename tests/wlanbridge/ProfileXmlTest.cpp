// The staged settings as Native Wifi's profile XML, held against files checked by hand
// against the WLAN profile schema and the EAPHost samples.
#include "ProfileSecurity.h"
#include "ProfileXml.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

namespace {

std::string Expected(const char* file)
{
    std::ifstream in(std::string(WLANBRIDGE_EXPECTED_DIR) + file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

StagedSettings Psk(const std::string& passphrase)
{
    StagedSettings s;
    s.AuthMode = AuthWpaPsk;
    s.WpaMethod = WpaMethodPassphrase;
    s.WpaKey = passphrase;
    return s;
}

StagedSettings Wep(unsigned long auth, int transmitKey)
{
    StagedSettings s;
    s.AuthMode = auth;
    s.WepStatus = WepEnabled;
    for (int k = 0; k < 4; ++k) {
        s.WepKeys[k].Length = 13;
        for (int i = 0; i < 13; ++i)
            s.WepKeys[k].Bytes[i] = static_cast<unsigned char>(k * 16 + i + 1);
    }
    s.TransmitKey = transmitKey;
    return s;
}

StagedSettings Tls()
{
    StagedSettings s;
    s.AuthMode = AuthWpa;
    s.WpaMethod = WpaMethodTls;
    return s;
}

}  // namespace

TEST(ProfileSecurity, EachStagedModeAndTheNetworksBeaconChooseTheProfilesSecurity)
{
    StagedSettings openAuthWepOff;
    StagedSettings sharedAuthWepOff;
    sharedAuthWepOff.AuthMode = AuthShared;
    StagedSettings pskWithTlsMethod = Psk("whatever1");
    pskWithTlsMethod.WpaMethod = WpaMethodTls;
    StagedSettings autoSwitch;
    autoSwitch.AuthMode = 2;
    const std::string hexKey(64, 'a');
    const struct {
        const char* Case;
        StagedSettings Staged;
        bool Rsn;
        const char* Authentication;  // null: refused
        const char* Encryption;
        bool OneX;
        KeyKind Key;
        int KeyIndex;
    } rows[] = {
        {"open", openAuthWepOff, true, "open", "none", false, KeyKind::None, -1},
        {"shared without WEP is open", sharedAuthWepOff, false, "open", "none", false, KeyKind::None, -1},
        {"WEP open, key 4", Wep(AuthOpen, 3), false, "open", "WEP", false, KeyKind::NetworkKey, 3},
        {"WEP shared, key 1", Wep(AuthShared, 0), true, "shared", "WEP", false, KeyKind::NetworkKey, 0},
        {"PSK where the beacon offers RSN", Psk("correct horse"), true, "WPA2PSK", "AES", false, KeyKind::PassPhrase, -1},
        {"PSK where it does not", Psk("correct horse"), false, "WPAPSK", "TKIP", false, KeyKind::PassPhrase, -1},
        {"PSK of 64 hex digits", Psk(hexKey), true, "WPA2PSK", "AES", false, KeyKind::NetworkKey, -1},
        {"PSK of 63 hex digits", Psk(hexKey.substr(1)), true, "WPA2PSK", "AES", false, KeyKind::PassPhrase, -1},
        {"EAP-TLS with RSN", Tls(), true, "WPA2", "AES", true, KeyKind::None, -1},
        {"EAP-TLS without", Tls(), false, "WPA", "TKIP", true, KeyKind::None, -1},
        {"PSK staged with the TLS method", pskWithTlsMethod, true, nullptr, nullptr, false, KeyKind::None, -1},
        {"an authentication the program never sends", autoSwitch, true, nullptr, nullptr, false, KeyKind::None, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        const std::optional<ProfileSecurity> s = ProfileSecurityFor(row.Staged, row.Rsn);
        ASSERT_EQ(row.Authentication != nullptr, s.has_value());
        if (!s)
            continue;
        EXPECT_STREQ(row.Authentication, s->Authentication);
        EXPECT_STREQ(row.Encryption, s->Encryption);
        EXPECT_EQ(row.OneX, s->OneX);
        EXPECT_EQ(row.Key, s->Key);
        EXPECT_EQ(row.KeyIndex, s->KeyIndex);
    }
    EXPECT_EQ("3132333435363738393A3B3C3D", ProfileSecurityFor(Wep(AuthOpen, 3), false)->KeyMaterial);
}

TEST(ProfileXml, EachModeWritesTheSchemasElementsInOrder)
{
    const struct {
        const char* File;
        std::string Name;
        std::string Ssid;
        bool AdHoc;
        bool Hidden;
        StagedSettings Staged;
        bool Rsn;
    } rows[] = {
        {"open.xml", "Wireless", "Wireless", false, false, StagedSettings{}, false},
        {"adhoc-wep-shared.xml", "Lab", "Lab", true, false, Wep(AuthShared, 0), false},
        {"wpa-psk-tkip.xml", "Old Router", "Old Router", false, false, Psk("correct horse"), false},
        {"wpa2-psk-escaped.xml", "Tom & Jerry's", "Tom & Jerry's\n", false, true, Psk("a<b&c\"d>"), true},
        {"wpa2-eap-tls.xml", "Skylook Corp", "Corp", false, false, Tls(), true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.File);
        ProfileDescription profile;
        profile.Name = row.Name;
        profile.Ssid = row.Ssid;
        profile.AdHoc = row.AdHoc;
        profile.Hidden = row.Hidden;
        profile.Security = *ProfileSecurityFor(row.Staged, row.Rsn);
        const std::string expected = Expected(row.File);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(expected, ProfileXml(profile));
    }
}

TEST(ProfileXml, TheEapTlsUserDataNamesTheCertificateByItsHash)
{
    TlsIdentity identity;
    identity.Identity = "Pat <Lab>";
    const unsigned char hash[20] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99,
                                    0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x01, 0x23, 0x45, 0x67};
    std::memcpy(identity.Hash, hash, sizeof hash);
    identity.Set = true;
    EXPECT_EQ(Expected("eap-tls-user.xml"), EapTlsUserDataXml(identity));
}
