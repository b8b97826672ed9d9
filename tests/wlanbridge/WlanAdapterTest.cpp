// The bridge's adapter against a scripted Native Wifi: what it asks of the service for each
// library call, and what the program then reads back.
#include "EapProfileRecord.h"
#include "FakeWlanApi.h"
#include "WlanAdapter.h"
#include "WlanAnswers.h"

#include "Vexa5200.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

const GUID& First = FirstCard;
const GUID& Second = SecondCard;

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class WlanAdapterTest : public ::testing::Test {
protected:
    WlanAdapterTest() { ScriptTwoCardsAndTwoNetworks(api); }

    void Open(const GUID* preferred = nullptr)
    {
        ASSERT_EQ(0, adapter->Open(preferred));
        api.Calls.clear();
    }

    // The program's apply for WPA-PSK, as its PSK procedure sends it.
    void ApplyPsk(const char* ssid, const char* passphrase)
    {
        adapter->Scan();
        adapter->SetAuthMode(AuthWpaPsk);
        adapter->SetFswCcxNetworkEap(0);
        adapter->SetWpaInformation(WpaMethodPassphrase, passphrase);
        adapter->SetWepStatus(4);
        adapter->SetNetworkMode(NetworkInfrastructure);
        adapter->SetChannel(6);
        adapter->SetSsid(ssid, static_cast<unsigned long>(std::strlen(ssid)), TlsIdentity{});
    }

    std::string ConnectedProfile() const
    {
        return api.Connects.empty() ? std::string() : Narrow(api.Connects.back().Profile);
    }

    // The program's EAP-TLS apply up to the join, with Pat's certificate.
    TlsIdentity StageEapTls()
    {
        TlsIdentity tls;
        tls.Identity = "Pat";
        tls.Hash[0] = 0xAB;
        tls.Set = true;
        adapter->SetAuthMode(AuthWpa);
        adapter->SetWpaInformation(WpaMethodTls, "");
        return tls;
    }

    CFakeWlanApi api;
    std::unique_ptr<CWlanAdapter> adapter = std::make_unique<CWlanAdapter>(api);
};

}  // namespace

TEST_F(WlanAdapterTest, OpensTheStoredInterfaceElseTheFirst)
{
    ASSERT_EQ(0, adapter->Open(&Second));
    std::string description;
    adapter->Description(description);
    EXPECT_EQ("Second card", description);

    CFakeWlanApi other;
    other.Interfaces = api.Interfaces;
    CWlanAdapter fallback(other);
    const GUID unknown = {0x33333333, 3, 3, {3}};
    ASSERT_EQ(0, fallback.Open(&unknown));
    fallback.Description(description);
    EXPECT_EQ("First card", description);
}

TEST_F(WlanAdapterTest, WithoutAnInterfaceOpeningFailsAndAsksNothingMore)
{
    api.Interfaces.clear();
    EXPECT_NE(0, adapter->Open(nullptr));
    EXPECT_EQ((std::vector<std::string>{"Open", "EnumInterfaces", "Close"}), api.Calls);
}

TEST_F(WlanAdapterTest, SettingsAreStagedUntilSetSsidConnectsWithATemporaryProfile)
{
    Open();
    adapter->SetAuthMode(AuthOpen);
    adapter->SetWepStatus(WepDisabled);
    adapter->SetNetworkMode(NetworkInfrastructure);
    adapter->SetChannel(3);
    adapter->SetDataRate(255);
    EXPECT_EQ(0, api.CountOf("Connect temporary ESS"));
    EXPECT_TRUE(api.Calls.empty());

    EXPECT_EQ(0, adapter->SetSsid("Wireless", 8, TlsIdentity{}));
    ASSERT_EQ(1, api.CountOf("Connect temporary ESS"));
    EXPECT_TRUE(Has(ConnectedProfile(), "<authentication>open</authentication>"));
    EXPECT_TRUE(Has(ConnectedProfile(), "<hex>576972656C657373</hex>"));
    // Not in the service's list: the network may hide its name, so Windows must probe for it.
    EXPECT_TRUE(Has(ConnectedProfile(), "<nonBroadcast>true</nonBroadcast>"));
    adapter->Scan();  // the list before the scan names Home
    adapter->SetSsid("Home", 4, TlsIdentity{});
    EXPECT_FALSE(Has(ConnectedProfile(), "nonBroadcast"));
}

