// Refusals: without location consent (Windows 11 24H2) the location-counted calls and MSM
// registration; for a standard user or a denying policy, profile writes and the calls that
// change the interface. Each refusal is access denied, and the call does nothing.
#include "DoubleFixture.h"

TEST_F(CDoubleTest, WithoutLocationConsentTheLocationCountedCallsAreRefused)
{
    Control("location off");
    std::vector<unsigned char> answer;
    EXPECT_EQ(DWORD{ERROR_ACCESS_DENIED}, m_api->Scan(m_card));
    EXPECT_EQ(DWORD{ERROR_ACCESS_DENIED}, m_api->GetNetworkBssList(m_card, answer));
    EXPECT_EQ(DWORD{ERROR_ACCESS_DENIED}, m_api->QueryInterface(m_card, wlan_intf_opcode_current_connection, answer));
    EXPECT_EQ(DWORD{ERROR_SUCCESS}, m_api->QueryInterface(m_card, wlan_intf_opcode_interface_state, answer));
    // The binding registers for ACM alone, which needs no consent; a client asking for MSM too
    // is refused.
    EXPECT_EQ(DWORD{ERROR_SUCCESS}, m_api->RegisterNotifications(&m_log));
    HANDLE handle = nullptr;
    DWORD version = 0;
    const auto open = reinterpret_cast<decltype(&WlanOpenHandle)>(reinterpret_cast<void*>(Raw("WlanOpenHandle")));
    const auto reg = reinterpret_cast<decltype(&WlanRegisterNotification)>(reinterpret_cast<void*>(Raw("WlanRegisterNotification")));
    const auto close = reinterpret_cast<decltype(&WlanCloseHandle)>(reinterpret_cast<void*>(Raw("WlanCloseHandle")));
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, open(2, nullptr, &version, &handle));
    const auto ignore = [](PWLAN_NOTIFICATION_DATA, PVOID) {};
    EXPECT_EQ(DWORD{ERROR_ACCESS_DENIED}, reg(handle, WLAN_NOTIFICATION_SOURCE_ACM | WLAN_NOTIFICATION_SOURCE_MSM, TRUE,
                                              ignore, nullptr, nullptr, nullptr));
    close(handle, nullptr);
    // No scan started: a scan that had started would have flushed and refilled nothing, so
    // the journal is the proof.
    EXPECT_EQ(1u, JournalCount("WlanScan = 5"));
    EXPECT_EQ(0u, JournalCount("WlanScan"));
    EXPECT_EQ(1u, JournalCount("WlanRegisterNotification acm+msm = 5"));
}

TEST_F(CDoubleTest, PermissionRefusalsAreAccessDeniedAndChangeNothing)
{
    ASSERT_EQ(0u, Join({"Wireless", "Wireless"}));
    const std::wstring xml = ProfileXml(TestProfile("HomeNet", "HomeNet", "WPAPSK", "TKIP", "my passphrase").Auto());
    WLAN_PHY_RADIO_STATE off{};
    off.dot11SoftwareRadioState = dot11_radio_state_off;
    std::vector<unsigned char> radio(reinterpret_cast<unsigned char*>(&off),
                                     reinterpret_cast<unsigned char*>(&off) + sizeof off);
    struct Row {
        const char* Switch;
        std::function<DWORD()> Call;
    } rows[] = {
        {"user standard", [&] { DWORD r; return m_api->SetProfile(m_card, 0, xml, r); }},
        {"refuse profile-writes on", [&] { DWORD r; return m_api->SetProfile(m_card, WLAN_PROFILE_USER, xml, r); }},
        {"refuse connect on",
         [&] { return m_api->Connect(m_card, {wlan_connection_mode_temporary_profile, xml, dot11_BSS_type_any, 0}); }},
        {"refuse disconnect on", [&] { return m_api->Disconnect(m_card); }},
        {"refuse set-interface on", [&] { return m_api->SetInterface(m_card, wlan_intf_opcode_radio_state, radio); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Switch);
        Control("reset");
        Control("join-delay 0");
        Control("auto-connect off");
        ASSERT_EQ(0u, Join({"Wireless", "Wireless"}));
        Control(row.Switch);
        EXPECT_EQ(DWORD{ERROR_ACCESS_DENIED}, row.Call());
        std::vector<WlanProfileEntry> profiles;
        EXPECT_EQ(DWORD{ERROR_SUCCESS}, m_api->GetProfileList(m_card, profiles));
        EXPECT_TRUE(profiles.empty());
        std::vector<unsigned char> answer;
        EXPECT_EQ(DWORD{ERROR_SUCCESS}, m_api->QueryInterface(m_card, wlan_intf_opcode_current_connection, answer));
    }
    // A standard user still stores a profile of the user's own.
    Control("refuse set-interface off");
    Control("user standard");
    DWORD reason = 0;
    EXPECT_EQ(DWORD{ERROR_SUCCESS}, m_api->SetProfile(m_card, WLAN_PROFILE_USER, xml, reason));
}
