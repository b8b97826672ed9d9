#include "AdapterFixture.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const unsigned char HomeWepKey[] = "vexa128bitkey";
const unsigned char Thumbprint[20] = {0x3A, 0x11, 0x00, 0x7F};

class AssociationTest : public AdapterTest {
protected:
    void Wep(unsigned long authMode, unsigned long transmitIndex, const unsigned char* key)
    {
        Vexa5200SetAuthMode(handle_, authMode);
        Vexa5200SetWepStatus(handle_, 0);
        for (unsigned long i = 1; i <= 4; ++i)
            Vexa5200SetWepKey(handle_, i, i == transmitIndex ? key : reinterpret_cast<const unsigned char*>("0000000000000"),
                              13, i == transmitIndex);
    }
    void Psk(const char* passphrase, const char* ssid)
    {
        Vexa5200SetAuthMode(handle_, 4);
        Vexa5200SetFswCCXNetworkEap(handle_, 0);
        Vexa5200SetWPAInformation(handle_, 2, 2, passphrase, ssid);
        Vexa5200SetWepStatus(handle_, 4);
    }
    void Tls(const unsigned char* thumbprint)
    {
        Vexa5200WPAPortDown(handle_);
        Vexa5200SetAuthMode(handle_, 3);
        Vexa5200WPACreateIdentityTLS("Test User", thumbprint);
        Vexa5200SetWPAInformation(handle_, 5, 2, "", "CorpSecure");
        Vexa5200SetWepStatus(handle_, 4);
    }
};

}  // namespace

TEST_F(AssociationTest, OpenNetworkJoinsWithItsProperties)
{
    EXPECT_FALSE(Associated());
    Join("Wireless");
    ASSERT_TRUE(Associated());
    EXPECT_EQ("Wireless", Ssid());
    EXPECT_EQ("00-1A-2B-3C-00-01", BssidText());
    EXPECT_EQ(6u, Channel());
    EXPECT_EQ(540000u, LinkSpeed());
    long rssi = Rssi();
    EXPECT_GE(rssi, -58);
    EXPECT_LE(rssi, -52);
}

TEST_F(AssociationTest, OpenNetworkRefusesEncryption)
{
    Vexa5200SetWepStatus(handle_, 0);
    Vexa5200SetWepKey(handle_, 1, reinterpret_cast<const unsigned char*>("12345"), 5, 1);
    Join("Wireless");
    EXPECT_FALSE(Associated());
    EXPECT_EQ("", Ssid());
    EXPECT_EQ("(failed)", BssidText());
}

TEST_F(AssociationTest, UnknownSsidDoesNotJoin)
{
    Join("NoSuchNetwork");
    EXPECT_FALSE(Associated());
}

TEST_F(AssociationTest, WepJoinsWithTheSameTransmitKeyInOpenOrSharedMode)
{
    Wep(1, 3, HomeWepKey);
    Join("HomeWEP");
    EXPECT_TRUE(Associated());

    Wep(0, 1, HomeWepKey);
    Join("HomeWEP");
    EXPECT_TRUE(Associated());
}

TEST_F(AssociationTest, WepWithAnotherKeyOrWithoutEncryptionDoesNotJoin)
{
    Wep(1, 2, reinterpret_cast<const unsigned char*>("vexa128bitkez"));
    Join("HomeWEP");
    EXPECT_FALSE(Associated());

    // The right key held in a slot that is not the transmit key.
    Wep(1, 2, reinterpret_cast<const unsigned char*>("vexa128bitkez"));
    Vexa5200SetWepKey(handle_, 1, HomeWepKey, 13, 0);
    Join("HomeWEP");
    EXPECT_FALSE(Associated());

    // The right bytes with the wrong length.
    Wep(1, 1, HomeWepKey);
    Vexa5200SetWepKey(handle_, 1, HomeWepKey, 5, 1);
    Join("HomeWEP");
    EXPECT_FALSE(Associated());

    Wep(1, 1, HomeWepKey);
    Vexa5200SetWepStatus(handle_, 1);
    Join("HomeWEP");
    EXPECT_FALSE(Associated());
}

TEST_F(AssociationTest, WpaPskJoinsWithThePassphraseForThatNetwork)
{
    Psk("my passphrase", "HomeNet");
    Join("HomeNet");
    EXPECT_TRUE(Associated());

    Psk("my passphrasE", "HomeNet");
    Join("HomeNet");
    EXPECT_FALSE(Associated());

    // The key is derived with the network name: another name does not fit.
    Psk("my passphrase", "Wireless");
    Join("HomeNet");
    EXPECT_FALSE(Associated());

    Psk("my passphrase", "HomeNet");
    Vexa5200SetAuthMode(handle_, 3);
    Join("HomeNet");
    EXPECT_FALSE(Associated());
}

