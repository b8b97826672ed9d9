// Joins through the real binding: connection_start, the attempt failures, one completion
// whose reason says whether the profile's security suits the network; the connection's
// attributes while connected, and the query failing while not.
#include "DoubleFixture.h"

#include <atomic>
#include <cstring>

namespace {

std::vector<DWORD> ConnectionCodes(const std::vector<WlanEvent>& events)
{
    std::vector<DWORD> codes;
    for (const WlanEvent& e : events)
        if (e.Source == WLAN_NOTIFICATION_SOURCE_ACM && e.Code >= wlan_notification_acm_connection_start &&
            e.Code <= wlan_notification_acm_connection_attempt_fail)
            codes.push_back(e.Code);
    return codes;
}

}  // namespace

TEST_F(CDoubleTest, AJoinEndsWithOneCompletionAfterTheAttemptFailuresAndItsReason)
{
    Control("scene network add Office5 band=5 channel=36 security=wpa2-psk passphrase=office-pass-5");
    Control("scene network add Only3 band=5 channel=149 security=wpa3-sae passphrase=sae-passphrase");
    Control("scene network add Both23 security=wpa2-wpa3 channel=6 passphrase=both-passphrase");
    Control("scene network add Secret security=wpa2-psk passphrase=secret-pass hidden=yes channel=3");
    struct Row {
        TestProfile Profile;
        DWORD Reason;
    } rows[] = {
        {{"HomeNet", "HomeNet", "WPAPSK", "TKIP", "my passphrase"}, 0},
        {{"HomeNet", "HomeNet", "WPAPSK", "TKIP", "not the passphrase"}, ReasonKeyMismatch},
        {{"Office5", "Office5", "WPAPSK", "TKIP", "office-pass-5"}, ReasonNetworkNotAvailable},
        {{"Office5", "Office5", "WPA2PSK", "AES", "office-pass-5"}, 0},
        {{"Only3", "Only3", "WPA2PSK", "AES", "sae-passphrase"}, ReasonNetworkNotAvailable},
        {{"Only3", "Only3", "WPA3SAE", "AES", "sae-passphrase"}, 0},
        {{"Both23", "Both23", "WPA2PSK", "AES", "both-passphrase"}, 0},
        {{"Secret", "Secret", "WPA2PSK", "AES", "secret-pass"}, ReasonNetworkNotAvailable},
        {TestProfile("Secret", "Secret", "WPA2PSK", "AES", "secret-pass").NonBroadcastTrue(), 0},
        {{"Gone", "Gone"}, ReasonNetworkNotAvailable},
        {{"Wireless", "Wireless"}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Profile.Ssid + " " + row.Profile.Authentication + " " + row.Profile.Key);
        const size_t before = m_log.Events().size();
        EXPECT_EQ(row.Reason, Join(row.Profile));
        const std::vector<WlanEvent> events = m_log.Events();
        const std::vector<DWORD> expected = {wlan_notification_acm_connection_start,
                                             wlan_notification_acm_connection_attempt_fail,
                                             wlan_notification_acm_connection_complete};
        EXPECT_EQ(expected, ConnectionCodes({events.begin() + static_cast<long>(before), events.end()}));
    }
    EXPECT_EQ(2u, JournalCount("WlanConnect temporary Only3"));
}

namespace {

std::atomic<int> RawAttemptFails{0};

void WINAPI CountAttemptFails(PWLAN_NOTIFICATION_DATA data, PVOID)
{
    if (data->NotificationSource == WLAN_NOTIFICATION_SOURCE_ACM &&
        data->NotificationCode == wlan_notification_acm_connection_attempt_fail)
        ++RawAttemptFails;
}

}  // namespace

TEST_F(CDoubleTest, TheAttemptFailuresBeforeACompletionAreSettableAndIdenticalOnesSuppressedWhenAsked)
{
    // A second client that asks for identical notifications to be suppressed.
    const auto open = reinterpret_cast<decltype(&WlanOpenHandle)>(reinterpret_cast<void*>(Raw("WlanOpenHandle")));
    const auto reg = reinterpret_cast<decltype(&WlanRegisterNotification)>(reinterpret_cast<void*>(Raw("WlanRegisterNotification")));
    const auto close = reinterpret_cast<decltype(&WlanCloseHandle)>(reinterpret_cast<void*>(Raw("WlanCloseHandle")));
    HANDLE handle = nullptr;
    DWORD version = 0;
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, open(2, nullptr, &version, &handle));
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, reg(handle, WLAN_NOTIFICATION_SOURCE_ACM, TRUE, CountAttemptFails, nullptr, nullptr, nullptr));
    struct Row {
        unsigned Fails;
        int SeenBySuppressingClient;  // the binding takes every one
    } rows[] = {{0, 0}, {3, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Fails);
        RawAttemptFails = 0;
        Control("attempt-fails " + std::to_string(row.Fails));
        const size_t before = m_log.Events().size();
        EXPECT_EQ(0u, Join({"Wireless", "Wireless"}));
        Fence();
        const std::vector<WlanEvent> events = m_log.Events();
        const std::vector<DWORD> codes = ConnectionCodes({events.begin() + static_cast<long>(before), events.end()});
        ASSERT_EQ(row.Fails + 2, codes.size());
        EXPECT_EQ(DWORD{wlan_notification_acm_connection_complete}, codes.back());
        EXPECT_EQ(row.SeenBySuppressingClient, RawAttemptFails.load());
    }
    close(handle, nullptr);
}

