// The program's one-second tick (tray monitor, apply scheduling) driving the bridge's
// exports, which this executable links in place of a library, over a scripted Native Wifi:
// the start, the idle apply of the stored defaults with its scan and join, and the link the
// connection notifications then report, ticked by hand as the main frame's timer would.
#include "BridgeSessions.h"
#include "FakeWlanApi.h"
#include "MachineRegistry.h"
#include "RecordingDialogLink.h"
#include "RecordingTrayHost.h"
#include "SampleRecords.h"
#include "SystemWlanApi.h"
#include "WlanAnswers.h"

#include "adapter/AdapterLifetime.h"
#include "app/TickState.h"
#include "app/TrayMonitor.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"
#include "state/ProgramState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr const char* SettingsKey = "SOFTWARE\\KT60";
const unsigned char WirelessMac[6] = {0x02, 0, 0, 0, 0, 0x03};
// What the tray is told when the link is down, and when it is up with a full signal.
const TrayCall NoConnect{NIM_MODIFY, IDI_NOT_CONNECTED, "Skylook\n\rNo Connect"};
const TrayCall FullSignal{NIM_MODIFY, IDI_SIGNAL_EXCELLENT, "Skylook\n\rSignal Strength : Good"};
// Any reason code but 0: the join did not complete.
constexpr DWORD JoinRefused = 0x00028002;

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// One card, its radio on, and two networks in the service's list: the open "Wireless" that
// the built-in defaults name, and "Home" with an RSN element.
void ScriptOneCardAndTwoNetworks(CFakeWlanApi& api)
{
    api.Interfaces = {{FirstCard, L"First card", wlan_interface_state_connected}};
    api.Queries[wlan_intf_opcode_radio_state] = {ERROR_SUCCESS, RadioOf({{dot11_radio_state_on, dot11_radio_state_on}})};
    BssEntry wireless{"Wireless", {}, 2412000, -50, false, false, {}};
    std::memcpy(wireless.Bssid, WirelessMac, 6);
    BssEntry home{"Home", {}, 2437000, -55, true, false, RsnElement()};
    std::memcpy(home.Bssid, HomeMac, 6);
    api.BssList = {ERROR_SUCCESS, BssListOf({wireless, home})};
}

class TickOverBridge : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteKeyTree(SettingsKey);
        ResetProgramState();
        SetWlanApiFactory([this]() -> std::unique_ptr<IWlanApi> {
            auto api = std::make_unique<CFakeWlanApi>();
            ScriptOneCardAndTwoNetworks(*api);
            fake = api.get();
            return api;
        });
    }
    void TearDown() override
    {
        CloseAdapterAtEnd();
        SetWlanApiFactory([] { return CreateSystemWlanApi(); });
        DeleteKeyTree(SettingsKey);
        ResetProgramState();
    }

    // What the main frame does at start, before its first tick, with a tray of its own.
    void StartProgram()
    {
        host = CRecordingHost();
        // Windows 10: the two-line tooltip, and no Zero Configuration service to ask.
        host.major = 10;
        host.minor = 0;
        monitor = std::make_unique<CTrayMonitor>(host, dialog);
        RadioOn = 1;
        OpenAdapterAtStart();
        ASSERT_NE(nullptr, fake);
        monitor->Start();
        host.calls.clear();
    }

    // The tray calls of one more tick.
    Calls Tick()
    {
        monitor->Tick(TickTimerId);
        Calls calls;
        calls.swap(host.calls);
        return calls;
    }

    // Ticks up to the tick that joins (the idle apply loads the defaults, the next applies them).
    void TickUntilJoined()
    {
        EXPECT_EQ(Calls{NoConnect}, Tick());
        EXPECT_TRUE(fake->Connects.empty()) << "the idle tick only loads the defaults";
        Tick();
        ASSERT_EQ(1u, fake->Connects.size());
        EXPECT_EQ(LinkConnecting, CurrentStatus.LinkState);
    }

    // The service's notifications for a join of ssid that completes, or fails with a reason.
    void ReportJoin(const std::string& ssid, DWORD reason = 0)
    {
        fake->Notify(FirstCard, wlan_notification_acm_connection_start, ConnectionNotice(ssid));
        if (reason == 0) {
            const unsigned char(&mac)[6] = ssid == "Home" ? HomeMac : WirelessMac;
            fake->Queries[wlan_intf_opcode_current_connection] = {
                ERROR_SUCCESS, ConnectionOf(wlan_interface_state_connected, ssid, mac, 90, 54000)};
        } else {
            fake->Notify(FirstCard, wlan_notification_acm_connection_attempt_fail, ConnectionNotice(ssid, reason));
        }
        fake->Notify(FirstCard, wlan_notification_acm_connection_complete, ConnectionNotice(ssid, reason));
    }

    CFakeWlanApi* fake = nullptr;
    CRecordingHost host;
    CRecordingDialogLink dialog;
    std::unique_ptr<CTrayMonitor> monitor;
};

}  // namespace

