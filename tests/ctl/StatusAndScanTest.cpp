// status and scan against the software adapter, and the command line's own errors.
#include "AdapterJournal.h"
#include "CtlRun.h"
#include "MachineRegistry.h"
#include "SampleRecords.h"

#include "ctl/SkylookCtl.h"
#include "settings/DefaultSettings.h"
#include "settings/DefaultsInUse.h"
#include "settings/ProfileStore.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>
#include <map>

namespace {

class AdapterCommands : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, VexaSimReset());
        ASSERT_EQ(0, VexaSimSetJoinDelay(0));
        DeleteKeyTree(SettingsRoot);
        ForgetUnstoredDefaultSettings();
    }
    void TearDown() override
    {
        VexaSimClearFailures();
        ForgetUnstoredDefaultSettings();
    }
};

void Command(const char* line)
{
    char output[512] = {};
    ASSERT_EQ(0, VexaSimCommand(line, output, sizeof output)) << line << ": " << output;
}

// Joins through a handle of the test's own, as another program would.
void JoinWireless()
{
    VEXA5200_HANDLE handle = nullptr;
    ASSERT_EQ(0, Vexa5200OpenAdapter(&handle));
    ASSERT_EQ(0, Vexa5200SetSsid(handle, "Wireless", 8, 0));
    ASSERT_EQ(0, Vexa5200CloseAdapter(&handle));
}

struct StatusCase {
    const char* Name;
    void (*Scene)();
    int Exit;
    const char* State;
};

TEST_F(AdapterCommands, StatusReportsEachStateWithItsExitStatus)
{
    const StatusCase cases[] = {
        {"associated", JoinWireless, ExitOk, "Associated"},
        {"not associated", [] {}, ExitFailed, "No Connect"},
        {"radio off", [] { Command("radio off"); }, ExitFailed, "Radio Off"},
        {"no card", [] { Command("card remove"); }, ExitNoCard, "No Card Found"},
    };
    for (const StatusCase& c : cases) {
        ASSERT_EQ(0, VexaSimReset());
        ASSERT_EQ(0, VexaSimSetJoinDelay(0));
        c.Scene();
        const CtlResult text = RunCtl({"status"});
        EXPECT_EQ(c.Exit, text.Status) << c.Name << text.Err;
        EXPECT_NE(std::string::npos, text.Out.find(std::string("State:            ") + c.State + "\n"))
            << c.Name << ":\n" << text.Out;
        EXPECT_NE(std::string::npos, text.Out.find("Default network:  Wireless\n")) << c.Name;

        const CtlResult json = RunCtl({"status", "--json"});
        EXPECT_EQ(c.Exit, json.Status) << c.Name;
        const nlohmann::json parsed = nlohmann::json::parse(json.Out);
        EXPECT_EQ(c.State, parsed["state"]) << c.Name;
        EXPECT_EQ(c.Exit == ExitOk, parsed["associated"]) << c.Name;
    }
}

// The program (this process plays it) applied "Second" but could not store it: status names
// the network the program uses, and says it is not stored.
TEST_F(AdapterCommands, StatusNamesTheDefaultNetworkTheRunningProgramKeepsUnstored)
{
    ASSERT_TRUE(SaveDefaultSettings(OpenRecord("Wireless")));
    ASSERT_TRUE(PublishDefaultSettingsInUse());
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));
    ASSERT_FALSE(SaveDefaultSettings(OpenRecord("Second")));
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 0));

    EXPECT_NE(std::string::npos, RunCtl({"status"}).Out.find("Default network:  Second (not stored)\n"));
    const nlohmann::json json = nlohmann::json::parse(RunCtl({"status", "--json"}).Out);
    EXPECT_EQ("Second", json["defaultNetwork"]);
    EXPECT_EQ(false, json["defaultNetworkStored"]);

    ASSERT_TRUE(SaveDefaultSettings(OpenRecord("Stored")));
    EXPECT_NE(std::string::npos, RunCtl({"status"}).Out.find("Default network:  Stored\n"));
}

