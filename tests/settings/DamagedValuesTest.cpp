// Stored values are input: values of the wrong size or type, without terminators, or with
// text where digits belong must neither overrun a field nor leave nonsense in the record.
#include "RegistryScratch.h"

#include "settings/DefaultSettings.h"

#include <cstring>

namespace {

using DamagedValues = CleanRegistry;

// The record framed by guard bytes, so that a write past any field shows.
struct GuardedSettings {
    unsigned char Before[64];
    AdapterSettings Settings;
    unsigned char After[64];
};

class Guarded {
public:
    Guarded()
    {
        std::memset(&frame_, 0xEE, sizeof frame_);
        std::memset(&frame_.Settings, 0, sizeof frame_.Settings);
    }
    AdapterSettings& Settings() { return frame_.Settings; }
    bool GuardsIntact() const
    {
        for (unsigned char b : frame_.Before)
            if (b != 0xEE)
                return false;
        for (unsigned char b : frame_.After)
            if (b != 0xEE)
                return false;
        return true;
    }

private:
    GuardedSettings frame_;
};

TEST_F(DamagedValues, UnterminatedSsidIsCutAndTerminated)
{
    WriteValue(DefaultKey, "DesiredSSID", RawText(std::string(40, 'A')));
    Guarded guarded;
    std::memset(guarded.Settings().Bssid, 'B', sizeof guarded.Settings().Bssid);
    LoadDefaultSettings(guarded.Settings());

    EXPECT_EQ(std::string(guarded.Settings().DesiredSSID), std::string(32, 'A'));
    EXPECT_EQ(std::string(guarded.Settings().Bssid, sizeof guarded.Settings().Bssid), std::string(18, 'B'));
    EXPECT_TRUE(guarded.GuardsIntact());

    WriteValue(DefaultKey, "DesiredSSID", RawText("Cafe"));
    Guarded shortOne;
    LoadDefaultSettings(shortOne.Settings());
    EXPECT_STREQ(shortOne.Settings().DesiredSSID, "Cafe");
}

TEST_F(DamagedValues, OverlongTextValuesStayWithinTheirFields)
{
    WriteValue(DefaultKey, "PskPassphrase", RawText(std::string(300, 'p')));
    WriteValue(DefaultKey, "WPALoginName", RawText(std::string(300, 'l')));
    WriteValue(DefaultKey, "WPACertificate", RawText(std::string(3000, 'c')));
    WriteValue(DefaultKey, "WepKey4", RawText(std::string(1000, 'k')));
    WriteValue(DefaultKey, "DataRate", RawText(std::string(100, '6')));

    Guarded guarded;
    LoadDefaultSettings(guarded.Settings());
    const AdapterSettings& s = guarded.Settings();
    EXPECT_EQ(std::string(s.PskPassphrase), std::string(64, 'p'));
    EXPECT_EQ(std::string(s.WPALoginName), std::string(39, 'l'));
    EXPECT_EQ(std::string(s.WPACertificate), std::string(159, 'c'));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.WepKey4)), std::string(127, 'k'));
    EXPECT_EQ(s.DataRate[0], 0);
    EXPECT_TRUE(guarded.GuardsIntact());
}

TEST_F(DamagedValues, OverlongHexKeyDecodesWithinItsSlot)
{
    WriteValue(DefaultKey, "WepKeyFormat", Number('1'));
    WriteValue(DefaultKey, "WepKey1", RawText(std::string(1000, 'A')));
    Guarded guarded;
    std::memset(guarded.Settings().WepKey2, 0x77, sizeof guarded.Settings().WepKey2);
    LoadDefaultSettings(guarded.Settings());

    const AdapterSettings& s = guarded.Settings();
    EXPECT_EQ(Bytes(s.WepKey1, s.WepKey1 + 64), [] {
        Bytes expected(63, 0xAA);
        expected.push_back(0);
        return expected;
    }());
    EXPECT_EQ(Bytes(s.WepKey2, s.WepKey2 + 128), Bytes(128, 0x77));
    EXPECT_TRUE(guarded.GuardsIntact());
}

TEST_F(DamagedValues, ShortCharacterValuesStillRead)
{
    WriteValue(DefaultKey, "NetworkMode", RawText("0"));
    WriteValue(DefaultKey, "TxWepKey", Text("2", 2));
    AdapterSettings s{};
    LoadDefaultSettings(s);
    EXPECT_EQ(s.NetworkMode, 0u);
    EXPECT_EQ(s.TxWepKey, 2u);
}

