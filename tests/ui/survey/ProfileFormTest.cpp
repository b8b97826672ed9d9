// The Profile dialog's OK as data: each refusal by its exact text with nothing changed, and
// what each authentication mode takes into the record.
#include "ui/survey/ProfileForm.h"
#include "SampleRecords.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

ProfileForm OpenForm(const char* name, const char* ssid)
{
    ProfileForm form;
    form.Name = name;
    form.Ssid = ssid;
    form.ChannelText = std::to_string(6);
    form.NetworkMode = 1;
    form.RateIndex = 3;
    form.Preamble = 2;
    form.PowerMode = 1;
    return form;
}

AdapterSettings Before()
{
    AdapterSettings settings = OpenRecord("Before");
    settings.Channel = 11;
    settings.NetworkMode = NetworkModeAdHoc;
    settings.DataRate[0] = 9;
    return settings;
}

TEST(ProfileFormOk, RefusalsInOrderChangeNothing)
{
    struct Case {
        ProfileForm form;
        std::string message;
    };
    ProfileForm shortPsk = OpenForm("Home", "HomeNet");
    shortPsk.AuthIndex = AuthModeWpaPsk;
    shortPsk.Passphrase = shortPsk.Confirmation = "seven77";
    ProfileForm mismatch = shortPsk;
    mismatch.Passphrase = "my passphrase";
    mismatch.Confirmation = "my Passphrase";
    ProfileForm shortKey = OpenForm("Home", "HomeWEP");
    shortKey.Encryption = true;
    shortKey.CheckedKey = 0;
    shortKey.LengthIndex = 1;
    shortKey.FormatIndex = 1;
    shortKey.Keys = {std::string(25, 'A'), "", "", ""};
    ProfileForm missingTxKey = shortKey;
    missingTxKey.Keys = {std::string(26, 'A'), "", "", ""};
    missingTxKey.CheckedKey = 2;
    const Case cases[] = {
        {OpenForm("", "any"), "Profile name cannot be empty !"},
        {OpenForm("a\\b", "Net"), "Profile name cannot contain \"\\\" !"},
        {OpenForm("\\lead", "Net"), "Profile name cannot contain \"\\\" !"},
        {OpenForm("lead\\", "Net"), "Profile name cannot contain \"\\\" !"},
        {OpenForm("Home", "ANY"), "SSID cannot be \"Any\" !"},
        {OpenForm("Home", "Any"), "SSID cannot be \"Any\" !"},
        {OpenForm("Home", "any"), "SSID cannot be \"Any\" !"},
        {OpenForm("Home", ""), "SSID cannot be empty!"},
        {shortPsk, "The length of PSK key must be at least 8 characters."},
        {mismatch, "The Passphrase mismatch."},
        {shortKey, "WEP key 1 size mistake!\n Need 26 characters"},
        {missingTxKey, "WEP key 3 size mistake!\n Need 26 characters"},
    };
    for (const Case& c : cases) {
        AdapterSettings settings = Before();
        std::string name = "unchanged";
        EXPECT_EQ(ApplyProfileForm(c.form, settings, name), c.message) << c.form.Name << " / " << c.form.Ssid;
        const AdapterSettings before = Before();
        EXPECT_EQ(0, std::memcmp(&settings, &before, sizeof settings)) << c.message;
        EXPECT_EQ(name, "unchanged");
    }
}

TEST(ProfileFormOk, OtherSpellingsOfAnyAreNetworkNames)
{
    for (const char* ssid : {"aNy", "ANy", "anY", "Any ", "AnyNet"}) {
        AdapterSettings settings = Before();
        std::string name;
        EXPECT_EQ(ApplyProfileForm(OpenForm("Home", ssid), settings, name), "") << ssid;
        EXPECT_STREQ(settings.DesiredSSID, ssid);
        EXPECT_EQ(name, "Home");
    }
}

