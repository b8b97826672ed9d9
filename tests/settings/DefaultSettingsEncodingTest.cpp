// What the default settings look like in the registry, byte for byte, read back around the
// store: other copies of the program and the apply step rely on these encodings.
#include "AdapterJournal.h"
#include "SampleRecords.h"
#include "RegistryScratch.h"

#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"

#include <Vexa5200Control.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

class DefaultSettingsEncoding : public CleanRegistry {
protected:
    AdapterSettings settings_{};

    void SetUp() override
    {
        CleanRegistry::SetUp();
        settings_ = WepRecord("Harbour Office", WepKeySize128, WepKeyFormatHex);
        // Each test fills the keys it is about; the others are empty.
        for (unsigned char* key : {settings_.WepKey1, settings_.WepKey2, settings_.WepKey3, settings_.WepKey4})
            std::memset(key, 0, sizeof settings_.WepKey1);
        settings_.Channel = 11;
        settings_.DataRate[0] = 12;
        settings_.PowerMode = 2;
        settings_.AuthMode = AuthModeShared;
        settings_.TxWepKey = 2;
        std::strcpy(settings_.PskPassphrase, "correct horse battery");
        std::strcpy(settings_.WPALoginName, "Ada Lovelace");
        std::strcpy(settings_.WPACertificate, "Kelbrin Test CA");
    }

    Bytes Stored(const char* name) { return ReadValue(DefaultKey, name); }
};

// The library's journal lines of the registry writes: SetRegistry "path" "name" hex count 0,
// with backslashes of the path escaped.
std::vector<std::string> JournalledWrites()
{
    std::vector<std::string> writes;
    for (const std::string& line : JournalLines()) {
        if (line.rfind("SetRegistry ", 0) == 0)
            writes.push_back(line);
    }
    return writes;
}

std::string NameAndTail(const std::string& line, const std::string& path)
{
    const std::string prefix = "SetRegistry \"" + path + "\" \"";
    if (line.rfind(prefix, 0) != 0)
        return "wrong path: " + line;
    const size_t nameEnd = line.find('"', prefix.size());
    const size_t countStart = line.rfind(' ', line.rfind(' ') - 1);
    return line.substr(prefix.size(), nameEnd - prefix.size()) + line.substr(countStart);
}

TEST_F(DefaultSettingsEncoding, EveryValueHasItsSizeAndText)
{
    const unsigned char key[13] = {0x00, 0x1F, 0xA0, 0xFF, 0x7E, 1, 2, 3, 4, 5, 6, 7, 0xAB};
    std::memcpy(settings_.WepKey1, key, sizeof key);
    settings_.WepKey1[0] = 0xC4;
    std::memcpy(settings_.WepKey2, key + 1, 12);
    settings_.WepKey2[12] = 0x10;
    std::memcpy(settings_.WepKey3, "abcdefghijklm", 13);
    std::memcpy(settings_.WepKey4, "ABCDEFGHIJKLM", 13);

    ASSERT_TRUE(SaveDefaultSettings(settings_));

    EXPECT_EQ(Stored("DesiredSSID"), Text("Harbour Office", 33));
    EXPECT_EQ(Stored("NetworkMode"), Character('1'));
    EXPECT_EQ(Stored("Channel"), Text("11", 4));
    EXPECT_EQ(Stored("DataRate"), Text("6C", 10));
    EXPECT_EQ(Stored("PowerMode"), Character('2'));
    EXPECT_EQ(Stored("Preamble"), Character('1'));
    EXPECT_EQ(Stored("AuthMode"), Character('1'));
    EXPECT_EQ(Stored("TxWepKey"), Character('2'));
    EXPECT_EQ(Stored("WepKeyFormat"), Character('1'));
    EXPECT_EQ(Stored("WepStatus"), Character('0'));
    EXPECT_EQ(Stored("WepKeySize"), Text("13", 4));
    EXPECT_EQ(Stored("WepKey1"), Text("C41FA0FF7E01020304050607AB", 128));
    EXPECT_EQ(Stored("WepKey2"), Text("1FA0FF7E01020304050607AB10", 128));
    EXPECT_EQ(Stored("WepKey3"), Text("6162636465666768696A6B6C6D", 128));
    EXPECT_EQ(Stored("WepKey4"), Text("4142434445464748494A4B4C4D", 128));
    EXPECT_EQ(Stored("PskPassphrase"), Text("correct horse battery", 65));
    EXPECT_EQ(Stored("WPALoginName"), Text("Ada Lovelace", 40));
    EXPECT_EQ(Stored("WPACertificate"), Text("Kelbrin Test CA", 160));

    for (const char* never : {"ApplyScope", "Bssid", "EapLogin", "EapPassword", "EapProtocol"})
        EXPECT_FALSE(ValueExists(DefaultKey, never)) << never;
}

