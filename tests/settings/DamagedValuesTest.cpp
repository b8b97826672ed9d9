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

TEST_F(DamagedValues, CharacterValuesOutOfRangeKeepTheirDefaults)
{
    WriteValue(DefaultKey, "NetworkMode", RawText("0garbage"));  // read as the 4 bytes "0gar"
    WriteValue(DefaultKey, "WepStatus", Number('7'));
    WriteValue(DefaultKey, "PowerMode", Number('3'));
    WriteValue(DefaultKey, "Preamble", Number('0'));
    WriteValue(DefaultKey, "AuthMode", RawText("Z"));
    WriteValue(DefaultKey, "TxWepKey", Number('4'));
    WriteValue(DefaultKey, "WepKeyFormat", Number(1));  // a number, not the character '1'

    AdapterSettings s{};
    LoadDefaultSettings(s);
    EXPECT_EQ(s.NetworkMode, 1u);
    EXPECT_EQ(s.WepStatus, 1u);
    EXPECT_EQ(s.PowerMode, 0u);
    EXPECT_EQ(s.Preamble, 0u);
    EXPECT_EQ(s.AuthMode, 0u);
    EXPECT_EQ(s.TxWepKey, 0u);
    EXPECT_EQ(s.WepKeyFormat, 0u);
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

TEST_F(DamagedValues, ChannelNeedsDigitsOfAChannel)
{
    struct Case {
        Bytes Stored;
        uint32_t Expected;
    };
    const Case cases[] = {
        {Text("9", 4), 9},      {RawText("13"), 13},        {RawText("1a"), 1}, {Text("99", 4), 1},
        {RawText("1234"), 1},   {RawText("0001"), 1},       {Text("0", 4), 1},  {Text("", 4), 1},
        {Number(6), 1},         {RawText(" 6"), 1},         {RawText("-3"), 1}, {Text("12", 8), 12},
    };
    for (const Case& c : cases) {
        WriteValue(DefaultKey, "Channel", c.Stored);
        AdapterSettings s{};
        LoadDefaultSettings(s);
        EXPECT_EQ(s.Channel, c.Expected) << std::string(c.Stored.begin(), c.Stored.end());
    }
}

TEST_F(DamagedValues, UnusableKeySizeKeepsTheRecordValue)
{
    WriteValue(DefaultKey, "WepKeySize", Number(0x7FFFFFFF));
    AdapterSettings s{};
    LoadDefaultSettings(s);
    EXPECT_EQ(s.WepKeySize, 0u);

    WriteValue(DefaultKey, "WepKeySize", RawText("13"));
    LoadDefaultSettings(s);
    EXPECT_EQ(s.WepKeySize, 13u);

    WriteValue(DefaultKey, "WepKeySize", RawText("64"));
    s.WepKeySize = WepKeySize64;
    LoadDefaultSettings(s);
    EXPECT_EQ(s.WepKeySize, 5u);
}

TEST_F(DamagedValues, HexKeyWithNonDigitsLeavesTheSlot)
{
    WriteValue(DefaultKey, "WepKeyFormat", Number('1'));
    WriteValue(DefaultKey, "WepKey1", Text("zz11223344", 128));
    WriteValue(DefaultKey, "WepKey2", Text("11 2233445", 128));
    WriteValue(DefaultKey, "WepKey3", Text("1122334455", 128));
    AdapterSettings s{};
    LoadDefaultSettings(s);
    EXPECT_EQ(Bytes(s.WepKey1, s.WepKey1 + 128), Bytes(128, 0));
    EXPECT_EQ(Bytes(s.WepKey2, s.WepKey2 + 128), Bytes(128, 0));
    EXPECT_EQ(Bytes(s.WepKey3, s.WepKey3 + 6), (Bytes{0x11, 0x22, 0x33, 0x44, 0x55, 0}));
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
    EXPECT_EQ(s.NetworkMode, 1u);
    EXPECT_EQ(s.Channel, 1u);
    EXPECT_EQ(s.WepStatus, 1u);
    EXPECT_EQ(s.WepKeySize, 0u);
    EXPECT_TRUE(guarded.GuardsIntact());
}

}  // namespace
