// export and import: the same bytes back, through the tool and through Wine's reg.exe, and a
// damaged or clashing file refused before anything is written.
#include "CtlRun.h"
#include "MachineRegistry.h"
#include "Waiting.h"

#include "ctl/SkylookCtl.h"
#include "record/WepKeySlots.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {

const char Passphrase63[] = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 012345678";

AdapterSettings WepRecord(const char* ssid, uint32_t format, uint32_t size)
{
    AdapterSettings settings = PskRecord(ssid, "");
    settings.AuthMode = AuthModeShared;
    settings.WepStatus = WepStatusOn;
    settings.WepKeyFormat = format;
    settings.WepKeySize = size;
    settings.TxWepKey = 2;
    settings.DataRate[0] = 12;
    settings.Preamble = 2;
    for (int i = 0; i < WepKeyCount; ++i) {
        unsigned char* key = WepKeySlot(settings, i);
        for (uint32_t b = 0; b < size; ++b)
            key[b] = static_cast<unsigned char>(format == WepKeyFormatHex ? 0xF0 + i * 3 + b * 17 : 'a' + i + b);
    }
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
        SaveDefaultSettings(WepRecord("Office", WepKeyFormatHex, WepKeySize128));
        SaveProfile("Home Hex", WepRecord("HomeWEP", WepKeyFormatHex, WepKeySize128));
        SaveProfile("Lab", WepRecord("LabAdHoc", WepKeyFormatAscii, WepKeySize64));
        SaveProfile("Long passphrase", PskRecord("HomeNet", Passphrase63));
    }
};

bool RunRegImport(const std::string& file)
{
    std::string command = "reg.exe import \"" + file + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                          &startup, &process))
        return false;
    const bool ended = WaitPumping(process.hProcess, 60000);
    DWORD code = 1;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    return ended && code == 0;
}

TEST_F(Transfer, ExportThenImportOnACleanRegistryGivesBackTheSameBytes)
{
    StoreEverything();
    const RegistrySnapshot stored = SnapshotSettings();
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
    EXPECT_EQ(stored, SnapshotSettings());

    const CtlResult shown = RunCtl({"show", "Long passphrase", "--secrets"});
    EXPECT_NE(std::string::npos, shown.Out.find(std::string("Passphrase:          ") + Passphrase63 + "\n"))
        << shown.Out;
}

TEST_F(Transfer, TheExportedFileImportsWithWinesRegToTheSameBytes)
{
    StoreEverything();
    const RegistrySnapshot stored = SnapshotSettings();
    CTempFile script("for-reg.reg");
    ASSERT_EQ(ExitOk, RunCtl({"export", script.Path(), "--defaults"}).Status);

    DeleteKeyTree(SettingsRoot);
    ASSERT_TRUE(RunRegImport(script.Path()));
    EXPECT_EQ(stored, SnapshotSettings());
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
    const RegistrySnapshot before = SnapshotSettings();
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
         ":8: \"DesiredSSID\" holds 34 bytes; it must hold exactly 33."},
        {"channel 99", "\"Channel\"=hex:39,39,00,00\r\n", ":8: \"Channel\" must be a channel from 1 to 14"},
    };
    CTempFile script("damaged.reg");
    for (const DamageCase& c : cases) {
        script.Write(head + c.Line + "\"PowerMode\"=hex:30,00,00,00\r\n");
        const CtlResult result = RunCtl({"import", script.Path(), "--replace"});
        EXPECT_EQ(ExitFailed, result.Status) << c.Name;
        EXPECT_NE(std::string::npos, result.Err.find(script.Path() + c.Message)) << c.Name << ": " << result.Err;
        EXPECT_NE(std::string::npos, result.Err.find("nothing was imported")) << c.Name;
        EXPECT_EQ(before, SnapshotSettings()) << c.Name;
    }
}

TEST_F(Transfer, AnExistingProfileIsReplacedOnlyWhenAskedAndThenHoldsJustTheFilesValues)
{
    SaveProfile("Home", WepRecord("HomeWEP", WepKeyFormatHex, WepKeySize128));
    const RegistrySnapshot before = SnapshotSettings();
    CTempFile script("replace.reg");
    script.Write("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\Home]\r\n"
                 "\"AuthMode\"=hex:32,00,00,00\r\n");

    const CtlResult refused = RunCtl({"import", script.Path()});
    EXPECT_EQ(ExitFailed, refused.Status);
    EXPECT_NE(std::string::npos, refused.Err.find(":3: profile \"Home\" exists already; add --replace"));
    EXPECT_EQ(before, SnapshotSettings());

    const CtlResult replaced = RunCtl({"import", script.Path(), "--replace"});
    ASSERT_EQ(ExitOk, replaced.Status) << replaced.Err;
    EXPECT_EQ(Bytes({'2', 0, 0, 0}), ReadValue("SOFTWARE\\KT60\\PROFILE\\Home", "AuthMode"));
    EXPECT_FALSE(ValueExists("SOFTWARE\\KT60\\PROFILE\\Home", "WepKey1"));
    EXPECT_FALSE(ValueExists("SOFTWARE\\KT60\\PROFILE\\Home", "DesiredSSID"));
}

TEST_F(Transfer, AWriteTheRegistryRefusesIsReportedNotPassedOver)
{
    CTempFile script("refused.reg");
    script.Write("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\Home]\r\n"
                 "\"AuthMode\"=hex:32,00,00,00\r\n");
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));
    const CtlResult result = RunCtl({"import", script.Path()});
    VexaSimClearFailures();
    EXPECT_EQ(ExitFailed, result.Status);
    EXPECT_NE(std::string::npos, result.Err.find("\"AuthMode\" could not be written (line 4)")) << result.Err;
    EXPECT_NE(std::string::npos, result.Err.find("stopped after 0 of 1 keys"));
}

}  // namespace
