// import-windows-profiles against a fake Native Wifi: the connected network becomes the
// default settings only while none are stored, the others become Skylook profiles under names
// the store takes, and no Skylook profile is ever overwritten.
#include "CtlRun.h"
#include "FakeWlanApi.h"
#include "MachineRegistry.h"
#include "SampleRecords.h"
#include "WlanAnswers.h"
#include "WlanProfileXml.h"

#include "ctl/SkylookCtl.h"
#include "ctl/WindowsProfileImport.h"
#include "settings/DefaultSettings.h"
#include "settings/NotStoredText.h"
#include "settings/ProfileSelection.h"
#include "settings/ProfileStore.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace {

const std::string DefaultKey = std::string(SettingsRoot) + "\\DEFAULT";
const std::string ProfileRoot = std::string(SettingsRoot) + "\\PROFILE";

// Native Wifi with one card, connected through the profile of that name (none: not connected).
CFakeWlanApi OneCard(const wchar_t* connectedProfile = nullptr)
{
    CFakeWlanApi wlan;
    wlan.Interfaces = {{GUID{0x1234, 1, 2, {3}}, L"Test card", wlan_interface_state_connected}};
    WLAN_CONNECTION_ATTRIBUTES attributes;
    std::memset(&attributes, 0, sizeof attributes);
    attributes.isState = connectedProfile ? wlan_interface_state_connected : wlan_interface_state_disconnected;
    if (connectedProfile)
        wcsncpy(attributes.strProfileName, connectedProfile, 255);
    wlan.Queries[wlan_intf_opcode_current_connection] = {ERROR_SUCCESS, BytesOf(attributes)};
    return wlan;
}

CtlResult Import(CFakeWlanApi& wlan, bool onlyWithoutDefaults = false, const GUID* preferred = nullptr)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = ImportWindowsProfiles(wlan, preferred, onlyWithoutDefaults, out, err);
    return {status, out.str(), err.str()};
}

std::string StoredNetwork(const char* profile)
{
    AdapterSettings settings;
    std::memset(&settings, 0, sizeof settings);
    if (!LoadProfile(profile, settings))
        return "(no profile)";
    return settings.DesiredSSID;
}

bool Says(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class WindowsImport : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, VexaSimReset());
        DeleteKeyTree(SettingsRoot);
    }
    void TearDown() override { VexaSimClearFailures(); }
};

TEST_F(WindowsImport, TheConnectedNetworkBecomesTheDefaultSettingsOnlyWhileNoneAreStored)
{
    CFakeWlanApi wlan = OneCard(L"Home");
    wlan.Profiles = {{L"Office", OpenWlanProfile("Office", "OfficeNet")},
                     {L"Home", PskWlanProfile("Home", "HomeNet", "my &amp; passphrase")},
                     {L"Corp", WlanProfile(AuthEncryption("WPA2", "AES", "true"), "<name>CorpNet</name>", "", "ESS",
                                           "Corp")}};
    CtlResult result = Import(wlan);
    EXPECT_EQ(ExitOk, result.Status) << result.Err;
    const AdapterSettings defaults = StoredDefaultSettings();
    EXPECT_STREQ("HomeNet", defaults.DesiredSSID);
    EXPECT_EQ(AuthModeWpaPsk, defaults.AuthMode);
    EXPECT_STREQ("my & passphrase", defaults.PskPassphrase);
    EXPECT_FALSE(ProfileExists("Home")) << "the defaults' network is not a profile too";
    EXPECT_EQ("OfficeNet", StoredNetwork("Office"));
    EXPECT_FALSE(ProfileExists("Corp"));
    EXPECT_TRUE(Says(result.Out, "Default settings: \"Home\"")) << result.Out;
    EXPECT_TRUE(Says(result.Out, "Skipped \"Corp\": it signs in through 802.1X")) << result.Out;
    EXPECT_TRUE(Says(result.Out, "1 profile of 3 imported.")) << result.Out;
    EXPECT_EQ(std::vector<DWORD>(3, WlanProfileGetPlaintextKey), wlan.ProfileRequestFlags) << "keys asked in plain text";
    // Reading only, and the handle closed again.
    EXPECT_EQ((std::vector<std::string>{"Open", "EnumInterfaces", "QueryInterface current_connection", "GetProfileList",
                                        "GetProfile", "GetProfile", "GetProfile", "Close"}),
              wlan.Calls);

    // Connected elsewhere later: the stored defaults stay, and the first network becomes a
    // profile like the others.
    wlan.Queries = OneCard(L"Office").Queries;
    const RegistrySnapshot storedDefaults = SnapshotKey(DefaultKey);
    result = Import(wlan);
    EXPECT_EQ(ExitOk, result.Status) << result.Err;
    EXPECT_EQ(storedDefaults, SnapshotKey(DefaultKey));
    EXPECT_EQ("HomeNet", StoredNetwork("Home"));
    EXPECT_TRUE(Says(result.Out, "\"Office\" is stored already as Skylook profile \"Office\".")) << result.Out;

    // The setup program's run changes nothing once defaults are stored, and asks Windows nothing.
    const RegistrySnapshot everything = SnapshotKey(SettingsRoot);
    wlan.Calls.clear();
    result = Import(wlan, true);
    EXPECT_EQ(ExitOk, result.Status);
    EXPECT_EQ(everything, SnapshotKey(SettingsRoot));
    EXPECT_TRUE(wlan.Calls.empty());
}