TEST_F(WlanAdapterTest, WepConnectsWithTheTransmitKeyAndItsIndex)
{
    Open();
    const unsigned char keys[4][5] = {{1, 1, 1, 1, 1}, {2, 2, 2, 2, 2}, {0xA3, 3, 3, 3, 3}, {4, 4, 4, 4, 4}};
    adapter->SetAuthMode(AuthShared);
    adapter->SetWepStatus(WepEnabled);
    for (unsigned long k = 1; k <= 4; ++k)
        adapter->SetWepKey(k, keys[k - 1], 5, k == 3);
    adapter->SetWepKey(3, keys[2], 5, 1);
    adapter->SetSsid("Lab", 3, TlsIdentity{});
    EXPECT_TRUE(Has(ConnectedProfile(), "<authentication>shared</authentication>"));
    EXPECT_TRUE(Has(ConnectedProfile(), "<keyMaterial>A303030303</keyMaterial>"));
    EXPECT_TRUE(Has(ConnectedProfile(), "<keyIndex>2</keyIndex>"));
}

TEST_F(WlanAdapterTest, WpaPskIsWpa2WithAesWhereTheBeaconOffersRsnAndWpaWithTkipElsewhere)
{
    Open();
    ApplyPsk("Home", "correct horse");
    EXPECT_TRUE(Has(ConnectedProfile(), "<authentication>WPA2PSK</authentication>"));
    EXPECT_TRUE(Has(ConnectedProfile(), "<encryption>AES</encryption>"));
    ApplyPsk("Old Router", "correct horse");
    EXPECT_TRUE(Has(ConnectedProfile(), "<authentication>WPAPSK</authentication>"));
    EXPECT_TRUE(Has(ConnectedProfile(), "<encryption>TKIP</encryption>"));
    EXPECT_TRUE(Has(ConnectedProfile(), "<keyMaterial>correct horse</keyMaterial>"));
}

TEST_F(WlanAdapterTest, EapTlsStoresAProfileForTheUserWithTheCertificateThenConnectsByName)
{
    Open();
    const TlsIdentity tls = StageEapTls();
    ASSERT_EQ(0, adapter->SetSsid("Home", 4, tls));

    std::vector<std::string> order;
    std::copy_if(api.Calls.begin(), api.Calls.end(), std::back_inserter(order), [](const std::string& c) {
        return c == "SetProfile" || c == "SetProfileEapUserData" || c.rfind("Connect", 0) == 0;
    });
    EXPECT_EQ((std::vector<std::string>{"SetProfile", "SetProfileEapUserData", "Connect profile ESS"}), order);
    EXPECT_EQ(DWORD{WLAN_PROFILE_USER}, api.StoredProfileFlags.at(0));
    EXPECT_TRUE(Has(Narrow(api.StoredProfiles.at(0)), "<useOneX>true</useOneX>"));
    EXPECT_TRUE(Has(Narrow(api.EapUserData.at(0)), "<eapTls:UserCert>AB00"));
    EXPECT_EQ(L"Skylook Home", api.Connects.at(0).Profile);

    // Without a certificate there is nothing to authenticate with: nothing is stored or joined.
    api.Calls.clear();
    EXPECT_NE(0, adapter->SetSsid("Home", 4, TlsIdentity{}));
    EXPECT_EQ(0, api.CountOf("SetProfile"));
    EXPECT_EQ(0, api.CountOf("Connect profile ESS"));
}

TEST_F(WlanAdapterTest, ConnectingThenFailedGivesTheProgramsStates)
{
    Open();
    adapter->SetSsid("Home", 4, TlsIdentity{});
    std::string ssid;
    EXPECT_FALSE(adapter->Associated());
    EXPECT_EQ(0, adapter->Ssid(ssid));
    EXPECT_EQ("Home", ssid);  // a card names the network it joins

    api.Notify(First, wlan_notification_acm_connection_start, ConnectionNotice("Home"));
    api.Notify(First, wlan_notification_acm_connection_attempt_fail, ConnectionNotice("Home", 0x00028002));
    EXPECT_FALSE(adapter->Associated());
    adapter->Ssid(ssid);
    EXPECT_EQ("Home", ssid) << "a failed attempt is not the end of the join";
    unsigned char bssid[6];
    EXPECT_NE(0, adapter->Bssid(bssid));

    api.Queries[wlan_intf_opcode_current_connection] = {ERROR_SUCCESS,
        ConnectionOf(wlan_interface_state_connected, "Home", HomeMac, 90, 54000)};
    api.Notify(First, wlan_notification_acm_connection_complete, ConnectionNotice("Home"));
    EXPECT_TRUE(adapter->Associated());
    adapter->Ssid(ssid);
    EXPECT_EQ("Home", ssid);
    unsigned long channel = 0, speed = 0;
    adapter->Channel(channel);
    EXPECT_EQ(6u, channel);  // from the BSS entry's centre frequency
    ASSERT_EQ(0, adapter->LinkSpeed(speed));
    EXPECT_EQ(540000u, speed);

    api.Notify(Second, wlan_notification_acm_disconnected);
    EXPECT_TRUE(adapter->Associated());  // another card's news
    api.Notify(First, wlan_notification_acm_disconnected);
    EXPECT_FALSE(adapter->Associated());
}

