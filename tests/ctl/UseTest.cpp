// use: through the running program's tick, or by the tool itself when the program is not
// running; a profile that does not exist changes nothing either way, nor does a copy of the
// program in another session that manages the card.
#include "AdapterJournal.h"
#include "CtlRun.h"
#include "MachineRegistry.h"
#include "SampleRecords.h"
#include "ProgramProcess.h"

#include "protocol/ManagingMarker.h"
#include "protocol/ProfileRequest.h"
#include "protocol/ProgramWindow.h"
#include "ctl/SkylookCtl.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

const char* const PskApply[] = {"Scan",
                                "SetAuthMode 4",
                                "SetFswCCXNetworkEap 0",
                                "SetWPAInformation 2 2 \"my passphrase\" \"HomeNet\"",
                                "SetWepStatus 4",
                                "SetPowerMode 0",
                                "SetPreamble 1",
                                "SetDataRate 255",
                                "SetNetworkMode 1",
                                "SetChannel 11",
                                "SetSsid \"HomeNet\" 7 0"};

// The journal without the store's registry writes: the calls that reach the card.
std::vector<std::string> AdapterCalls()
{
    std::vector<std::string> lines = JournalLines();
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const std::string& line) { return line.rfind("SetRegistry", 0) == 0; }),
                lines.end());
    return lines;
}

std::string StoredDefaultNetwork()
{
    AdapterSettings settings;
    std::memset(&settings, 0, sizeof settings);
    LoadDefaultSettings(settings);
    return settings.DesiredSSID;
}

class UseProfile : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(nullptr, FindRunningProgram()) << "a copy of the program is still running";
        ASSERT_EQ(0, VexaSimReset());
        ASSERT_EQ(0, VexaSimSetJoinDelay(0));
        DeleteKeyTree(SettingsRoot);
        AdapterSettings home = PskRecord("HomeNet", "my passphrase");
        home.Channel = 11;
        SaveProfile("Home", home);
    }
};

TEST_F(UseProfile, WithTheProgramRunningTheProgramAppliesItOnItsTick)
{
    Program program;
    ASSERT_TRUE(program.Start());
    HWND frame = program.WaitForFrame();
    ASSERT_NE(nullptr, frame);
    ASSERT_TRUE(program.WaitUntil([] { return JournalHas("SetSsid \"Wireless\" 8 0"); })) << JournalText();
    ASSERT_EQ(0, VexaSimClearJournal());

    const CtlResult result = RunCtl({"use", "Home"});
    ASSERT_EQ(ExitOk, result.Status) << result.Err;
    EXPECT_NE(std::string::npos, result.Out.find("applies it on its next tick"));
    EXPECT_EQ("HomeNet", StoredDefaultNetwork());
    ASSERT_TRUE(program.WaitUntil([] { return JournalHas("SetSsid \"HomeNet\" 7 0"); })) << JournalText();
    // The tool only looked at the adapter, and had closed it before the calls of the program's apply.
    std::vector<std::string> expected = {"OpenAdapter", "CloseAdapter"};
    expected.insert(expected.end(), std::begin(PskApply), std::end(PskApply));
    EXPECT_EQ(expected, AdapterCalls());

    EXPECT_NE(std::string::npos, RunCtl({"status"}).Out.find("Managed by:       Skylook in this session\n"));
    ASSERT_TRUE(program.Exit(frame));
}

struct Refusal {
    const char* Name;
    ULONG_PTR Tag;
    std::string Data;
};