TEST_F(WindowsImport, AProfileOfATakenNameIsNumberedAndNoSkylookProfileIsOverwritten)
{
    ASSERT_TRUE(SaveProfile("Cafe", OpenRecord("Elsewhere")));
    ASSERT_TRUE(SaveDefaultSettings(OpenRecord("Mine")));
    const RegistrySnapshot own = SnapshotKey(ProfileRoot + "\\Cafe");
    CFakeWlanApi wlan = OneCard();
    wlan.Profiles = {{L"Cafe", OpenWlanProfile("Cafe", "CafeNet")},
                     {L"CAFE", PskWlanProfile("CAFE", "CafeNet", "upstairs key")},
                     {L"Back\\slash", OpenWlanProfile("Back\\slash", "Slashed")}};
    CtlResult result = Import(wlan);
    EXPECT_EQ(ExitOk, result.Status) << result.Err;
    EXPECT_EQ(own, SnapshotKey(ProfileRoot + "\\Cafe"));
    EXPECT_EQ("CafeNet", StoredNetwork("Cafe (2)"));
    EXPECT_TRUE(Says(result.Out, "Stored \"Cafe\" as Skylook profile \"Cafe (2)\": a different Skylook profile "
                                 "\"Cafe\" exists.")) << result.Out;
    AdapterSettings upstairs;
    std::memset(&upstairs, 0, sizeof upstairs);
    ASSERT_TRUE(LoadProfile("CAFE (3)", upstairs)) << result.Out;
    EXPECT_STREQ("upstairs key", upstairs.PskPassphrase);
    EXPECT_EQ("Slashed", StoredNetwork("Back_slash"));

    // Run again: every network is found where the first run put it.
    const RegistrySnapshot imported = SnapshotKey(SettingsRoot);
    result = Import(wlan);
    EXPECT_EQ(ExitOk, result.Status);
    EXPECT_EQ(imported, SnapshotKey(SettingsRoot));
    EXPECT_TRUE(Says(result.Out, "\"CAFE\" is stored already as Skylook profile \"CAFE (3)\".")) << result.Out;
    EXPECT_TRUE(Says(result.Out, "0 profiles of 3 imported.")) << result.Out;
}

// With two cards, the one the Windows Wi-Fi library is told to use is the one read, though
// another comes first; without that choice the first card is, as the library opens it, though
// only another one is connected.
TEST_F(WindowsImport, TheCardTheLibraryUsesIsTheOneRead)
{
    const GUID first{0x1111, 1, 2, {3}};
    const GUID chosen{0x2222, 1, 2, {3}};
    CFakeWlanApi wlan = OneCard(L"Home");
    wlan.Interfaces = {{first, L"First card", wlan_interface_state_disconnected},
                       {chosen, L"Chosen card", wlan_interface_state_connected}};
    wlan.Unconnected = {first};
    wlan.Profiles = {{L"Home", OpenWlanProfile("Home", "HomeNet")}};
    EXPECT_EQ(ExitOk, Import(wlan, false, &chosen).Status);
    EXPECT_EQ(ExitOk, Import(wlan).Status);
    ASSERT_EQ(2u, wlan.ProfileListInterfaces.size());
    EXPECT_TRUE(IsEqualGUID(chosen, wlan.ProfileListInterfaces[0]));
    EXPECT_TRUE(IsEqualGUID(first, wlan.ProfileListInterfaces[1]));
}

TEST(WindowsProfileName, AWindowsNameBecomesOneTheStoreTakesAndANumberKeepsItWithinTheLimit)
{
    const struct {
        std::wstring Windows;
        const char* Stored;
    } names[] = {
        {L"Home", "Home"},
        {L"a\\b\\c", "a_b_c"},
        {L"tab\there\x7F", "tab_here_"},
        {L"", "Windows profile"},
        {L"0123456789012345678901234567890123456789", "01234567890123456789012345678901"},
    };
    for (const auto& name : names)
        EXPECT_EQ(name.Stored, StorableNameFor(name.Windows));
    EXPECT_EQ("Home", NumberedName("Home", 1));
    EXPECT_EQ("Home (2)", NumberedName("Home", 2));
    EXPECT_EQ("012345678901234567890123456 (12)", NumberedName("01234567890123456789012345678901", 12));
}

