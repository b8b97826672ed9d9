// What Windows does by itself: connects to a stored profile after the program let the card
// go idle, holds a link made before any client opened a handle, and lists cards that come
// and go. And the handle's end: no callback after WlanCloseHandle returned.
#include "DoubleFixture.h"

#include <algorithm>
#include <atomic>
#include <cstring>

TEST_F(CDoubleTest, WindowsConnectsToTheFirstSuitableAutoProfileWhenTheCardGoesIdle)
{
    DWORD reason = 0;
    const TestProfile manual{"Manual", "Wireless"};
    const TestProfile unsuitable = TestProfile("Office", "HomeNet", "WPA2PSK", "AES", "my passphrase").Auto();
    const TestProfile home = TestProfile("Home", "HomeNet", "WPAPSK", "TKIP", "my passphrase").Auto();
    for (const TestProfile& p : {home, unsuitable, manual})
        ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->SetProfile(m_card, WLAN_PROFILE_USER, ProfileXml(p), reason));
    struct Row {
        const char* Switch;
        std::function<void()> GoIdle;
        bool Connects;
    } rows[] = {
        {"auto-connect off", [&] { m_api->Disconnect(m_card); }, false},
        {"auto-connect on", [&] { m_api->Disconnect(m_card); }, true},
        {"auto-connect on", [&] { Join({"Wireless", "Wireless", "WPAPSK", "TKIP", "wrong key!"}); }, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Switch);
        Control("auto-connect off");
        ASSERT_EQ(0u, Join({"Wireless", "Wireless"}));
        Control("auto-connect-delay 0");
        Control(row.Switch);
        Control("journal --clear");
        const size_t before = m_log.Count(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_start);
        const size_t firstEvent = m_log.Events().size();
        row.GoIdle();
        Fence();
        EXPECT_EQ(row.Connects ? 1u : 0u, JournalCount("Windows connects Home"));
        if (!row.Connects) {
            EXPECT_EQ(before, m_log.Count(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_start));
            continue;
        }
        // Windows' own join tells its profile's name, and ends well.
        WLAN_CONNECTION_NOTIFICATION_DATA data{};
        ASSERT_TRUE(m_log.WaitFor([&](const std::vector<WlanEvent>& events) {
            for (size_t i = firstEvent; i < events.size(); ++i) {
                const WlanEvent& e = events[i];
                if (e.Source != WLAN_NOTIFICATION_SOURCE_ACM || e.Code != wlan_notification_acm_connection_complete)
                    continue;
                std::memcpy(&data, e.Data.data(), std::min(sizeof data, e.Data.size()));
                if (std::wstring(L"Home") == data.strProfileName)
                    return true;
            }
            return false;
        }));
        EXPECT_EQ(0u, data.wlanReasonCode);
    }
}

TEST_F(CDoubleTest, ALinkMadeBeforeTheHandleIsThereWhenTheClientOpensOne)
{
    DWORD reason = 0;
    const TestProfile home("Home", "HomeNet", "WPAPSK", "TKIP", "my passphrase");
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->SetProfile(m_card, WLAN_PROFILE_USER, ProfileXml(home), reason));
    m_api->Close();
    Control("connect Home");
    m_api = CreateSystemWlanApi();
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->Open());
    std::vector<WlanInterfaceInfo> interfaces;
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->EnumInterfaces(interfaces));
    ASSERT_EQ(1u, interfaces.size());
    EXPECT_EQ(DWORD{wlan_interface_state_connected}, interfaces[0].State);
    std::vector<unsigned char> answer;
    EXPECT_EQ(DWORD{ERROR_SUCCESS}, m_api->QueryInterface(m_card, wlan_intf_opcode_current_connection, answer));
    EXPECT_EQ(0u, JournalCount("WlanConnect profile Home"));
}

TEST_F(CDoubleTest, CardsComeAndGoWithTheirOwnLinks)
{
    Control("interface second add");
    std::vector<WlanInterfaceInfo> interfaces;
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->EnumInterfaces(interfaces));
    ASSERT_EQ(2u, interfaces.size());
    const GUID second = interfaces[1].Guid;
    ASSERT_EQ(0u, Join({"Wireless", "Wireless"}));
    std::vector<unsigned char> answer;
    EXPECT_EQ(DWORD{ERROR_INVALID_STATE}, m_api->QueryInterface(second, wlan_intf_opcode_current_connection, answer));
    EXPECT_EQ(1u, JournalCount("WlanQueryInterface current_connection @2 = 5023"));

    Control("scene card remove");
    ASSERT_TRUE(m_log.WaitForCode(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_interface_removal));
    EXPECT_EQ(1u, m_log.Count(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_disconnected));
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->EnumInterfaces(interfaces));
    ASSERT_EQ(1u, interfaces.size());
    EXPECT_TRUE(IsEqualGUID(second, interfaces[0].Guid));
    EXPECT_EQ(DWORD{ERROR_NOT_FOUND}, m_api->Scan(m_card));
    Control("scene card insert");
    ASSERT_TRUE(m_log.WaitForCode(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_interface_arrival, 2));
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->EnumInterfaces(interfaces));
    EXPECT_EQ(2u, interfaces.size());
}

namespace {

// A callback that takes its time, and notes whether one ran after the handle was closed.
class CSlowSink final : public IWlanEventSink {
public:
    void OnWlanEvent(const WlanEvent&) override
    {
        m_running = true;
        m_entered.store(true);
        Sleep(200);
        m_afterClose.store(m_afterClose.load() || m_closed.load());
        m_running = false;
    }
    std::atomic<bool> m_entered{false}, m_closed{false}, m_afterClose{false}, m_running{false};
};

}  // namespace

TEST_F(CDoubleTest, ClosingWaitsForARunningCallbackAndNoneComesAfter)
{
    CSlowSink sink;
    std::unique_ptr<IWlanApi> api = CreateSystemWlanApi();
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, api->Open());
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, api->RegisterNotifications(&sink));
    Control("interface second add");
    Control("interface second remove");
    while (!sink.m_entered.load())
        Sleep(5);
    api->Close();
    EXPECT_FALSE(sink.m_running.load());
    sink.m_closed.store(true);
    Fence();
    EXPECT_FALSE(sink.m_afterClose.load());
}