TEST_F(DefaultSettingsEncoding, ValuesAreWrittenInOrderThroughTheLibrary)
{
    const std::vector<std::string> expected = {
        "DesiredSSID 33 0", "NetworkMode 4 0", "Channel 4 0",      "DataRate 10 0",       "PowerMode 4 0",
        "Preamble 4 0",     "AuthMode 4 0",    "TxWepKey 4 0",     "WepKeyFormat 4 0",    "WepKey1 128 0",
        "WepKey2 128 0",    "WepKey3 128 0",   "WepKey4 128 0",    "WepStatus 4 0",       "WepKeySize 4 0",
        "PskPassphrase 65 0", "WPALoginName 40 0", "WPACertificate 160 0"};

    const struct {
        const char* path;  // as the journal escapes it
        std::function<void()> save;
    } stores[] = {
        {"SOFTWARE\\\\KT60\\\\DEFAULT\\\\", [&] { SaveDefaultSettings(settings_); }},
        {"SOFTWARE\\\\KT60\\\\PROFILE\\\\Home", [&] { SaveProfile("Home", settings_); }},
    };
    for (const auto& store : stores) {
        SCOPED_TRACE(store.path);
        ASSERT_EQ(0, VexaSimClearJournal());
        store.save();
        std::vector<std::string> written;
        for (const std::string& line : JournalledWrites())
            written.push_back(NameAndTail(line, store.path));
        EXPECT_EQ(written, expected);
    }
}

TEST_F(DefaultSettingsEncoding, RateIndexIsStoredAsHexRateCode)
{
    const char* const texts[] = {"FF", "2", "4", "B", "C", "12", "16", "18", "24", "30", "48", "60", "6C"};
    for (unsigned index = 0; index < 13; ++index) {
        settings_.DataRate[0] = static_cast<unsigned char>(index);
        SaveDefaultSettings(settings_);
        EXPECT_EQ(Stored("DataRate"), Text(texts[index], 10)) << "index " << index;
    }
    settings_.DataRate[0] = 13;
    SaveDefaultSettings(settings_);
    EXPECT_EQ(Stored("DataRate"), Text("FF", 10));
}

TEST_F(DefaultSettingsEncoding, PreambleAndModesAreOffsetCharacters)
{
    settings_.Preamble = 2;
    settings_.NetworkMode = NetworkModeAdHoc;
    settings_.WepStatus = WepStatusOff;
    settings_.AuthMode = AuthModeWpa;
    SaveDefaultSettings(settings_);
    EXPECT_EQ(Stored("Preamble"), Character('3'));
    EXPECT_EQ(Stored("NetworkMode"), Character('0'));
    EXPECT_EQ(Stored("WepStatus"), Character('1'));
    EXPECT_EQ(Stored("AuthMode"), Character('3'));
}