TEST_F(WlanAdapterTest, RadioOffAndOnSetsTheSoftwareStateOfEachPhyAndReadsTheSwitch)
{
    Open();
    api.Queries[wlan_intf_opcode_radio_state].Bytes =
        RadioOf({{dot11_radio_state_on, dot11_radio_state_on}, {dot11_radio_state_on, dot11_radio_state_on}});
    EXPECT_EQ(0, adapter->SetRadio(0));
    ASSERT_EQ(2u, api.RadioSets.size());
    for (const WLAN_PHY_RADIO_STATE& set : api.RadioSets)
        EXPECT_EQ(dot11_radio_state_off, set.dot11SoftwareRadioState);
    EXPECT_EQ(1u, api.RadioSets[0].dwPhyIndex);
    EXPECT_EQ(2u, api.RadioSets[1].dwPhyIndex);

    api.Queries[wlan_intf_opcode_radio_state].Bytes =
        RadioOf({{dot11_radio_state_off, dot11_radio_state_on}, {dot11_radio_state_off, dot11_radio_state_on}});
    unsigned long on = 1;
    adapter->RadioOn(on);
    EXPECT_EQ(0u, on);
    EXPECT_NE(0, adapter->Scan());
    EXPECT_EQ(0, api.CountOf("Scan"));  // a card with its radio off does not scan

    EXPECT_EQ(0, adapter->SetRadio(1));
    EXPECT_EQ(dot11_radio_state_on, api.RadioSets.back().dot11SoftwareRadioState);
    EXPECT_NE(0, adapter->SetRadio(2));

    // The switch is read, never set: with it off the radio reads off whatever software says.
    api.Queries[wlan_intf_opcode_radio_state].Bytes = RadioOf({{dot11_radio_state_on, dot11_radio_state_off}});
    adapter->RadioOn(on);
    EXPECT_EQ(0u, on);
    unsigned long status = 1;
    EXPECT_EQ(0, adapter->HardwareStatus(status));
    EXPECT_EQ(0u, status);
}

TEST_F(WlanAdapterTest, WhileAScanRunsTheScanListIsThePreviousOne)
{
    Open();
    std::vector<unsigned char> answer(0x6000);
    ASSERT_EQ(0, adapter->ScanList(answer.data(), 0x6000));
    ASSERT_EQ(0, adapter->Scan());
    api.Calls.clear();
    api.BssList.Bytes = BssListOf({});
    ASSERT_EQ(0, adapter->ScanList(answer.data(), 0x6000));
    EXPECT_EQ(0, api.CountOf("GetNetworkBssList"));
    EXPECT_EQ(2, static_cast<int>(answer[0]));

    api.Notify(First, wlan_notification_acm_scan_complete);
    ASSERT_EQ(0, adapter->ScanList(answer.data(), 0x6000));
    EXPECT_EQ(1, api.CountOf("GetNetworkBssList"));
    EXPECT_EQ(0, static_cast<int>(answer[0]));
}

TEST_F(WlanAdapterTest, AQueryWindowsRefusesForLackOfLocationAccessSaysSo)
{
    api.Interfaces[0].State = wlan_interface_state_connected;
    Open();
    api.Queries[wlan_intf_opcode_current_connection] = {ERROR_ACCESS_DENIED, {}};
    api.BssList.Result = ERROR_ACCESS_DENIED;
    api.ScanResult = ERROR_ACCESS_DENIED;
    std::string ssid;
    EXPECT_EQ(VEXA5200_ERROR_LOCATION_DENIED, adapter->Ssid(ssid));
    std::vector<unsigned char> answer(0x6000);
    EXPECT_EQ(VEXA5200_ERROR_LOCATION_DENIED, adapter->ScanList(answer.data(), 0x6000));
    EXPECT_EQ(VEXA5200_ERROR_LOCATION_DENIED, adapter->Scan());
    unsigned long radio = 0;
    EXPECT_EQ(0, adapter->RadioOn(radio));  // the card itself stays usable
}

