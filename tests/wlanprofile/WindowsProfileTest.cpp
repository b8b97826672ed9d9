// Windows' wireless profiles, as WlanGetProfile writes them with the key in plain text, read
// into settings records: what the program can join is taken, the rest skipped with its reason,
// and a document that is no well-formed profile refused without harm.
#include "SampleRecords.h"
#include "WlanProfileXml.h"
#include "record/WepKeySlots.h"
#include "wlanprofile/WindowsProfile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const std::string& V1 = WlanProfileV1;

AdapterSettings WepKeyRecord(const char* ssid, uint32_t auth, uint32_t index, uint32_t size, uint32_t format,
                             const std::string& keyBytes)
{
    AdapterSettings settings = OpenRecord(ssid);
    settings.AuthMode = auth;
    settings.WepStatus = WepStatusOn;
    settings.TxWepKey = index;
    settings.WepKeySize = size;
    settings.WepKeyFormat = format;
    std::memcpy(WepKeySlot(settings, static_cast<int>(index)), keyBytes.data(), keyBytes.size());
    return settings;
}

AdapterSettings AdHoc(AdapterSettings settings)
{
    settings.NetworkMode = NetworkModeAdHoc;
    return settings;
}

struct TakenCase {
    const char* What;
    std::string Xml;
    AdapterSettings Expected;
};

TEST(WindowsProfile, WhatTheRecordCanExpressIsTakenAsTheEditorsWouldStoreIt)
{
    const std::string rawKey = "00112233445566778899AABBCCDDEEFF00112233445566778899aabbccddeeff";
    const TakenCase cases[] = {
        {"open", WlanProfile(AuthEncryption("open", "none")), OpenRecord("Home")},
        {"open with a key element Windows left in",
         WlanProfile(AuthEncryption("open", "none") + SharedKey("networkKey", "abcde")), OpenRecord("Home")},
        {"WEP, 5 characters, shared, key index 2",
         WlanProfile(AuthEncryption("shared", "WEP") + SharedKey("networkKey", "ab&lt;de") + "<keyIndex>2</keyIndex>"),
         WepKeyRecord("Home", AuthModeShared, 2, WepKeySize64, WepKeyFormatAscii, "ab<de")},
        {"WEP, 13 characters, open, no key index",
         WlanProfile(AuthEncryption("open", "WEP") + SharedKey("networkKey", "abcdefghijklm")),
         WepKeyRecord("Home", AuthModeOpen, 0, WepKeySize128, WepKeyFormatAscii, "abcdefghijklm")},
        {"WEP, 10 hexadecimal digits",
         WlanProfile(AuthEncryption("open", "WEP") + SharedKey("networkKey", "A1B2C3D4E5") + "<keyIndex>3</keyIndex>"),
         WepKeyRecord("Home", AuthModeOpen, 3, WepKeySize64, WepKeyFormatHex, "\xA1\xB2\xC3\xD4\xE5")},
        {"WEP, 26 hexadecimal digits in lower case",
         WlanProfile(AuthEncryption("open", "WEP") + SharedKey("networkKey", "0102030405060708090a0b0c0d") +
                 "<keyIndex>1</keyIndex>"),
         WepKeyRecord("Home", AuthModeOpen, 1, WepKeySize128, WepKeyFormatHex,
                      "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d")},
        {"WPA-PSK with TKIP", WlanProfile(AuthEncryption("WPAPSK", "TKIP") + SharedKey("passPhrase", "my passphrase")),
         PskRecord("Home", "my passphrase")},
        {"WPA2-PSK with AES, the passphrase escaped",
         WlanProfile(AuthEncryption("WPA2PSK", "AES") + SharedKey("passPhrase", "&lt;&amp;&quot;&apos;&gt;&#233;&#x41;x")),
         PskRecord("Home", "<&\"'>\xC3\xA9" "Ax")},
        {"WPA2-PSK with a 64-digit key", WlanProfile(AuthEncryption("WPA2PSK", "AES") + SharedKey("networkKey", rawKey)),
         PskRecord("Home", rawKey.c_str())},
        {"a passphrase in a CDATA section, blanks around the tokens",
         WlanProfile(AuthEncryption(" WPA2PSK\n", "AES ") + SharedKey("passPhrase", "<![CDATA[a<b>&c d]]>")),
         PskRecord("Home", "a<b>&c d")},
        {"a passphrase of blanks only",
         WlanProfile(AuthEncryption("WPA2PSK", "AES") + SharedKey("passPhrase", "        ")), PskRecord("Home", "        ")},
        {"a hex-only SSID with bytes that are no text",
         WlanProfile(AuthEncryption("open", "none"), "<hex>536B79FF</hex>"), OpenRecord("Sky\xFF")},
        {"the hex form wins over the name", WlanProfile(AuthEncryption("open", "none"), "<hex>4F6666696365</hex><name>Wrong</name>"),
         OpenRecord("Office")},
        {"an ad-hoc network", WlanProfile(AuthEncryption("open", "none"), "<name>Home</name>", "", "IBSS"),
         AdHoc(OpenRecord("Home"))},
        {"standards that include 2.4 GHz ones",
         WlanProfile(AuthEncryption("open", "none"), "<name>Home</name>",
                 "<connectivity><phyType>a</phyType><phyType>n</phyType></connectivity>"),
         OpenRecord("Home")},
        {"the profile's elements under a prefix, a foreign SSID element ignored",
         "<p:WLANProfile xmlns:p=\"" + V1 + "\" xmlns:o=\"urn:other\"><p:name>Home</p:name><p:SSIDConfig>"
         "<o:SSID><o:name>Foreign</o:name></o:SSID><p:SSID><p:name>Home</p:name></p:SSID></p:SSIDConfig>"
         "<p:connectionType>ESS</p:connectionType><!-- a comment --><?skylook note?><p:MSM><p:security><authEncryption xmlns=\"" +
             V1 + "\"><authentication>open</authentication><encryption>none</encryption></authEncryption>"
                  "</p:security></p:MSM></p:WLANProfile>",
         OpenRecord("Home")},
    };
    for (const TakenCase& c : cases) {
        SCOPED_TRACE(c.What);
        const WindowsProfile profile = ReadWindowsProfile(c.Xml);
        ASSERT_EQ(ProfileReading::Taken, profile.Reading) << profile.Reason;
        EXPECT_EQ("Home", profile.Name);
        EXPECT_STREQ(c.Expected.DesiredSSID, profile.Settings.DesiredSSID);
        EXPECT_STREQ(c.Expected.PskPassphrase, profile.Settings.PskPassphrase);
        EXPECT_EQ(0, std::memcmp(&c.Expected, &profile.Settings, sizeof profile.Settings));
    }
}