TEST_F(AdapterCommands, StatusOfALinkNamesItsNetworkAndFigures)
{
    JoinWireless();
    const nlohmann::json status = nlohmann::json::parse(RunCtl({"status", "--json"}).Out);
    EXPECT_EQ("Wireless", status["ssid"]);
    EXPECT_EQ("00-1A-2B-3C-00-01", status["bssid"]);
    EXPECT_EQ(6, status["channel"]);
    EXPECT_EQ("54 Mbit/s", status["rate"]);
    EXPECT_EQ(100, status["signal"]);
    EXPECT_GE(status["linkQuality"].get<int>(), 90);
    EXPECT_EQ("on", status["radio"]);
}

struct Heard {
    const char* Ssid;
    const char* Security;
    const char* Mode;
    int Channel;
};

TEST_F(AdapterCommands, ScanListsEveryNetworkStrongestFirstWithItsSecurity)
{
    // Added weakest first, so that the adapter's own order is not the answer. Only Loud can
    // read 100%: the others stay below it through the adapter's drift (up to 3 dBm) and the
    // display's jitter (up to 9%), or a tie would put one of them first.
    Command("network clear");
    Command("network add Faint bssid=00:00:00:00:00:01 channel=1 rssi=-95");
    Command("network add Keyed bssid=00:00:00:00:00:02 channel=4 rssi=-84 key=abcde");
    Command("network add Psk bssid=00:00:00:00:00:03 channel=7 rssi=-80 passphrase=\"a passphrase\"");
    Command("network add Tls bssid=00:00:00:00:00:04 channel=9 rssi=-78 security=wpa-tls");
    Command("network add Party bssid=02:00:00:00:00:05 channel=11 rssi=-79 mode=adhoc");
    Command("network add Loud bssid=00:00:00:00:00:06 channel=13 rssi=-50");
    const std::map<std::string, Heard> expected = {
        {"00-00-00-00-00-01", {"Faint", "open", "infrastructure", 1}},
        {"00-00-00-00-00-02", {"Keyed", "WEP", "infrastructure", 4}},
        {"00-00-00-00-00-03", {"Psk", "WPA", "infrastructure", 7}},
        {"00-00-00-00-00-04", {"Tls", "WPA", "infrastructure", 9}},
        {"02-00-00-00-00-05", {"Party", "open", "ad-hoc", 11}},
        {"00-00-00-00-00-06", {"Loud", "open", "infrastructure", 13}},
    };

    const CtlResult result = RunCtl({"scan", "--json"});
    ASSERT_EQ(ExitOk, result.Status) << result.Err;
    const nlohmann::json networks = nlohmann::json::parse(result.Out);
    ASSERT_EQ(expected.size(), networks.size());
    int previous = 101;
    for (const nlohmann::json& network : networks) {
        const Heard& heard = expected.at(network["bssid"].get<std::string>());
        EXPECT_EQ(heard.Ssid, network["ssid"]);
        EXPECT_EQ(heard.Security, network["security"]) << heard.Ssid;
        EXPECT_EQ(heard.Mode, network["mode"]) << heard.Ssid;
        EXPECT_EQ(heard.Channel, network["channel"]) << heard.Ssid;
        EXPECT_LE(network["signal"].get<int>(), previous) << heard.Ssid;
        previous = network["signal"];
    }
    EXPECT_EQ("Loud", networks.front()["ssid"]);
    EXPECT_EQ("Faint", networks.back()["ssid"]);

    const CtlResult text = RunCtl({"scan"});
    EXPECT_EQ(0u, text.Out.find("BSSID              SSID   Security  Mode            Channel  Signal\n"
                                "00-00-00-00-00-06  Loud   open      infrastructure  13       100%\n"))
        << text.Out;
}

TEST_F(AdapterCommands, ScanWithoutCardOrRadioSaysSoOnTheErrorStream)
{
    Command("radio off");
    CtlResult result = RunCtl({"scan"});
    EXPECT_EQ(ExitFailed, result.Status);
    EXPECT_TRUE(result.Out.empty());
    EXPECT_NE(std::string::npos, result.Err.find("radio is off"));

    Command("card remove");
    result = RunCtl({"scan"});
    EXPECT_EQ(ExitNoCard, result.Status);
    EXPECT_NE(std::string::npos, result.Err.find("no wireless adapter"));
}

