// The parts of the tool that need neither adapter nor registry: security from a beacon, the
// scan order, the registry script and the import's checks.
#include "adapter/ScanSecurity.h"
#include "ctl/ImportPlan.h"
#include "ctl/RegistryScript.h"
#include "ctl/ScanOrder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

const Bytes SsidAndRates = {0, 4, 'H', 'o', 'm', 'e', 1, 2, 0x82, 0x84};
const Bytes WpaElement = {221, 8, 0x00, 0x50, 0xF2, 0x01, 0x01, 0x00, 0x00, 0x50};
const Bytes RsnElement = {48, 2, 0x01, 0x00};
const Bytes WmmElement = {221, 5, 0x00, 0x50, 0xF2, 0x02, 0x00};
// Claims more bytes than follow: the WPA bytes inside must not be read.
const Bytes TruncatedWpa = {221, 40, 0x00, 0x50, 0xF2, 0x01};

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct SecurityCase {
    const char* Name;
    uint32_t Privacy;
    Bytes Elements;
    NetworkSecurity Expected;
};

TEST(ScanSecurity, PrivacyAndTheBeaconsElementsGiveTheSecurity)
{
    const SecurityCase cases[] = {
        {"no privacy, WPA element ignored", 0, Join({SsidAndRates, WpaElement}), NetworkSecurity::Open},
        {"privacy without elements", 1, {}, NetworkSecurity::Wep},
        {"privacy, plain elements", 1, SsidAndRates, NetworkSecurity::Wep},
        {"WPA element after SSID and rates", 1, Join({SsidAndRates, WpaElement}), NetworkSecurity::Wpa},
        {"RSN element", 1, Join({SsidAndRates, RsnElement}), NetworkSecurity::Wpa},
        {"another vendor element of the same OUI", 1, Join({SsidAndRates, WmmElement}), NetworkSecurity::Wep},
        {"truncated WPA element", 1, Join({SsidAndRates, TruncatedWpa}), NetworkSecurity::Wep},
        {"a lone id byte at the end", 1, Join({SsidAndRates, Bytes{221}}), NetworkSecurity::Wep},
    };
    for (const SecurityCase& c : cases) {
        EXPECT_EQ(c.Expected, SecurityFromBeacon(c.Privacy, c.Elements.data(), c.Elements.size())) << c.Name;
    }
    EXPECT_STREQ("WPA", NetworkSecurityName(NetworkSecurity::Wpa));
}

TEST(ScanOrder, StrongestFirstAndEqualStrengthsInTheAdaptersOrder)
{
    ScanList list = {};
    const int strengths[] = {40, 90, 60, 90, 10};
    list.Count = 5;
    for (int i = 0; i < list.Count; ++i)
        list.Entries[i].SignalStrength = strengths[i];
    EXPECT_EQ((std::vector<int>{1, 3, 2, 0, 4}), StrongestFirst(list));

    list.Count = -1;
    EXPECT_TRUE(StrongestFirst(list).empty());
}

struct ParseCase {
    const char* Name;
    std::string Text;
    int Line;
    const char* Fragment;
};

TEST(RegistryScript, AMalformedScriptIsRefusedAtItsLine)
{
    const ParseCase cases[] = {
        {"no header", "[HKEY_LOCAL_MACHINE\\X]\r\n", 1, "REGEDIT4"},
        {"empty file", "", 1, "empty"},
        {"value before a key", "REGEDIT4\r\n\r\n\"A\"=hex:01\r\n", 3, "before any key"},
        {"string value", "REGEDIT4\r\n[K]\r\n\"A\"=\"text\"\r\n", 3, "hex bytes"},
        {"dword value", "REGEDIT4\r\n[K]\r\n\"A\"=dword:00000001\r\n", 3, "hex bytes"},
        {"bad byte", "REGEDIT4\r\n[K]\r\n\"A\"=hex:01,zz\r\n", 3, "not a hex byte"},
        {"three-digit byte", "REGEDIT4\r\n[K]\r\n\"A\"=hex:123\r\n", 3, "not a hex byte"},
        {"bad byte on a continuation line", "REGEDIT4\r\n[K]\r\n\"A\"=hex:01,\\\r\n  0g\r\n", 3, "not a hex byte"},
        {"key deletion", "REGEDIT4\r\n[-K]\r\n", 2, "deletes a key"},
        {"default value", "REGEDIT4\r\n[K]\r\n@=hex:01\r\n", 3, "default value"},
        {"open bracket", "REGEDIT4\r\n[K\r\n", 2, "closing bracket"},
        {"open quote", "REGEDIT4\r\n[K]\r\n\"A=hex:01\r\n", 3, "closing quote"},
        {"stray text", "REGEDIT4\r\n[K]\r\nA=hex:01\r\n", 3, "neither"},
    };
    for (const ParseCase& c : cases) {
        std::vector<ScriptKey> keys;
        ScriptError error;
        EXPECT_FALSE(ParseRegistryScript(c.Text, keys, error)) << c.Name;
        EXPECT_EQ(c.Line, error.Line) << c.Name;
        EXPECT_NE(std::string::npos, error.Message.find(c.Fragment)) << c.Name << ": " << error.Message;
    }
}