TEST(WindowsProfile, TheNameComesWithItsEscapesDecoded)
{
    const WindowsProfile profile =
        ReadWindowsProfile(WlanProfile(AuthEncryption("open", "none"), "<name>Home</name>", "", "ESS",
                                   "Tom &amp; Jerry&#x27;s &lt;5G&gt;"));
    ASSERT_EQ(ProfileReading::Taken, profile.Reading) << profile.Reason;
    EXPECT_EQ("Tom & Jerry's <5G>", profile.Name);
}

struct NotTakenCase {
    const char* What;
    std::string Xml;
    ProfileReading Reading;
    const char* Reason;  // a part of the reason the user reads
};

TEST(WindowsProfile, WhatTheProgramCannotJoinIsSkippedAndAMalformedDocumentRefusedWithTheReason)
{
    const std::string open = AuthEncryption("open", "none");
    const NotTakenCase cases[] = {
        {"WPA2-Enterprise", WlanProfile(AuthEncryption("WPA2", "AES", "true") + "<OneX/>"), ProfileReading::Skipped,
         "802.1X (WPA2-Enterprise)"},
        {"802.1X with dynamic WEP", WlanProfile(AuthEncryption("open", "WEP", "true")), ProfileReading::Skipped, "802.1X"},
        {"WPA3-Personal", WlanProfile(AuthEncryption("WPA3SAE", "AES") + SharedKey("passPhrase", "my passphrase")),
         ProfileReading::Skipped, "WPA3-Personal (SAE)"},
        {"Enhanced Open", WlanProfile(AuthEncryption("OWE", "AES")), ProfileReading::Skipped, "Enhanced Open (OWE)"},
        {"an unknown pairing", WlanProfile(AuthEncryption("WPA2PSK", "GCMP256") + SharedKey("passPhrase", "my passphrase")),
         ProfileReading::Skipped, "\"WPA2PSK\" with encryption \"GCMP256\""},
        {"5 GHz only",
         WlanProfile(open, "<name>Home</name>", "<connectivity><phyType>a</phyType><phyType>ac</phyType></connectivity>"),
         ProfileReading::Skipped, "5 GHz"},
        {"an encrypted key", WlanProfile(AuthEncryption("WPA2PSK", "AES") + SharedKey("passPhrase", "01000000D08C9DDF", "true")),
         ProfileReading::Skipped, "as an administrator"},
        {"no key", WlanProfile(AuthEncryption("WPA2PSK", "AES")), ProfileReading::Skipped, "no key"},
        {"a WEP key of 7 characters", WlanProfile(AuthEncryption("open", "WEP") + SharedKey("networkKey", "abcdefg")),
         ProfileReading::Skipped, "5 or 13 characters"},
        {"a WEP key of 10 characters that are not all digits",
         WlanProfile(AuthEncryption("open", "WEP") + SharedKey("networkKey", "A1B2C3D4EX")), ProfileReading::Skipped,
         "5 or 13 characters"},
        {"a passphrase of 7 characters", WlanProfile(AuthEncryption("WPAPSK", "TKIP") + SharedKey("passPhrase", "1234567")),
         ProfileReading::Skipped, "8 to 63"},
        {"a network key of 63 hex digits",
         WlanProfile(AuthEncryption("WPA2PSK", "AES") + SharedKey("networkKey", std::string(63, 'a'))),
         ProfileReading::Skipped, "64 hexadecimal"},
        {"a zero byte in the SSID", WlanProfile(open, "<hex>4100</hex>"), ProfileReading::Skipped, "zero byte"},

        {"empty", "", ProfileReading::Refused, "holds no element"},
        {"cut off", WlanProfile(open).substr(0, 200), ProfileReading::Refused, "not closed"},
        {"a wrong end tag", "<WLANProfile xmlns=\"" + V1 + "\">\n<name>Home</nam>\n</WLANProfile>",
         ProfileReading::Refused, "line 2: the end tag of <name> names another element"},
        {"a document type that declares entities",
         "<!DOCTYPE WLANProfile [<!ENTITY a \"aaaa\">]>" + WlanProfile(open, "<name>&a;</name>"), ProfileReading::Refused,
         "document type"},
        {"an unbound prefix", WlanProfile(open, "<x:name>Home</x:name>"), ProfileReading::Refused,
         "bound to no namespace"},
        {"an unbound prefix on an attribute", WlanProfile(open, "<name x:lang=\"en\">Home</name>"),
         ProfileReading::Refused, "bound to no namespace"},
        {"an attribute given twice", WlanProfile(open, "<name a=\"1\" b=\"2\" a=\"3\">Home</name>"),
         ProfileReading::Refused, "given twice"},
        {"a character reference to half a surrogate pair", WlanProfile(open, "<name>Home</name>", "", "ESS", "&#xD800;"),
         ProfileReading::Refused, "(line 3: "},
        {"a second root", WlanProfile(open) + "<WLANProfile/>", ProfileReading::Refused, "more after"},
        {"another document", "<WLANProfile xmlns=\"urn:other\"><name>Home</name></WLANProfile>",
         ProfileReading::Refused, "not a Windows wireless profile"},
        {"no SSID", "<WLANProfile xmlns=\"" + V1 + "\"><name>Home</name></WLANProfile>", ProfileReading::Refused,
         "no SSID"},
        {"an SSID of 33 bytes", WlanProfile(open, "<name>" + std::string(33, 's') + "</name>"), ProfileReading::Refused,
         "1 to 32 bytes"},
        {"an odd hex SSID", WlanProfile(open, "<hex>ABC</hex>"), ProfileReading::Refused, "hexadecimal"},
        {"a WEP key index of 4",
         WlanProfile(AuthEncryption("open", "WEP") + SharedKey("networkKey", "abcde") + "<keyIndex>4</keyIndex>"),
         ProfileReading::Refused, "index \"4\""},
        {"no connection type", WlanProfile(open, "<name>Home</name>", "", ""), ProfileReading::Refused, "connection type"},
        {"no security", WlanProfile(""), ProfileReading::Refused, "no authentication"},
        {"nesting without end", std::string(100000, '<'), ProfileReading::Refused, "(line 1: "},
        {"nesting deeper than any profile",
         "<WLANProfile xmlns=\"" + V1 + "\">" + [] {
             std::string deep;
             for (int i = 0; i < 5000; ++i)
                 deep += "<a>";
             return deep;
         }(),
         ProfileReading::Refused, "nested too deeply"},
    };
    for (const NotTakenCase& c : cases) {
        SCOPED_TRACE(c.What);
        const WindowsProfile profile = ReadWindowsProfile(c.Xml);
        EXPECT_EQ(c.Reading, profile.Reading);
        EXPECT_NE(std::string::npos, profile.Reason.find(c.Reason)) << profile.Reason;
    }
}

// Microsoft's reader refuses a reference to an entity no one declared, and one to character 0;
// Wine's keeps both as written. Either way nothing is put in their place.
TEST(WindowsProfile, AnUndeclaredEntityOrCharacterZeroIsNeverExpanded)
{
    for (const char* reference : {"&home;", "&#0;"}) {
        SCOPED_TRACE(reference);
        const WindowsProfile profile =
            ReadWindowsProfile(WlanProfile(AuthEncryption("open", "none"), std::string("<name>") + reference + "</name>"));
        if (profile.Reading == ProfileReading::Taken)
            EXPECT_STREQ(reference, profile.Settings.DesiredSSID);
        else
            EXPECT_EQ(ProfileReading::Refused, profile.Reading) << profile.Reason;
    }
}

}  // namespace
