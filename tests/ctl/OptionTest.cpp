// option: this user's two choices, set from the console and shown by status.
#include "CtlRun.h"
#include "MachineRegistry.h"
#include "UserOptionValues.h"

#include "ctl/SkylookCtl.h"
#include "settings/UserOptions.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <windows.h>

namespace {

class OptionCommand : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, VexaSimReset());
        ForgetUserOptions();
    }
    void TearDown() override { ForgetUserOptions(); }
};

TEST_F(OptionCommand, SetsEitherOptionForThisUserOnlyAndStatusShowsBoth)
{
    CtlResult status = RunCtl({"status"});
    const RegistrySnapshot shared = SnapshotKey(SettingsRoot);
    EXPECT_NE(std::string::npos, status.Out.find("Notifications:    on\n")) << status.Out;
    EXPECT_NE(std::string::npos, status.Out.find("Switch profiles:  off\n")) << status.Out;

    EXPECT_EQ(ExitOk, RunCtl({"option", "switch-to-profiles", "on"}).Status);
    EXPECT_EQ(ExitOk, RunCtl({"option", "notifications", "off"}).Status);
    EXPECT_FALSE(ReadUserOption(UserOption::Notifications));
    EXPECT_TRUE(ReadUserOption(UserOption::SwitchToProfiles));
    const nlohmann::json json = nlohmann::json::parse(RunCtl({"status", "--json"}).Out);
    EXPECT_EQ(false, json["notifications"]);
    EXPECT_EQ(true, json["switchToProfiles"]);
    EXPECT_EQ(shared, SnapshotKey(SettingsRoot)) << "the machine's settings are not touched";
}

TEST_F(OptionCommand, AnythingButANameAndOnOrOffExitsTwoAndChangesNothing)
{
    const std::vector<std::vector<std::string>> lines = {
        {"option"},
        {"option", "notifications"},
        {"option", "sound", "on"},
        {"option", "notifications", "yes"},
        {"option", "Notifications", "on"},
        {"option", "notifications", "on", "now"},
        {"option", "notifications", "off", "--json"},
    };
    for (const auto& line : lines) {
        const CtlResult result = RunCtl(line);
        EXPECT_EQ(ExitUsage, result.Status) << line.size() << " words, " << line.back();
        EXPECT_FALSE(result.Err.empty());
    }
    EXPECT_TRUE(ReadUserOption(UserOption::Notifications));
    EXPECT_FALSE(ReadUserOption(UserOption::SwitchToProfiles));
    EXPECT_NE(std::string::npos, RunCtl({"option", "--help"}).Out.find("switch-to-profiles"));
}

}  // namespace
