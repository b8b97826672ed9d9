// Every way of saving settings, with the registry refusing the adapter library's writes (as
// it does for a user who may not write HKEY_LOCAL_MACHINE): the user is told, in a "Warning"
// box or on the tool's standard error with exit status 1, the apply still goes ahead, and a
// profile that could not be stored is not listed.
#include "AdapterJournal.h"
#include "CtlRun.h"
#include "PageControls.h"
#include "survey/SurveyScene.h"

#include "protocol/ProgramWindow.h"
#include "settings/DefaultSettings.h"
#include "settings/NotStoredText.h"
#include "settings/ProfileStore.h"
#include "state/ProgramState.h"
#include "ui/configuration/ConfigurationPageIds.h"
#include "ui/encryption/EncryptionPageIds.h"
#include "ui/survey/ProfileDlgIds.h"

#include <Vexa5200Control.h>

#include <cstring>
#include <functional>
#include <memory>

namespace {

constexpr int ConnectButton = 1027;
constexpr int AddButton = 1033;

bool ProfileListed(const char* name)
{
    auto list = std::make_unique<ProfileList>();
    std::memset(list.get(), 0, sizeof *list);
    EnumerateProfiles(*list);
    for (int i = 0; i < list->Count; ++i)
        if (std::strcmp(list->Names[i], name) == 0)
            return true;
    return false;
}

void PressProfileButton(int id)
{
    ::PostMessageA(ProfileDialogWindow(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(ProfileItem(id)));
}

// How a saving path told its user.
struct Told {
    MessageBoxSeen Box;
    CtlResult Tool{-1, "", ""};
};

class UnsavedSettings : public PageRun {
protected:
    // The dialog opened on page, with the steps that end in the path's warning box.
    void RunToWarning(int page, Told& told, const std::function<void(CModalScript&)>& steps)
    {
        Run(page, [&](CModalScript& script) {
            steps(script);
            ReadAndCloseMessageBox(script, told.Box);
        });
    }

    // skylookctl as the user runs it, finding the test's frame as the running program's or
    // finding none (the frame is known by its caption).
    CtlResult RunTool(const std::vector<std::string>& arguments, bool programRunning)
    {
        char caption[128] = {};
        ::GetWindowTextA(frame.Handle(), caption, sizeof caption);
        ::SetWindowTextA(frame.Handle(), programRunning ? MainFrameCaption : "not the program");
        CtlResult result = RunCtl(arguments);
        ::SetWindowTextA(frame.Handle(), caption);
        return result;
    }
};

TEST_F(UnsavedSettings, EverySavingPathTellsTheUserAndStillApplies)
{
    AdapterSettings home{};
    std::strcpy(home.DesiredSSID, "HomeNet");
    home.NetworkMode = 1;
    home.Channel = 1;
    home.WepStatus = 1;
    CTempFile script("unsaved-settings.reg");

    enum class Teller { Box, Tool };
    const struct {
        const char* Path;
        Teller By;
        const char* UnlistedProfile;  // a profile the path would have stored
        std::function<void(Told&)> Save;
        // The tool's advice; the import knows the library, not the rights, refused it.
        const char* Advice = "Run the Skylook setup program again";
    } paths[] = {
        {"the Configuration page's Apply", Teller::Box, nullptr,
         [&](Told& told) {
             RunToWarning(1, told, [](CModalScript& script) {
                 script.Do("Apply", [] { ClickPageItem(1, IDC_CONFIG_APPLY); });
             });
         }},
        {"the Encryption page's Apply", Teller::Box, nullptr,
         [&](Told& told) {
             RunToWarning(2, told, [](CModalScript& script) {
                 script.Do("Apply", [] { ClickPageItem(2, IDC_ENCRYPTION_APPLY); });
             });
         }},
        {"the Profile dialog's OK after Add", Teller::Box, "Added",
         [&](Told& told) {
             RunToWarning(SurveyPageIndex, told, [](CModalScript& script) {
                 script.Do("Add", [] { PostSurveyClick(AddButton); })
                     .WaitFor("the Profile dialog", [] { return ProfileDialogWindow() != nullptr; })
                     .Do("name it and press OK", [] {
                         ::SetWindowTextA(ProfileItem(IDC_PROFILE_NAME), "Added");
                         ::SetWindowTextA(ProfileItem(IDC_PROFILE_SSID), "AddedNet");
                         PressProfileButton(IDOK);
                     })
                     .WaitFor("the Profile dialog closed", [] { return ProfileDialogWindow() == nullptr; });
             });
         }},
        {"Site Survey's Connect", Teller::Box, "Wireless",
         [&](Told& told) {
             RunToWarning(SurveyPageIndex, told, [](CModalScript& script) {
                 script.Do("Connect", [] { PostSurveyClick(ConnectButton); })
                     .WaitFor("the Profile dialog", [] { return ProfileDialogWindow() != nullptr; })
                     .Do("OK", [] { PressProfileButton(IDOK); })
                     .WaitFor("the Profile dialog closed", [] { return ProfileDialogWindow() == nullptr; });
             });
         }},
        {"a profile used from the list", Teller::Box, nullptr,
         [&](Told& told) {
             RunToWarning(SurveyPageIndex, told, [](CModalScript& script) {
                 script.Do("double-click Home", [] {
                     SelectRow(ProfileListId, 0);
                     DoubleClickList(ProfileListId);
                 });
             });
         }},
        {"skylookctl use, through the program's request", Teller::Tool, nullptr,
         [&](Told& told) {
             told.Tool = RunTool({"use", "Home"}, true);
             EXPECT_EQ(ApplyRequested, ApplyRequest) << "the program dropped the apply";
         }},
        {"skylookctl use, applying it itself", Teller::Tool, nullptr,
         [&](Told& told) {
             told.Tool = RunTool({"use", "Home"}, false);
             EXPECT_NE(std::string::npos, JournalText().find("SetSsid \"HomeNet\"")) << "the tool applied nothing";
         }},
        {"skylookctl import", Teller::Tool, "Imported",
         [&](Told& told) { told.Tool = RunTool({"import", script.Path()}, false); }, "and import again"},
    };

    for (const auto& path : paths) {
        SCOPED_TRACE(path.Path);
        ASSERT_EQ(0, VexaSimClearFailures());
        ASSERT_TRUE(SaveDefaultSettings(home));
        ASSERT_TRUE(SaveProfile("Home", home));
        ASSERT_TRUE(SaveProfile("Imported", home));
        ASSERT_EQ(0, RunCtl({"export", script.Path(), "Imported"}).Status);
        DeleteProfile("Imported");
        DeleteProfile("Added");
        DeleteProfile("Wireless");
        ApplyRequest = ApplyIdle;
        ASSERT_EQ(0, VexaSimClearJournal());
        ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));

        Told told;
        path.Save(told);
        ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 0));

        if (path.By == Teller::Box) {
            EXPECT_EQ("Warning", told.Box.Caption);
            EXPECT_EQ(SettingsNotStoredText, told.Box.Text);
            EXPECT_TRUE(told.Box.InformationIcon);
            EXPECT_EQ(ApplyRequested, ApplyRequest) << "the apply was dropped";
        } else {
            EXPECT_EQ(1, told.Tool.Status) << told.Tool.Out;
            EXPECT_NE(std::string::npos, told.Tool.Err.find("could not be stored")) << told.Tool.Err;
            EXPECT_NE(std::string::npos, told.Tool.Err.find(path.Advice)) << told.Tool.Err;
        }
        if (path.UnlistedProfile) {
            EXPECT_FALSE(ProfileListed(path.UnlistedProfile)) << path.UnlistedProfile << " is listed as stored";
        }
    }
}

