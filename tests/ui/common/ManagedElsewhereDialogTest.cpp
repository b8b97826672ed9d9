// The dialog of a copy that another session's copy keeps from managing the card, opened from
// the copy's own tray icon: it shows the pages, refuses every change with a sentence, and
// nothing reaches the card or the store; once the marker comes free the same open dialog
// takes changes again.
#include "AdapterJournal.h"
#include "MachineRegistry.h"
#include "PageControls.h"
#include "ProgramProcess.h"
#include "SampleRecords.h"
#include "survey/SurveyScene.h"

#include "protocol/MarkerDecision.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"
#include "state/ProgramState.h"
#include "ui/configuration/ConfigurationPageIds.h"
#include "ui/encryption/EncryptionPageIds.h"
#include "ui/linkinfo/LinkInfoPageIds.h"
#include "ui/survey/SiteSurveyPageIds.h"

#include <Vexa5200Control.h>

#include <functional>
#include <memory>

namespace {

constexpr int LinkInfoPageIndex = 0;
constexpr int ConfigurationPageIndex = 1;
constexpr int EncryptionPageIndex = 2;

class ManagedElsewhereDialog : public DialogScene {
protected:
    void SetUp() override
    {
        DialogScene::SetUp();
        ASSERT_TRUE(SaveDefaultSettings(OpenRecord("Wireless")));
        ASSERT_TRUE(SaveProfile("Home", OpenRecord("HomeNet")));
        ASSERT_TRUE(otherCopy.Hold());
        ASSERT_EQ(0, VexaSimClearJournal());
        // Made after the other copy holds the marker, as a copy started at a second log-on.
        frame = std::make_unique<CTestFrame>();
        frame->manualTicks = true;
        ASSERT_TRUE(frame->Create());
        EXPECT_EQ(std::vector<std::string>{"OpenAdapter"}, JournalLines()) << "the start touched the link";
        ASSERT_EQ(0, VexaSimClearJournal());
    }

    void TearDown() override
    {
        if (frame)
            frame->DestroyWindow();
        frame.reset();
        DialogScene::TearDown();
    }

    // The dialog opened from the frame's tray icon on page, the steps run, the dialog closed.
    void Run(int page, const std::function<void(CModalScript&)>& steps)
    {
        CModalScript script;
        script.WaitFor("the dialog shows", DialogShown).Do("open the page", [page] { ClickLabel(PageLabels[page]); });
        steps(script);
        RunAndClose(script, frame.get());
        EXPECT_FALSE(script.GuardFired());
    }

