// The parts of the tool that need neither adapter nor registry: security from a beacon, the
// registry script, the import's checks, the console tables and a profile in words.
#include "adapter/ScanSecurity.h"
#include "ctl/ImportPlan.h"
#include "ctl/ProfileText.h"
#include "ctl/RegistryScript.h"
#include "ctl/SystemMessage.h"
#include "ctl/TextTable.h"
#include "record/WepKeySlots.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <map>
#include <sstream>

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

// A literal's every byte, zero bytes inside it included.
template <size_t Size>
std::string WithZeros(const char (&text)[Size])
{
    return std::string(text, Size - 1);
}

// A file as the registry editor saves it unless told otherwise: UTF-16 after its byte order
// mark, under the later header.
std::string Utf16File(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

const std::wstring Version5 = L"Windows Registry Editor Version 5.00\r\n\r\n[K]\r\n";

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
        {"value of no known form", "REGEDIT4\r\n[K]\r\n\"A\"=text\r\n", 3, "neither"},
        {"dword of nine digits", "REGEDIT4\r\n[K]\r\n\"A\"=dword:000000001\r\n", 3, "dword"},
        {"dword not hex", "REGEDIT4\r\n[K]\r\n\"A\"=dword:0000001g\r\n", 3, "dword"},
        {"text with more after it", "REGEDIT4\r\n[K]\r\n\"A\"=\"x\"y\r\n", 3, "after the closing quote"},
        {"text without its closing quote", "REGEDIT4\r\n[K]\r\n\"A\"=\"x\r\n", 3, "no closing quote"},
        // A letter the settings' code page lacks would be stored as a question mark.
        {"text the code page cannot spell", Utf16File(Version5 + L"\"A\"=\"\u4E2D\"\r\n"), 4, "code page"},
        {"UTF-16 hex text the code page cannot spell", Utf16File(Version5 + L"\"A\"=hex(2):2d,4e,00,00\r\n"), 4,
         "code page"},
        {"UTF-16 hex text of an odd length", Utf16File(Version5 + L"\"A\"=hex(1):43,00,00\r\n"), 4, "odd"},
        {"value name the code page cannot spell", Utf16File(Version5 + L"\"\u4E2D\"=hex:01\r\n"), 4, "code page"},
        {"key name the code page cannot spell", Utf16File(L"REGEDIT4\r\n[K\u4E2D]\r\n"), 2, "code page"},
        {"UTF-16 with a lone surrogate", Utf16File(Version5 + L"\"A\"=\"\xD800\"\r\n"), 4, "broken"},
        {"UTF-16 cut inside a letter", Utf16File(Version5) + "\"", 4, "broken"},
        {"bad byte", "REGEDIT4\r\n[K]\r\n\"A\"=hex:01,zz\r\n", 3, "not a hex byte"},
        {"three-digit byte", "REGEDIT4\r\n[K]\r\n\"A\"=hex:123\r\n", 3, "not a hex byte"},
        {"bad byte on a continuation line", "REGEDIT4\r\n[K]\r\n\"A\"=hex:01,\\\r\n  0g\r\n", 3, "not a hex byte"},
        {"key deletion", "REGEDIT4\r\n[-K]\r\n", 2, "deletes a key"},
        {"default value", "REGEDIT4\r\n[K]\r\n@=hex:01\r\n", 3, "default value"},
        {"open bracket", "REGEDIT4\r\n[K\r\n", 2, "closing bracket"},
        {"open quote", "REGEDIT4\r\n[K]\r\n\"A=hex:01\r\n", 3, "closing quote"},
        {"stray text", "REGEDIT4\r\n[K]\r\nA=hex:01\r\n", 3, "neither"},
        // A zero byte would cut the name where the registry takes it: Home<NUL>x would be Home.
        {"zero byte in a key name", WithZeros("REGEDIT4\r\n[K\0x]\r\n"), 2, "zero byte"},
        {"zero byte in a value name", WithZeros("REGEDIT4\r\n[K]\r\n\"A\0x\"=hex:01\r\n"), 3, "zero byte"},
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

struct ValueFormCase {
    const char* Name;
    std::string File;
    uint32_t Type;
    Bytes Stored;
};

// Texts arrive in the code page, as the store's REGEDIT4 and its registry calls keep them.
// The bytes below are code page 1252's, the suite's.
TEST(RegistryScript, TextsAndNumbersOfEitherHeaderReadAsTheBytesTheStoreKeeps)
{
    ASSERT_EQ(1252u, GetACP());
    const std::string regedit4 = "REGEDIT4\r\n[K]\r\n";
    const std::string cafe = "Caf\xE9";
    const ValueFormCase cases[] = {
        {"text with escapes", regedit4 + "\"A\"=\"\\\"x\\\" C:\\\\\"\r\n",
         RegistryTextType, {'"', 'x', '"', ' ', 'C', ':', '\\', 0}},
        {"dword", regedit4 + "\"A\"=dword:0102031f\r\n", RegistryNumberType, {0x1F, 3, 2, 1}},
        {"REGEDIT4 hex text in the code page", regedit4 + "\"A\"=hex(1):e9,00\r\n", RegistryTextType, {0xE9, 0}},
        {"UTF-16 text", Utf16File(Version5 + L"\"A\"=\"Caf\u00E9\"\r\n"), RegistryTextType, {'C', 'a', 'f', 0xE9, 0}},
        {"UTF-16 dword", Utf16File(Version5 + L"\"A\"=dword:00000031\r\n"), RegistryNumberType, {'1', 0, 0, 0}},
        {"UTF-16 hex text in UTF-16", Utf16File(Version5 + L"\"A\"=hex(2):43,00,e9,00,00,00\r\n"),
         RegistryExpandableTextType, {'C', 0xE9, 0}},
        {"UTF-16 binary over continued lines", Utf16File(Version5 + L"\"A\"=hex:e9,02,\\\r\n  03\r\n"),
         RegistryBinaryType, {0xE9, 2, 3}},
        {"the later header saved by hand in the code page",
         "Windows Registry Editor Version 5.00\r\n[K]\r\n\"A\"=\"" + cafe + "\"\r\n", RegistryTextType,
         {'C', 'a', 'f', 0xE9, 0}},
        {"UTF-8 after its mark", "\xEF\xBB\xBFREGEDIT4\r\n[K]\r\n\"A\"=\"Caf\xC3\xA9\"\r\n", RegistryTextType,
         {'C', 'a', 'f', 0xE9, 0}},
    };
    for (const ValueFormCase& c : cases) {
        std::vector<ScriptKey> keys;
        ScriptError error;
        ASSERT_TRUE(ParseRegistryScript(c.File, keys, error)) << c.Name << ": " << error.Line << ": " << error.Message;
        ASSERT_EQ(1u, keys.size()) << c.Name;
        ASSERT_FALSE(keys[0].Values.empty()) << c.Name;
        EXPECT_EQ("A", keys[0].Values[0].Name) << c.Name;
        EXPECT_EQ(c.Type, keys[0].Values[0].Type) << c.Name;
        EXPECT_EQ(c.Stored, keys[0].Values[0].Bytes) << c.Name;
    }
    // Names and keys are texts of the file too.
    std::vector<ScriptKey> keys;
    ScriptError error;
    ASSERT_TRUE(ParseRegistryScript(Utf16File(L"Windows Registry Editor Version 5.00\r\n[P\\Caf\u00E9]\r\n"
                                              L"\"N\u00E9\"=hex:01\r\n"),
                                    keys, error))
        << error.Message;
    EXPECT_EQ("P\\" + cafe, keys[0].Path);
    EXPECT_EQ("N\xE9", keys[0].Values[0].Name);
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
        // Texts are read up to their first zero byte, at most one byte short of the field.
        {"text as reg add stores it", Profile("Home", Value("DesiredSSID", Text("Home", 5))), false, 0, ""},
        {"text without terminator", Profile("Home", Value("DesiredSSID", {'H', 'o', 'm', 'e'})), false, 0, ""},
        {"empty text", Profile("Home", Value("DesiredSSID", {})), false, 0, ""},
        {"text longer than the field after its end", Profile("Home", Value("DesiredSSID", Text("Home", 40))), false,
         0, ""},
        {"text filling the field", Profile("Home", Value("DesiredSSID", Bytes(33, 'A'))), false, 4, "at most 32"},
        {"passphrase of 64 characters", Profile("Home", Value("PskPassphrase", Bytes(64, 'p'))), false, 0, ""},
        {"passphrase of 65 characters", Profile("Home", Value("PskPassphrase", Bytes(65, 'p'))), false, 4,
         "at most 64"},
        // The 4-byte read zero-fills shorter values and reads no further than four bytes.
        {"digit as a two-byte text", Profile("Home", Value("NetworkMode", {'1', 0})), false, 0, ""},
        {"digit as REG_DWORD", Profile("Home", "\"AuthMode\"=hex(4):32,00,00,00\r\n"), false, 0, ""},
        {"digit with bytes after the fourth", Profile("Home", Value("NetworkMode", {'0', 0, 0, 0, 'x'})), false, 0,
         ""},
        // Every 4 bytes are a digit to the loader (the stored number minus '0'), so every one
        // is taken; the apply decides what a value outside the named ones does.
        {"empty digit", Profile("Home", Value("NetworkMode", {})), false, 0, ""},
        {"auth mode 4", Profile("Home", Value("AuthMode", {'4', 0, 0, 0})), false, 0, ""},
        {"transmit key 4", Profile("Home", Value("TxWepKey", {'4', 0, 0, 0})), false, 0, ""},
        {"preamble below its base", Profile("Home", Value("Preamble", {'0', 0, 0, 0})), false, 0, ""},
        {"key size as the text 13", Profile("Home", Value("WepKeySize", {'1', '3', 0})), false, 0, ""},
        {"channel as a short text", Profile("Home", "\"Channel\"=hex(1):31,31,00\r\n"), false, 0, ""},
        {"rate as a short text", Profile("Home", Value("DataRate", {'6', 'C', 0})), false, 0, ""},
        // The channel is any decimal text; "0" is what the Configuration page stores for a
        // channel outside the region's list.
        {"channel 99", Profile("Home", ssid + Value("Channel", {'9', '9', 0, 0})), false, 0, ""},
        {"channel 0", Profile("Home", Value("Channel", {'0', 0, 0, 0})), false, 0, ""},
        {"channel not decimal", Profile("Home", ssid + Value("Channel", {'6', 'a', 0, 0})), false, 5, "decimal text"},
        {"channel of no digits", Profile("Home", Value("Channel", {0, 0, 0, 0})), false, 4, "decimal text"},
        {"lower-case rate", Profile("Home", Value("DataRate", Text("6c", 10))), false, 4, "rate code"},
        {"rate FF is Auto", Profile("Home", Value("DataRate", Text("FF", 10))), false, 0, ""},
        {"key size 64", Profile("Home", Value("WepKeySize", {64, 0, 0, 0})), false, 0, ""},
        {"ASCII key with any text", Profile("Home", Value("WepKey1", Text("zz!", 128))), false, 0, ""},
        // A HEX key is read pair by pair as far as it is hexadecimal.
        {"HEX key not hex", Profile("Home", Value("WepKeyFormat", {'1', 0, 0, 0}) + Value("WepKey1", Text("zz", 128))),
         false, 0, ""},
        {"key text filling its field", Profile("Home", Value("WepKey1", Bytes(128, 'A'))), false, 4,
         "at most 127"},
        {"value twice", Profile("Home", ssid + ssid), false, 5, "twice"},
        // The registry compares names ordinally: a linguistic comparison takes this for
        // PskPassphrase, which the loader would not read.
        {"a name only a linguistic comparison matches", Profile("Home", Value("PskPa\xDFphrase", {'p', 0})), false,
         4, "not a value"},
        {"value twice in another case", Profile("Home", ssid + Value("DESIREDssid", Text("Away", 33))), false, 5,
         "twice"},
        {"defaults without the option", defaults, false, 2, "--defaults"},
        {"defaults with the option", defaults, true, 0, ""},
        {"defaults twice, spelled apart", defaults + "[hkey_local_machine\\software\\kt60\\default\\]\r\n", true, 4,
         "twice"},
        {"profile name with a backslash", Profile("A\\B", ssid), false, 3, "backslash"},
        {"profile name of 33 characters", Profile(std::string(33, 'N'), ssid), false, 3, "longer than 32"},
        {"profile twice, any case", Profile("Home", ssid) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\HOME]\r\n",
         false, 5, "twice"},
        {"profile twice, non-ASCII case",
         Profile("Caf\xE9", ssid) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\CAF\xC9]\r\n", false, 5, "twice"},
        {"a key of another program", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n", false, 2, "neither"},
        {"the profile root alone", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE]\r\n", false, 0, ""},
    };
    for (const PlanCase& c : cases) {
        std::vector<ScriptKey> keys;
        std::vector<ImportTarget> targets;
        std::vector<ImportTarget> leftAlone;
        ScriptError error;
        ASSERT_TRUE(ParseRegistryScript(c.Text, keys, error)) << c.Name << ": " << error.Message;
        const bool accepted = PlanImport(keys, c.AllowDefaults, targets, leftAlone, error);
        EXPECT_EQ(c.Line == 0, accepted) << c.Name << ": " << error.Message;
        if (c.Line != 0) {
            EXPECT_EQ(c.Line, error.Line) << c.Name;
            EXPECT_NE(std::string::npos, error.Message.find(c.Fragment)) << c.Name << ": " << error.Message;
        }
    }
}