TEST_F(WlanAdapterTest, ARemovedInterfaceIsAMissingCardAndAJoinWindowsRefusesFails)
{
    Open();
    adapter->SetNetworkMode(NetworkAdHoc);
    api.ConnectResult = ERROR_NOT_SUPPORTED;  // ad-hoc on Windows 8.1 and later
    EXPECT_NE(0, adapter->SetSsid("Party", 5, TlsIdentity{}));
    EXPECT_EQ(1, api.CountOf("Connect temporary IBSS"));
    std::string ssid;
    adapter->Ssid(ssid);
    EXPECT_EQ("", ssid);

    std::string path;
    EXPECT_EQ(0, adapter->RegistryPath(path));
    api.Notify(First, wlan_notification_acm_interface_removal);
    EXPECT_NE(0, adapter->RegistryPath(path));
    unsigned long on = 0;
    EXPECT_NE(0, adapter->RadioOn(on));
}

TEST_F(WlanAdapterTest, WhatNativeWifiCannotSetIsReadBackAsSet)
{
    Open();
    unsigned long value = 0;
    EXPECT_EQ(0, adapter->SetChannel(11));
    EXPECT_NE(0, adapter->SetChannel(15));
    adapter->Channel(value);
    EXPECT_EQ(11u, value);
    adapter->SetNetworkMode(NetworkAdHoc);
    adapter->NetworkMode(value);
    EXPECT_EQ(0u, value);
    EXPECT_TRUE(api.Calls.empty());
}

TEST_F(WlanAdapterTest, AScanWhoseEndNoNotificationTellsEndsAfterFourSeconds)
{
    ULONGLONG now = 0;
    CFakeWlanApi flushing;
    ScriptTwoCardsAndTwoNetworks(flushing);
    const Bytes heard = flushing.BssList.Bytes;
    // The service's list is flushed when the scan starts, and filled again two seconds on.
    CWlanAdapter scanning(flushing, [&] {
        now += 500;
        flushing.BssList.Bytes = now >= 2000 ? heard : BssListOf({});
        return now;
    });
    ASSERT_EQ(0, scanning.Open(nullptr));
    ASSERT_EQ(0, scanning.Scan());
    // A first reader has no list from before: it waits for the scan, not for the flushed list.
    std::vector<unsigned char> answer(0x6000);
    ASSERT_EQ(0, scanning.ScanList(answer.data(), 0x6000));
    EXPECT_EQ(2, static_cast<int>(answer[0]));
    EXPECT_GE(now, ULONGLONG{ScanTimeoutMs});

    // A reader who had a list keeps it while the next scan runs, and no longer than 4 s.
    ASSERT_EQ(0, scanning.Scan());
    flushing.BssList.Bytes = BssListOf({});
    flushing.Calls.clear();
    ASSERT_EQ(0, scanning.ScanList(answer.data(), 0x6000));
    EXPECT_EQ(0, flushing.CountOf("GetNetworkBssList"));
    now += ScanTimeoutMs;
    ASSERT_EQ(0, scanning.ScanList(answer.data(), 0x6000));
    EXPECT_EQ(1, flushing.CountOf("GetNetworkBssList"));
}