// Catches: a tick that never reaches the bridge's join, a profile of the wrong security for
// the stored mode, a status that does not take the connected notification as the link.
TEST_F(TickOverBridge, TheIdleApplyScansJoinsWithTheDefaultsProfileAndTheNextTickShowsTheLink)
{
    const struct {
        const char* Mode;
        bool StorePsk;  // else nothing is stored: the built-in open "Wireless"
        const char* Ssid;
        std::vector<const char*> Profile;  // parts of the temporary profile
    } rows[] = {
        {"open", false, "Wireless",
         {"<hex>576972656C657373</hex>", "<authentication>open</authentication>", "<encryption>none</encryption>"}},
        {"WPA-PSK", true, "Home",
         {"<hex>486F6D65</hex>", "<authentication>WPA2PSK</authentication>", "<encryption>AES</encryption>",
          "<keyMaterial>correct horse</keyMaterial>"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Mode);
        if (row.StorePsk) {
            ASSERT_TRUE(SaveDefaultSettings(PskRecord("Home", "correct horse")));
        }
        StartProgram();
        ASSERT_EQ(1, fake->CountOf("Disconnect")) << "the start drops the link Windows had";

        TickUntilJoined();
        const std::vector<std::string>& calls = fake->Calls;
        const auto scan = std::find(calls.begin(), calls.end(), "Scan");
        ASSERT_NE(calls.end(), scan);
        EXPECT_NE(calls.end(), std::find(scan, calls.end(), "Connect temporary ESS")) << "scanned before joining";
        EXPECT_EQ(1, fake->CountOf("Scan"));
        const std::string profile = Narrow(fake->Connects.back().Profile);
        for (const char* part : row.Profile)
            EXPECT_NE(std::string::npos, profile.find(part)) << part << " in\n" << profile;
        EXPECT_STREQ(row.Ssid, CurrentStatus.Ssid) << "while joining, the target";

        ReportJoin(row.Ssid);
        EXPECT_EQ(Calls{FullSignal}, Tick());
        EXPECT_EQ(LinkAssociated, CurrentStatus.LinkState);
        EXPECT_STREQ(row.Ssid, CurrentStatus.Ssid);

        Tick();
        Tick();
        EXPECT_EQ(LinkAssociated, CurrentStatus.LinkState);
        EXPECT_EQ(1u, fake->Connects.size()) << "a link that is up is not joined again";
        // The next row starts from nothing stored and a program not yet started.
        TearDown();
        SetUp();
    }
}

// Catches: a failed join the bridge keeps reading as connecting or connected, and a failed
// first join retried as if a link had been lost (a card's failed join is not retried).
TEST_F(TickOverBridge, AFailedJoinShowsNoConnectAndIsNotRetried)
{
    ASSERT_TRUE(SaveDefaultSettings(PskRecord("Home", "wrong horse")));
    StartProgram();
    TickUntilJoined();

    ReportJoin("Home", JoinRefused);
    Tick();  // the apply's own ticks still read as connecting
    EXPECT_EQ(Calls{NoConnect}, Tick());
    EXPECT_EQ(LinkNotAssociated, CurrentStatus.LinkState);
    EXPECT_STREQ("", CurrentStatus.Ssid);

    for (int i = 0; i < 8; ++i)
        Tick();
    EXPECT_EQ(1u, fake->Connects.size());
    EXPECT_EQ(0, ReapplyCount);
    EXPECT_TRUE(host.balloons.empty()) << "the link was never up, so nothing was lost";
}

// Catches: a disconnect notification that leaves the bridge reading the link as up (no
// re-apply), and failed re-joins that do not bring the link down again (the re-applies stop
// early, or never stop).
TEST_F(TickOverBridge, ALostLinkIsJoinedAgainThreeTimesWhileEachJoinFails)
{
    StartProgram();
    TickUntilJoined();
    ReportJoin("Wireless");
    Tick();
    ASSERT_EQ(LinkAssociated, CurrentStatus.LinkState);

    fake->Queries.erase(wlan_intf_opcode_current_connection);
    fake->Notify(FirstCard, wlan_notification_acm_disconnected, ConnectionNotice("Wireless"));
    size_t joins = fake->Connects.size();
    for (int i = 0; i < 16; ++i) {
        Tick();
        if (fake->Connects.size() != joins) {
            joins = fake->Connects.size();
            ReportJoin("Wireless", JoinRefused);
        }
    }
    EXPECT_EQ(4u, fake->Connects.size()) << "the first join and three re-applies";
    EXPECT_EQ(4, fake->CountOf("Scan"));
    EXPECT_EQ(LinkNotAssociated, CurrentStatus.LinkState);
    EXPECT_EQ(std::vector<std::string>{"Disconnected from Wireless | The wireless link was lost."}, host.balloons);
}
