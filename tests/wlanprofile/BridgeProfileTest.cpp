// The profiles the Native Wifi bridge writes for its connections, read back by the import's
// reader: the two sides of one schema agree on every mode the program has.
#include "ProfileXml.h"
#include "record/WepKeySlots.h"
#include "wlanprofile/WindowsProfile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

ProfileSecurity Security(const char* authentication, const char* encryption, KeyKind key = KeyKind::None,
                         const std::string& material = "", int index = -1)
{
    ProfileSecurity security;
    security.Authentication = authentication;
    security.Encryption = encryption;
    security.Key = key;
    security.KeyMaterial = material;
    security.KeyIndex = index;
    return security;
}

TEST(BridgeProfile, WhatTheBridgeWritesReadsBackAsTheNetworkItWasWrittenFor)
{
    const std::string hexKey = "00112233445566778899AABBCCDDEEFF00112233445566778899AABBCCDDEEFF";
    const struct {
        const char* What;
        ProfileDescription Written;
        uint32_t AuthMode;
        uint32_t NetworkMode;
        std::string Passphrase;
        std::string WepKey;  // the transmit key's bytes
        uint32_t TxKey;
    } cases[] = {
        {"open", {.Name = "Open <net>", .Ssid = "Caf\xC3\xA9", .Security = Security("open", "none")}, AuthModeOpen,
         NetworkModeInfrastructure, "", "", 0},
        {"ad-hoc", {.Name = "Peer", .Ssid = "Peer", .AdHoc = true, .Security = Security("open", "none")}, AuthModeOpen,
         NetworkModeAdHoc, "", "", 0},
        {"hidden", {.Name = "Quiet", .Ssid = "Quiet", .Hidden = true, .Security = Security("open", "none")},
         AuthModeOpen, NetworkModeInfrastructure, "", "", 0},
        {"WEP, shared, key 3",
         {.Name = "Wep", .Ssid = "Wep", .Security = Security("shared", "WEP", KeyKind::NetworkKey, "A1B2C3D4E5", 2)},
         AuthModeShared, NetworkModeInfrastructure, "", "\xA1\xB2\xC3\xD4\xE5", 2},
        {"WPA2-Personal, a passphrase to escape",
         {.Name = "Home", .Ssid = "Home", .Security = Security("WPA2PSK", "AES", KeyKind::PassPhrase, "p<&\"'>ss")},
         AuthModeWpaPsk, NetworkModeInfrastructure, "p<&\"'>ss", "", 0},
        {"WPA-Personal, the key in hexadecimal",
         {.Name = "Old", .Ssid = "Old", .Security = Security("WPAPSK", "TKIP", KeyKind::NetworkKey, hexKey)},
         AuthModeWpaPsk, NetworkModeInfrastructure, hexKey, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        const WindowsProfile read = ReadWindowsProfile(ProfileXml(c.Written));
        ASSERT_EQ(ProfileReading::Taken, read.Reading) << read.Reason << "\n" << ProfileXml(c.Written);
        EXPECT_EQ(c.Written.Name, read.Name);
        EXPECT_EQ(c.Written.Ssid, read.Settings.DesiredSSID);
        EXPECT_EQ(c.AuthMode, read.Settings.AuthMode);
        EXPECT_EQ(c.NetworkMode, read.Settings.NetworkMode);
        EXPECT_EQ(c.Passphrase, read.Settings.PskPassphrase);
        EXPECT_EQ(c.WepKey.empty() ? WepStatusOff : WepStatusOn, read.Settings.WepStatus);
        if (!c.WepKey.empty()) {
            EXPECT_EQ(c.TxKey, read.Settings.TxWepKey);
            EXPECT_EQ(c.WepKey.size(), read.Settings.WepKeySize);
            EXPECT_EQ(0, std::memcmp(c.WepKey.data(), WepKeySlot(read.Settings, static_cast<int>(c.TxKey)),
                                     c.WepKey.size()));
        }
    }
}

}  // namespace