TEST_F(WlanAdapterTest, EapTlsProfileIsStoredOnceBelowTheUsersOwnUnderOneNameAndGoesWhenUnused)
{
    RememberEapProfile(L"");
    api.Profiles = {{L"Home", "<WLANProfile><name>Home</name></WLANProfile>"}};
    Open();
    const TlsIdentity tls = StageEapTls();
    // A UTF-8 name with a control byte: the profile, its user data and the connect agree.
    const std::string ssid = "Caf\xC3\xA9\x01";
    const std::wstring name = L"Skylook Caf\u00E9?";
    ASSERT_EQ(0, adapter->SetSsid(ssid.c_str(), static_cast<unsigned long>(ssid.size()), tls));
    ASSERT_EQ(2u, api.Profiles.size());
    EXPECT_EQ(L"Home", api.Profiles[0].Name) << "the user's own profile stays first";
    EXPECT_EQ(name, api.Profiles[1].Name);
    EXPECT_EQ(0u, api.EapUserData.at(0).rfind(name + L"|", 0));
    EXPECT_EQ(name, api.Connects.back().Profile);

    // What the user set in Windows for it (the server to trust) is not written over.
    api.Profiles[1].Xml += "<!-- the user's server -->";
    api.Calls.clear();
    ASSERT_EQ(0, adapter->SetSsid(ssid.c_str(), static_cast<unsigned long>(ssid.size()), tls));
    EXPECT_EQ(0, api.CountOf("SetProfile"));
    EXPECT_EQ(0, api.CountOf("SetProfileEapUserData"));
    EXPECT_EQ(1, api.CountOf("Connect profile ESS"));

    // A join with a passphrase: no Skylook setting uses the profile any more.
    ApplyPsk("Home", "correct horse");
    ASSERT_EQ(1u, api.Profiles.size());
    EXPECT_EQ(L"Home", api.Profiles[0].Name);
    EXPECT_EQ(L"", RememberedEapProfile());
}

TEST_F(WlanAdapterTest, RefusalsOfJoinsAreThePermissionsAndSayWhatTheUserCanDo)
{
    Open();
    api.ConnectResult = ERROR_ACCESS_DENIED;  // a plain permission, not the location
    EXPECT_EQ(1, adapter->SetSsid("Home", 4, TlsIdentity{}));

    api.ConnectResult = ERROR_SUCCESS;
    BssEntry wpa3{"Studio", {2, 0, 0, 0, 0, 9}, 5180000, -50, true, false, RsnElementOffering({8})};
    api.BssList.Bytes = BssListOf({wpa3});
    api.Calls.clear();
    ApplyPsk("Studio", "correct horse");
    EXPECT_EQ(0, api.CountOf("Connect temporary ESS"));
    std::string ssid;
    EXPECT_EQ(VEXA5200_ERROR_NEEDS_WINDOWS_SETTINGS, adapter->Ssid(ssid));
    adapter->SetSsid("Home", 4, TlsIdentity{});
    EXPECT_EQ(0, adapter->Ssid(ssid)) << "until the next join";
}

TEST_F(WlanAdapterTest, ALostLinkIsJoinedAgainWhenHeardButNeverOverAnotherNetworkWindowsJoined)
{
    ULONGLONG now = 0;
    CFakeWlanApi wlan;
    ScriptTwoCardsAndTwoNetworks(wlan);
    CWlanAdapter seeking(wlan, [&] { return now; });
    ASSERT_EQ(0, seeking.Open(nullptr));
    seeking.Scan();
    ASSERT_EQ(0, seeking.SetSsid("Home", 4, TlsIdentity{}));
    wlan.Notify(FirstCard, wlan_notification_acm_connection_complete, ConnectionNotice("Home"));
    wlan.Notify(FirstCard, wlan_notification_acm_disconnected, ConnectionNotice("Home"));
    wlan.Calls.clear();

    // Not heard: no join; heard again, some seconds on: the same join once more.
    wlan.BssList.Bytes = BssListOf({});
    now += 6000;
    EXPECT_FALSE(seeking.ConnectionHolds());
    EXPECT_EQ(0, wlan.CountOf("Connect temporary ESS"));
    ScriptTwoCardsAndTwoNetworks(wlan);
    EXPECT_FALSE(seeking.ConnectionHolds());
    EXPECT_EQ(0, wlan.CountOf("Connect temporary ESS")) << "at most every few seconds";
    now += 6000;
    EXPECT_FALSE(seeking.ConnectionHolds());
    EXPECT_EQ(1, wlan.CountOf("Connect temporary ESS"));

    // Windows joined another network meanwhile: the card is no longer after Home.
    wlan.Queries[wlan_intf_opcode_current_connection] = {
        ERROR_SUCCESS, ConnectionOf(wlan_interface_state_connected, "Old Router", HomeMac, 60, 54000)};
    wlan.Notify(FirstCard, wlan_notification_acm_connection_complete, ConnectionNotice("Old Router"));
    EXPECT_TRUE(seeking.ConnectionHolds());
    wlan.Notify(FirstCard, wlan_notification_acm_disconnected, ConnectionNotice("Old Router"));
    now += 6000;
    EXPECT_FALSE(seeking.ConnectionHolds());
    EXPECT_EQ(1, wlan.CountOf("Connect temporary ESS"));
}