TEST_F(WindowsImport, WhatCannotBeDoneIsToldWithWhatToDo)
{
    {
        SCOPED_TRACE("no wireless card");
        CFakeWlanApi wlan = OneCard();
        wlan.Interfaces.clear();
        const CtlResult result = Import(wlan);
        EXPECT_EQ(ExitNoCard, result.Status);
        EXPECT_TRUE(Says(result.Err, "Windows reports no wireless card")) << result.Err;
        EXPECT_TRUE(SnapshotKey(SettingsRoot).empty());
    }
    {
        SCOPED_TRACE("location access off: the profiles come, the defaults cannot");
        CFakeWlanApi wlan = OneCard();
        wlan.Queries[wlan_intf_opcode_current_connection] = {ERROR_ACCESS_DENIED, {}};
        wlan.Profiles = {{L"Office", OpenWlanProfile("Office", "OfficeNet")}};
        const CtlResult result = Import(wlan);
        EXPECT_EQ(ExitFailed, result.Status) << "a connection that may be up is left at the start";
        EXPECT_EQ("OfficeNet", StoredNetwork("Office"));
        EXPECT_FALSE(DefaultSettingsStored());
        EXPECT_TRUE(Says(result.Err, "Privacy & security > Location")) << result.Err;
        EXPECT_TRUE(Says(result.Err, "Skylook's start leaves this network")) << result.Err;
    }
    {
        SCOPED_TRACE("a key Windows gives only to an administrator, a profile it does not give");
        DeleteKeyTree(SettingsRoot);
        CFakeWlanApi wlan = OneCard(L"Home");
        wlan.Profiles = {{L"Home", WlanProfile(AuthEncryption("WPA2PSK", "AES") + SharedKey("passPhrase", "01000000D08C", "true"))},
                         {L"Gone", "", ERROR_ACCESS_DENIED}};
        const CtlResult result = Import(wlan);
        EXPECT_EQ(ExitFailed, result.Status) << "the connection that is up is left at the start";
        EXPECT_TRUE(Says(result.Out, "Skipped \"Home\": Windows gave its key only in encrypted form; run the import as "
                                     "an administrator.")) << result.Out;
        EXPECT_TRUE(Says(result.Out, "Could not read \"Gone\"")) << result.Out;
        EXPECT_TRUE(Says(result.Err, "Skylook's start leaves this network")) << result.Err;
        EXPECT_FALSE(DefaultSettingsStored());
    }
    {
        SCOPED_TRACE("no connection up: nothing to keep, and no failure");
        DeleteKeyTree(SettingsRoot);
        CFakeWlanApi wlan = OneCard();
        wlan.Profiles = {{L"Office", OpenWlanProfile("Office", "OfficeNet")}};
        const CtlResult result = Import(wlan);
        EXPECT_EQ(ExitOk, result.Status);
        EXPECT_TRUE(Says(result.Err, "no wireless connection is up")) << result.Err;
        EXPECT_FALSE(DefaultSettingsStored());
    }
    {
        SCOPED_TRACE("a store that refuses the writes");
        DeleteKeyTree(SettingsRoot);
        CFakeWlanApi wlan = OneCard(L"Home");
        wlan.Profiles = {{L"Home", OpenWlanProfile("Home", "HomeNet")}, {L"Office", OpenWlanProfile("Office", "OfficeNet")}};
        ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));
        const CtlResult result = Import(wlan);
        VexaSimClearFailures();
        EXPECT_EQ(ExitFailed, result.Status);
        EXPECT_TRUE(Says(result.Out, "Could not store \"Home\" as the default settings.")) << result.Out;
        EXPECT_TRUE(Says(result.Out, "Could not store \"Office\" as Skylook profile \"Office\".")) << result.Out;
        EXPECT_TRUE(Says(result.Err, StoreAdviceToolText)) << result.Err;
        EXPECT_FALSE(ProfileExists("Office")) << "a profile half written is not listed";
    }
}

TEST_F(WindowsImport, TheCommandLineReachesTheImport)
{
    // Wine's Native Wifi reports no wireless interface.
    const CtlResult result = RunCtl({"import-windows-profiles"});
    EXPECT_EQ(ExitNoCard, result.Status) << result.Out << result.Err;
    EXPECT_EQ(ExitUsage, RunCtl({"import-windows-profiles", "--replace"}).Status);
}

}  // namespace
