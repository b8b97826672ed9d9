// The Windows Wi-Fi library as the program meets it (its apply procedures, status query and
// start, linked here with the library's exports), over the Native Wifi double and its
// documented behaviours: a scan that flushes the list, one failed attempt before a join
// completes, a link Windows made before the program started, location consent off.
#include "DoubleFixture.h"

#include "BridgeSessions.h"
#include "ChildProcess.h"
#include "SampleRecords.h"
#include "TickedStatus.h"
#include "Waiting.h"

#include "adapter/AdapterHandle.h"
#include "adapter/AdapterLifetime.h"
#include "adapter/AdapterStatus.h"
#include "adapter/ApplySettings.h"
#include "adapter/ScanList.h"

#include <cstring>
#include <thread>

namespace {

bool Associated()
{
    return PumpUntil([] { return Vexa5200GetConnectStatus(AdapterHandle) != 0; }, 5000);
}

class BridgeOverDouble : public CDoubleTest {
protected:
    void SetUp() override
    {
        CDoubleTest::SetUp();
        Control("scan-delay 300");
        Control("attempt-fails 1");
        Control(std::string("scene load \"") + WLANDOUBLE_SCENARIOS_DIR + "dual-band.txt\"");
        Control("journal --clear");
    }
    void TearDown() override
    {
        Vexa5200CloseAdapter(&AdapterHandle);
        UseBridgeClock(false);
        CDoubleTest::TearDown();
    }
    void OpenLibrary(bool ownClock = false)
    {
        UseBridgeClock(ownClock);
        ASSERT_EQ(0, Vexa5200OpenAdapter(&AdapterHandle));
    }
    void StoreWindowsProfile(const TestProfile& profile)
    {
        DWORD reason = 0;
        ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->SetProfile(m_card, WLAN_PROFILE_USER, ProfileXml(profile), reason));
    }
    std::vector<std::wstring> WindowsProfiles()
    {
        std::vector<WlanProfileEntry> entries;
        m_api->GetProfileList(m_card, entries);
        std::vector<std::wstring> names;
        for (const WlanProfileEntry& e : entries)
            names.push_back(e.Name);
        return names;
    }
};

}  // namespace

TEST_F(BridgeOverDouble, EachPersonalNetworkJoinsAtTheApplyThatScansFirst)
{
    OpenLibrary();
    // The apply scans, which flushes the list, and joins at once: the security comes from the
    // list before the scan, and a network no list names is taken for WPA2.
    const struct {
        const char* Ssid;
        const char* Passphrase;
    } rows[] = {
        {"HomeNet", "my passphrase"},   // WPA alone: TKIP, which only the list before the scan tells
        {"Office5", "office five"},     // WPA2 on 5 GHz
        {"Loft", "loft passphrase"},    // WPA2/WPA3 transition: WPA2
        {"Cellar", "cellar key"},       // hidden WPA2: never in a list
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Ssid);
        ApplyPendingSettings(PskRecord(row.Ssid, row.Passphrase));
        ASSERT_TRUE(Associated()) << Journal();
        EXPECT_STREQ(row.Ssid, TickedStatus().Ssid);
        Vexa5200SetDisassociate(AdapterHandle);
    }
}

TEST_F(BridgeOverDouble, AFiveGigahertzLinkShowsItsChannelAndRateAndWpa3AloneIsSaidInWords)
{
    OpenLibrary();
    ApplyPendingSettings(PskRecord("Office5", "office five"));
    ASSERT_TRUE(Associated());
    AdapterStatus status = TickedStatus();
    EXPECT_EQ(36u, status.Channel);
    EXPECT_STREQ("866.7 ", status.TxRate);

    Control("journal --clear");
    ApplyPendingSettings(PskRecord("Studio-WPA3", "studio sae key"));
    EXPECT_EQ(0u, JournalCount("WlanConnect temporary Studio-WPA3"));
    status = TickedStatus();
    EXPECT_TRUE(status.NeedsWindowsSettings);
}

TEST_F(BridgeOverDouble, SkylookctlScanWaitsForTheScanItStarted)
{
    // skylookctl beside the library, in a folder of its own.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "skylook-over-double\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((BuildProgramFolder() + "skylookctl.exe").c_str(), (folder + "skylookctl.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((BuildProgramFolder() + "wlanbridge\\Vexa5200.dll").c_str(), (folder + "Vexa5200.dll").c_str(),
                          FALSE));
    CChildProcess ctl("\"" + folder + "skylookctl.exe\" scan", CChildProcess::Streams::Captured);
    ASSERT_TRUE(ctl.Start());
    ASSERT_TRUE(ctl.WaitForEnd());
    EXPECT_EQ(0u, ctl.ExitCode()) << ctl.Errors();
    EXPECT_NE(std::string::npos, ctl.Output().find("Office5")) << ctl.Output();
    EXPECT_NE(std::string::npos, ctl.Output().find("37 (6 GHz)")) << ctl.Output();
    EXPECT_NE(std::string::npos, ctl.Output().find("WPA3")) << ctl.Output();
}

TEST_F(BridgeOverDouble, AScanWhoseEndIsNeverToldEndsAfterFourSecondsOfTheLibrarysClock)
{
    Control("scan-notify off");
    Control("scan-delay 0");
    OpenLibrary(true);
    ASSERT_EQ(0, Vexa5200Scan(AdapterHandle));
    // The first reader waits for the scan; the clock passes its four seconds at once.
    std::thread clock([] {
        for (int i = 0; i < 100; ++i, Sleep(5))
            BridgeNow() += 100;
    });
    std::vector<unsigned char> answer(ScanAnswerSize);
    EXPECT_EQ(0, Vexa5200QueryScanList(AdapterHandle, answer.data(), ScanAnswerSize));
    clock.join();
    ULONG count = 0;
    std::memcpy(&count, answer.data(), sizeof count);
    EXPECT_GT(count, 5u);
}

