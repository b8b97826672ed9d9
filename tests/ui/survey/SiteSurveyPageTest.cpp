// The Site Survey page on the real dialog with the software adapter: what the lists show in
// each link state, Refresh, and the profile operations that need no Profile dialog.
#include "survey/SurveyScene.h"
#include "SampleRecords.h"
#include "SimNetwork.h"

#include "AdapterJournal.h"
#include "AdapterScene.h"
#include "PageControls.h"

#include "state/ProgramState.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "ui/survey/SiteSurveyPageIds.h"
#include "adapter/AdapterHandle.h"

#include <Vexa5200Control.h>

#include <cstring>
#include <functional>

namespace {

// The software adapter's networks in the order its scan reports them.
const std::vector<ShownRow> NetworksInScanOrder = {
    {"00-1A-2B-3C-00-01", 1}, {"00-1A-2B-3C-00-02", 1}, {"00-1A-2B-3C-00-03", 1},
    {"00-1A-2B-3C-00-04", 1}, {"02-1A-2B-3C-00-05", 0}, {"00-1A-2B-3C-00-06", 1}};

AdapterSettings ProfileFor(const char* ssid, uint32_t mode)
{
    AdapterSettings settings = OpenRecord(ssid);
    settings.NetworkMode = mode;
    return settings;
}

TEST_F(SiteSurvey, NetworkListFollowsTheLink)
{
    Run([](CModalScript& script) {
        script.Do("associated: the link's access point first", [] {
            std::vector<ShownRow> expected = NetworksInScanOrder;
            expected.erase(expected.begin());
            expected.insert(expected.begin(), {"00-1A-2B-3C-00-01", 5});
            EXPECT_EQ(ShownRows(NetworkListId), expected);
            const std::vector<std::string> cells = RowCells(NetworkListId, 0);
            ASSERT_EQ(cells.size(), 6u);
            EXPECT_EQ(std::vector<std::string>(cells.begin(), cells.end() - 1),
                      (std::vector<std::string>{"00-1A-2B-3C-00-01", "Wireless", "No", "Yes", "     6"}));
            EXPECT_EQ(cells[5].rfind("     ", 0), 0u) << cells[5];
            EXPECT_EQ(RowCells(NetworkListId, 1)[2], "Yes") << "HomeWEP is protected";
            EXPECT_EQ(RowCells(NetworkListId, 4)[3], "No") << "LabAdHoc is no access point";
            EXPECT_EQ(SelectedRow(NetworkListId), 0);
        });
        script.Do("not associated: scan order", [] {
            SetLinkAndRefill(LinkNotAssociated);
            EXPECT_EQ(ShownRows(NetworkListId), NetworksInScanOrder);
            EXPECT_EQ(SelectedRow(NetworkListId), 0);
        });
        script.Do("radio off: empty", [] {
            SetLinkAndRefill(LinkRadioOff);
            EXPECT_TRUE(ShownRows(NetworkListId).empty());
            SetLinkAndRefill(LinkNotAssociated);
        });
        script.Do("a failed read leaves the list as it was", [] {
            ASSERT_EQ(0, VexaSimSetFailure("QueryScanList", 1));
            SetLinkAndRefill(LinkRadioOff);
            EXPECT_EQ(ShownRows(NetworkListId), NetworksInScanOrder);
            ASSERT_EQ(0, VexaSimSetFailure("QueryScanList", 0));
        });
        script.Do("a crowded air: the strongest, and the caption says how many were heard", [] {
            EXPECT_EQ("Available Network", PageItemText(SurveyPageIndex, IDC_SURVEY_NETWORK_GROUP));
            for (int i = 0; i < 58; ++i) {
                const VexaSimNetwork faint = SimNetwork(("Faint" + std::to_string(i)).c_str(), VEXASIM_OPEN, -97);
                ASSERT_EQ(0, VexaSimAddNetwork(&faint));
            }
            ASSERT_EQ(0, Vexa5200Scan(AdapterHandle));
            // The faintest network has no row, but was heard: its profile is in range.
            SaveProfile("Attic", ProfileFor("Faint57", 1));
            SetLinkAndRefill(LinkNotAssociated);
            EXPECT_EQ(ShownRows(ProfileListId), (std::vector<ShownRow>{{"Attic", 1}}));
            const std::vector<ShownRow> rows = ShownRows(NetworkListId);
            ASSERT_EQ(static_cast<size_t>(ScanListCapacity), rows.size());
            EXPECT_EQ(std::vector<ShownRow>(NetworksInScanOrder.begin(), NetworksInScanOrder.begin() + 5),
                      std::vector<ShownRow>(rows.begin(), rows.begin() + 5));
            EXPECT_EQ("Available Network (32 of 64 shown)", PageItemText(SurveyPageIndex, IDC_SURVEY_NETWORK_GROUP));
        });
    });
}

TEST_F(SiteSurvey, RefreshStaysDisabledForSevenTicks)
{
    Run([](CModalScript& script) {
        script.Do("click Refresh and let the timer tick", [] {
            HWND page = PageWindow(SurveyPageIndex);
            HWND refresh = SurveyItem(1026);
            const VexaSimNetwork added = WithBssid(SimNetwork("LateNet", VEXASIM_OPEN, -50, 4), "00-1A-2B-3C-00-42");
            ASSERT_EQ(0, VexaSimAddNetwork(&added));
            ASSERT_EQ(0, VexaSimClearJournal());
            ClickSurveyButton(1026);
            EXPECT_FALSE(::IsWindowEnabled(refresh));
            EXPECT_TRUE(JournalHas("Scan"));

            for (int tick = 1; tick <= 6; ++tick) {
                ::SendMessageA(page, WM_TIMER, 100, 0);
                EXPECT_FALSE(::IsWindowEnabled(refresh)) << "tick " << tick;
            }
            EXPECT_EQ(ShownRows(NetworkListId).size(), NetworksInScanOrder.size()) << "not rebuilt yet";
            ::SendMessageA(page, WM_TIMER, 100, 0);
            EXPECT_TRUE(::IsWindowEnabled(refresh));
            EXPECT_EQ(ShownRows(NetworkListId).size(), NetworksInScanOrder.size() + 1) << "rebuilt on the seventh";
        });
    });
}

TEST_F(SiteSurvey, ProfilesAssociatedThenInRangeThenOutOfRange)
{
    SaveProfile("Travel", ProfileFor("Hotel", 0));
    SaveProfile("Office", ProfileFor("CorpSecure", 1));
    SaveProfile("Home", ProfileFor("Wireless", 1));
    SaveProfile("Lab", ProfileFor("LabAdHoc", 0));
    SaveProfile("WirelessAdHoc", ProfileFor("Wireless", 0));
    Run([](CModalScript& script) {
        script.Do("look", [] {
            // Within each group the registry's (alphabetical) order holds.
            const std::vector<ShownRow> expected = {
                {"Home", 5}, {"Lab", 0}, {"Office", 1}, {"WirelessAdHoc", 0}, {"Travel", 7}};
            EXPECT_EQ(ShownRows(ProfileListId), expected);
            EXPECT_EQ(SelectedRow(ProfileListId), -1);
        });
        script.Do("radio off: every profile out of range", [] {
            SetLinkAndRefill(LinkRadioOff);
            const std::vector<ShownRow> expected = {
                {"Home", 4}, {"Lab", 7}, {"Office", 4}, {"Travel", 7}, {"WirelessAdHoc", 7}};
            EXPECT_EQ(ShownRows(ProfileListId), expected);
        });
    });
}

// Remove, the double click that uses a profile, and what each does without a selection.
TEST_F(SiteSurvey, RemoveAndUseProfiles)
{
    SaveProfile("Office", ProfileFor("CorpSecure", 1));
    SaveProfile("Travel", ProfileFor("Hotel", 0));
    SaveProfile("Wired", ProfileFor("Wireless", 1));
    Run([this](CModalScript& script) {
        script.Do("nothing selected: nothing happens", [] {
            ClearSelection(NetworkListId);
            ClearSelection(ProfileListId);
            for (int button : {1027, 1034, 1035})
                ClickSurveyButton(button);
            DoubleClickList(ProfileListId);
            DoubleClickList(NetworkListId);
            EXPECT_EQ(nullptr, OwnedDialog());
            EXPECT_EQ(ShownRows(ProfileListId).size(), 3u);
            EXPECT_EQ(0, ApplyRequest);
            EXPECT_EQ(SurveyPageIndex, ShownPage());
        });
        script.Do("remove Office, without confirmation", [] {
            SelectRow(ProfileListId, 1);
            ASSERT_EQ(ShownRows(ProfileListId)[1].text, "Office");
            ClickSurveyButton(1034);
            EXPECT_EQ(nullptr, OwnedDialog());
            EXPECT_EQ(ShownRows(ProfileListId), (std::vector<ShownRow>{{"Wired", 5}, {"Travel", 7}}));
            AdapterSettings gone{};
            EXPECT_FALSE(LoadProfile("Office", gone));
        });
        script.Do("use Travel", [this] {
            SelectRow(ProfileListId, 1);
            ASSERT_EQ(0, VexaSimClearJournal());
            DoubleClickList(ProfileListId);
            EXPECT_EQ(0, ShownPage());
            EXPECT_EQ(1, ApplyRequest);
            EXPECT_EQ(LinkScanning, CurrentStatus.LinkState);
            EXPECT_STREQ(PendingSettings.DesiredSSID, "Hotel");
            EXPECT_EQ(PendingSettings.NetworkMode, 0u);
            EXPECT_EQ(PendingSettings.ApplyScope, 0x30u);
            AdapterSettings defaults{};
            LoadDefaultSettings(defaults);
            EXPECT_STREQ(defaults.DesiredSSID, "Hotel");
            frame.ManualTick();
            EXPECT_TRUE(JournalHas("SetSsid \"Hotel\" 5 0")) << JournalText();
        });
    });
}

// A profile removed behind the page's back (by another copy, say) must not be applied as an
// empty record: the list is refilled and nothing is handed to the tick.
TEST_F(SiteSurvey, UsingAProfileThatNoLongerLoadsAppliesNothing)
{
    SaveProfile("Vanishing", ProfileFor("Hotel", 1));
    Run([](CModalScript& script) {
        script.Do("delete it behind the page, then use it", [] {
            SelectRow(ProfileListId, 0);
            ASSERT_EQ(ShownRows(ProfileListId).size(), 1u);
            DeleteProfile("Vanishing");
            DoubleClickList(ProfileListId);
            EXPECT_EQ(0, ApplyRequest);
            EXPECT_STREQ(PendingSettings.DesiredSSID, "");
            EXPECT_EQ(SurveyPageIndex, ShownPage());
            EXPECT_TRUE(ShownRows(ProfileListId).empty());
            AdapterSettings nothing{};
            EXPECT_FALSE(LoadProfile("Vanishing", nothing)) << "and it was not created again";
        });
        script.Do("Properties on a vanished profile opens nothing", [] {
            SaveProfile("Brief", ProfileFor("Hotel", 1));
            ConfigDialog().RefreshNetworkLists();
            SelectRow(ProfileListId, 0);
            DeleteProfile("Brief");
            ClickSurveyButton(1035);
            EXPECT_EQ(nullptr, OwnedDialog());
            EXPECT_TRUE(ShownRows(ProfileListId).empty());
            EXPECT_EQ(0, ApplyRequest);
        });
    });
}

}  // namespace