TEST_F(UseProfile, TheProgramTakesOnlyTheNameOfAStoredProfile)
{
    Program program;
    ASSERT_TRUE(program.Start());
    HWND frame = program.WaitForFrame();
    ASSERT_NE(nullptr, frame);
    ASSERT_TRUE(program.WaitUntil([] { return JournalHas("SetSsid \"Wireless\" 8 0"); }));
    const RegistrySnapshot before = SnapshotKey(SettingsRoot);
    ASSERT_EQ(0, VexaSimClearJournal());

    const CtlResult missing = RunCtl({"use", "Away"});
    EXPECT_EQ(ExitFailed, missing.Status);
    EXPECT_NE(std::string::npos, missing.Err.find("no profile named \"Away\""));

    const Refusal refusals[] = {
        {"missing profile", ProfileRequestTag, "Away"},
        {"another tag", ProfileRequestTag + 1, "Home"},
        {"empty", ProfileRequestTag, ""},
        {"longer than a profile name", ProfileRequestTag, std::string(33, 'H')},
        {"a zero inside", ProfileRequestTag, std::string("Home\0x", 6)},
        {"terminator counted", ProfileRequestTag, std::string("Home\0", 5)},
    };
    for (const Refusal& refusal : refusals) {
        COPYDATASTRUCT data = {};
        data.dwData = refusal.Tag;
        data.cbData = static_cast<DWORD>(refusal.Data.size());
        data.lpData = const_cast<char*>(refusal.Data.data());
        EXPECT_EQ(FALSE, ::SendMessageA(frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data))) << refusal.Name;
    }
    // A request taken makes the profile the default settings at once, before any tick.
    EXPECT_EQ(before, SnapshotKey(SettingsRoot));

    ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
    const CtlResult radioOff = RunCtl({"use", "Home"});
    EXPECT_EQ(ExitFailed, radioOff.Status);
    EXPECT_NE(std::string::npos, radioOff.Err.find("radio is off"));
    EXPECT_EQ(before, SnapshotKey(SettingsRoot));
    ASSERT_EQ(0, VexaSimSetHardwareRadio(1));

    EXPECT_EQ(ProfileRequestAnswer::Taken, SendProfileRequest(frame, "Home"));
    EXPECT_EQ("HomeNet", StoredDefaultNetwork());
    ASSERT_TRUE(program.WaitUntil([] { return JournalHas("SetSsid \"HomeNet\" 7 0"); })) << JournalText();
    ASSERT_TRUE(program.Exit(frame));
}

TEST_F(UseProfile, WithoutTheProgramTheToolAppliesItItself)
{
    ASSERT_EQ(0, VexaSimClearJournal());
    const CtlResult result = RunCtl({"use", "Home"});
    ASSERT_EQ(ExitOk, result.Status) << result.Err;
    EXPECT_NE(std::string::npos, result.Out.find("was applied"));
    EXPECT_EQ("HomeNet", StoredDefaultNetwork());

    std::vector<std::string> expected = {"OpenAdapter"};
    expected.insert(expected.end(), std::begin(PskApply), std::end(PskApply));
    expected.push_back("CloseAdapter");
    EXPECT_EQ(expected, AdapterCalls());

    const CtlResult status = RunCtl({"status"});
    EXPECT_EQ(ExitOk, status.Status) << status.Out;
    EXPECT_NE(std::string::npos, status.Out.find("SSID:             HomeNet\n"));
    EXPECT_NE(std::string::npos, status.Out.find("Managed by:       no copy of Skylook\n")) << status.Out;
}