// What the store refused stays what the user applied: the page shown again shows it, and the
// other page's Apply starts from it instead of sending the stored network again.
TEST_F(UnsavedSettings, ThePagesShowAndApplyTheSettingsKeptWhenTheStoreRefusedThem)
{
    MessageBoxSeen box;
    std::string shownAgain;
    Run(1, [&](CModalScript& script) {
        script.Do("Apply \"Second\" with the store refusing", [] {
            ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));
            SetPageItemText(1, IDC_CONFIG_SSID, "Second");
            ClickPageItem(1, IDC_CONFIG_APPLY);
        });
        ReadAndCloseMessageBox(script, box);
        script
            .Do("show the Configuration page again",
                [&] {
                    ClickLabel(PageLabels[1]);
                    shownAgain = PageItemText(1, IDC_CONFIG_SSID);
                })
            .Do("Apply the Encryption page unchanged", [] {
                ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 0));
                ApplyRequest = ApplyIdle;
                ClickLabel(PageLabels[2]);
                ClickPageItem(2, IDC_ENCRYPTION_APPLY);
            });
    });
    EXPECT_EQ(SettingsNotStoredText, box.Text);
    EXPECT_EQ("Second", shownAgain);
    EXPECT_EQ(ApplyRequested, ApplyRequest);
    EXPECT_STREQ("Second", PendingSettings.DesiredSSID);
}

}  // namespace
