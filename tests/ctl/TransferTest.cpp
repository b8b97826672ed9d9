// export and import: the same bytes back, through the tool and through Wine's reg.exe, and a
// damaged or clashing file refused before anything is written.
#include "ChildProcess.h"
#include "CtlRun.h"
#include "KeySecurity.h"
#include "MachineRegistry.h"
#include "SampleRecords.h"

#include "ctl/SkylookCtl.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

const char Passphrase63[] = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 012345678";

// A WEP record whose every field differs from the defaults, so that a field lost on the way
// shows.
AdapterSettings FullWepRecord(const char* ssid, uint32_t size, uint32_t format)
{
    AdapterSettings settings = WepRecord(ssid, size, format);
    settings.ApplyScope = 0;
    settings.Channel = 11;
    settings.AuthMode = AuthModeShared;
    settings.TxWepKey = 2;
    settings.DataRate[0] = 12;
    settings.Preamble = 2;
    return settings;
}

class Transfer : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, VexaSimReset());
        DeleteKeyTree(SettingsRoot);
        ASSERT_EQ(static_cast<int>(std::strlen(Passphrase63)), 63);
    }

    // Default settings and three profiles: HEX and ASCII WEP keys and the longest passphrase.
    void StoreEverything()
    {
        SaveDefaultSettings(FullWepRecord("Office", WepKeySize128, WepKeyFormatHex));
        SaveProfile("Home Hex", FullWepRecord("HomeWEP", WepKeySize128, WepKeyFormatHex));
        SaveProfile("Lab", FullWepRecord("LabAdHoc", WepKeySize64, WepKeyFormatAscii));
        SaveProfile("Long passphrase", PskRecord("HomeNet", Passphrase63));
    }
};

// Wine's reg.exe, as a user would import an exported file; true when it succeeded.
bool RunRegImport(const std::string& file)
{
    const ProcessRun run = RunProcess("reg.exe import \"" + file + "\"");
    EXPECT_EQ(0, run.ExitCode) << run.Errors;
    return run.ExitCode == 0;
}

TEST_F(Transfer, ExportThenImportOnACleanRegistryGivesBackTheSameBytes)
{
    StoreEverything();
    const RegistrySnapshot stored = SnapshotKey(SettingsRoot);
    ASSERT_EQ(1u, stored.count("SOFTWARE\\KT60\\PROFILE\\Home Hex|WepKey3"));
    ASSERT_EQ(1u, stored.count("SOFTWARE\\KT60\\DEFAULT|WepKey1"));

    CTempFile script("profiles.reg");
    const CtlResult exported = RunCtl({"export", script.Path(), "--defaults"});
    ASSERT_EQ(ExitOk, exported.Status) << exported.Err;
    EXPECT_NE(std::string::npos, exported.Out.find("Exported 3 profiles and the default settings"));
    EXPECT_EQ(0u, script.Read().find("REGEDIT4\r\n"));

    DeleteKeyTree(SettingsRoot);
    const CtlResult imported = RunCtl({"import", script.Path(), "--defaults"});
    ASSERT_EQ(ExitOk, imported.Status) << imported.Err;
    EXPECT_EQ(stored, SnapshotKey(SettingsRoot));

    const CtlResult shown = RunCtl({"show", "Long passphrase", "--secrets"});
    EXPECT_NE(std::string::npos, shown.Out.find(std::string("Passphrase:          ") + Passphrase63 + "\n"))
        << shown.Out;
}

TEST_F(Transfer, TheExportedFileImportsWithWinesRegToTheSameBytes)
{
    StoreEverything();
    const RegistrySnapshot stored = SnapshotKey(SettingsRoot);
    CTempFile script("for-reg.reg");
    ASSERT_EQ(ExitOk, RunCtl({"export", script.Path(), "--defaults"}).Status);

    DeleteKeyTree(SettingsRoot);
    ASSERT_TRUE(RunRegImport(script.Path()));
    EXPECT_EQ(stored, SnapshotKey(SettingsRoot));
}