// The record's named values are the stored ones: other copies of the program read these
// texts, so a renumbered name would change what the registry holds. Values outside the named
// ones (another tool's) are stored the same way and load back as themselves too.
TEST_F(DefaultSettingsEncoding, EveryValueIsStoredAsItsTextAndLoadsBackAsItself)
{
    const struct {
        const char* value;
        uint32_t AdapterSettings::*field;
        uint32_t named;
        Bytes stored;
    } cases[] = {
        {"NetworkMode", &AdapterSettings::NetworkMode, NetworkModeAdHoc, Character('0')},
        {"NetworkMode", &AdapterSettings::NetworkMode, NetworkModeInfrastructure, Character('1')},
        {"AuthMode", &AdapterSettings::AuthMode, AuthModeOpen, Character('0')},
        {"AuthMode", &AdapterSettings::AuthMode, AuthModeShared, Character('1')},
        {"AuthMode", &AdapterSettings::AuthMode, AuthModeWpaPsk, Character('2')},
        {"AuthMode", &AdapterSettings::AuthMode, AuthModeWpa, Character('3')},
        {"WepStatus", &AdapterSettings::WepStatus, WepStatusOn, Character('0')},
        {"WepStatus", &AdapterSettings::WepStatus, WepStatusOff, Character('1')},
        {"WepKeyFormat", &AdapterSettings::WepKeyFormat, WepKeyFormatAscii, Character('0')},
        {"WepKeyFormat", &AdapterSettings::WepKeyFormat, WepKeyFormatHex, Character('1')},
        {"WepKeySize", &AdapterSettings::WepKeySize, WepKeySize64, Text("5", 4)},
        {"WepKeySize", &AdapterSettings::WepKeySize, WepKeySize128, Text("13", 4)},
        {"NetworkMode", &AdapterSettings::NetworkMode, 0u - '0', Bytes(4, 0)},
        {"AuthMode", &AdapterSettings::AuthMode, 4, Character('4')},
        {"TxWepKey", &AdapterSettings::TxWepKey, 4, Character('4')},
        {"PowerMode", &AdapterSettings::PowerMode, 3, Character('3')},
        {"Preamble", &AdapterSettings::Preamble, 0xFFFFFFFF, Character('0')},
        {"WepKeySize", &AdapterSettings::WepKeySize, 64, Number(64)},
        {"WepKeySize", &AdapterSettings::WepKeySize, 0xFFFFFFFF, Number(0xFFFFFFFF)},
        {"Channel", &AdapterSettings::Channel, 0, Text("0", 4)},
        {"Channel", &AdapterSettings::Channel, 999, Text("999", 4)},
        {"Channel", &AdapterSettings::Channel, 1234, RawText("1234")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " " + std::to_string(c.named));
        AdapterSettings saved = settings_;
        saved.*c.field = c.named;
        ASSERT_TRUE(SaveDefaultSettings(saved));
        EXPECT_EQ(Stored(c.value), c.stored);

        AdapterSettings loaded{};
        loaded.*c.field = 0xEEEE;
        LoadDefaultSettings(loaded);
        EXPECT_EQ(loaded.*c.field, c.named);
    }
}

TEST_F(DefaultSettingsEncoding, KeySizeIsTextForTheTwoSizesAndRawOtherwise)
{
    settings_.WepKeySize = WepKeySize64;
    SaveDefaultSettings(settings_);
    EXPECT_EQ(Stored("WepKeySize"), Text("5", 4));

    settings_.WepKeySize = 16;
    SaveDefaultSettings(settings_);
    EXPECT_EQ(Stored("WepKeySize"), (Bytes{16, 0, 0, 0}));

    settings_.WepKeySize = 0x01020304;
    SaveDefaultSettings(settings_);
    EXPECT_EQ(Stored("WepKeySize"), (Bytes{4, 3, 2, 1}));
}

TEST_F(DefaultSettingsEncoding, EmptyKeyBecomesZeroCharacters)
{
    settings_.WepKeySize = WepKeySize64;
    settings_.WepKeyFormat = WepKeyFormatAscii;
    std::memcpy(settings_.WepKey1, "abcde", 5);
    SaveDefaultSettings(settings_);
    EXPECT_EQ(Stored("WepKey1"), Text("abcde", 128));
    EXPECT_EQ(Stored("WepKey2"), Text("00000", 128));

    settings_.WepKeyFormat = WepKeyFormatHex;
    SaveDefaultSettings(settings_);
    EXPECT_EQ(Stored("WepKey1"), Text("6162636465", 128));
    EXPECT_EQ(Stored("WepKey2"), Text("3030303030", 128));
}