// The WPA modes take only their own fields: the network half edited in the dialog stays as
// the record had it.
TEST(ProfileFormOk, EachModeTakesItsOwnFields)
{
    ProfileForm psk = OpenForm("Home", "HomeNet");
    psk.AuthIndex = AuthModeWpaPsk;
    psk.Passphrase = psk.Confirmation = "my passphrase";
    AdapterSettings settings = Before();
    std::string name;
    ASSERT_EQ(ApplyProfileForm(psk, settings, name), "");
    EXPECT_STREQ(settings.PskPassphrase, "my passphrase");
    EXPECT_EQ(settings.AuthMode, 2u);
    EXPECT_STREQ(settings.DesiredSSID, "HomeNet");
    EXPECT_EQ(settings.Channel, 11u);
    EXPECT_EQ(settings.DataRate[0], 9);
    EXPECT_EQ(settings.NetworkMode, 0u);

    ProfileForm wpa = OpenForm("Corp", "CorpSecure");
    wpa.AuthIndex = AuthModeWpa;
    wpa.WpaUserName = "Jo User";
    wpa.WpaCertificate = "Corp CA";
    settings = Before();
    ASSERT_EQ(ApplyProfileForm(wpa, settings, name), "");
    EXPECT_STREQ(settings.WPALoginName, "Jo User");
    EXPECT_STREQ(settings.WPACertificate, "Corp CA");
    EXPECT_EQ(settings.AuthMode, 3u);
    EXPECT_EQ(settings.Channel, 11u);

    ProfileForm wep = OpenForm("Wep", "HomeWEP");
    wep.AuthIndex = AuthModeShared;
    wep.Encryption = true;
    wep.CheckedKey = 1;
    wep.LengthIndex = 1;
    wep.FormatIndex = 0;
    wep.Keys = {"", "vexa128bitkey", "", ""};
    settings = Before();
    ASSERT_EQ(ApplyProfileForm(wep, settings, name), "");
    EXPECT_EQ(settings.AuthMode, 1u);
    EXPECT_EQ(settings.WepStatus, 0u);
    EXPECT_EQ(settings.TxWepKey, 1u);
    EXPECT_EQ(settings.WepKeySize, 13u);
    EXPECT_EQ(settings.WepKeyFormat, 0u);
    EXPECT_EQ(0, std::memcmp(settings.WepKey2, "vexa128bitkey", 13));
    EXPECT_EQ(settings.Channel, 6u);
    EXPECT_EQ(settings.NetworkMode, 1u);
    EXPECT_EQ(settings.DataRate[0], 3);
    EXPECT_EQ(settings.Preamble, 2u);
    EXPECT_EQ(settings.PowerMode, 1u);

    ProfileForm off = OpenForm("Open", "Wireless");
    off.Keys = {"x", "", "", ""};  // not checked while encryption is off
    off.ChannelText = "";
    settings = Before();
    ASSERT_EQ(ApplyProfileForm(off, settings, name), "");
    EXPECT_EQ(settings.WepStatus, 1u);
    EXPECT_EQ(settings.Channel, 0u) << "no channel selected";

    // A stored mode the list lacks leaves it without a selection and shows no keys: the keys
    // are neither checked nor taken, the network half is, and the mode stays one that sends
    // no authentication.
    ProfileForm unnamed = OpenForm("Odd", "OddNet");
    unnamed.AuthIndex = -1;
    unnamed.Encryption = true;
    unnamed.CheckedKey = 3;
    unnamed.Keys = {"x", "", "", ""};
    settings = Before();
    std::memcpy(settings.WepKey1, "stored", 6);
    ASSERT_EQ(ApplyProfileForm(unnamed, settings, name), "");
    EXPECT_EQ(settings.AuthMode, 0xFFFFFFFFu);
    EXPECT_EQ(0, std::memcmp(settings.WepKey1, "stored", 6));
    EXPECT_EQ(settings.TxWepKey, Before().TxWepKey);
    EXPECT_EQ(settings.Channel, 6u);
    EXPECT_EQ(settings.WepStatus, 0u);
}

}  // namespace
