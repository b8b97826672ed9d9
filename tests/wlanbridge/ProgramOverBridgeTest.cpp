// The program's own adapter code (apply procedures, status query) calling the
// bridge's exports, which this executable links in place of a library, over a scripted
// Native Wifi: the mapping as the program meets it.
#include "BridgeSessions.h"
#include "FakeWlanApi.h"
#include "SampleRecords.h"
#include "SystemWlanApi.h"
#include "TickedStatus.h"
#include "WlanAnswers.h"

#include "adapter/AdapterHandle.h"
#include "adapter/AdapterStatus.h"
#include "adapter/ApplySettings.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string LastProfile(const CFakeWlanApi& api)
{
    if (api.Connects.empty())
        return std::string();
    const std::wstring& xml = api.Connects.back().Profile;
    return std::string(xml.begin(), xml.end());
}

class ProgramOverBridge : public ::testing::Test {
protected:
    ProgramOverBridge()
    {
        UseBridgeClock(true);
        SetWlanApiFactory([this]() -> std::unique_ptr<IWlanApi> {
            auto api = std::make_unique<CFakeWlanApi>();
            ScriptTwoCardsAndTwoNetworks(*api);
            fake = api.get();
            return api;
        });
        EXPECT_EQ(0, Vexa5200OpenAdapter(&AdapterHandle));
    }
    ~ProgramOverBridge() override
    {
        Vexa5200CloseAdapter(&AdapterHandle);
        SetWlanApiFactory([] { return CreateSystemWlanApi(); });
        UseBridgeClock(false);
    }

    CFakeWlanApi* fake = nullptr;
};

}  // namespace

TEST_F(ProgramOverBridge, EachModesApplyJoinsWithItsProfile)
{
    const struct {
        AdapterSettings Record;
        const char* Authentication;
        const char* Key;  // a part of the profile that only this mode writes
    } rows[] = {
        {OpenRecord("Wireless"), "<authentication>open</authentication>", "<encryption>none</encryption>"},
        {WepRecord("Lab", WepKeySize64), "<authentication>open</authentication>", "<keyIndex>0</keyIndex>"},
        {PskRecord("Home", "correct horse"), "<authentication>WPA2PSK</authentication>",
         "<keyMaterial>correct horse</keyMaterial>"},
        {PskRecord("Old Router", "correct horse"), "<authentication>WPAPSK</authentication>",
         "<encryption>TKIP</encryption>"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Record.DesiredSSID);
        const size_t before = fake->Connects.size();
        ApplyPendingSettings(row.Record);
        ASSERT_EQ(before + 1, fake->Connects.size());
        EXPECT_EQ(wlan_connection_mode_temporary_profile, fake->Connects.back().Mode);
        EXPECT_NE(std::string::npos, LastProfile(*fake).find(row.Authentication));
        EXPECT_NE(std::string::npos, LastProfile(*fake).find(row.Key));
    }
}

TEST_F(ProgramOverBridge, TheStatusFollowsTheJoinAndSaysWhenLocationAccessIsOff)
{
    ApplyPendingSettings(PskRecord("Home", "correct horse"));
    AdapterStatus status = TickedStatus();
    EXPECT_EQ(LinkNotAssociated, status.LinkState);
    EXPECT_STREQ("Home", status.Ssid);

    fake->Queries[wlan_intf_opcode_current_connection] = {
        ERROR_SUCCESS, ConnectionOf(wlan_interface_state_connected, "Home", HomeMac, 70, 54000)};
    fake->Notify(FirstCard, wlan_notification_acm_connection_complete, ConnectionNotice("Home"));
    status = TickedStatus();
    EXPECT_EQ(LinkAssociated, status.LinkState);
    EXPECT_STREQ("Home", status.Ssid);
    EXPECT_STREQ("02-00-00-00-00-01", status.Bssid);
    EXPECT_EQ(6u, status.Channel);
    EXPECT_STREQ("54 ", status.TxRate);
    EXPECT_GE(status.SignalStrength, 100);  // -55 dBm from the BSS entry is full scale
    EXPECT_FALSE(status.LocationDenied);

    // Windows counts each connection query and list read as a use of the location: an idle
    // link asks for the connection once a tick and reads no list.
    fake->Calls.clear();
    for (int tick = 0; tick < 3; ++tick)
        EXPECT_EQ(LinkAssociated, TickedStatus().LinkState);
    EXPECT_EQ(3, fake->CountOf("QueryInterface current_connection"));
    EXPECT_EQ(0, fake->CountOf("GetNetworkBssList"));

    fake->Queries[wlan_intf_opcode_current_connection] = {ERROR_ACCESS_DENIED, {}};
    status = TickedStatus();
    EXPECT_TRUE(status.LocationDenied);
    EXPECT_EQ(LinkAssociated, status.LinkState) << "a refused query says nothing of the link";

    // Windows has no connection any more, and no notification told of its end.
    fake->Queries[wlan_intf_opcode_current_connection] = {ERROR_INVALID_STATE, {}};
    EXPECT_EQ(LinkNotAssociated, TickedStatus().LinkState);
    fake->Queries[wlan_intf_opcode_current_connection] = {
        ERROR_SUCCESS, ConnectionOf(wlan_interface_state_connected, "Home", HomeMac, 70, 54000)};
    EXPECT_EQ(LinkNotAssociated, TickedStatus().LinkState) << "until the service tells of a new connection";
    fake->Notify(FirstCard, wlan_notification_acm_connection_complete, ConnectionNotice("Home"));

    fake->Queries[wlan_intf_opcode_radio_state].Bytes = RadioOf({{dot11_radio_state_on, dot11_radio_state_off}});
    EXPECT_EQ(LinkRadioOff, TickedStatus().LinkState);
}
