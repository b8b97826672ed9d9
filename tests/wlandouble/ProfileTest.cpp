// Stored profiles through the real binding (and the two calls it does not bind yet): a new
// profile goes to the top, one of the same name is overwritten in place, the XML comes back
// as stored, and positions and deletions keep the rest in order.
#include "DoubleFixture.h"

namespace {

std::vector<std::wstring> Names(IWlanApi& api, const GUID& iface)
{
    std::vector<WlanProfileEntry> profiles;
    EXPECT_EQ(DWORD{ERROR_SUCCESS}, api.GetProfileList(iface, profiles));
    std::vector<std::wstring> names;
    for (const WlanProfileEntry& p : profiles)
        names.push_back(p.Name);
    return names;
}

}  // namespace

TEST_F(CDoubleTest, ProfilesKeepTheirOrderAsWindowsKeepsIt)
{
    DWORD reason = 0;
    for (const char* name : {"First", "Second", "Third"})
        ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->SetProfile(m_card, WLAN_PROFILE_USER, ProfileXml({name, name}), reason));
    EXPECT_EQ((std::vector<std::wstring>{L"Third", L"Second", L"First"}), Names(*m_api, m_card));

    // Overwritten where it stands, and given back as stored (the key as it was written).
    const std::wstring changed = ProfileXml({"Second", "Second", "WPAPSK", "TKIP", "a new passphrase"});
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->SetProfile(m_card, 0, changed, reason));
    EXPECT_EQ((std::vector<std::wstring>{L"Third", L"Second", L"First"}), Names(*m_api, m_card));
    DWORD flags = 0;
    std::wstring xml;
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->GetProfile(m_card, L"Second", flags, xml));
    EXPECT_EQ(changed, xml);
    EXPECT_EQ(0u, flags);
    std::vector<WlanProfileEntry> profiles;
    m_api->GetProfileList(m_card, profiles);
    EXPECT_EQ(DWORD{WLAN_PROFILE_USER}, profiles[0].Flags);
    EXPECT_EQ(DWORD{ERROR_NOT_FOUND}, m_api->GetProfile(m_card, L"second", flags, xml));

    const auto position = reinterpret_cast<decltype(&WlanSetProfilePosition)>(reinterpret_cast<void*>(Raw("WlanSetProfilePosition")));
    const auto remove = reinterpret_cast<decltype(&WlanDeleteProfile)>(reinterpret_cast<void*>(Raw("WlanDeleteProfile")));
    const auto open = reinterpret_cast<decltype(&WlanOpenHandle)>(reinterpret_cast<void*>(Raw("WlanOpenHandle")));
    const auto close = reinterpret_cast<decltype(&WlanCloseHandle)>(reinterpret_cast<void*>(Raw("WlanCloseHandle")));
    ASSERT_TRUE(position && remove && open && close);
    HANDLE handle = nullptr;
    DWORD version = 0;
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, open(2, nullptr, &version, &handle));
    EXPECT_EQ(DWORD{ERROR_SUCCESS}, position(handle, &m_card, L"First", 0, nullptr));
    EXPECT_EQ((std::vector<std::wstring>{L"First", L"Third", L"Second"}), Names(*m_api, m_card));
    EXPECT_EQ(DWORD{ERROR_SUCCESS}, position(handle, &m_card, L"First", 2, nullptr));
    EXPECT_EQ((std::vector<std::wstring>{L"Third", L"Second", L"First"}), Names(*m_api, m_card));
    EXPECT_EQ(DWORD{ERROR_INVALID_PARAMETER}, position(handle, &m_card, L"First", 3, nullptr));
    EXPECT_EQ(DWORD{ERROR_SUCCESS}, remove(handle, &m_card, L"Third", nullptr));
    EXPECT_EQ(DWORD{ERROR_NOT_FOUND}, remove(handle, &m_card, L"Third", nullptr));
    EXPECT_EQ((std::vector<std::wstring>{L"Second", L"First"}), Names(*m_api, m_card));
    close(handle, nullptr);
    EXPECT_EQ(1u, JournalCount("WlanSetProfilePosition First 2"));
}

TEST_F(CDoubleTest, EapTlsJoinsOnlyWithItsStoredProfilesUserData)
{
    const TestProfile tls = TestProfile("Skylook CorpSecure", "CorpSecure", "WPA", "TKIP").OneXTrue();
    DWORD reason = 0;
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->SetProfile(m_card, WLAN_PROFILE_USER, ProfileXml(tls), reason));
    const WlanConnectRequest byName{wlan_connection_mode_profile, L"Skylook CorpSecure", dot11_BSS_type_infrastructure, 0};
    for (DWORD expected : {DWORD{0x2800E}, DWORD{0}}) {
        const size_t before = m_log.Count(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_complete);
        ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->Connect(m_card, byName));
        ASSERT_TRUE(m_log.WaitForCode(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_complete, before + 1));
        EXPECT_EQ(expected, ReasonOf(m_log.Events().back()));
        // The user data names the profile exactly as its <name> does.
        EXPECT_EQ(DWORD{ERROR_NOT_FOUND}, m_api->SetProfileEapUserData(m_card, L"Skylook Corpsecure", L"<x/>"));
        EXPECT_EQ(DWORD{ERROR_SUCCESS}, m_api->SetProfileEapUserData(m_card, L"Skylook CorpSecure", L"<x/>"));
    }
    EXPECT_EQ(2u, JournalCount("WlanConnect profile Skylook CorpSecure"));
}