TEST_F(BridgeOverDouble, AnIdleLinkAsksForTheConnectionOnceATickAndReadsNoList)
{
    Control("location off");
    OpenLibrary(true);
    // Without location consent the library still hears of its links (ACM needs no consent).
    EXPECT_EQ(0u, JournalCount("WlanRegisterNotification acm = 5"));
    Control("location on");
    ApplyPendingSettings(OpenRecord("Wireless"));
    ASSERT_TRUE(Associated());
    TickedStatus();
    Control("journal --clear");
    for (int tick = 0; tick < 3; ++tick)
        EXPECT_EQ(LinkAssociated, TickedStatus().LinkState);
    EXPECT_EQ(3u, JournalCount("WlanQueryInterface current_connection"));
    EXPECT_EQ(0u, JournalCount("WlanGetNetworkBssList"));
}

TEST_F(BridgeOverDouble, ALogOnKeepsTheWindowsLinkToTheNetworkTheDefaultsName)
{
    StoreWindowsProfile(TestProfile("Home", "HomeNet", "WPAPSK", "TKIP", "my passphrase").Auto());
    const struct {
        const char* Defaults;
        size_t Disconnects;
    } rows[] = {{"HomeNet", 0}, {"Wireless", 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Defaults);
        Control("connect Home");
        ASSERT_TRUE(m_log.WaitForCode(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_complete));
        Control("journal --clear");
        OpenAdapterAtStart(row.Defaults);
        EXPECT_EQ(row.Disconnects, JournalCount("WlanDisconnect"));
        Vexa5200CloseAdapter(&AdapterHandle);
    }
}

TEST_F(BridgeOverDouble, TheEapTlsProfileStaysBelowTheUsersOwnIsWrittenOnceAndGoesWhenUnused)
{
    StoreWindowsProfile(TestProfile("Home", "HomeNet", "WPAPSK", "TKIP", "my passphrase").Auto());
    OpenLibrary();
    const unsigned char hash[20] = {0xAB, 1, 2, 3};
    ASSERT_EQ(0, Vexa5200WPACreateIdentityTLS("Pat", hash));
    const auto joinCorp = [] {
        Vexa5200SetAuthMode(AdapterHandle, 3);
        Vexa5200SetWPAInformation(AdapterHandle, 5, 0, "", "CorpSecure");
        return Vexa5200SetSsid(AdapterHandle, "CorpSecure", 10, 0);
    };
    ASSERT_EQ(0, joinCorp());
    ASSERT_TRUE(Associated()) << Journal();
    EXPECT_EQ((std::vector<std::wstring>{L"Home", L"Skylook CorpSecure"}), WindowsProfiles());
    Control("journal --clear");
    ASSERT_EQ(0, joinCorp());
    EXPECT_EQ(0u, JournalCount("WlanSetProfile Skylook CorpSecure"));

    ApplyPendingSettings(PskRecord("HomeNet", "my passphrase"));
    EXPECT_EQ(std::vector<std::wstring>{L"Home"}, WindowsProfiles());
}

TEST_F(BridgeOverDouble, RefusalsOfJoinsAndAdHocNetworksAsWindowsAnswersThem)
{
    OpenLibrary();
    // An ad-hoc network no list names: an IBSS profile that says nonBroadcast is refused whole.
    Vexa5200SetNetworkMode(AdapterHandle, 0);
    EXPECT_EQ(0, Vexa5200SetSsid(AdapterHandle, "NewParty", 8, 0));
    EXPECT_EQ(1u, JournalCount("WlanConnect temporary NewParty"));

    // A connect refused for a permission is no location matter.
    Control("refuse connect on");
    Vexa5200SetNetworkMode(AdapterHandle, 1);
    EXPECT_EQ(1, Vexa5200SetSsid(AdapterHandle, "Wireless", 8, 0));
    EXPECT_FALSE(TickedStatus().LocationDenied);
}

TEST_F(BridgeOverDouble, TheUninstallRemovesTheEapTlsProfileSkylookStored)
{
    StoreWindowsProfile(TestProfile("Home", "HomeNet", "WPAPSK", "TKIP", "my passphrase").Auto());
    OpenLibrary();
    const unsigned char hash[20] = {0xAB, 1, 2, 3};
    ASSERT_EQ(0, Vexa5200WPACreateIdentityTLS("Pat", hash));
    Vexa5200SetAuthMode(AdapterHandle, 3);
    Vexa5200SetWPAInformation(AdapterHandle, 5, 0, "", "CorpSecure");
    ASSERT_EQ(0, Vexa5200SetSsid(AdapterHandle, "CorpSecure", 10, 0));
    ASSERT_EQ(2u, WindowsProfiles().size());
    CChildProcess ctl(BuildProgramCommand("skylookctl.exe", "remove-settings"), CChildProcess::Streams::Captured);
    ASSERT_TRUE(ctl.Start());
    ASSERT_TRUE(ctl.WaitForEnd());
    EXPECT_EQ(std::vector<std::wstring>{L"Home"}, WindowsProfiles()) << ctl.Output() << ctl.Errors();
}
