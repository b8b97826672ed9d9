// Named profiles below SOFTWARE\KT60\PROFILE: the same values as the default settings, one
// key per profile, listed in registry order.
#include "RegistryScratch.h"
#include "SampleRecords.h"

#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"

#include <Vexa5200Control.h>

#include <cstring>
#include <memory>

namespace {

using ProfileStore = CleanRegistry;

const char* const StoredNames[] = {"DesiredSSID", "NetworkMode", "Channel",      "DataRate",      "PowerMode",
                                   "Preamble",    "AuthMode",    "TxWepKey",     "WepKeyFormat",  "WepKey1",
                                   "WepKey2",     "WepKey3",     "WepKey4",      "WepStatus",     "WepKeySize",
                                   "PskPassphrase", "WPALoginName", "WPACertificate"};

std::string ProfilePath(const std::string& name)
{
    return std::string(ProfileKey) + "\\" + name;
}

// An ad-hoc WEP network whose fields are not the defaults, so that a field lost shows; only
// the transmit key is set, so that empty keys are stored too. The store keeps no apply scope.
AdapterSettings SampleSettings()
{
    AdapterSettings settings = WepRecord("Roaming", WepKeySize128, WepKeyFormatHex);
    settings.ApplyScope = 0;
    for (unsigned char* empty : {settings.WepKey1, settings.WepKey3, settings.WepKey4})
        std::memset(empty, 0, sizeof settings.WepKey1);
    settings.NetworkMode = NetworkModeAdHoc;
    settings.Channel = 9;
    settings.DataRate[0] = 7;
    settings.Preamble = 2;
    settings.AuthMode = AuthModeShared;
    settings.TxWepKey = 1;
    std::strcpy(settings.PskPassphrase, "roaming passphrase");
    return settings;
}

std::unique_ptr<ProfileList> Enumerated()
{
    auto list = std::make_unique<ProfileList>();
    std::memset(list.get(), 0, sizeof *list);
    EXPECT_TRUE(EnumerateProfiles(*list));
    return list;
}

TEST_F(ProfileStore, FirstEnumerationCreatesTheRoot)
{
    EXPECT_FALSE(KeyExists(ProfileKey));
    const auto list = Enumerated();
    EXPECT_EQ(list->Count, 0);
    EXPECT_TRUE(KeyExists(ProfileKey));
    EXPECT_EQ(Enumerated()->Count, 0);
}

TEST_F(ProfileStore, ProfileValuesAreThoseOfTheDefaultSettings)
{
    const AdapterSettings settings = SampleSettings();
    ASSERT_TRUE(SaveProfile("Roaming", settings));
    SaveDefaultSettings(settings);
    for (const char* name : StoredNames)
        EXPECT_EQ(ReadValue(ProfilePath("Roaming"), name), ReadValue(DefaultKey, name)) << name;

    // Empty keys were stored as '0' characters, as in the default settings.
    AdapterSettings expected = settings;
    for (unsigned char* key : {expected.WepKey1, expected.WepKey3, expected.WepKey4})
        std::memset(key, '0', 13);
    AdapterSettings loaded{};
    ASSERT_TRUE(LoadProfile("Roaming", loaded));
    EXPECT_EQ(0, std::memcmp(&loaded, &expected, sizeof loaded));
}

TEST_F(ProfileStore, ListsEveryProfileWithItsSettings)
{
    AdapterSettings home = SampleSettings();
    std::strcpy(home.DesiredSSID, "HomeNet");
    AdapterSettings work = SampleSettings();
    work.WepStatus = WepStatusOff;
    work.AuthMode = AuthModeWpaPsk;
    std::strcpy(work.DesiredSSID, "WorkNet");
    SaveProfile("Home", home);
    SaveProfile("Work", work);

    const auto list = Enumerated();
    ASSERT_EQ(list->Count, 2);
    const std::vector<std::string> order = SubkeyNames(ProfileKey);
    ASSERT_EQ(order.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(list->Names[i], order[i]);
        AdapterSettings expected{};
        LoadProfile(list->Names[i], expected);
        EXPECT_EQ(0, std::memcmp(&list->Settings[i], &expected, sizeof expected)) << order[i];
    }
    const int homeAt = order[0] == "Home" ? 0 : 1;
    EXPECT_STREQ(list->Settings[homeAt].DesiredSSID, "HomeNet");
    EXPECT_STREQ(list->Settings[1 - homeAt].DesiredSSID, "WorkNet");
    EXPECT_EQ(list->Settings[1 - homeAt].AuthMode, 2u);
}

TEST_F(ProfileStore, KeyWithoutValuesLoadsTheDefaults)
{
    CreateKeyPath(ProfilePath("Bare"));
    AdapterSettings loaded{};
    LoadProfile("Bare", loaded);
    EXPECT_STREQ(loaded.DesiredSSID, "Wireless");
    EXPECT_EQ(loaded.NetworkMode, 1u);
    EXPECT_EQ(loaded.Channel, 1u);
    EXPECT_EQ(loaded.DataRate[0], 0);
    EXPECT_EQ(loaded.WepStatus, 1u);
}

// Loading opens the profile's key and never creates one: a name without a key reports that
// it did not load, and is not listed afterwards.
TEST_F(ProfileStore, LoadingAMissingNameCreatesNothing)
{
    SaveProfile("Keep", SampleSettings());
    AdapterSettings untouched{};
    EXPECT_FALSE(LoadProfile("Ghost", untouched));
    EXPECT_STREQ(untouched.DesiredSSID, "");
    EXPECT_FALSE(KeyExists(ProfilePath("Ghost")));
    const auto list = Enumerated();
    ASSERT_EQ(list->Count, 1);
    EXPECT_STREQ(list->Names[0], "Keep");
}

// A key name that the system code page cannot hold enumerates as question marks, a name
// without a key: it is listed with the defaults, and neither listing nor loading it creates
// a second profile.
TEST_F(ProfileStore, NameOutsideTheCodePageLoadsNothingAndCreatesNothing)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\KT60\\PROFILE\\\u4E2D\u6587", 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegCloseKey(key);