TEST_F(CDoubleTest, SchemaFaultsRefuseTheCallItself)
{
    struct Row {
        std::wstring Xml;
        DWORD Reason;
    } rows[] = {
        {ProfileXml(TestProfile("LabAdHoc", "LabAdHoc").AdHoc().NonBroadcastTrue()), 0x8000F},
        {ProfileXml({"HomeNet", "HomeNet", "WPAPSK", "TKIP", "pass\xC3\xA9phrase"}), 0x40016},
        {L"<WLANProfile><name>Broken</name>", 0x80001},
    };
    for (const Row& row : rows) {
        DWORD reason = 0;
        EXPECT_EQ(DWORD{ERROR_BAD_PROFILE}, m_api->SetProfile(m_card, 0, row.Xml, reason));
        EXPECT_EQ(row.Reason, reason);
        EXPECT_EQ(DWORD{ERROR_BAD_PROFILE},
                  m_api->Connect(m_card, {wlan_connection_mode_temporary_profile, row.Xml, dot11_BSS_type_any, 0}));
    }
    Fence();
    EXPECT_EQ(0u, m_log.Count(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_start));
    EXPECT_EQ(3u, JournalCount("WlanConnect temporary ? = 1206"));
}

TEST_F(CDoubleTest, TheConnectionIsQueriedOnlyWhileThereIsOne)
{
    std::vector<unsigned char> answer;
    EXPECT_EQ(DWORD{ERROR_INVALID_STATE}, m_api->QueryInterface(m_card, wlan_intf_opcode_current_connection, answer));
    Control("scene network add Office5 band=5 channel=36 security=wpa2-psk passphrase=office-pass-5");
    ASSERT_EQ(0u, Join({"Office5", "Office5", "WPA2PSK", "AES", "office-pass-5"}));

    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->QueryInterface(m_card, wlan_intf_opcode_current_connection, answer));
    ASSERT_EQ(sizeof(WLAN_CONNECTION_ATTRIBUTES), answer.size());
    WLAN_CONNECTION_ATTRIBUTES a;
    std::memcpy(&a, answer.data(), sizeof a);
    EXPECT_EQ(wlan_interface_state_connected, a.isState);
    EXPECT_EQ(std::wstring(L"Office5"), a.strProfileName);
    EXPECT_EQ(std::string("Office5"), std::string(reinterpret_cast<const char*>(a.wlanAssociationAttributes.dot11Ssid.ucSSID),
                                                  a.wlanAssociationAttributes.dot11Ssid.uSSIDLength));
    EXPECT_EQ(866700u, a.wlanAssociationAttributes.ulTxRate);
    EXPECT_EQ(DOT11_AUTH_ALGO_RSNA_PSK, a.wlanSecurityAttributes.dot11AuthAlgorithm);
    EXPECT_EQ(DOT11_CIPHER_ALGO_CCMP, a.wlanSecurityAttributes.dot11CipherAlgorithm);
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->QueryInterface(m_card, wlan_intf_opcode_channel_number, answer));
    ULONG channel = 0;
    std::memcpy(&channel, answer.data(), sizeof channel);
    EXPECT_EQ(36u, channel);

    // The software radio switched off through the binding ends the link; the hardware switch
    // stays as the scene has it.
    WLAN_PHY_RADIO_STATE off{};
    off.dot11SoftwareRadioState = dot11_radio_state_off;
    std::vector<unsigned char> bytes(sizeof off);
    std::memcpy(bytes.data(), &off, sizeof off);
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->SetInterface(m_card, wlan_intf_opcode_radio_state, bytes));
    ASSERT_TRUE(m_log.WaitForCode(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_disconnected));
    EXPECT_EQ(DWORD{ERROR_INVALID_STATE}, m_api->QueryInterface(m_card, wlan_intf_opcode_current_connection, answer));
    Control("scene radio off");
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->QueryInterface(m_card, wlan_intf_opcode_radio_state, answer));
    WLAN_RADIO_STATE radio;
    std::memcpy(&radio, answer.data(), sizeof radio);
    EXPECT_EQ(dot11_radio_state_off, radio.PhyRadioState[0].dot11SoftwareRadioState);
    EXPECT_EQ(dot11_radio_state_off, radio.PhyRadioState[0].dot11HardwareRadioState);
}

TEST_F(CDoubleTest, ALinkEndsWhenItsNetworkGoesOutOfRange)
{
    ASSERT_EQ(0u, Join({"Wireless", "Wireless"}));
    Control("scene network change Wireless rssi=-97");
    ASSERT_TRUE(m_log.WaitForCode(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_disconnected));
}

TEST_F(CDoubleTest, EveryNetworkOfTheDualBandScenarioJoinsWithTheSecurityItOffers)
{
    Control(std::string("scene load \"") + WLANDOUBLE_SCENARIOS_DIR + "dual-band.txt\"");
    const TestProfile rows[] = {
        {"Office5", "Office5", "WPA2PSK", "AES", "office five"},
        {"Studio-WPA3", "Studio-WPA3", "WPA3SAE", "AES", "studio sae key"},
        {"Loft", "Loft", "WPA2PSK", "AES", "loft passphrase"},
        {"Attic6", "Attic6", "WPA3SAE", "AES", "attic sae key"},
        TestProfile("Cellar", "Cellar", "WPA2PSK", "AES", "cellar key").NonBroadcastTrue(),
    };
    for (const TestProfile& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(0u, Join(row));
    }
}
