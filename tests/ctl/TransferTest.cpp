// export and import: the same bytes back, through the tool and through Wine's reg.exe, and a
// damaged or clashing file refused before anything is written.
#include "ChildProcess.h"
#include "CtlRun.h"
#include "MachineRegistry.h"
#include "SampleRecords.h"

#include "ctl/SkylookCtl.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

#include <cstring>

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
        EXPECT_EQ(before, SnapshotKey(SettingsRoot)) << c.Name;
    }
}

TEST_F(Transfer, AnExistingProfileIsReplacedOnlyWhenAskedAndThenHoldsJustTheFilesValues)
{
    SaveProfile("Home", FullWepRecord("HomeWEP", WepKeySize128, WepKeyFormatHex));
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
