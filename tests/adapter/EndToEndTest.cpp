#include "AdapterTestSupport.h"
#include "adapter/ApplySettings.h"
#include "adapter/ScanList.h"

#include <windows.h>

#include <cstring>
#include <set>

namespace {

// Generous: a join takes about a second; a slow machine must not fail the test.
constexpr DWORD AssociationTimeoutMs = 15000;
// Long enough for the shortened join delay below to have run out several times.
constexpr DWORD RefusalWaitMs = 2000;
constexpr unsigned long TestJoinDelayMs = 200;

bool WaitForAssociation(DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do {
        if (Vexa5200GetConnectStatus(AdapterHandle) != 0)
            return true;
        Sleep(50);
    } while (GetTickCount64() < deadline);
    return Vexa5200GetConnectStatus(AdapterHandle) != 0;
}

std::string AssociatedSsid()
{
    char ssid[33] = {};
    if (Vexa5200QuerySsid(AdapterHandle, ssid, sizeof(ssid)) != 0)
        return {};
    ssid[32] = '\0';
    return ssid;
}

VexaSimNetwork Network(const char* ssid, int security, unsigned char lastMacByte)
{
    VexaSimNetwork network = {};
    CopyText(network.Ssid, ssid);
    const unsigned char mac[6] = {0x02, 0x5E, 0x10, 0x00, 0x00, lastMacByte};
    std::memcpy(network.Bssid, mac, sizeof(mac));
    network.Infrastructure = 1;
    network.Channel = 6;
    network.RssiDbm = -55;
    network.Security = security;
    network.MaxRateCode = 108;
    return network;
}

}  // namespace

class EndToEndTest : public AdapterTest {};

TEST_F(EndToEndTest, DefaultRecordJoinsTheOpenNetworkWireless)
{
    ASSERT_EQ(0, VexaSimRemoveAllNetworks());
    const VexaSimNetwork wireless = Network("Wireless", VEXASIM_OPEN, 0x01);
    ASSERT_EQ(0, VexaSimAddNetwork(&wireless));

    ApplyPendingSettings(DefaultLikeSettings());

    ASSERT_TRUE(WaitForAssociation(AssociationTimeoutMs));
    EXPECT_EQ("Wireless", AssociatedSsid());
}

TEST_F(EndToEndTest, WpaPskJoinsOnlyWithTheRightPassphrase)
{
    ASSERT_EQ(0, VexaSimSetJoinDelay(TestJoinDelayMs));
    VexaSimNetwork home = Network("SkyHome", VEXASIM_WPA_PSK, 0x02);
    CopyText(home.Passphrase, "correct horse battery");
    ASSERT_EQ(0, VexaSimAddNetwork(&home));

    AdapterSettings settings = DefaultLikeSettings();
    settings.AuthMode = AuthModeWpaPsk;
    CopyText(settings.DesiredSSID, "SkyHome");
    CopyText(settings.PskPassphrase, "wrong horse battery");
    ApplyPendingSettings(settings);
    Sleep(RefusalWaitMs);
    EXPECT_EQ(0, Vexa5200GetConnectStatus(AdapterHandle)) << "joined with a wrong passphrase";

    CopyText(settings.PskPassphrase, "correct horse battery");
    ApplyPendingSettings(settings);
    ASSERT_TRUE(WaitForAssociation(AssociationTimeoutMs));
    EXPECT_EQ("SkyHome", AssociatedSsid());
}

TEST_F(EndToEndTest, WepJoinsWithTheRightKeys)
{
    VexaSimNetwork office = Network("SkyOffice", VEXASIM_WEP, 0x03);
    std::memcpy(office.WepKey, "1234567890123", 13);
    office.WepKeyLength = 13;
    ASSERT_EQ(0, VexaSimAddNetwork(&office));

    AdapterSettings settings = DefaultLikeSettings();
    CopyText(settings.DesiredSSID, "SkyOffice");
    settings.AuthMode = AuthModeOpen;
    settings.WepStatus = WepStatusOn;
    settings.WepKeySize = WepKeySize128;
    settings.TxWepKey = 1;
    std::memcpy(settings.WepKey2, "1234567890123", 13);
    ApplyPendingSettings(settings);

    ASSERT_TRUE(WaitForAssociation(AssociationTimeoutMs));
    EXPECT_EQ("SkyOffice", AssociatedSsid());
}

TEST_F(EndToEndTest, ScanListOfTheSoftwareAdapterHoldsAtMost32Networks)
{
    ASSERT_EQ(0, VexaSimRemoveAllNetworks());
    for (int i = 0; i < 40; ++i) {
        const std::string name = "Survey" + std::to_string(i);
        const VexaSimNetwork network = Network(name.c_str(), VEXASIM_OPEN, static_cast<unsigned char>(i));
        ASSERT_EQ(0, VexaSimAddNetwork(&network));
    }
    ASSERT_EQ(0, Vexa5200Scan(AdapterHandle));

    ScanList list = {};
    ASSERT_TRUE(ReadScanList(list));
    ASSERT_EQ(32, list.Count);
    std::set<std::string> names;
    for (int i = 0; i < list.Count; ++i) {
        names.insert(list.Entries[i].Ssid);
        EXPECT_EQ(6u, list.Entries[i].Channel);
        EXPECT_EQ(100, list.Entries[i].SignalStrength);
    }
    EXPECT_EQ(32u, names.size());
}