    auto list = Enumerated();
    ASSERT_EQ(list->Count, 1);
    const std::string shown = list->Names[0];
    EXPECT_EQ(shown.find_first_not_of('?'), std::string::npos) << shown;
    EXPECT_STREQ(list->Settings[0].DesiredSSID, "Wireless");

    AdapterSettings untouched{};
    EXPECT_FALSE(LoadProfile(shown.c_str(), untouched));
    EXPECT_STREQ(untouched.DesiredSSID, "");
    EXPECT_EQ(SubkeyNames(ProfileKey).size(), 1u);
    EXPECT_EQ(Enumerated()->Count, 1);
}

TEST_F(ProfileStore, WepOffKeepsKeysStoredEarlier)
{
    AdapterSettings settings = SampleSettings();
    SaveProfile("Cafe", settings);
    const Bytes before = ReadValue(ProfilePath("Cafe"), "WepKey2");
    settings.WepStatus = WepStatusOff;
    settings.WepKey2[0] = 0xEE;
    SaveProfile("Cafe", settings);
    EXPECT_EQ(ReadValue(ProfilePath("Cafe"), "WepKey2"), before);
}

// The name field holds 32 characters: a longer key name is listed cut, with the settings of
// the cut name, which has no key and so loads the defaults. Listing creates no key.
TEST_F(ProfileStore, FortyCharacterNameIsListedByItsFirst32)
{
    const std::string longName = std::string(32, 'L') + "12345678";
    SaveProfile(longName.c_str(), SampleSettings());
    // Cut, the two names are one key name to the registry, so the list has one row.
    CreateKeyPath(ProfilePath(std::string(32, 'l') + "other"));

    auto list = Enumerated();
    ASSERT_EQ(list->Count, 1);
    EXPECT_EQ(std::string(list->Names[0]), std::string(32, 'L'));
    EXPECT_EQ(std::string(list->KeyNames[0]), longName) << "the key the row opens";
    EXPECT_STREQ(list->Settings[0].DesiredSSID, "Roaming") << "the record of the key the name was cut from";
    EXPECT_FALSE(KeyExists(ProfilePath(std::string(32, 'L'))));
    EXPECT_TRUE(KeyExists(ProfilePath(longName)));

    list = Enumerated();
    ASSERT_EQ(list->Count, 1);
    EXPECT_EQ(std::string(list->Names[0]), std::string(32, 'L'));
}

TEST_F(ProfileStore, NamesTooLongForTheBufferAreSkipped)
{
    CreateKeyPath(ProfilePath(std::string(128, 'x')));
    CreateKeyPath(ProfilePath(std::string(200, 'y')));
    CreateKeyPath(ProfilePath(std::string(127, 'w')));
    SaveProfile("Zulu", SampleSettings());

    std::vector<std::string> expected;
    for (const std::string& name : SubkeyNames(ProfileKey)) {
        if (name.size() < 128)
            expected.push_back(name.substr(0, 32));
    }
    ASSERT_EQ(expected.size(), 2u);

    const auto list = Enumerated();
    ASSERT_EQ(list->Count, 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(list->Names[i], expected[i]);
        EXPECT_STREQ(list->Settings[i].DesiredSSID, expected[i] == "Zulu" ? "Roaming" : "Wireless");
    }
}