// The copy started here found the marker held by another session's copy: neither it nor the
// tool may change the card, until that copy ends and this one manages the card.
TEST_F(UseProfile, WhileACopyInAnotherSessionManagesTheCardTheToolAndTheCopyHereChangeNothing)
{
    AnotherSessionsCopy otherCopy;
    ASSERT_TRUE(otherCopy.Hold());
    Program here;
    HWND frame = here.StartAndWaitForFrame();
    ASSERT_NE(nullptr, frame);
    const RegistrySnapshot before = SnapshotKey(SettingsRoot);

    const CtlResult status = RunCtl({"status"});
    EXPECT_NE(std::string::npos, status.Out.find("Managed by:       Skylook in another user's session\n")) << status.Out;
    EXPECT_EQ("another session", nlohmann::json::parse(RunCtl({"status", "--json"}).Out)["managedBy"]);
    const CtlResult use = RunCtl({"use", "Home"});
    EXPECT_EQ(ExitFailed, use.Status);
    EXPECT_NE(std::string::npos, use.Err.find("managed by skylook.exe in another user's session")) << use.Err;
    EXPECT_EQ(ProfileRequestAnswer::Refused, SendProfileRequest(frame, "Home"));
    EXPECT_EQ(before, SnapshotKey(SettingsRoot));
    for (const std::string& call : AdapterCalls())
        EXPECT_TRUE(call == "OpenAdapter" || call == "CloseAdapter") << call;

    ASSERT_TRUE(otherCopy.Release());
    ASSERT_TRUE(here.WaitUntil([] { return ::GetPropA(FindRunningProgram(), ManagingFrameProperty) != nullptr; }));
    EXPECT_EQ("this session", nlohmann::json::parse(RunCtl({"status", "--json"}).Out)["managedBy"]);
    EXPECT_EQ(ExitOk, RunCtl({"use", "Home"}).Status);
    ASSERT_TRUE(here.WaitUntil([] { return JournalHas("SetSsid \"HomeNet\" 7 0"); })) << JournalText();
    ASSERT_TRUE(here.Exit(frame));
}

// Another program made an object of another type under the marker's name: no copy of Skylook
// holds it, so none manages the card, the tool applies nothing behind the copy here, and both
// say why in words.
TEST_F(UseProfile, WhileAnotherProgramHasTheMarkersNameNeitherTheCopyNorTheToolChangesTheCard)
{
    std::unique_ptr<void, decltype(&::CloseHandle)> squatter(::CreateEventA(nullptr, TRUE, FALSE, ManagingMarkerName),
                                                             &::CloseHandle);
    ASSERT_NE(nullptr, squatter.get());
    Program here;
    HWND frame = here.StartAndWaitForFrame();
    ASSERT_NE(nullptr, frame);

    const CtlResult use = RunCtl({"use", "Home"});
    EXPECT_EQ(ExitFailed, use.Status);
    EXPECT_NE(std::string::npos, use.Err.find(ForeignMarkerHolderText)) << use.Err;
    EXPECT_EQ("another program", nlohmann::json::parse(RunCtl({"status", "--json"}).Out)["managedBy"]);
    const CtlResult status = RunCtl({"status"});
    EXPECT_NE(std::string::npos, status.Out.find(ForeignMarkerHolderText)) << status.Out;
    for (const std::string& call : AdapterCalls())
        EXPECT_TRUE(call == "OpenAdapter" || call == "CloseAdapter") << call;
    EXPECT_EQ(nullptr, ::GetPropA(frame, ManagingFrameProperty));

    squatter.reset();
    EXPECT_TRUE(here.WaitUntil([frame] { return ::GetPropA(frame, ManagingFrameProperty) != nullptr; }));
    ASSERT_TRUE(here.Exit(frame));
}

TEST_F(UseProfile, WithoutTheProgramAMissingNameOrRadioOffChangesNothing)
{
    const RegistrySnapshot before = SnapshotKey(SettingsRoot);
    ASSERT_EQ(0, VexaSimClearJournal());
    const CtlResult missing = RunCtl({"use", "Away"});
    EXPECT_EQ(ExitFailed, missing.Status);
    EXPECT_TRUE(AdapterCalls().empty()) << JournalText();

    char output[256] = {};
    ASSERT_EQ(0, VexaSimCommand("radio off", output, sizeof output));
    const CtlResult radioOff = RunCtl({"use", "Home"});
    EXPECT_EQ(ExitFailed, radioOff.Status);
    EXPECT_NE(std::string::npos, radioOff.Err.find("radio is off"));
    EXPECT_EQ(before, SnapshotKey(SettingsRoot));
    EXPECT_EQ((std::vector<std::string>{"OpenAdapter", "CloseAdapter"}), AdapterCalls());
}

}  // namespace