// Only a key with no byte at all is empty; a HEX key may begin with a zero byte, as one in
// four generated 64-bit keys does.
TEST_F(DefaultSettingsEncoding, HexKeyBeginningWithAZeroByteIsStoredAsItself)
{
    const struct {
        const char* What;
        unsigned char Key[5];
        const char* StoredHex;
    } cases[] = {
        {"zero first byte", {0x00, 0xAA, 0xBB, 0xCC, 0xDD}, "00AABBCCDD"},
        {"zero last byte only", {0x12, 0x00, 0x00, 0x00, 0x00}, "1200000000"},
        {"every byte zero", {0, 0, 0, 0, 0}, "3030303030"},
    };
    settings_.WepKeySize = 5;
    settings_.WepKeyFormat = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        std::memcpy(settings_.WepKey1, c.Key, sizeof c.Key);
        SaveDefaultSettings(settings_);
        EXPECT_EQ(Stored("WepKey1"), Text(c.StoredHex, 128));
        if (c.Key[1] != 0) {
            AdapterSettings loaded{};
            LoadDefaultSettings(loaded);
            EXPECT_EQ(0, std::memcmp(loaded.WepKey1, c.Key, sizeof c.Key)) << "loads back as typed";
        }
    }
}

TEST_F(DefaultSettingsEncoding, WepOffLeavesStoredKeysUntouched)
{
    settings_.WepKeyFormat = WepKeyFormatAscii;
    settings_.WepKeySize = WepKeySize64;
    std::memcpy(settings_.WepKey3, "first", 5);
    SaveDefaultSettings(settings_);

    std::memcpy(settings_.WepKey3, "other", 5);
    settings_.WepStatus = WepStatusOff;
    SaveDefaultSettings(settings_);

    EXPECT_EQ(Stored("WepKey3"), Text("first", 128));
    EXPECT_EQ(Stored("WepStatus"), Character('1'));

    AdapterSettings loaded{};
    LoadDefaultSettings(loaded);
    EXPECT_EQ(loaded.WepStatus, 1u);
    EXPECT_STREQ(reinterpret_cast<const char*>(loaded.WepKey3), "first");
}

TEST_F(DefaultSettingsEncoding, NoValueOnAFreshRegistryWithWepOff)
{
    settings_.WepStatus = WepStatusOff;
    SaveDefaultSettings(settings_);
    for (const char* name : {"WepKey1", "WepKey2", "WepKey3", "WepKey4"})
        EXPECT_FALSE(ValueExists(DefaultKey, name)) << name;
}

// Sizes beyond what a slot can hold as HEX text are stored as given, and the key values
// stay within their 128 bytes, terminated.
TEST_F(DefaultSettingsEncoding, OversizedKeySizeStaysWithinTheSlot)
{
    settings_.WepKeySize = 500;
    std::memset(settings_.WepKey1, 0x5A, sizeof settings_.WepKey1);
    SaveDefaultSettings(settings_);

    EXPECT_EQ(Stored("WepKeySize"), (Bytes{0xF4, 0x01, 0, 0}));
    const Bytes key1 = Stored("WepKey1");
    ASSERT_EQ(key1.size(), 128u);
    std::string hex;
    for (int i = 0; i < 63; ++i)
        hex += "5A";
    EXPECT_EQ(key1, Text(hex, 128));

    settings_.WepKeyFormat = WepKeyFormatAscii;
    SaveDefaultSettings(settings_);
    EXPECT_EQ(Stored("WepKey2"), Text(std::string(127, '0'), 128));
}

TEST_F(DefaultSettingsEncoding, TextFieldsAreWrittenTerminated)
{
    std::memset(settings_.DesiredSSID, 'S', sizeof settings_.DesiredSSID);
    std::memset(settings_.PskPassphrase, 'P', sizeof settings_.PskPassphrase);
    SaveDefaultSettings(settings_);
    EXPECT_EQ(Stored("DesiredSSID"), Text(std::string(32, 'S'), 33));
    EXPECT_EQ(Stored("PskPassphrase"), Text(std::string(64, 'P'), 65));
}

}  // namespace