TEST_F(Transfer, ExportNamesOnlyTheProfilesAskedForAndRefusesAMissingOne)
{
    StoreEverything();
    CTempFile script("some.reg");
    ASSERT_EQ(ExitOk, RunCtl({"export", script.Path(), "Lab"}).Status);
    const std::string text = script.Read();
    EXPECT_NE(std::string::npos, text.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\Lab]"));
    EXPECT_EQ(std::string::npos, text.find("Home Hex"));
    EXPECT_EQ(std::string::npos, text.find("DEFAULT"));

    // Each stored profile once, under the name it is stored by, however it was asked for.
    ASSERT_EQ(ExitOk, RunCtl({"export", script.Path(), "Lab", "lab", "LAB"}).Status);
    const std::string once = script.Read();
    const std::string section = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\Lab]";
    ASSERT_NE(std::string::npos, once.find(section));
    EXPECT_EQ(std::string::npos, once.find(section, once.find(section) + 1));
    EXPECT_EQ(std::string::npos, once.find("PROFILE\\lab]"));

    CTempFile missing("missing.reg");
    const CtlResult result = RunCtl({"export", missing.Path(), "Lab", "Nowhere"});
    EXPECT_EQ(ExitFailed, result.Status);
    EXPECT_NE(std::string::npos, result.Err.find("no profile named \"Nowhere\""));
    EXPECT_FALSE(KeyExists("SOFTWARE\\KT60\\PROFILE\\Nowhere"));
    EXPECT_TRUE(missing.Read().empty());
}

struct DamageCase {
    const char* Name;
    const char* Line;
    const char* Message;
};

TEST_F(Transfer, ADamagedFileIsRefusedWithItsLineAndNothingIsWritten)
{
    SaveProfile("Keep", PskRecord("HomeNet", "my passphrase"));
    const RegistrySnapshot before = SnapshotKey(SettingsRoot);
    // A good profile first: it must not be written either.
    const std::string head = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\New]\r\n"
                             "\"AuthMode\"=hex:30,00,00,00\r\n\r\n"
                             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\Broken]\r\n"
                             "\"NetworkMode\"=hex:31,00,00,00\r\n";
    const DamageCase cases[] = {
        {"unknown value", "\"Volume\"=hex:31,00,00,00\r\n", ":8: \"Volume\" is not a value of the settings."},
        {"over-long text",
         "\"DesiredSSID\"=hex:41,41,41,41,41,41,41,41,41,41,41,41,41,41,41,41,41,41,41,41,\\\r\n"
         "  41,41,41,41,41,41,41,41,41,41,41,41,41,00\r\n",
         ":8: \"DesiredSSID\" holds a text of 33 characters; it can hold at most 32."},
        {"channel not decimal", "\"Channel\"=hex:36,61,00,00\r\n",
         ":8: \"Channel\" must be a channel number written as decimal text"},
        // A name quoted from the file reaches the console with its control bytes escaped.
        {"escape sequence in a key", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\x1B[2J]\r\n",
         ":8: the key \"HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\\x1B[2J\" is neither"},
    };
    CTempFile script("damaged.reg");
    for (const DamageCase& c : cases) {
        script.Write(head + c.Line + "\"PowerMode\"=hex:30,00,00,00\r\n");
        const CtlResult result = RunCtl({"import", script.Path(), "--replace"});
        EXPECT_EQ(ExitFailed, result.Status) << c.Name;
        EXPECT_NE(std::string::npos, result.Err.find(script.Path() + c.Message)) << c.Name << ": " << result.Err;
        EXPECT_NE(std::string::npos, result.Err.find("nothing was imported")) << c.Name;
        EXPECT_EQ(before, SnapshotKey(SettingsRoot)) << c.Name;
    }
}

TEST_F(Transfer, AnExistingProfileIsReplacedOnlyWhenAskedAndThenHoldsJustTheFilesValues)
{
    SaveProfile("Home", FullWepRecord("HomeWEP", WepKeySize128, WepKeyFormatHex));
    // Another program's value, named in letters the code page lacks (and, in 255 of them,
    // longer than 255 bytes in a double-byte code page): reached by its wide name only.
    const std::wstring foreignName(255, L'\u65E5');
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\KT60\\PROFILE\\Home",
                                             foreignName.c_str(), REG_BINARY, "x", 1));
    const RegistrySnapshot before = SnapshotKey(SettingsRoot);
    CTempFile script("replace.reg");
    script.Write("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\Home]\r\n"
                 "\"AuthMode\"=hex:32,00,00,00\r\n");

    const CtlResult refused = RunCtl({"import", script.Path()});
    EXPECT_EQ(ExitFailed, refused.Status);
    EXPECT_NE(std::string::npos, refused.Err.find(":3: profile \"Home\" exists already; add --replace"));
    EXPECT_EQ(before, SnapshotKey(SettingsRoot));

    const CtlResult replaced = RunCtl({"import", script.Path(), "--replace"});
    ASSERT_EQ(ExitOk, replaced.Status) << replaced.Err;
    EXPECT_EQ(Bytes({'2', 0, 0, 0}), ReadValue("SOFTWARE\\KT60\\PROFILE\\Home", "AuthMode"));
    EXPECT_FALSE(ValueExists("SOFTWARE\\KT60\\PROFILE\\Home", "WepKey1"));
    EXPECT_FALSE(ValueExists("SOFTWARE\\KT60\\PROFILE\\Home", "DesiredSSID"));
    EXPECT_NE(ERROR_SUCCESS, RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\KT60\\PROFILE\\Home", foreignName.c_str(),
                                          RRF_RT_ANY, nullptr, nullptr, nullptr));
}