    AnotherSessionsCopy otherCopy;
    std::unique_ptr<CTestFrame> frame;
};

TEST_F(ManagedElsewhereDialog, EveryChangeIsRefusedWithTheSentenceAndNothingReachesTheCardOrTheStore)
{
    const auto click = [](int page, int id) { return [page, id] { ClickPageItem(page, id); }; };
    const auto onHome = [](std::function<void()> then) {
        return [then] {
            SelectRow(ProfileListId, 0);
            then();
        };
    };
    const struct {
        const char* Path;
        int Page;
        std::function<void(CModalScript&)> Steps;
    } paths[] = {
        {"the Configuration page's Apply", ConfigurationPageIndex,
         [&](CModalScript& script) { script.Do("Apply", click(ConfigurationPageIndex, IDC_CONFIG_APPLY)); }},
        {"the Encryption page's Apply", EncryptionPageIndex,
         [&](CModalScript& script) { script.Do("Apply", click(EncryptionPageIndex, IDC_ENCRYPTION_APPLY)); }},
        {"Site Survey's Connect", SurveyPageIndex,
         [](CModalScript& script) { script.Do("Connect", [] { PostSurveyClick(IDC_SURVEY_CONNECT); }); }},
        {"Site Survey's Add", SurveyPageIndex,
         [](CModalScript& script) { script.Do("Add", [] { PostSurveyClick(IDC_SURVEY_ADD); }); }},
        {"Site Survey's Remove", SurveyPageIndex,
         [&](CModalScript& script) { script.Do("Remove Home", onHome([] { PostSurveyClick(IDC_SURVEY_REMOVE); })); }},
        {"a profile used from the list", SurveyPageIndex,
         [&](CModalScript& script) { script.Do("double-click Home", onHome([] { DoubleClickList(ProfileListId); })); }},
        {"OK in a profile's Properties", SurveyPageIndex,
         [&](CModalScript& script) {
             script.Do("Properties of Home", onHome([] { PostSurveyClick(IDC_SURVEY_PROPERTIES); }))
                 .WaitFor("the Profile dialog", [] { return ProfileDialogWindow() != nullptr; })
                 .Do("OK", [] { ::PostMessageA(ProfileDialogWindow(), WM_COMMAND, IDOK, 0); })
                 .WaitFor("the Profile dialog closed", [] { return ProfileDialogWindow() == nullptr; });
         }},
    };

    const RegistrySnapshot stored = SnapshotKey("SOFTWARE\\KT60");
    for (const auto& path : paths) {
        SCOPED_TRACE(path.Path);
        MessageBoxSeen seen;
        Run(path.Page, [&](CModalScript& script) {
            path.Steps(script);
            ReadAndCloseMessageBox(script, seen);
        });
        EXPECT_EQ("Warning", seen.Caption);
        EXPECT_NE(std::string::npos, seen.Text.find("managed by Skylook in another user's session")) << seen.Text;
        EXPECT_EQ(ApplyIdle, ApplyRequest) << "an apply was requested";
        EXPECT_EQ(stored, SnapshotKey("SOFTWARE\\KT60")) << "the store was changed";
        EXPECT_EQ(std::vector<std::string>{}, JournalLines());
    }
}

// As the tick finds it, in the copy's own state: something that is not Skylook has the name.
TEST_F(ManagedElsewhereDialog, WhileSomethingElseHasTheMarkersNameTheRefusalSaysSo)
{
    ForeignMarkerHolder = 1;
    MessageBoxSeen seen;
    Run(ConfigurationPageIndex, [&](CModalScript& script) {
        script.Do("Apply", [] { ClickPageItem(ConfigurationPageIndex, IDC_CONFIG_APPLY); });
        ReadAndCloseMessageBox(script, seen);
    });
    EXPECT_NE(std::string::npos, seen.Text.find(ForeignMarkerHolderText)) << seen.Text;
    EXPECT_EQ(std::string::npos, seen.Text.find("another user's session")) << seen.Text;
}

TEST_F(ManagedElsewhereDialog, TheRadioAndRescanWaitDisabledUntilTheMarkerComesFreeThenChangesAreTaken)
{
    Run(LinkInfoPageIndex, [&](CModalScript& script) {
        script
            .Do("look at the buttons",
                [] {
                    EXPECT_FALSE(PageItemEnabled(LinkInfoPageIndex, IDC_LINK_RADIO));
                    EXPECT_FALSE(PageItemEnabled(LinkInfoPageIndex, IDC_LINK_RESCAN));
                })
            .Do("the other copy ends; a tick",
                [&] {
                    ASSERT_TRUE(otherCopy.Release());
                    frame->ManualTick();
                })
            .Do("look again and press Rescan",
                [] {
                    EXPECT_TRUE(PageItemEnabled(LinkInfoPageIndex, IDC_LINK_RADIO));
                    EXPECT_TRUE(PageItemEnabled(LinkInfoPageIndex, IDC_LINK_RESCAN));
                    // Link Info was made before the takeover: it is told too.
                    ::PostMessageA(PageItem(LinkInfoPageIndex, IDC_LINK_RESCAN), BM_CLICK, 0, 0);
                })
            .Do("no box; apply a network name",
                [] {
                    EXPECT_EQ(nullptr, OwnedDialog()) << "Link Info still refuses";
                    EXPECT_EQ(ApplyRequested, ApplyRequest) << "Rescan asked for no apply";
                    ClickLabel(PageLabels[ConfigurationPageIndex]);
                    SetPageItemText(ConfigurationPageIndex, IDC_CONFIG_SSID, "Taken");
                    ClickPageItem(ConfigurationPageIndex, IDC_CONFIG_APPLY);
                })
            .Do("no box", [] { EXPECT_EQ(nullptr, OwnedDialog()); });
    });
    EXPECT_STREQ("Taken", StoredDefaultSettings().DesiredSSID);
}

// The other copy stores new defaults (its user's `skylookctl use`) while this copy's dialog
// shows the Configuration page: the page follows them while this copy watches, and reads them
// again on the tick it takes over, so that an untouched Apply stores them as they are rather
// than the network the page showed before over the other copy's passphrase.
TEST_F(ManagedElsewhereDialog, AfterATakeoverApplyStartsFromTheDefaultsTheOtherCopyStored)
{
    Run(ConfigurationPageIndex, [&](CModalScript& script) {
        script
            .Do("a tick; the other copy uses Home; a tick",
                [&] {
                    frame->ManualTick();
                    EXPECT_EQ("Wireless", PageItemText(ConfigurationPageIndex, IDC_CONFIG_SSID));
                    ASSERT_TRUE(SaveDefaultSettings(PskRecord("HomeNet", "home pass 1")));
                    frame->ManualTick();
                })
            .Do("the page follows; the other copy uses Office and ends; a tick",
                [&] {
                    EXPECT_EQ("HomeNet", PageItemText(ConfigurationPageIndex, IDC_CONFIG_SSID));
                    ASSERT_TRUE(SaveDefaultSettings(PskRecord("Office", "office pass 2")));
                    ASSERT_TRUE(otherCopy.Release());
                    frame->ManualTick();
                })
            .Do("Apply untouched", [] { ClickPageItem(ConfigurationPageIndex, IDC_CONFIG_APPLY); })
            .Do("no box", [] {
                char text[512] = {};
                if (HWND box = OwnedDialog())
                    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                EXPECT_EQ(nullptr, OwnedDialog()) << "the box says: " << text;
            });
    });
    const AdapterSettings stored = StoredDefaultSettings();
    EXPECT_STREQ("Office", stored.DesiredSSID);
    EXPECT_EQ(AuthModeWpaPsk, stored.AuthMode);
    EXPECT_STREQ("office pass 2", stored.PskPassphrase);
}

// A watching copy's dialog follows the radio it cannot switch: the switch's caption says what
// it would do, Site Survey's Refresh, first shown with the radio off, comes back with the
// radio and scans (the one thing such a copy may do), while the radio switch and Rescan stay
// disabled.
TEST_F(ManagedElsewhereDialog, TheRadioSetFollowsTheRadioAndRefreshScansWhileChangesAreRefused)
{
    ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
    Run(LinkInfoPageIndex, [&](CModalScript& script) {
        script.Do("a tick with the radio off", [&] { frame->ManualTick(); })
            .Do("look; show Site Survey",
                [] {
                    EXPECT_EQ("Radio On", PageItemText(LinkInfoPageIndex, IDC_LINK_RADIO));
                    ClickLabel(PageLabels[SurveyPageIndex]);
                    EXPECT_FALSE(PageItemEnabled(SurveyPageIndex, IDC_SURVEY_REFRESH));
                })
            .Do("the radio comes back; a tick",
                [&] {
                    ASSERT_EQ(0, VexaSimSetHardwareRadio(1));
                    frame->ManualTick();
                })
            .Do("look; Refresh",
                [] {
                    EXPECT_EQ("Radio Off", PageItemText(LinkInfoPageIndex, IDC_LINK_RADIO));
                    EXPECT_FALSE(PageItemEnabled(LinkInfoPageIndex, IDC_LINK_RADIO));
                    EXPECT_FALSE(PageItemEnabled(LinkInfoPageIndex, IDC_LINK_RESCAN));
                    ASSERT_TRUE(PageItemEnabled(SurveyPageIndex, IDC_SURVEY_REFRESH));
                    ASSERT_EQ(0, VexaSimClearJournal());
                    PostSurveyClick(IDC_SURVEY_REFRESH);
                })
            .Do("no box, a scan", [] {
                EXPECT_EQ(nullptr, OwnedDialog());
                EXPECT_TRUE(JournalHas("Scan")) << JournalText();
            });
    });
}

}  // namespace
