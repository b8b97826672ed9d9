// The program as a user runs it, over each adapter library in turn: the software adapter's
// 802.11b/g card, and the Windows Wi-Fi library over the Native Wifi double. One scene drives
// both (the double reads the software adapter's networks), and one table of what the user
// sees, so that neither library is checked against a copy of the other's expectations.
#include "DoubleFixture.h"

#include "ChildProcess.h"
#include "MachineRegistry.h"
#include "SampleRecords.h"
#include "Waiting.h"

#include "app/MainFrame.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"
#include "settings/UserOptions.h"

#include <string>

namespace {

enum class Library { Software, WindowsWiFi };

// The folder a library's programs run from: the build's own (beside the software adapter),
// or one with the Windows Wi-Fi library as its Vexa5200.dll.
std::string ProgramFolder(Library library)
{
    if (library == Library::Software)
        return BuildProgramFolder();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "skylook-windows-wifi\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* file : {"skylook.exe", "skylookctl.exe"})
        CopyFileA((BuildProgramFolder() + file).c_str(), (folder + file).c_str(), FALSE);
    CopyFileA((BuildProgramFolder() + "wlanbridge\\Vexa5200.dll").c_str(), (folder + "Vexa5200.dll").c_str(), FALSE);
    return folder;
}

std::string StatusJson(const std::string& folder)
{
    CChildProcess ctl("\"" + folder + "skylookctl.exe\" status --json", CChildProcess::Streams::Captured);
    if (!ctl.Start() || !ctl.WaitForEnd())
        return std::string();
    return ctl.Output();
}

bool Says(const std::string& json, const std::string& key, const std::string& value)
{
    return json.find("\"" + key + "\": \"" + value + "\"") != std::string::npos ||
           json.find("\"" + key + "\":\"" + value + "\"") != std::string::npos;
}

class ProgramOverBothLibraries : public CDoubleTest {
protected:
    void SetUp() override
    {
        CDoubleTest::SetUp();
        ASSERT_EQ(nullptr, ::FindWindowA(nullptr, MainFrameCaption)) << "a copy is still running";
        Control("scene join-delay 0");
        DeleteKeyTree("SOFTWARE\\KT60");
    }
    void TearDown() override
    {
        DeleteKeyTree("SOFTWARE\\KT60");
        CDoubleTest::TearDown();
    }
};

}  // namespace

TEST_F(ProgramOverBothLibraries, WhatTheUserSeesIsTheSameOverEitherLibrary)
{
    const struct {
        const char* Case;
        AdapterSettings Defaults;
        std::string SceneChange;  // before the program starts
        bool SwitchToProfiles;
        const char* State;
        const char* Ssid;  // null: none expected
        bool LostAndBack = false;  // then the network fades below a link's reach and comes back
    } rows[] = {
        {"open defaults, idle apply", OpenRecord("Wireless"), "", false, "Associated", "Wireless"},
        {"WEP defaults, idle apply", WepRecord("LabWEP", WepKeySize64), "network add LabWEP security=wep key=A0A1A2A3A4",
         false, "Associated", "LabWEP"},
        {"WPA-PSK defaults, idle apply", PskRecord("HomeNet", "my passphrase"), "", false, "Associated", "HomeNet"},
        {"a profile in range when the defaults' network is not", OpenRecord("Nowhere"), "", true, "Associated",
         "Wireless"},
        {"the radio switch off", OpenRecord("Wireless"), "radio off", false, "Radio Off", nullptr},
        {"a lost link joined again", OpenRecord("Wireless"), "", false, "Associated", "Wireless", true},
    };
    for (Library library : {Library::Software, Library::WindowsWiFi}) {
        const std::string folder = ProgramFolder(library);
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(library == Library::Software ? "software adapter: " : "Windows Wi-Fi: ") +
                         row.Case);
            Control("reset");
            Control("scene join-delay 0");
            Control("join-delay 0");
            Control("auto-connect off");
            if (!row.SceneChange.empty())
                Control("scene " + row.SceneChange);
            DeleteKeyTree("SOFTWARE\\KT60");
            ASSERT_TRUE(SaveDefaultSettings(row.Defaults));
            ASSERT_TRUE(WriteUserOption(UserOption::SwitchToProfiles, row.SwitchToProfiles));
            if (row.SwitchToProfiles)
                ASSERT_TRUE(SaveProfile("Cafe", OpenRecord("Wireless")));
            CChildProcess program("\"" + folder + "skylook.exe\"");
            ASSERT_TRUE(program.Start());
            const HWND frame = program.WaitForFrame();
            ASSERT_NE(nullptr, frame);
            std::string status;
            const auto shows = [&](const char* state, const char* ssid) {
                return program.WaitUntil([&] {
                    status = StatusJson(folder);
                    return Says(status, "state", state) && (!ssid || Says(status, "ssid", ssid));
                });
            };
            EXPECT_TRUE(shows(row.State, row.Ssid)) << status;
            if (row.LostAndBack) {
                Control("scene network change Wireless rssi=-97");
                EXPECT_TRUE(shows("No Connect", nullptr)) << status;
                Control("scene network change Wireless rssi=-55");
                EXPECT_TRUE(shows(row.State, row.Ssid)) << status;
            }
            ASSERT_TRUE(program.Exit(frame));
        }
    }
}

TEST_F(ProgramOverBothLibraries, AScanInACrowdedBuildingListsEveryNetworkOverEitherLibrary)
{
    for (int i = 0; i < 34; ++i)
        Control("scene network add Crowd" + std::to_string(i) + " channel=" + std::to_string(1 + i % 11) +
                " rssi=" + std::to_string(-50 - i) + " security=open");
    for (Library library : {Library::Software, Library::WindowsWiFi}) {
        SCOPED_TRACE(library == Library::Software ? "software adapter" : "Windows Wi-Fi");
        CChildProcess ctl("\"" + ProgramFolder(library) + "skylookctl.exe\" scan --json", CChildProcess::Streams::Captured);
        ASSERT_TRUE(ctl.Start());
        ASSERT_TRUE(ctl.WaitForEnd());
        size_t networks = 0;
        for (size_t at = ctl.Output().find("\"bssid\""); at != std::string::npos;
             at = ctl.Output().find("\"bssid\"", at + 1))
            ++networks;
        EXPECT_EQ(40u, networks) << ctl.Output() << ctl.Errors();
    }
}