TEST_F(AssociationTest, AnElevenBgCardHearsOnly24GHzAndJoinsOnlyWhatItsTkipOffers)
{
    struct Row {
        const char* Network;
        bool Joins;
    } rows[] = {
        {"Fast5 band=5 channel=36 security=wpa-psk", false},
        {"Six band=6 channel=1 security=wpa-psk", false},
        {"Rsn2 security=wpa2-psk", false},
        {"Mixed security=wpa-wpa2-psk", true},
        {"Sae3 security=wpa3-sae", false},
        {"Both security=wpa2-wpa3", false},
        {"Quiet security=wpa-psk hidden=yes", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Network);
        char message[512];
        ASSERT_EQ(0, VexaSimCommand((std::string("network add ") + row.Network + " passphrase=the-passphrase").c_str(),
                                    message, sizeof message)) << message;
        const std::string ssid = std::string(row.Network).substr(0, std::string(row.Network).find(' '));
        Psk("the-passphrase", ssid.c_str());
        Join(ssid.c_str());
        EXPECT_EQ(row.Joins, Associated());
    }
    // The scan hears the six default networks and the four on 2.4 GHz; the hidden one unnamed.
    ASSERT_EQ(0, Vexa5200Scan(handle_));
    std::vector<unsigned char> buffer(24576);
    ASSERT_EQ(0, Vexa5200QueryScanList(handle_, buffer.data(), static_cast<unsigned long>(buffer.size())));
    ULONG count = 0;
    std::memcpy(&count, buffer.data(), sizeof count);
    EXPECT_EQ(11u, count);
}

TEST_F(AssociationTest, EapTlsJoinsWithAnIdentityForACertificate)
{
    Tls(Thumbprint);
    Join("CorpSecure");
    EXPECT_TRUE(Associated());

    const unsigned char none[20] = {};
    Tls(none);
    Join("CorpSecure");
    EXPECT_FALSE(Associated());

    Tls(Thumbprint);
    Vexa5200SetWPAInformation(handle_, 2, 2, "", "CorpSecure");
    Join("CorpSecure");
    EXPECT_FALSE(Associated());
}

TEST_F(AssociationTest, AdHocJoinsAnIbssOnTheChannelOrCreatesOne)
{
    Vexa5200SetNetworkMode(handle_, 0);
    Vexa5200SetChannel(handle_, 10);
    Join("LabAdHoc");
    ASSERT_TRUE(Associated());
    EXPECT_EQ("02-1A-2B-3C-00-05", BssidText());
    EXPECT_EQ(110000u, LinkSpeed());  // the network's best rate, 11 Mbit/s

    // Same name on another channel: a network of its own.
    Vexa5200SetChannel(handle_, 3);
    Join("LabAdHoc");
    ASSERT_TRUE(Associated());
    EXPECT_NE("02-1A-2B-3C-00-05", BssidText());
    EXPECT_EQ(3u, Channel());
    unsigned long mode = 9;
    ASSERT_EQ(0, Vexa5200QueryNetworkMode(handle_, &mode));
    EXPECT_EQ(0u, mode);

    // An infrastructure network is not joined in ad-hoc mode, nor an IBSS in infrastructure mode.
    Vexa5200SetNetworkMode(handle_, 1);
    Vexa5200SetChannel(handle_, 10);
    Join("LabAdHoc");
    EXPECT_FALSE(Associated());
}

TEST_F(AssociationTest, AdHocWithOtherSecurityThanTheIbssFails)
{
    Vexa5200SetNetworkMode(handle_, 0);
    Vexa5200SetChannel(handle_, 10);
    Vexa5200SetWepStatus(handle_, 0);
    Vexa5200SetWepKey(handle_, 1, reinterpret_cast<const unsigned char*>("12345"), 5, 1);
    Join("LabAdHoc");
    EXPECT_FALSE(Associated());
}

TEST_F(AssociationTest, WeakNetworkJoinsUntilItFadesBelowTheEdge)
{
    Join("FarAway");
    ASSERT_TRUE(Associated());
    Vexa5200SetDisassociate(handle_);
    ASSERT_EQ(0, VexaSimSetNetworkRssi("FarAway", -97));
    Join("FarAway");
    EXPECT_FALSE(Associated());
}

TEST_F(AssociationTest, EmptySsidJoinsTheStrongestNetworkThatFits)
{
    Vexa5200SetSsid(handle_, "", 0, 0);
    ASSERT_TRUE(Associated());
    EXPECT_EQ("Wireless", Ssid());
}

TEST_F(AssociationTest, JoiningTakesTheJoinDelay)
{
    ASSERT_EQ(0, VexaSimSetJoinDelay(60000));
    Join("Wireless");
    EXPECT_FALSE(Associated());
    EXPECT_EQ("Wireless", Ssid());  // the network being joined
    ASSERT_EQ(0, VexaSimSetJoinDelay(0));
    EXPECT_TRUE(Associated());
}

TEST_F(AssociationTest, LinkSpeedFollowsTheConfiguredRate)
{
    Vexa5200SetDataRate(handle_, 22);
    Join("Wireless");
    ASSERT_TRUE(Associated());
    EXPECT_EQ(110000u, LinkSpeed());
    Vexa5200SetDataRate(handle_, 11);
    EXPECT_EQ(55000u, LinkSpeed());
    EXPECT_NE(0, Vexa5200SetDataRate(handle_, 13));  // not a rate
    EXPECT_EQ(55000u, LinkSpeed());
    Vexa5200SetDataRate(handle_, 255);
    EXPECT_EQ(540000u, LinkSpeed());
}

TEST_F(AssociationTest, OverlongSsidIsRefused)
{
    EXPECT_NE(0, Vexa5200SetSsid(handle_, "123456789012345678901234567890123", 33, 0));
    EXPECT_FALSE(Associated());
}
