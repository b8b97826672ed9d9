#include "AdapterTestSupport.h"
#include "SimNetwork.h"
#include "adapter/ApplySettings.h"
#include "adapter/ScanList.h"

#include <windows.h>

#include <cstring>
#include <set>

namespace {

// Only stops a test that would otherwise hang: the joins here have no delay.
constexpr DWORD AssociationTimeoutMs = 15000;

bool WaitForAssociation(DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do {
        if (Vexa5200GetConnectStatus(AdapterHandle) != 0)
            return true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
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

}  // namespace

class EndToEndTest : public AdapterTest {};

TEST_F(EndToEndTest, DefaultRecordJoinsTheOpenNetworkWireless)
{
    ASSERT_EQ(0, VexaSimRemoveAllNetworks());
    const VexaSimNetwork wireless = SimNetwork("Wireless", VEXASIM_OPEN, -55, 6);
    ASSERT_EQ(0, VexaSimAddNetwork(&wireless));

    ApplyPendingSettings(OpenRecord());

    ASSERT_TRUE(WaitForAssociation(AssociationTimeoutMs));
    EXPECT_EQ("Wireless", AssociatedSsid());
}

TEST_F(EndToEndTest, WpaPskJoinsOnlyWithTheRightPassphrase)
{
    VexaSimNetwork home = SimNetwork("SkyHome", VEXASIM_WPA_PSK, -55, 6);
    CopyText(home.Passphrase, "correct horse battery");
    ASSERT_EQ(0, VexaSimAddNetwork(&home));

    AdapterSettings settings = PskRecord("SkyHome", "wrong horse battery");
    ASSERT_EQ(0, VexaSimClearJournal());
    ApplyPendingSettings(settings);
    // Joins take no time here: a join the adapter would allow has happened by now.
    EXPECT_NE(std::string::npos, JournalText().find("\"SkyHome\"")) << "no join asked for";
    EXPECT_EQ(0, Vexa5200GetConnectStatus(AdapterHandle)) << "joined with a wrong passphrase";

    CopyText(settings.PskPassphrase, "correct horse battery");
    ApplyPendingSettings(settings);
    ASSERT_TRUE(WaitForAssociation(AssociationTimeoutMs));
    EXPECT_EQ("SkyHome", AssociatedSsid());
}

TEST_F(EndToEndTest, WepJoinsWithTheRightKeys)
{
    VexaSimNetwork office = SimNetwork("SkyOffice", VEXASIM_WEP, -55, 6);
    std::memcpy(office.WepKey, "bcdefghijklmn", 13);  // the record's second key
    office.WepKeyLength = 13;
    ASSERT_EQ(0, VexaSimAddNetwork(&office));

    AdapterSettings settings = WepRecord("SkyOffice", WepKeySize128, WepKeyFormatAscii);
    settings.TxWepKey = 1;
    ApplyPendingSettings(settings);

    ASSERT_TRUE(WaitForAssociation(AssociationTimeoutMs));
    EXPECT_EQ("SkyOffice", AssociatedSsid());
}

TEST_F(EndToEndTest, ScanListOfTheSoftwareAdapterHoldsAtMost32Networks)
{
    ASSERT_EQ(0, VexaSimRemoveAllNetworks());
    for (int i = 0; i < 40; ++i) {
        const std::string name = "Survey" + std::to_string(i);
        const VexaSimNetwork network = SimNetwork(name.c_str(), VEXASIM_OPEN, -55, 6);
        ASSERT_EQ(0, VexaSimAddNetwork(&network));
    }
    ASSERT_EQ(0, Vexa5200Scan(AdapterHandle));

    ScanList list = {};
    ASSERT_TRUE(ReadScanList(list));
    ASSERT_EQ(32, list.Count);
    EXPECT_EQ(40, list.Heard);
    std::set<std::string> names;
    for (int i = 0; i < list.Count; ++i) {
        names.insert(list.Entries[i].Ssid);
        EXPECT_EQ(6u, list.Entries[i].Channel);
        EXPECT_EQ(100, list.Entries[i].SignalStrength);
    }
    EXPECT_EQ(32u, names.size());
}
