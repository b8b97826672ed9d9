// Loading the default settings: defaults for missing values, values written by another copy
// of the program, and records that come back equal after a save.
#include "RegistryScratch.h"
#include "SampleRecords.h"

#include "record/WepKeySlots.h"
#include "settings/DefaultSettings.h"
#include "settings/DefaultsInUse.h"

#include <Vexa5200Control.h>

#include <algorithm>
#include <cstring>

namespace {

using DefaultSettingsLoad = CleanRegistry;

AdapterSettings Loaded()
{
    AdapterSettings settings{};
    EXPECT_TRUE(LoadDefaultSettings(settings));
    return settings;
}

std::string KeyText(const unsigned char* slot)
{
    return reinterpret_cast<const char*>(slot);
}

// Every field that is stored, compared one by one so a failure names the field.
void ExpectStoredFieldsEqual(const AdapterSettings& expected, const AdapterSettings& actual)
{
    EXPECT_STREQ(actual.DesiredSSID, expected.DesiredSSID);
    EXPECT_EQ(actual.NetworkMode, expected.NetworkMode);
    EXPECT_EQ(actual.Channel, expected.Channel);
    EXPECT_EQ(actual.DataRate[0], expected.DataRate[0]);
    EXPECT_EQ(actual.PowerMode, expected.PowerMode);
    EXPECT_EQ(actual.Preamble, expected.Preamble);
    EXPECT_EQ(actual.AuthMode, expected.AuthMode);
    EXPECT_EQ(actual.WepStatus, expected.WepStatus);
    EXPECT_EQ(actual.TxWepKey, expected.TxWepKey);
    EXPECT_EQ(actual.WepKeySize, expected.WepKeySize);
    EXPECT_EQ(actual.WepKeyFormat, expected.WepKeyFormat);
    EXPECT_EQ(0, std::memcmp(actual.WepKey1, expected.WepKey1, sizeof actual.WepKey1));
    EXPECT_EQ(0, std::memcmp(actual.WepKey2, expected.WepKey2, sizeof actual.WepKey2));
    EXPECT_EQ(0, std::memcmp(actual.WepKey3, expected.WepKey3, sizeof actual.WepKey3));
    EXPECT_EQ(0, std::memcmp(actual.WepKey4, expected.WepKey4, sizeof actual.WepKey4));
    EXPECT_STREQ(actual.PskPassphrase, expected.PskPassphrase);
    EXPECT_STREQ(actual.WPALoginName, expected.WPALoginName);
    EXPECT_STREQ(actual.WPACertificate, expected.WPACertificate);
}

TEST_F(DefaultSettingsLoad, EmptyRegistryGivesTheDefaults)
{
    const AdapterSettings settings = Loaded();
    EXPECT_TRUE(KeyExists(DefaultKey));

    AdapterSettings expected{};
    std::strcpy(expected.DesiredSSID, "Wireless");
    expected.NetworkMode = NetworkModeInfrastructure;
    expected.Channel = 1;
    expected.WepStatus = WepStatusOff;
    EXPECT_EQ(0, std::memcmp(&settings, &expected, sizeof settings));
}

TEST_F(DefaultSettingsLoad, ValuesWrittenByAnotherCopyLoad)
{
    WriteValue(DefaultKey, "DesiredSSID", Text("Kelbrin Lab", 33));
    WriteValue(DefaultKey, "NetworkMode", Character('0'));
    WriteValue(DefaultKey, "Channel", Text("6", 4));
    WriteValue(DefaultKey, "DataRate", Text("B", 10));
    WriteValue(DefaultKey, "PowerMode", Character('1'));
    WriteValue(DefaultKey, "Preamble", Character('3'));
    WriteValue(DefaultKey, "AuthMode", Character('1'));
    WriteValue(DefaultKey, "TxWepKey", Character('3'));
    WriteValue(DefaultKey, "WepKeyFormat", Character('1'));
    WriteValue(DefaultKey, "WepStatus", Character('0'));
    WriteValue(DefaultKey, "WepKeySize", Text("5", 4));
    WriteValue(DefaultKey, "WepKey1", Text("0102030405", 128));
    WriteValue(DefaultKey, "WepKey2", Text("a0b1c2d3e4", 128));
    WriteValue(DefaultKey, "WepKey3", Text("3030303030", 128));
    WriteValue(DefaultKey, "WepKey4", Text("FFFFFFFFFF", 128));
    WriteValue(DefaultKey, "PskPassphrase", Text("not used here", 65));
    WriteValue(DefaultKey, "WPALoginName", Text("grace", 40));
    WriteValue(DefaultKey, "WPACertificate", Text("Lab Root", 160));

    const AdapterSettings settings = Loaded();
    EXPECT_STREQ(settings.DesiredSSID, "Kelbrin Lab");
    EXPECT_EQ(settings.NetworkMode, 0u);
    EXPECT_EQ(settings.Channel, 6u);
    EXPECT_EQ(settings.DataRate[0], 3);
    EXPECT_EQ(settings.PowerMode, 1u);
    EXPECT_EQ(settings.Preamble, 2u);
    EXPECT_EQ(settings.AuthMode, 1u);
    EXPECT_EQ(settings.TxWepKey, 3u);
    EXPECT_EQ(settings.WepKeyFormat, 1u);
    EXPECT_EQ(settings.WepStatus, 0u);
    EXPECT_EQ(settings.WepKeySize, 5u);
    EXPECT_EQ(Bytes(settings.WepKey1, settings.WepKey1 + 6), (Bytes{1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(Bytes(settings.WepKey2, settings.WepKey2 + 6), (Bytes{0xA0, 0xB1, 0xC2, 0xD3, 0xE4, 0}));
    EXPECT_EQ(KeyText(settings.WepKey3), "00000");
    EXPECT_EQ(Bytes(settings.WepKey4, settings.WepKey4 + 6), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0}));
    EXPECT_STREQ(settings.PskPassphrase, "not used here");
    EXPECT_STREQ(settings.WPALoginName, "grace");
    EXPECT_STREQ(settings.WPACertificate, "Lab Root");
}

TEST_F(DefaultSettingsLoad, RecordComesBackEqualInHexFormat)
{
    AdapterSettings saved{};
    std::strcpy(saved.DesiredSSID, "0123456789abcdef0123456789ABCDEF");
    saved.NetworkMode = NetworkModeAdHoc;
    saved.Channel = 14;
    saved.DataRate[0] = 5;
    saved.PowerMode = 1;
    saved.Preamble = 1;
    saved.AuthMode = AuthModeShared;
    saved.WepStatus = WepStatusOn;
    saved.TxWepKey = 3;
    saved.WepKeySize = WepKeySize128;
    saved.WepKeyFormat = WepKeyFormatHex;
    for (int i = 0; i < 13; ++i) {
        saved.WepKey1[i] = static_cast<unsigned char>(0xF0 + i);
        saved.WepKey2[i] = static_cast<unsigned char>(i == 0 ? 0x80 : i * 64);  // zero bytes inside
        saved.WepKey3[i] = static_cast<unsigned char>(0xA5 ^ i);
        saved.WepKey4[i] = static_cast<unsigned char>(0x0F * (i + 1));
    }
    std::strcpy(saved.PskPassphrase, std::string(63, 'q').c_str());
    std::strcpy(saved.WPALoginName, std::string(39, 'n').c_str());
    std::strcpy(saved.WPACertificate, std::string(159, 'c').c_str());

    SaveDefaultSettings(saved);
    ExpectStoredFieldsEqual(saved, Loaded());
}

TEST_F(DefaultSettingsLoad, RecordComesBackEqualInAsciiFormat)
{
    for (unsigned rate = 0; rate < 13; ++rate) {
        AdapterSettings saved{};
        std::strcpy(saved.DesiredSSID, "ascii");
        saved.NetworkMode = NetworkModeInfrastructure;
        saved.Channel = 3;
        saved.DataRate[0] = static_cast<unsigned char>(rate);
        saved.PowerMode = 2;
        saved.Preamble = 2;
        saved.AuthMode = AuthModeWpaPsk;
        saved.WepStatus = WepStatusOn;
        saved.TxWepKey = 1;
        saved.WepKeySize = WepKeySize64;
        std::memcpy(saved.WepKey1, "k1k1k", 5);
        std::memcpy(saved.WepKey2, "k2k2k", 5);
        std::memcpy(saved.WepKey3, "k3k3k", 5);
        std::memcpy(saved.WepKey4, "k4k4k", 5);
        std::strcpy(saved.PskPassphrase, "passphrase");

        SaveDefaultSettings(saved);
        SCOPED_TRACE(rate);
        ExpectStoredFieldsEqual(saved, Loaded());
    }
}

TEST_F(DefaultSettingsLoad, AutoPreambleRoundTrips)
{
    AdapterSettings saved{};
    saved.Preamble = 0;
    SaveDefaultSettings(saved);
    EXPECT_EQ(ReadValue(DefaultKey, "Preamble"), Character('1'));
    EXPECT_EQ(Loaded().Preamble, 0u);
}

TEST_F(DefaultSettingsLoad, RateTextMustMatchExactly)
{
    const struct {
        const char* stored;
        unsigned char index;
    } cases[] = {{"6C", 12}, {"6c", 0}, {"FF", 0}, {"", 0}, {"0x6C", 0}};
    for (const auto& c : cases) {
        WriteValue(DefaultKey, "DataRate", Text(c.stored, 10));
        const AdapterSettings loaded = Loaded();
        EXPECT_EQ(loaded.DataRate[0], c.index) << c.stored;
        EXPECT_EQ(loaded.DataRate[1], 0) << c.stored;
    }
}

// Every size comes back as saved; a HEX key keeps at most the bytes whose text fits its
// value (MaxWepKeySize), whatever the size says.
TEST_F(DefaultSettingsLoad, OddKeySizesSurvive)
{
    for (uint32_t size : {0u, 1u, 16u, 29u, 63u, 64u, 200u, 0xFFFFFFFFu}) {
        AdapterSettings saved{};
        saved.WepKeySize = size;
        saved.WepStatus = WepStatusOn;
        saved.WepKeyFormat = WepKeyFormatHex;
        std::memset(saved.WepKey1, 0xC3, std::min<uint32_t>(size, MaxWepKeySize));
        SaveDefaultSettings(saved);
        const AdapterSettings loaded = Loaded();
        EXPECT_EQ(loaded.WepKeySize, size);
        EXPECT_EQ(0, std::memcmp(loaded.WepKey1, saved.WepKey1, sizeof saved.WepKey1)) << size;
    }
}

TEST_F(DefaultSettingsLoad, KeysLoadWhateverWepStatusSays)
{
    WriteValue(DefaultKey, "WepStatus", Character('1'));
    WriteValue(DefaultKey, "WepKey2", Text("plain", 128));
    const AdapterSettings settings = Loaded();
    EXPECT_EQ(settings.WepStatus, 1u);
    EXPECT_EQ(KeyText(settings.WepKey2), "plain");
}

// A user who may not write the store: what was applied stays this run's defaults, not the
// stored ones, until a save goes through.
TEST_F(DefaultSettingsLoad, ARecordTheStoreRefusedIsTheOneInUseUntilASaveSucceeds)
{
    ASSERT_TRUE(SaveDefaultSettings(OpenRecord("Wireless")));
    EXPECT_STREQ("Wireless", DefaultSettingsInUse().DesiredSSID);

    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));
    EXPECT_FALSE(SaveDefaultSettings(WepRecord("Second")));
    EXPECT_FALSE(SaveDefaultSettings(OpenRecord("Third")));
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 0));
    EXPECT_STREQ("Wireless", StoredDefaultSettings().DesiredSSID);
    const AdapterSettings inUse = DefaultSettingsInUse();
    EXPECT_STREQ("Third", inUse.DesiredSSID) << "the latest record the store refused";
    EXPECT_EQ(WepStatusOff, inUse.WepStatus) << "the whole record, not the network name alone";
    EXPECT_STREQ("Third", DefaultSettingsInUse().DesiredSSID) << "kept while the store stays as it was";

    // Another program stores defaults meanwhile (an import run as administrator): the user's
    // newer choice, to which the kept record gives way.
    WriteValue(DefaultKey, "DesiredSSID", Text("Imported", 33));
    EXPECT_STREQ("Imported", DefaultSettingsInUse().DesiredSSID);
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));
    EXPECT_FALSE(SaveDefaultSettings(OpenRecord("Third")));
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 0));

    ASSERT_TRUE(SaveDefaultSettings(OpenRecord("Fourth")));
    // Another program changes them: the store's are the ones in use again.
    WriteValue(DefaultKey, "DesiredSSID", Text("Fifth", 33));
    EXPECT_STREQ("Fifth", DefaultSettingsInUse().DesiredSSID);
}

}  // namespace
