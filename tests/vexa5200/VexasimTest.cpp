#include "AdapterFixture.h"
#include "VexasimProcess.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string WriteTempFile(const char* name, const std::string& content)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

}  // namespace

using VexasimTest = AdapterTest;

TEST_F(VexasimTest, AnotherProcessSeesAndChangesTheSameAdapter)
{
    Join("Wireless");
    ASSERT_TRUE(Associated());
    ProcessRun status = RunVexasim("status");
    EXPECT_EQ(0, status.ExitCode) << status.Errors;
    EXPECT_NE(std::string::npos, status.Output.find("link: associated with \"Wireless\" 00-1A-2B-3C-00-01"))
        << status.Output;

    ProcessRun removal = RunVexasim("card remove");
    EXPECT_EQ(0, removal.ExitCode) << removal.Errors;
    char path[128];
    EXPECT_NE(0, Vexa5200QueryRegistryPath(handle_, path, sizeof path));
    EXPECT_FALSE(Associated());

    EXPECT_EQ(0, RunVexasim("card insert").ExitCode);
    Vexa5200CloseAdapter(&handle_);
    ASSERT_EQ(0, Vexa5200OpenAdapter(&handle_));
    EXPECT_EQ(0, RunVexasim("network add \"Two Words\" channel=4 rssi=-58 key=0102030405").ExitCode);
    Join("Two Words");
    EXPECT_FALSE(Associated());  // needs the WEP key
    Vexa5200SetWepStatus(handle_, 0);
    const unsigned char key[5] = {1, 2, 3, 4, 5};
    Vexa5200SetWepKey(handle_, 1, key, 5, 1);
    Join("Two Words");
    EXPECT_TRUE(Associated());
    EXPECT_EQ(4u, Channel());
}

TEST_F(VexasimTest, JournalIsPrintedAndClearedByTheTool)
{
    VexaSimClearJournal();
    Vexa5200SetChannel(handle_, 11);
    Vexa5200SetSsid(handle_, "Say \"hi\"", 8, 0);
    ProcessRun journal = RunVexasim("journal");
    EXPECT_EQ(0, journal.ExitCode);
    EXPECT_EQ("SetChannel 11\nSetSsid \"Say \\\"hi\\\"\" 8 0\n", journal.Output);
    EXPECT_EQ(0, RunVexasim("journal --clear").ExitCode);
    EXPECT_EQ("", JournalText());
}

// The commands as the library's parser runs them for the tool; the tool's own part is its
// output and exit code, checked by the tests around this one.
TEST_F(VexasimTest, SceneCommandsTakeEffect)
{
    const auto command = [](const std::string& line) {
        char output[1024] = {};
        const int result = VexaSimCommand(line.c_str(), output, sizeof output);
        EXPECT_EQ(0, result) << line << ": " << output;
        return result;
    };
    command("radio off");
    unsigned long value = 9;
    ASSERT_EQ(0, Vexa5200QueryRadioControl(handle_, &value));
    EXPECT_EQ(0u, value);
    command("radio on");
    command("region 0x40");
    ASSERT_EQ(0, Vexa5200QueryRegionCode(handle_, &value));
    EXPECT_EQ(0x40u, value);
    command("fail QueryRegionCode");
    EXPECT_NE(0, Vexa5200QueryRegionCode(handle_, &value));
    command("fail Vexa5200QueryRegionCode off");
    EXPECT_EQ(0, Vexa5200QueryRegionCode(handle_, &value));
    command("inject-scan 0000000000");
    unsigned char list[16] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    ASSERT_EQ(0, Vexa5200QueryScanList(handle_, list, sizeof list));
    EXPECT_EQ(0, list[4]);
    EXPECT_EQ(0xEE, list[5]);
    command("network change Wireless rssi=-97");
    Join("Wireless");
    EXPECT_FALSE(Associated());

    std::string scenario = WriteTempFile("vexa-scenario.txt", "network clear\nnetwork add Solo channel=2\n");
    command("load \"" + scenario + "\"");
    EXPECT_NE(std::string::npos, AdapterStatusText().find("networks (1):"));
    DeleteFileA(scenario.c_str());
}

TEST_F(VexasimTest, BadArgumentsExitWithTwoAndChangeNothing)
{
    // The tool hands its command line to the library's parser: the refusals are the parser's,
    // run here in this process; the tool's part is its exit code and where the message goes.
    std::string before = AdapterStatusText();
    std::string badScenario = WriteTempFile("vexa-bad.txt", "network clear\ncard remove\nnetwork add X channel=99\n");
    const char* const commands[] = {
        "dance",
        "card",
        "card sideways",
        "radio on off",
        "network",
        "network add",
        "network add TooLongTooLongTooLongTooLongTooLong1",
        "network add X channel=15",
        "network add X band=5 channel=14",
        "network add X band=5 channel=37",
        "network add X band=6 channel=2",
        "network add X band=7",
        "network add X band=5 channel=36 mode=adhoc",
        "network add X hidden=maybe",
        "network add X security=wpa3-sae",
        "network add X rate-kbps=0",
        "network add X rssi=loud",
        "network add X security=wpa2",
        "network add X security=wep",
        "network add X key=123",
        "network add X passphrase=short",
        "network add X security=open passphrase=long-enough",
        "network add X mode=mesh",
        "network add X bssid=00:1A:2B:3C:00:01",
        "network add X flavour=mint",
        "network change Nobody rssi=-50",
        "network change Wireless channel=0",
        "network remove Nobody",
        "traffic -5",
        "traffic 5000000",
        "region abc",
        "join-delay soon",
        "fail QueryEverything",
        "fail QueryRssi maybe",
        "inject-scan xyz-not-hex-nor-a-file",
        "inject-scan \"\"",
        "load C:\\no\\such\\scenario.txt",
        "status now",
        "journal --erase",
    };
    for (const char* command : commands) {
        char message[4096] = "untouched";
        EXPECT_EQ(2, VexaSimCommand(command, message, sizeof message)) << command;
        EXPECT_GT(std::strlen(message), 10u) << command << ": " << message;
    }
    char message[4096] = {};
    EXPECT_EQ(2, VexaSimCommand(("load \"" + badScenario + "\"").c_str(), message, sizeof message));
    EXPECT_NE(nullptr, std::strstr(message, "line 3")) << message;
    DeleteFileA(badScenario.c_str());
    EXPECT_EQ(before, AdapterStatusText());

    // Through the tool: no command at all, and a command the parser refuses.
    for (const char* command : {"", "card sideways"}) {
        ProcessRun run = RunVexasim(command);
        EXPECT_EQ(2, run.ExitCode) << command;
        EXPECT_EQ("", run.Output) << command;
        EXPECT_GT(run.Errors.size(), 10u) << command;
    }
    EXPECT_EQ(before, AdapterStatusText());
}
