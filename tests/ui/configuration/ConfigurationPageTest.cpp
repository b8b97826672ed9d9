#include "AdapterScene.h"
#include "SampleRecords.h"
#include "DialogScene.h"
#include "MachineRegistry.h"
#include "PageControls.h"

#include "state/ProgramState.h"
#include "protocol/ProfileRequest.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "ui/configuration/ConfigurationPageIds.h"

#include <Vexa5200Control.h>

#include <cstring>

namespace {

constexpr int Page = 1;
const char* const DefaultKey = "SOFTWARE\\KT60\\DEFAULT\\";

// A stored WEP network, so that a test can see the security half survive.
AdapterSettings StoredWepNetwork(const char* ssid, uint32_t channel)
{
    AdapterSettings settings = WepRecord(ssid, WepKeySize64, WepKeyFormatHex);
    settings.Channel = channel;
    settings.DataRate[0] = 6;
    settings.PowerMode = PowerModePowerSave;
    settings.Preamble = PreambleShort;
    settings.AuthMode = AuthModeShared;
    settings.TxWepKey = 2;
    std::strcpy(settings.PskPassphrase, "kept passphrase");
    std::strcpy(settings.WPALoginName, "Ada Lovelace");
    std::strcpy(settings.WPACertificate, "Kelbrin Test CA");
    return settings;
}

class ConfigurationPage : public PageRun {
protected:
    void Run(const std::function<void(CModalScript&)>& steps) { PageRun::Run(Page, steps); }
};

TEST_F(ConfigurationPage, TheRegionDecidesTheChannelsAndAStoredChannelOutsideSelectsNothing)
{
    const struct {
        unsigned long Region;
        bool QueryFails;
        uint32_t StoredChannel;
        std::vector<std::string> Items;
        int Selected;
        const char* ChannelAfterApply;
    } cases[] = {
        {0x31, false, 11, {"10", "11"}, 1, "11"},
        {0x31, false, 6, {"10", "11"}, -1, "0"},
        {0x40, false, 14, Numbers(1, 14), 13, "14"},
        {0x51, false, 4, Numbers(4, 8), 0, "4"},
        {0x40, true, 12, Numbers(1, 11), -1, "0"},
    };
    // One run: the page reads the region and the stored channel each time it is shown, and
    // Apply leaves it for the first page.
    const auto setScene = [](const auto& c) {
        ASSERT_EQ(0, VexaSimSetRegionCode(c.Region));
        ASSERT_EQ(0, VexaSimSetFailure("QueryRegionCode", c.QueryFails ? 1 : 0));
        AdapterSettings stored = StoredWepNetwork("Harbour", c.StoredChannel);
        stored.NetworkMode = NetworkModeAdHoc;
        SaveDefaultSettings(stored);
    };
    setScene(cases[0]);
    Run([&](CModalScript& script) {
        for (const auto& c : cases) {
            const std::string row = testing::PrintToString(c.Region) + (c.QueryFails ? " failing" : "") +
                                    ", channel " + std::to_string(c.StoredChannel);
            if (&c != &cases[0])
                script.Do("scene of " + row, [&c, &setScene] {
                    setScene(c);
                    ClickLabel(PageLabels[Page]);
                });
            script.Do("look at the channels and apply: " + row, [&c, row] {
                SCOPED_TRACE(row);
                EXPECT_EQ(c.Items, ListItems(Page, IDC_CONFIG_CHANNEL));
                EXPECT_EQ(c.Selected, ListSelection(Page, IDC_CONFIG_CHANNEL));
                ClickPageItem(Page, IDC_CONFIG_APPLY);
                EXPECT_EQ(0, ConfigDialog().CurrentPage());
                const Bytes channel = ReadValue(DefaultKey, "Channel");
                EXPECT_EQ(std::string(c.ChannelAfterApply), std::string(channel.begin(), channel.end()).c_str());
            });
        }
    });
}

TEST_F(ConfigurationPage, LoadsTheStoredNetworkAndTheNetworkTypeSwitchesTheChannelList)
{
    AdapterSettings stored = StoredWepNetwork("", 3);
    SaveDefaultSettings(stored);
    Run([](CModalScript& script) {
        script.Do("look", [] {
            EXPECT_EQ("Any", PageItemText(Page, IDC_CONFIG_SSID)) << "an empty name shows as Any";
            EXPECT_EQ((std::vector<std::string>{"Ad-hoc", "Infrastructure"}), ListItems(Page, IDC_CONFIG_NETWORK_TYPE));
            EXPECT_EQ(1, ListSelection(Page, IDC_CONFIG_NETWORK_TYPE));
            EXPECT_EQ(2, ListSelection(Page, IDC_CONFIG_CHANNEL));
            EXPECT_EQ(6, ListSelection(Page, IDC_CONFIG_RATE));
            EXPECT_EQ(1, ListSelection(Page, IDC_CONFIG_PREAMBLE));
            EXPECT_EQ(2, ListSelection(Page, IDC_CONFIG_POWER_MODE));
            EXPECT_EQ(13u, ListItems(Page, IDC_CONFIG_RATE).size());
            EXPECT_EQ("&BSS Type", PageItemText(Page, 1064));
            EXPECT_EQ("&TxRate", PageItemText(Page, 1060));
            EXPECT_FALSE(PageItemEnabled(Page, IDC_CONFIG_CHANNEL)) << "infrastructure";
            ChooseListItem(Page, IDC_CONFIG_NETWORK_TYPE, 0);
            EXPECT_TRUE(PageItemEnabled(Page, IDC_CONFIG_CHANNEL)) << "ad-hoc";
            ChooseListItem(Page, IDC_CONFIG_NETWORK_TYPE, 1);
            EXPECT_FALSE(PageItemEnabled(Page, IDC_CONFIG_CHANNEL));
        });
    });
}

TEST_F(ConfigurationPage, TabVisitsTheFieldsTopDownThenApplyAndCancel)
{
    SaveDefaultSettings(StoredWepNetwork("Harbour", 6));
    Run([](CModalScript& script) {
        script.Do("tab through", [] {
            EXPECT_EQ((std::vector<int>{IDC_CONFIG_SSID, IDC_CONFIG_NETWORK_TYPE, IDC_CONFIG_RATE, IDC_CONFIG_PREAMBLE,
                                        IDC_CONFIG_POWER_MODE, IDC_CONFIG_APPLY, IDC_CONFIG_CANCEL}),
                      TabOrder(Page, IDC_CONFIG_SSID))
                << "the channel list is skipped while disabled";
            ChooseListItem(Page, IDC_CONFIG_NETWORK_TYPE, 0);
            EXPECT_EQ((std::vector<int>{IDC_CONFIG_SSID, IDC_CONFIG_NETWORK_TYPE, IDC_CONFIG_CHANNEL, IDC_CONFIG_RATE,
                                        IDC_CONFIG_PREAMBLE, IDC_CONFIG_POWER_MODE, IDC_CONFIG_APPLY,
                                        IDC_CONFIG_CANCEL}),
                      TabOrder(Page, IDC_CONFIG_SSID));
        });
    });
}

TEST_F(ConfigurationPage, AnEmptySsidIsRefusedAndNothingChanges)
{
    SaveDefaultSettings(StoredWepNetwork("Harbour", 6));
    const Bytes storedSsid = ReadValue(DefaultKey, "DesiredSSID");
    MessageBoxSeen box;
    Run([&box](CModalScript& script) {
        script.Do("empty the name and apply", [] {
            SetPageItemText(Page, IDC_CONFIG_SSID, "");
            ClickPageItem(Page, IDC_CONFIG_APPLY);
        });
        ReadAndCloseMessageBox(script, box);
        script.Do("still on the page", [] {
            EXPECT_EQ(1, ConfigDialog().CurrentPage());
            EXPECT_EQ("", PageItemText(Page, IDC_CONFIG_SSID)) << "the page keeps its contents";
        });
    });
    EXPECT_EQ("Warning", box.Caption);
    EXPECT_EQ("SSID cannot be empty !", box.Text);
    EXPECT_TRUE(box.InformationIcon);
    EXPECT_EQ(storedSsid, ReadValue(DefaultKey, "DesiredSSID"));
    EXPECT_EQ(0, ApplyRequest);
    const AdapterSettings untouched{};
    EXPECT_EQ(0, std::memcmp(&untouched, &PendingSettings, sizeof untouched));
}

TEST_F(ConfigurationPage, ApplyStoresTheNetworkKeepsTheSecurityAndTheNextTicksApplyIt)
{
    const AdapterSettings before = StoredWepNetwork("Harbour", 6);
    SaveDefaultSettings(before);
    Run([this](CModalScript& script) {
        script.Do("edit and apply", [] {
            SetPageItemText(Page, IDC_CONFIG_SSID, "Lighthouse");
            ChooseListItem(Page, IDC_CONFIG_NETWORK_TYPE, 0);
            ChooseListItem(Page, IDC_CONFIG_CHANNEL, 8);
            ChooseListItem(Page, IDC_CONFIG_RATE, 12);
            ChooseListItem(Page, IDC_CONFIG_PREAMBLE, 2);
            ChooseListItem(Page, IDC_CONFIG_POWER_MODE, 0);
            ASSERT_EQ(0, VexaSimClearJournal());
            ClickPageItem(Page, IDC_CONFIG_APPLY);
            EXPECT_EQ(0, ConfigDialog().CurrentPage()) << "Link Info follows";
            EXPECT_EQ(1, ApplyRequest);
            EXPECT_EQ(LinkScanning, CurrentStatus.LinkState);
            EXPECT_EQ(0x30u, PendingSettings.ApplyScope);
            EXPECT_STREQ("Lighthouse", PendingSettings.DesiredSSID);
        });
        script.Do("the tick applies", [this] { frame.ManualTick(); });
    });
    EXPECT_TRUE(JournalHas("SetNetworkMode 0"));
    EXPECT_TRUE(JournalHas("SetChannel 9"));
    EXPECT_TRUE(JournalHas("SetDataRate 108"));
    EXPECT_TRUE(JournalHas("SetPreamble 3"));
    EXPECT_TRUE(JournalHas("SetPowerMode 0"));
    EXPECT_TRUE(JournalHas("SetSsid \"Lighthouse\" 10 0"));
    EXPECT_TRUE(JournalHas("SetAuthMode 1")) << "the stored security goes with it";

    const AdapterSettings after = StoredDefaultSettings();
    EXPECT_STREQ("Lighthouse", after.DesiredSSID);
    EXPECT_EQ(0u, after.NetworkMode);
    EXPECT_EQ(9u, after.Channel);
    EXPECT_EQ(12, after.DataRate[0]);
    EXPECT_EQ(before.AuthMode, after.AuthMode);
    EXPECT_EQ(before.WepStatus, after.WepStatus);
    EXPECT_EQ(before.TxWepKey, after.TxWepKey);
    EXPECT_EQ(before.WepKeySize, after.WepKeySize);
    EXPECT_EQ(before.WepKeyFormat, after.WepKeyFormat);
    EXPECT_EQ(0, std::memcmp(before.WepKey3, after.WepKey3, 5));
    EXPECT_STREQ(before.PskPassphrase, after.PskPassphrase);
    EXPECT_STREQ(before.WPALoginName, after.WPALoginName);
    EXPECT_STREQ(before.WPACertificate, after.WPACertificate);
}

TEST_F(ConfigurationPage, CancelAndAnOutsideChangeOfTheDefaultsRestoreTheStoredValuesAndEnterDoesNothing)
{
    SaveDefaultSettings(StoredWepNetwork("Harbour", 6));
    Run([this](CModalScript& script) {
        script.Do("edit, press Enter, cancel", [] {
            SetPageItemText(Page, IDC_CONFIG_SSID, "Elsewhere");
            ChooseListItem(Page, IDC_CONFIG_RATE, 0);
            ChooseListItem(Page, IDC_CONFIG_POWER_MODE, 1);
            PressEnter(Page);
            EXPECT_TRUE(DialogShown());
            EXPECT_EQ(1, ConfigDialog().CurrentPage());
            EXPECT_EQ(0, ApplyRequest) << "Enter does not apply";
            EXPECT_EQ("Elsewhere", PageItemText(Page, IDC_CONFIG_SSID));
            ClickPageItem(Page, IDC_CONFIG_CANCEL);
            EXPECT_EQ("Harbour", PageItemText(Page, IDC_CONFIG_SSID));
            EXPECT_EQ(6, ListSelection(Page, IDC_CONFIG_RATE));
            EXPECT_EQ(2, ListSelection(Page, IDC_CONFIG_POWER_MODE));
            EXPECT_EQ(0, ApplyRequest);
        });
        // Left showing Harbour, the page's next Apply would store Harbour's name over
        // Office's keys.
        script.Do("the companion's use makes another profile the defaults", [this] {
            SetPageItemText(Page, IDC_CONFIG_SSID, "Elsewhere");
            ASSERT_TRUE(SaveProfile("Office", StoredWepNetwork("Office", 11)));
            ASSERT_EQ(ProfileRequestAnswer::Taken, SendProfileRequest(frame.Handle(), "Office"));
            EXPECT_EQ("Office", PageItemText(Page, IDC_CONFIG_SSID));
        });
    });
    EXPECT_STREQ("Office", StoredDefaultSettings().DesiredSSID);
}

TEST_F(ConfigurationPage, TheNameTakesThirtyTwoCharactersAndAnyIsStoredAsItStands)
{
    SaveDefaultSettings(StoredWepNetwork("", 6));
    Run([](CModalScript& script) {
        script.Do("apply Any", [] { ClickPageItem(Page, IDC_CONFIG_APPLY); });
    });
    EXPECT_STREQ("Any", StoredDefaultSettings().DesiredSSID);

    Run([](CModalScript& script) {
        script.Do("type 33 characters", [] {
            SetPageItemText(Page, IDC_CONFIG_SSID, "");
            TypeInto(Page, IDC_CONFIG_SSID, std::string(33, 'n'));
            EXPECT_EQ(std::string(32, 'n'), PageItemText(Page, IDC_CONFIG_SSID));
            ClickPageItem(Page, IDC_CONFIG_APPLY);
        });
    });
    EXPECT_EQ(std::string(32, 'n'), StoredDefaultSettings().DesiredSSID);
}

}  // namespace