TEST_F(ProfileStore, ListHoldsTheFirst64Profiles)
{
    for (int i = 0; i < 70; ++i)
        CreateKeyPath(ProfilePath(std::to_string(100 + i).insert(0, 1, 'P')));

    const auto list = Enumerated();
    ASSERT_EQ(list->Count, ProfileListCapacity);
    const std::vector<std::string> order = SubkeyNames(ProfileKey);
    ASSERT_EQ(order.size(), 70u);
    for (int i = 0; i < ProfileListCapacity; ++i) {
        EXPECT_EQ(list->Names[i], order[i]);
        EXPECT_STREQ(list->Settings[i].DesiredSSID, "Wireless");
    }
}

TEST_F(ProfileStore, DeleteRemovesTheWholeTree)
{
    SaveProfile("Keep", SampleSettings());
    SaveProfile("Gone", SampleSettings());
    CreateKeyPath(ProfilePath("Gone\\Nested\\Deeper"));
    CreateKeyPath(ProfilePath("Gone\\Sibling"));
    WriteValue(ProfilePath("Gone\\Nested"), "Anything", Text("x", 2));

    EXPECT_TRUE(DeleteProfile("Gone"));
    EXPECT_FALSE(KeyExists(ProfilePath("Gone")));
    EXPECT_TRUE(KeyExists(ProfilePath("Keep")));
    EXPECT_EQ(ReadValue(ProfilePath("Keep"), "DesiredSSID"), Text("Roaming", 33));
}

TEST_F(ProfileStore, DeletingAMissingNameChangesNothing)
{
    SaveProfile("Keep", SampleSettings());
    EXPECT_TRUE(DeleteProfile("Nobody"));
    EXPECT_EQ(SubkeyNames(ProfileKey), std::vector<std::string>{"Keep"});

    DeleteKeyTree(ProductKey);
    EXPECT_TRUE(DeleteProfile("Keep"));
}

// An empty name or backslashes alone would address the root with every profile below it.
TEST_F(ProfileStore, NamesOfTheRootItselfAreRefused)
{
    SaveProfile("Keep", SampleSettings());
    for (const char* name : {"", "\\", "\\\\"}) {
        EXPECT_TRUE(DeleteProfile(name)) << name;
        EXPECT_FALSE(SaveProfile(name, SampleSettings())) << name;
        AdapterSettings untouched{};
        EXPECT_FALSE(LoadProfile(name, untouched)) << name;
        EXPECT_STREQ(untouched.DesiredSSID, "");
    }
    EXPECT_TRUE(KeyExists(ProfilePath("Keep")));
    EXPECT_FALSE(ValueExists(ProfileKey, "DesiredSSID"));
    EXPECT_FALSE(SaveProfile(std::string(128, 'n').c_str(), SampleSettings()));
    EXPECT_FALSE(KeyExists(ProfilePath(std::string(128, 'n'))));
}

// A backslash would nest keys: "a\\b" saved under "a", "\\lead" and "lead\\" over "lead".
TEST_F(ProfileStore, BackslashNamesAreRefused)
{
    ASSERT_TRUE(SaveProfile("lead", SampleSettings()));
    const Bytes stored = ReadValue(ProfilePath("lead"), "DesiredSSID");
    AdapterSettings other = SampleSettings();
    std::strcpy(other.DesiredSSID, "Other");
    for (const char* name : {"Site\\Floor2", "\\lead", "lead\\", "lead\\inner"}) {
        EXPECT_FALSE(IsStorableProfileName(name)) << name;
        EXPECT_FALSE(SaveProfile(name, other)) << name;
        AdapterSettings untouched{};
        EXPECT_FALSE(LoadProfile(name, untouched)) << name;
        EXPECT_STREQ(untouched.DesiredSSID, "") << name;
    }
    EXPECT_EQ(SubkeyNames(ProfileKey), std::vector<std::string>{"lead"});
    EXPECT_TRUE(SubkeyNames(ProfilePath("lead")).empty());
    EXPECT_EQ(ReadValue(ProfilePath("lead"), "DesiredSSID"), stored);
    EXPECT_TRUE(IsStorableProfileName("lead"));
}

}  // namespace

// A store the user may not write: every save says so. A profile the failed save would have
// created is not left behind as an empty key to be listed; one stored before keeps its key.
TEST_F(ProfileStore, AFailedWriteIsReportedAndLeavesNoNewProfile)
{
    ASSERT_TRUE(SaveProfile("Kept", SampleSettings()));
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));
    EXPECT_FALSE(SaveDefaultSettings(SampleSettings()));
    EXPECT_FALSE(SaveProfile("New", SampleSettings()));
    EXPECT_FALSE(SaveProfile("Kept", SampleSettings()));
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 0));
    EXPECT_EQ(SubkeyNames(ProfileKey), std::vector<std::string>{"Kept"});
    AdapterSettings kept{};
    ASSERT_TRUE(LoadProfile("Kept", kept));
    EXPECT_STREQ(kept.DesiredSSID, SampleSettings().DesiredSSID);
}