TEST(RegistryScript, WhatIsWrittenReadsBackWithLongValuesContinued)
{
    ScriptKey key;
    key.Path = "HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\Caf\xE9 \"Guest\"";
    Bytes longValue(160);
    for (size_t i = 0; i < longValue.size(); ++i)
        longValue[i] = static_cast<unsigned char>(i * 7);
    key.Values = {{"WPACertificate", RegistryBinaryType, longValue, 0},
                  {"Odd \"name\" \\", 4, {0x31, 0, 0, 0}, 0},
                  {"Empty", RegistryBinaryType, {}, 0}};
    const std::string text = WriteRegistryScript({key});

    size_t longest = 0;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        longest = std::max(longest, end - start);
    EXPECT_LT(longest, 80u);
    EXPECT_NE(std::string::npos, text.find("\"Odd \\\"name\\\" \\\\\"=hex(4):31,00,00,00\r\n"));

    std::vector<ScriptKey> keys;
    ScriptError error;
    ASSERT_TRUE(ParseRegistryScript(text, keys, error)) << error.Line << ": " << error.Message;
    ASSERT_EQ(1u, keys.size());
    EXPECT_EQ(key.Path, keys[0].Path);
    ASSERT_EQ(3u, keys[0].Values.size());
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(key.Values[i].Name, keys[0].Values[i].Name);
        EXPECT_EQ(key.Values[i].Type, keys[0].Values[i].Type);
        EXPECT_EQ(key.Values[i].Bytes, keys[0].Values[i].Bytes);
    }
    EXPECT_EQ(4, keys[0].Values[0].Line);
}

std::string Hex(const Bytes& bytes)
{
    std::string text;
    char pair[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(pair, sizeof pair, i ? ",%02x" : "%02x", bytes[i]);
        text += pair;
    }
    return text;
}

Bytes Text(const std::string& text, size_t size)
{
    Bytes bytes(size, 0);
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(std::min(text.size(), size)), bytes.begin());
    return bytes;
}

std::string Profile(const std::string& name, const std::string& values)
{
    return "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\" + name + "]\r\n" + values;
}

std::string Value(const char* name, const Bytes& bytes)
{
    return std::string("\"") + name + "\"=hex:" + Hex(bytes) + "\r\n";
}

struct PlanCase {
    const char* Name;
    std::string Text;
    bool AllowDefaults;
    int Line;  // 0: the plan is accepted
    const char* Fragment;
};

TEST(ImportPlan, EveryValueIsCheckedAgainstWhatTheLoaderTakes)
{
    const std::string ssid = Value("DesiredSSID", Text("Home", 33));
    const std::string defaults = "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\DEFAULT]\r\n" + ssid;
    const PlanCase cases[] = {
        {"a good profile", Profile("Home", ssid + Value("Channel", {'1', '1', 0, 0})), false, 0, ""},
        {"unknown value", Profile("Home", ssid + Value("Colour", {1})), false, 5, "not a value"},
        {"over-long text", Profile("Home", Value("DesiredSSID", Text("Home", 34))), false, 4, "exactly 33"},
        {"text without terminator", Profile("Home", Value("DesiredSSID", Bytes(33, 'A'))), false, 4, "zero byte"},
        {"channel 99", Profile("Home", ssid + Value("Channel", {'9', '9', 0, 0})), false, 5, "1 to 14"},
        {"channel 0", Profile("Home", Value("Channel", {'0', 0, 0, 0})), false, 4, "1 to 14"},
        {"auth mode 4", Profile("Home", Value("AuthMode", {'4', 0, 0, 0})), false, 4, "'0' to '3'"},
        {"preamble below its base", Profile("Home", Value("Preamble", {'0', 0, 0, 0})), false, 4, "'1' to '3'"},
        {"lower-case rate", Profile("Home", Value("DataRate", Text("6c", 10))), false, 4, "rate code"},
        {"rate FF is Auto", Profile("Home", Value("DataRate", Text("FF", 10))), false, 0, ""},
        {"key size 64", Profile("Home", Value("WepKeySize", {64, 0, 0, 0})), false, 4, "\"5\" or \"13\""},
        {"ASCII key with any text", Profile("Home", Value("WepKey1", Text("zz!", 128))), false, 0, ""},
        {"HEX key not hex", Profile("Home", Value("WepKeyFormat", {'1', 0, 0, 0}) + Value("WepKey1", Text("zz", 128))),
         false, 5, "hexadecimal"},
        {"value twice", Profile("Home", ssid + ssid), false, 5, "twice"},
        {"defaults without the option", defaults, false, 2, "--defaults"},
        {"defaults with the option", defaults, true, 0, ""},
        {"profile name with a backslash", Profile("A\\B", ssid), false, 3, "backslash"},
        {"profile name of 33 characters", Profile(std::string(33, 'N'), ssid), false, 3, "longer than 32"},
        {"profile twice, any case", Profile("Home", ssid) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\HOME]\r\n",
         false, 5, "twice"},
        {"a key of another program", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n", false, 2, "neither"},
        {"the profile root alone", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE]\r\n", false, 0, ""},
    };
    for (const PlanCase& c : cases) {
        std::vector<ScriptKey> keys;
        std::vector<ImportTarget> targets;
        ScriptError error;
        ASSERT_TRUE(ParseRegistryScript(c.Text, keys, error)) << c.Name << ": " << error.Message;
        const bool accepted = PlanImport(keys, c.AllowDefaults, targets, error);
        EXPECT_EQ(c.Line == 0, accepted) << c.Name << ": " << error.Message;
        if (c.Line != 0) {
            EXPECT_EQ(c.Line, error.Line) << c.Name;
            EXPECT_NE(std::string::npos, error.Message.find(c.Fragment)) << c.Name << ": " << error.Message;
        }
    }
}

}  // namespace
