// The store when the adapter library fails the tool: a failed write leaves every key as it
// was and names its cause; a failed read is the command's error, not the default settings.
#include "CtlRun.h"
#include "KeySecurity.h"
#include "MachineRegistry.h"
#include "SampleRecords.h"

#include "ctl/SkylookCtl.h"
#include "settings/DefaultSettings.h"
#include "settings/NotStoredText.h"
#include "settings/ProfileStore.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {

const std::string ProfileKey = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\PROFILE\\";

class StoreFault : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, VexaSimReset());
        DeleteKeyTree(SettingsRoot);
        AdapterSettings wep = WepRecord("HomeWEP", WepKeySize64, WepKeyFormatAscii);
        wep.AuthMode = AuthModeShared;
        SaveDefaultSettings(wep);
        SaveProfile("Home", wep);
        SaveProfile("Away", PskRecord("HomeNet", "my passphrase"));
    }
    void TearDown() override { VexaSimClearFailures(); }
};

// A text another tool stored as Unicode, with a letter the system's code page does not hold.
const wchar_t WideIssuer[] = L"CA \u4E2D";

void WriteWideIssuer()
{
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\KT60\\PROFILE\\Home", L"WPACertificate",
                                             REG_SZ, WideIssuer, sizeof WideIssuer));
}

std::wstring ReadWideIssuer()
{
    wchar_t text[64] = {};
    DWORD size = sizeof text;
    RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\KT60\\PROFILE\\Home", L"WPACertificate", RRF_RT_REG_SZ, nullptr,
                 text, &size);
    return text;
}

struct WriteFaultCase {
    const char* Name;
    std::string Keys;
    std::vector<std::string> Options;
};

TEST_F(StoreFault, AnImportWhoseWriteFailsLeavesEveryKeyAsItWasAndNamesTheCause)
{
    const WriteFaultCase cases[] = {
        {"a replaced profile", ProfileKey + "Home]\r\n\"AuthMode\"=hex:32,00,00,00\r\n", {"--replace"}},
        {"the default settings",
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\DEFAULT]\r\n\"AuthMode\"=hex:32,00,00,00\r\n", {"--defaults"}},
        // The first key's text of its own type is written past the library, so it is in
        // place when the second key fails; it goes again, and the new profile with it.
        {"keys written before the one that failed",
         ProfileKey + "New]\r\n\"DesiredSSID\"=hex(1):4e,65,77,00\r\n" + ProfileKey +
             "Away]\r\n\"DesiredSSID\"=hex(1):41,00\r\n" + ProfileKey + "Home]\r\n\"AuthMode\"=hex:32,00,00,00\r\n",
         {"--replace"}},
        // A value the import added to a key it found goes again with the undo.
        {"a value added to a profile stored before",
         ProfileKey + "Away]\r\n\"WepKey1\"=hex(1):61,62,63,00\r\n" + ProfileKey +
             "Home]\r\n\"AuthMode\"=hex:32,00,00,00\r\n",
         {"--replace"}},
    };
    WriteWideIssuer();
    ASSERT_FALSE(ValueExists(std::string(SettingsRoot) + "\\PROFILE\\Away", "WepKey1"));
    const RegistrySnapshot before = SnapshotKey(SettingsRoot);
    CTempFile script("fault.reg");
    for (const WriteFaultCase& c : cases) {
        script.Write("REGEDIT4\r\n\r\n" + c.Keys);
        std::vector<std::string> arguments = {"import", script.Path()};
        arguments.insert(arguments.end(), c.Options.begin(), c.Options.end());
        ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));
        const CtlResult result = RunCtl(arguments);
        VexaSimClearFailures();
        EXPECT_EQ(ExitFailed, result.Status) << c.Name;
        EXPECT_NE(std::string::npos, result.Err.find("\"AuthMode\" (line ")) << c.Name << ": " << result.Err;
        EXPECT_NE(std::string::npos, result.Err.find("the adapter library did not store it")) << c.Name;
        EXPECT_NE(std::string::npos, result.Err.find("the stored settings are as they were")) << c.Name;
        EXPECT_EQ(std::string::npos, result.Err.find("permission")) << c.Name;
        // The registry would take the write: no rights from the setup program would help.
        EXPECT_EQ(std::string::npos, result.Err.find("setup program")) << c.Name << ": " << result.Err;
        EXPECT_EQ(before, SnapshotKey(SettingsRoot)) << c.Name;
        EXPECT_EQ(WideIssuer, ReadWideIssuer()) << c.Name;  // not through the code page
    }
}

// The registry refuses to write a profile key. An import that stopped there changed nothing
// and says so; one that had written the default settings first puts back those alone: the
// refused key, never changed, needs no putting back (and could not have it).
TEST_F(StoreFault, AnImportTheRegistryRefusesSaysWhatItWroteAndPutsBackOnlyThat)
{
    const std::string home = ProfileKey + "Home]\r\n\"AuthMode\"=hex:32,00,00,00\r\n";
    const std::string defaults = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\\DEFAULT]\r\n\"AuthMode\"=hex:31,00,00,00\r\n";
    const struct {
        const char* Name;
        std::string Keys;
        const char* Told;
    } cases[] = {
        {"refused at the first key", home + defaults, "nothing was written"},
        {"refused after the default settings", defaults + home, "what was written is undone"},
    };
    const RegistrySnapshot before = SnapshotKey(SettingsRoot);
    CTempFile script("refused.reg");
    for (const auto& c : cases) {
        script.Write("REGEDIT4\r\n\r\n" + c.Keys);
        CtlResult result{};
        {
            CRefusedKeyAccess refused(std::string(SettingsRoot) + "\\PROFILE\\Home", KEY_SET_VALUE);
            result = RunCtl({"import", script.Path(), "--replace", "--defaults"});
        }
        EXPECT_EQ(ExitFailed, result.Status) << c.Name;
        EXPECT_NE(std::string::npos, result.Err.find(c.Told)) << c.Name << ": " << result.Err;
        EXPECT_EQ(std::string::npos, result.Err.find("could not be put back")) << c.Name << ": " << result.Err;
        EXPECT_NE(std::string::npos, result.Err.find(StoreAdviceToolText)) << c.Name << ": " << result.Err;
        EXPECT_EQ(before, SnapshotKey(SettingsRoot)) << c.Name;
    }
}

TEST_F(StoreFault, AReadTheLibraryFailsIsTheCommandsErrorNotTheDefaults)
{
    const std::vector<std::string> commands[] = {
        {"profiles"}, {"profiles", "--json"}, {"show", "Home"}, {"status"}, {"use", "Away"},
    };
    const RegistrySnapshot before = SnapshotKey(SettingsRoot);
    for (const auto& command : commands) {
        ASSERT_EQ(0, VexaSimSetFailure("QueryRegistry", 1));
        ASSERT_EQ(0, VexaSimSetFailure("QueryRegistryDword", 1));
        const CtlResult result = RunCtl(command);
        VexaSimClearFailures();
        const std::string line = command[0] + (command.size() > 1 ? " " + command[1] : "");
        EXPECT_EQ(ExitFailed, result.Status) << line << "\n" << result.Out;
        EXPECT_NE(std::string::npos, result.Err.find("the adapter library did not read")) << line << ": " << result.Err;
        EXPECT_EQ(std::string::npos, result.Out.find("Wireless")) << line << ": " << result.Out;
    }
    // use read nothing it could make the default settings.
    EXPECT_EQ(before, SnapshotKey(SettingsRoot));
}

}  // namespace