TEST(TextTable, ControlBytesOfACellAreShownAsEscapesAndSplitNoRow)
{
    // A network's name heard over the air, with a line break and a console escape sequence.
    CTextTable table;
    table.AddRow({"SSID", "Channel"});
    table.AddRow({"Evil\r\nSSID\x1B[2J", "6"});
    table.AddRow({"Plain", "11"});
    std::ostringstream out;
    table.Print(out);
    EXPECT_EQ("SSID                     Channel\n"
              "Evil\\x0D\\x0ASSID\\x1B[2J  6\n"
              "Plain                    11\n",
              out.str());
}

struct SecretCase {
    const char* Name;
    uint32_t TxWepKey;
    const char* TransmitKey;
};

TEST(ProfileText, WithoutSecretsEveryKeyAndThePassphraseAreMaskedAndTheTransmitKeyCountsFromOne)
{
    const SecretCase cases[] = {{"first key", 0, "1"}, {"last key", 3, "4"}};
    for (const SecretCase& c : cases) {
        AdapterSettings settings;
        std::memset(&settings, 0, sizeof settings);
        settings.WepKeySize = WepKeySize64;
        settings.TxWepKey = c.TxWepKey;
        for (int i = 0; i < WepKeyCount; ++i)
        {
            const std::string key = "KEY0" + std::to_string(i);
            std::memcpy(WepKeySlot(settings, i), key.data(), key.size());
        }
        std::strcpy(settings.PskPassphrase, "my passphrase");
        std::map<std::string, std::string> masked;
        for (const SettingLine& line : DescribeSettings(settings, false))
            masked[line.JsonKey] = line.Text;
        std::map<std::string, std::string> shown;
        for (const SettingLine& line : DescribeSettings(settings, true))
            shown[line.JsonKey] = line.Text;
        for (const char* key : {"key1", "key2", "key3", "key4", "passphrase"}) {
            EXPECT_EQ("********", masked[key]) << c.Name << ": " << key;
            EXPECT_NE("********", shown[key]) << c.Name << ": " << key;
        }
        EXPECT_EQ("KEY03", shown["key4"]) << c.Name;
        EXPECT_EQ("my passphrase", shown["passphrase"]) << c.Name;
        EXPECT_EQ(c.TransmitKey, masked["transmitKey"]) << c.Name;
    }
}

std::string SentenceIn(DWORD code, LANGID language)
{
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, language, text,
                   sizeof text, nullptr);
    return text;
}

// The system's sentences come as the system words them for this user: another language
// would not be the user's. Where the code page cannot spell the user's language (the code
// page's question marks show it), English. The suite runs this again under a Japanese locale,
// with the code page 932 and with a Western one.
TEST(SystemMessage, IsTheSystemsSentenceInTheUsersLanguageOrElseInEnglish)
{
    for (const DWORD code : {ERROR_ACCESS_DENIED, ERROR_FILE_NOT_FOUND, ERROR_KEY_DELETED}) {
        const std::string users = SentenceIn(code, GetUserDefaultUILanguage());
        ASSERT_FALSE(users.empty()) << code;
        const bool spelled = users.find('?') == std::string::npos;
        const std::string expected = spelled ? users : SentenceIn(code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        const std::string message = SystemMessage(code);
        EXPECT_FALSE(message.empty()) << code;
        EXPECT_EQ(0u, expected.find(message)) << code << ": \"" << message << "\" for \"" << expected << "\"";
    }
}

}  // namespace