// The 4-byte values as another tool may leave them. A single character is the stored number
// minus its base ('0', the preamble '1'), in range or not: the apply procedures decide what a
// value outside the named ones does. The channel is the decimal text of the 4 bytes, whatever
// number it spells; text that is none gives 1. The key size is "5", "13" or the number itself.
TEST_F(DamagedValues, FourByteValuesLoadAsTheirBytesSay)
{
    const auto channel = &AdapterSettings::Channel;
    const auto keySize = &AdapterSettings::WepKeySize;
    const struct {
        const char* Name;
        uint32_t AdapterSettings::*Field;
        Bytes Stored;
        uint32_t Loaded;
    } cases[] = {
        {"NetworkMode", &AdapterSettings::NetworkMode, RawText("0garbage"), 0x72616700},  // the 4 bytes "0gar"
        {"NetworkMode", &AdapterSettings::NetworkMode, Bytes{}, 0u - '0'},
        {"WepStatus", &AdapterSettings::WepStatus, Character('7'), 7},
        {"Preamble", &AdapterSettings::Preamble, Character('0'), 0xFFFFFFFF},
        {"AuthMode", &AdapterSettings::AuthMode, RawText("Z"), 'Z' - '0'},
        {"TxWepKey", &AdapterSettings::TxWepKey, Character('4'), 4},
        {"WepKeyFormat", &AdapterSettings::WepKeyFormat, Number(1), 1u - '0'},  // a number, not the character '1'
        {"Channel", channel, Text("9", 4), 9},     {"Channel", channel, Text("0", 4), 0},
        {"Channel", channel, RawText("13"), 13},   {"Channel", channel, Text("99", 4), 99},
        {"Channel", channel, RawText("1234"), 1234}, {"Channel", channel, RawText("0001"), 1},
        {"Channel", channel, Text("12", 8), 12},   {"Channel", channel, RawText("9a"), 1},
        {"Channel", channel, Text("", 4), 1},      {"Channel", channel, Number(6), 1},
        {"Channel", channel, RawText(" 6"), 1},    {"Channel", channel, RawText("-3"), 1},
        {"WepKeySize", keySize, RawText("13"), 13}, {"WepKeySize", keySize, Number(64), 64},
        {"WepKeySize", keySize, RawText("64"), 0x3436}, {"WepKeySize", keySize, Number(0x7FFFFFFF), 0x7FFFFFFF},
    };
    for (const auto& c : cases) {
        WriteValue(DefaultKey, c.Name, c.Stored);
        AdapterSettings loaded{};
        LoadDefaultSettings(loaded);
        EXPECT_EQ(loaded.*c.Field, c.Loaded) << c.Name << " " << std::string(c.Stored.begin(), c.Stored.end());
    }
}

// Each pair of a HEX key is read as "%x" reads it, as far as it is hexadecimal; the decoded
// bytes replace the start of the slot and the rest is cleared.
TEST_F(DamagedValues, HexKeyPairsAreReadAsFarAsTheyAreHexadecimal)
{
    WriteValue(DefaultKey, "WepKeyFormat", Number('1'));
    WriteValue(DefaultKey, "WepKey1", Text("zz1z223344", 128));
    WriteValue(DefaultKey, "WepKey2", Text("1122334455", 128));
    AdapterSettings s{};
    std::memset(s.WepKey2, 0x77, sizeof s.WepKey2);
    LoadDefaultSettings(s);
    Bytes key1(128, 0);
    std::copy_n(Bytes{0x00, 0x01, 0x22, 0x33, 0x44}.begin(), 5, key1.begin());
    EXPECT_EQ(Bytes(s.WepKey1, s.WepKey1 + 128), key1);
    Bytes key2(128, 0);
    std::copy_n(Bytes{0x11, 0x22, 0x33, 0x44, 0x55}.begin(), 5, key2.begin());
    EXPECT_EQ(Bytes(s.WepKey2, s.WepKey2 + 128), key2);
}

TEST_F(DamagedValues, ValuesOfOtherRegistryTypesAreReadByTheirBytes)
{
    WriteValue(DefaultKey, "DesiredSSID", Text("Typed", 6), REG_SZ);
    WriteValue(DefaultKey, "NetworkMode", Text("0", 2), REG_SZ);
    WriteValue(DefaultKey, "Channel", Number(11), REG_DWORD);
    WriteValue(DefaultKey, "AuthMode", Number('2'), REG_DWORD);
    WriteValue(DefaultKey, "WPALoginName", Text("multi", 7), REG_MULTI_SZ);

    Guarded guarded;
    LoadDefaultSettings(guarded.Settings());
    const AdapterSettings& s = guarded.Settings();
    EXPECT_STREQ(s.DesiredSSID, "Typed");
    EXPECT_EQ(s.NetworkMode, 0u);
    EXPECT_EQ(s.Channel, 1u);  // the number 11 is no decimal text
    EXPECT_EQ(s.AuthMode, 2u);
    EXPECT_STREQ(s.WPALoginName, "multi");
    EXPECT_TRUE(guarded.GuardsIntact());
}

TEST_F(DamagedValues, EmptyValuesAreHarmless)
{
    for (const char* name : {"DesiredSSID", "NetworkMode", "Channel", "DataRate", "WepStatus", "WepKeySize",
                             "WepKeyFormat", "WepKey1", "PskPassphrase"})
        WriteValue(DefaultKey, name, Bytes{});
    Guarded guarded;
    LoadDefaultSettings(guarded.Settings());
    const AdapterSettings& s = guarded.Settings();
    EXPECT_STREQ(s.DesiredSSID, "");
    EXPECT_EQ(s.Channel, 1u);
    EXPECT_EQ(s.WepKeySize, 0u);
    EXPECT_TRUE(guarded.GuardsIntact());
}

}  // namespace