// A profile the export cannot read would be written as an empty section, which empties the
// profile when the file is imported again with --replace.
TEST_F(Transfer, AProfileTheExportCannotReadFailsItAndTheFileIsNotWritten)
{
    StoreEverything();
    CTempFile script("unreadable.reg");
    script.Write("kept");
    CtlResult result{};
    {
        CRefusedKeyAccess refused("SOFTWARE\\KT60\\PROFILE\\Lab", KEY_QUERY_VALUE);
        result = RunCtl({"export", script.Path()});
    }
    EXPECT_EQ(ExitFailed, result.Status) << result.Out;
    EXPECT_NE(std::string::npos, result.Err.find("profile \"Lab\" could not be read")) << result.Err;
    EXPECT_EQ("kept", script.Read());
}

TEST_F(Transfer, ValuesOtherToolsStoredComeBackWithTheirBytesAndTypes)
{
    // As "reg add" or a deployment script leaves them: texts as REG_SZ with their terminator
    // only, a digit as REG_DWORD, a channel as a short text, a value name in its own case.
    const std::string key = "SOFTWARE\\KT60\\PROFILE\\Scripted";
    WriteValue(key, "DesiredSSID", {'O', 'f', 'f', 'i', 'c', 'e', 0}, REG_SZ);
    WriteValue(key, "NetworkMode", Number('1'), REG_DWORD);
    WriteValue(key, "channel", {'1', '1', 0}, REG_SZ);
    WriteValue(key, "DataRate", {'6', 'C'});
    WriteValue(key, "AuthMode", Number('2'), REG_DWORD);
    WriteValue(key, "PskPassphrase", {'s', 'e', 'c', 'r', 'e', 't', ' ', 'w', 'o', 'r', 'd', 's', 0}, REG_SZ);
    const RegistrySnapshot stored = SnapshotKey(SettingsRoot);

    CTempFile script("scripted.reg");
    ASSERT_EQ(ExitOk, RunCtl({"export", script.Path()}).Status);
    DeleteKeyTree(SettingsRoot);
    const CtlResult imported = RunCtl({"import", script.Path()});
    ASSERT_EQ(ExitOk, imported.Status) << imported.Err;
    EXPECT_EQ(stored, SnapshotKey(SettingsRoot));

    const CtlResult shown = RunCtl({"show", "Scripted", "--secrets"});
    EXPECT_NE(std::string::npos, shown.Out.find("Network:             Office\n")) << shown.Out;
    EXPECT_NE(std::string::npos, shown.Out.find("Channel:             11\n")) << shown.Out;
    EXPECT_NE(std::string::npos, shown.Out.find("Passphrase:          secret words\n")) << shown.Out;
}

TEST_F(Transfer, EveryStoredProfileIsListedAndExportedBeyondTheDialogsSixtyFour)
{
    for (int i = 0; i < 70; ++i)
        WriteValue("SOFTWARE\\KT60\\PROFILE\\P" + std::to_string(i), "DesiredSSID", {'N', 0});
    const CtlResult listed = RunCtl({"profiles", "--json"});
    ASSERT_EQ(ExitOk, listed.Status) << listed.Err;
    EXPECT_EQ(70u, nlohmann::json::parse(listed.Out).size());
    EXPECT_NE(std::string::npos, RunCtl({"profiles"}).Out.find("\n70 profiles stored.\n"));

    CTempFile script("seventy.reg");
    const CtlResult exported = RunCtl({"export", script.Path()});
    ASSERT_EQ(ExitOk, exported.Status) << exported.Err;
    EXPECT_NE(std::string::npos, exported.Out.find("Exported 70 profiles"));
    EXPECT_NE(std::string::npos, script.Read().find("PROFILE\\P69]"));
}