TEST_F(AdapterCommands, JsonCarriesANameThatIsNotUtf8AsAReplacementCharacter)
{
    SaveProfile("Cafe", PskRecord("Caf\xE9", "a passphrase"));
    // Control bytes keep JSON's own escaping, not the tables' \xNN.
    SaveProfile("Lines", PskRecord("A\r\nB", "a passphrase"));
    const CtlResult result = RunCtl({"profiles", "--json"});
    ASSERT_EQ(ExitOk, result.Status) << result.Err;
    const nlohmann::json profiles = nlohmann::json::parse(result.Out);
    ASSERT_EQ(2u, profiles.size());
    EXPECT_EQ("Caf\xEF\xBF\xBD", profiles[0]["network"]);
    EXPECT_EQ("WPA-PSK", profiles[0]["security"]);
    EXPECT_EQ("A\r\nB", profiles[1]["network"]);
}

struct UsageCase {
    std::vector<std::string> Arguments;
    const char* Fragment;
};

TEST_F(AdapterCommands, BadCommandLinesExitTwoAndChangeNothing)
{
    SaveProfile("Home", PskRecord("HomeNet", "my passphrase"));
    CTempFile script("usage.reg");
    const UsageCase cases[] = {
        {{}, "no command"},
        {{"connect"}, "unknown command \"connect\""},
        {{"STATUS"}, "unknown command"},
        {{"status", "extra"}, "too many arguments"},
        {{"status", "--secrets"}, "takes no option \"--secrets\""},
        {{"scan", "--jsn"}, "takes no option"},
        {{"show"}, "needs an argument"},
        {{"show", "Home", "Away"}, "too many arguments"},
        {{"use"}, "needs an argument"},
        {{"use", "Home", "--json"}, "takes no option"},
        {{"use", "Home", "--replace"}, "takes no option"},
        {{"export"}, "needs an argument"},
        {{"export", script.Path(), "--replace"}, "takes no option"},
        {{"import", script.Path(), "Home"}, "too many arguments"},
        {{"import", script.Path(), "--secrets"}, "takes no option"},
    };
    const RegistrySnapshot before = SnapshotKey(SettingsRoot);
    ASSERT_EQ(0, VexaSimClearJournal());
    for (const UsageCase& c : cases) {
        const CtlResult result = RunCtl(c.Arguments);
        const std::string line = c.Arguments.empty() ? "(none)" : c.Arguments[0];
        EXPECT_EQ(ExitUsage, result.Status) << line;
        EXPECT_TRUE(result.Out.empty()) << line;
        EXPECT_NE(std::string::npos, result.Err.find(c.Fragment)) << line << ": " << result.Err;
        EXPECT_NE(std::string::npos, result.Err.find("--help")) << line;
    }
    EXPECT_EQ(before, SnapshotKey(SettingsRoot));
    EXPECT_TRUE(JournalLines().empty()) << JournalText();
    EXPECT_TRUE(script.Read().empty());

    const CtlResult dashed = RunCtl({"show", "--", "--json"});
    EXPECT_EQ(ExitFailed, dashed.Status);
    EXPECT_NE(std::string::npos, dashed.Err.find("no profile named \"--json\"")) << dashed.Err;
}

TEST_F(AdapterCommands, EveryCommandExplainsItselfWithHelp)
{
    for (const char* command : {"status", "scan", "profiles", "show", "use", "export", "import"}) {
        const CtlResult result = RunCtl({command, "--help"});
        EXPECT_EQ(ExitOk, result.Status) << command;
        EXPECT_EQ(0u, result.Out.find(std::string("Usage: skylookctl ") + command)) << result.Out;
    }
    const CtlResult overview = RunCtl({"--help"});
    EXPECT_EQ(ExitOk, overview.Status);
    EXPECT_NE(std::string::npos, overview.Out.find("skylookctl import FILE"));
}

}  // namespace
