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
    constexpr auto Unknown = NetworkOffer::Unknown;
    constexpr auto Rsn = NetworkOffer::Rsn;
    constexpr auto None = SecurityRefusal::None;
    const struct {
        const char* Case;
        StagedSettings Staged;
        NetworkOffer Offer;
        const char* Authentication;  // null: refused
        const char* Encryption;
        bool OneX;
        KeyKind Key;
        int KeyIndex;
        SecurityRefusal Refusal;
    } rows[] = {
        {"open", openAuthWepOff, Rsn, "open", "none", false, KeyKind::None, -1, None},
        {"shared without WEP is open", sharedAuthWepOff, Unknown, "open", "none", false, KeyKind::None, -1, None},
        {"WEP open, key 4", Wep(AuthOpen, 3), NetworkOffer::NoWpa, "open", "WEP", false, KeyKind::NetworkKey, 3, None},
        {"WEP shared, key 1", Wep(AuthShared, 0), Rsn, "shared", "WEP", false, KeyKind::NetworkKey, 0, None},
        {"PSK where the beacon offers RSN", Psk("correct horse"), Rsn, "WPA2PSK", "AES", false, KeyKind::PassPhrase, -1,
         None},
        {"PSK where it offers both", Psk("correct horse"), NetworkOffer::WpaMixed, "WPA2PSK", "AES", false,
         KeyKind::PassPhrase, -1, None},
        {"PSK where it offers only WPA", Psk("correct horse"), NetworkOffer::WpaOnly, "WPAPSK", "TKIP", false,
         KeyKind::PassPhrase, -1, None},
        {"PSK for a network never heard", Psk("correct horse"), Unknown, "WPA2PSK", "AES", false, KeyKind::PassPhrase,
         -1, None},
        {"PSK where it offers only WPA3", Psk("correct horse"), NetworkOffer::Wpa3Only, nullptr, nullptr, false,
         KeyKind::None, -1, SecurityRefusal::Wpa3Only},
        {"PSK of 64 hex digits", Psk(hexKey), Rsn, "WPA2PSK", "AES", false, KeyKind::NetworkKey, -1, None},
        {"PSK of 63 hex digits", Psk(hexKey.substr(1)), Rsn, "WPA2PSK", "AES", false, KeyKind::PassPhrase, -1, None},
        {"PSK beyond printable ASCII", Psk("caf\xE9 au lait"), Rsn, nullptr, nullptr, false, KeyKind::None, -1,
         SecurityRefusal::KeyText},
        {"PSK with a tab", Psk("tab\there1"), Rsn, nullptr, nullptr, false, KeyKind::None, -1, SecurityRefusal::KeyText},
        {"EAP-TLS with RSN", Tls(), Rsn, "WPA2", "AES", true, KeyKind::None, -1, None},
        {"EAP-TLS never heard", Tls(), Unknown, "WPA2", "AES", true, KeyKind::None, -1, None},
        {"EAP-TLS with WPA only", Tls(), NetworkOffer::WpaOnly, "WPA", "TKIP", true, KeyKind::None, -1, None},
        {"PSK staged with the TLS method", pskWithTlsMethod, Rsn, nullptr, nullptr, false, KeyKind::None, -1,
         SecurityRefusal::NotExpressible},
        {"an authentication the program never sends", autoSwitch, Rsn, nullptr, nullptr, false, KeyKind::None, -1,
         SecurityRefusal::NotExpressible},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        const SecurityChoice choice = ProfileSecurityFor(row.Staged, row.Offer);
        ASSERT_EQ(row.Refusal, choice.Refusal);
        if (!row.Authentication)
            continue;
        const ProfileSecurity& s = choice.Security;
        EXPECT_STREQ(row.Authentication, s.Authentication);
        EXPECT_STREQ(row.Encryption, s.Encryption);
        EXPECT_EQ(row.OneX, s.OneX);
        EXPECT_EQ(row.Key, s.Key);
        EXPECT_EQ(row.KeyIndex, s.KeyIndex);
    }
    EXPECT_EQ("3132333435363738393A3B3C3D", ProfileSecurityFor(Wep(AuthOpen, 3), Unknown).Security.KeyMaterial);
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
        NetworkOffer Offer;
    } rows[] = {
        {"open.xml", "Wireless", "Wireless", false, false, StagedSettings{}, NetworkOffer::NoWpa},
        // An ad-hoc network no list named: an IBSS profile never says nonBroadcast.
        {"adhoc-wep-shared.xml", "Lab", "Lab", true, true, Wep(AuthShared, 0), NetworkOffer::Unknown},
        {"wpa-psk-tkip.xml", "Old Router", "Old Router", false, false, Psk("correct horse"), NetworkOffer::WpaOnly},
        {"wpa2-psk-escaped.xml", "Tom & Jerry's", "Tom & Jerry's\n", false, true, Psk("a<b&c\"d>"), NetworkOffer::Rsn},
        {"wpa2-eap-tls.xml", "Skylook Corp", "Corp", false, false, Tls(), NetworkOffer::Rsn},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.File);
        ProfileDescription profile;
        profile.Name = row.Name;
        profile.Ssid = row.Ssid;
        profile.AdHoc = row.AdHoc;
        profile.Hidden = row.Hidden;
        profile.Security = ProfileSecurityFor(row.Staged, row.Offer).Security;
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