// A device takes what is written to it and reports success, and a read from one may wait for
// ever: neither command touches one, however it is spelled.
TEST_F(Transfer, ADeviceOrAFolderIsRefusedAsAScriptByBothCommands)
{
    SaveProfile("Home", PskRecord("HomeNet", "my passphrase"));
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string names[] = {"COM1", "NUL", "CON", "LPT1", "aux.reg", "C:\\some folder\\prn.txt", "\\\\.\\NUL",
                                 "\\\\?\\GLOBALROOT\\Device\\Null", "\\\\?\\COM9", folder};
    for (const std::string& name : names) {
        for (const char* command : {"export", "import"}) {
            const CtlResult result = RunCtl({command, name});
            EXPECT_EQ(ExitFailed, result.Status) << command << " " << name;
            EXPECT_TRUE(result.Out.empty()) << command << " " << name << ": " << result.Out;
            const char* said = name == folder ? "is a folder, not a file" : "is not a file but a device";
            EXPECT_NE(std::string::npos, result.Err.find("\"" + name + "\" " + said)) << command << ": " << result.Err;
        }
    }
}

// Neither an export made before anything was stored nor a section cut short empties what is
// stored now.
TEST_F(Transfer, AnEmptySectionIsNeitherWrittenNorImportedAndIsReported)
{
    SaveProfile("Home", PskRecord("HomeNet", "my passphrase"));
    CTempFile exported("no-defaults.reg");
    const CtlResult result = RunCtl({"export", exported.Path(), "--defaults"});
    ASSERT_EQ(ExitOk, result.Status) << result.Err;
    EXPECT_EQ("Exported 1 profile to \"" + exported.Path() +
                  "\".\nNo default settings are stored, so the file holds none.\n",
              result.Out);
    EXPECT_EQ(std::string::npos, exported.Read().find("DEFAULT"));

    SaveDefaultSettings(FullWepRecord("Office", WepKeySize128, WepKeyFormatHex));
    const RegistrySnapshot stored = SnapshotKey(SettingsRoot);
    CTempFile empty("empty-sections.reg");
    empty.Write("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\DEFAULT]\r\n\r\n"
                "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\Home]\r\n");
    const CtlResult imported = RunCtl({"import", empty.Path(), "--defaults", "--replace"});
    ASSERT_EQ(ExitOk, imported.Status) << imported.Err;
    EXPECT_EQ("Imported 0 profiles from \"" + empty.Path() +
                  "\".\nThe file's sections for the default settings and profile \"Home\" hold no values; nothing "
                  "was written or deleted for them.\n",
              imported.Out);
    EXPECT_EQ(stored, SnapshotKey(SettingsRoot));
}

// A file another program holds open cannot be replaced; the export must not have emptied it
// first, nor leave its new file beside it.
TEST_F(Transfer, AnExportThatCannotReplaceTheFileKeepsItAsItWas)
{
    StoreEverything();
    char temporary[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temporary);
    const std::string folder = std::string(temporary) + "held-export\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    const auto filesInFolder = [&folder] {
        std::vector<std::string> files;
        WIN32_FIND_DATAA found = {};
        const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
        for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                files.push_back(found.cFileName);
        FindClose(search);
        return files;
    };
    for (const std::string& left : filesInFolder())
        DeleteFileA((folder + left).c_str());
    const std::string target = folder + "profiles.reg";
    const HANDLE held = CreateFileA(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    DWORD written = 0;
    WriteFile(held, "kept", 4, &written, nullptr);
    const CtlResult result = RunCtl({"export", target});
    CloseHandle(held);

    EXPECT_EQ(ExitFailed, result.Status) << result.Out;
    EXPECT_NE(std::string::npos, result.Err.find("cannot replace \"" + target + "\" (")) << result.Err;
    EXPECT_NE(std::string::npos, result.Err.find("it is left as it was")) << result.Err;
    EXPECT_EQ(std::vector<std::string>{"profiles.reg"}, filesInFolder());
    std::ifstream kept(target, std::ios::binary);
    EXPECT_EQ("kept", std::string(std::istreambuf_iterator<char>(kept), {}));
    kept.close();
    DeleteFileA(target.c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
