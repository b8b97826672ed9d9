// The Profile dialog opened from the Site Survey page and driven from inside its modal run:
// each mode's title and disabled controls, refusals, and what an OK hands to the registry,
// PendingSettings and the tick.
#include "survey/SurveyScene.h"
#include "SampleRecords.h"

#include "AdapterJournal.h"
#include "AdapterScene.h"
#include "PageControls.h"
#include "ScanAnswer.h"

#include "state/ProgramState.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "ui/survey/ProfileDlgIds.h"
#include "ui/encryption/PskPageIds.h"

#include <cstring>
#include <memory>

namespace {

constexpr int ConnectButton = 1027;
constexpr int AddButton = 1033;
constexpr int PropertiesButton = 1035;

// The first row of the list whose cell in that column reads text, or -1.
int RowWith(int listId, size_t column, const std::string& text)
{
    const auto rows = ShownRows(listId);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        if (RowCells(listId, row)[column] == text)
            return row;
    return -1;
}

int NetworkRowOf(const std::string& ssid)
{
    return RowWith(NetworkListId, 1, ssid);
}

int ProfileRowOf(const std::string& name)
{
    return RowWith(ProfileListId, 0, name);
}

void SetProfileText(int id, const std::string& text)
{
    ::SetWindowTextA(ProfileItem(id), text.c_str());
}

// Waits for the Profile dialog that the previous step opened.
void WaitForProfileDialog(CModalScript& script)
{
    script.WaitFor("the Profile dialog", [] { return ProfileDialogWindow() != nullptr; });
}

void Press(int id)
{
    ::PostMessageA(ProfileDialogWindow(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(ProfileItem(id)));
}

// Presses Apply and reads the warning it raises, then closes the box.
void ApplyAndReadWarning(CModalScript& script, std::shared_ptr<std::string> text,
                         std::shared_ptr<std::string> caption)
{
    script.Do("Apply", [] { Press(IDOK); })
        .WaitFor("a warning", [] { return ProfileWarningBox() != nullptr; })
        .Do("read and close it", [text, caption] {
            HWND box = ProfileWarningBox();
            *caption = WindowText(box);
            *text = WindowText(::GetDlgItem(box, 0xFFFF));
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        })
        .WaitFor("the warning gone", [] { return ProfileWarningBox() == nullptr; });
}

void ServeTicks(CTestFrame& frame, int count)
{
    for (int i = 0; i < count; ++i)
        frame.ManualTick();
}

TEST_F(SiteSurvey, EachModesTitleAndDisabledControls)
{
    // A WPA profile as the dialog's own OK stores it: WepStatus left "off".
    AdapterSettings home = OpenRecord("Wireless");
    home.Channel = 6;
    home.AuthMode = AuthModeWpa;
    SaveProfile("Home", home);
    Run([](CModalScript& script) {
        script.Do("Connect to the associated network", [] { PostSurveyClick(ConnectButton); });
        WaitForProfileDialog(script);
        script.Do("mode 3", [] {
            EXPECT_EQ(WindowText(ProfileDialogWindow()), "Connect: Wireless");
            EXPECT_EQ(WindowText(ProfileItem(IDC_PROFILE_NAME)), "Wireless");
            EXPECT_EQ(WindowText(ProfileItem(IDC_PROFILE_SSID)), "Wireless");
            EXPECT_TRUE(ProfileItemEnabled(IDC_PROFILE_NAME));
            for (int id : {IDC_PROFILE_SSID, IDC_PROFILE_CHANNEL, IDC_PROFILE_ENCRYPTION, IDC_PROFILE_BSS_TYPE})
                EXPECT_FALSE(ProfileItemEnabled(id)) << id;
            EXPECT_EQ(::SendMessageA(ProfileItem(IDC_PROFILE_ENCRYPTION), BM_GETCHECK, 0, 0), BST_UNCHECKED)
                << "an open network";
            Press(IDCANCEL);
        });
        script.WaitFor("closed", [] { return ProfileDialogWindow() == nullptr; })
            .Do("cancel changed nothing", [] {
                EXPECT_EQ(0, ApplyRequest);
                EXPECT_EQ(SurveyPageIndex, ShownPage());
                EXPECT_EQ(ShownRows(ProfileListId).size(), 1u);
                PostSurveyClick(AddButton);
            });
        WaitForProfileDialog(script);
        script.Do("mode 0", [] {
            EXPECT_EQ(WindowText(ProfileDialogWindow()), "Add New Profile");
            EXPECT_EQ(WindowText(ProfileItem(IDC_PROFILE_NAME)), "");
            for (int id : {IDC_PROFILE_NAME, IDC_PROFILE_SSID, IDC_PROFILE_CHANNEL, IDC_PROFILE_ENCRYPTION, IDC_PROFILE_BSS_TYPE})
                EXPECT_TRUE(ProfileItemEnabled(id)) << id;
            EXPECT_FALSE(ProfileItemEnabled(IDC_PROFILE_AUTH_MODE)) << "encryption is off";
            ClickProfileItem(IDC_PROFILE_ENCRYPTION);
            EXPECT_TRUE(ProfileItemEnabled(IDC_PROFILE_AUTH_MODE));
            ChooseProfileListItem(IDC_PROFILE_BSS_TYPE, 0);
            EXPECT_FALSE(ProfileItemEnabled(IDC_PROFILE_AUTH_MODE)) << "ad-hoc has no authentication choice";
            ChooseProfileListItem(IDC_PROFILE_BSS_TYPE, 1);
            ChooseProfileListItem(IDC_PROFILE_KEY_LENGTH, 1);
            ChooseProfileListItem(IDC_PROFILE_KEY_FORMAT, 1);
            for (int id : {IDC_PROFILE_KEY_1, IDC_PROFILE_KEY_4})
                EXPECT_EQ(::SendMessageA(ProfileItem(id), EM_GETLIMITTEXT, 0, 0), 26) << id;
            EXPECT_EQ(::SendMessageA(ProfileItem(IDC_PROFILE_KEY_LENGTH_3), CB_GETCURSEL, 0, 0), 1);
            ChooseProfileListItem(IDC_PROFILE_AUTH_MODE, 2);
            EXPECT_FALSE(::IsWindowVisible(ProfileItem(IDC_PROFILE_KEY_1)));
            ClickProfileItem(IDC_PROFILE_ENCRYPTION);
            EXPECT_EQ(::SendMessageA(ProfileItem(IDC_PROFILE_AUTH_MODE), CB_GETCURSEL, 0, 0), 0)
                << "encryption off selects open authentication";
            EXPECT_TRUE(::IsWindowVisible(ProfileItem(IDC_PROFILE_KEY_1)));
            Press(IDCANCEL);
        });
        script.WaitFor("closed", [] { return ProfileDialogWindow() == nullptr; })
            .Do("Properties of Home", [] {
                SelectRow(ProfileListId, 0);
                PostSurveyClick(PropertiesButton);
            });
        WaitForProfileDialog(script);
        script.Do("mode 2", [] {
            EXPECT_EQ(WindowText(ProfileDialogWindow()), "Profile: Home");
            EXPECT_FALSE(ProfileItemEnabled(IDC_PROFILE_NAME));
            EXPECT_TRUE(ProfileItemEnabled(IDC_PROFILE_SSID));
            EXPECT_EQ(WindowText(ProfileItem(IDC_PROFILE_CHANNEL)), "6");
            EXPECT_EQ(::SendMessageA(ProfileItem(IDC_PROFILE_ENCRYPTION), BM_GETCHECK, 0, 0), BST_CHECKED)
                << "a WPA profile is encrypted";
            EXPECT_EQ(::SendMessageA(ProfileItem(IDC_PROFILE_AUTH_MODE), CB_GETCURSEL, 0, 0), 3);
            Press(IDCANCEL);
        });
        script.WaitFor("closed", [] { return ProfileDialogWindow() == nullptr; });
    });
    EXPECT_EQ(0, ApplyRequest);
}

// Every refusal leaves the dialog open; a backslash name and Cancel afterwards store nothing.
TEST_F(SiteSurvey, ProfileDialogRefusals)
{
    auto text = std::make_shared<std::string>();
    auto caption = std::make_shared<std::string>();
    std::vector<std::string> seen;
    Run([&](CModalScript& script) {
        script.Do("Add", [] { PostSurveyClick(AddButton); });
        WaitForProfileDialog(script);
        const std::pair<const char*, const char*> inputs[] = {
            {"", "Net"}, {"a\\b", "Net"}, {"Home", "any"}, {"Home", ""}};
        for (auto [name, ssid] : inputs) {
            script.Do("type", [name, ssid] {
                SetProfileText(IDC_PROFILE_NAME, name);
                SetProfileText(IDC_PROFILE_SSID, ssid);
            });
            ApplyAndReadWarning(script, text, caption);
            script.Do("note", [&seen, text, caption] {
                seen.push_back(*text);
                EXPECT_EQ(*caption, "Warning");
                EXPECT_NE(nullptr, ProfileDialogWindow()) << "still open";
            });
        }
        script.Do("cancel", [] { Press(IDCANCEL); })
            .WaitFor("closed", [] { return ProfileDialogWindow() == nullptr; });
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"Profile name cannot be empty !", "Profile name cannot contain \"\\\" !",
                                              "SSID cannot be \"Any\" !", "SSID cannot be empty!"}));
    auto list = std::make_unique<ProfileList>();
    EnumerateProfiles(*list);
    EXPECT_EQ(list->Count, 0);
    EXPECT_EQ(0, ApplyRequest);
}

// From the survey to an association: "HomeNet" added with its passphrase, then "HomeWEP"
// connected with its key; each time the software adapter joins.
TEST_F(SiteSurvey, AddHomeNetAndConnectHomeWepEndToEnd)
{
    Run([this](CModalScript& script) {
        script.Do("Add", [] { PostSurveyClick(AddButton); });
        WaitForProfileDialog(script);
        script.Do("HomeNet with WPA-PSK", [] {
            SetProfileText(IDC_PROFILE_NAME, "Home");
            SetProfileText(IDC_PROFILE_SSID, "HomeNet");
            ChooseProfileListItem(IDC_PROFILE_CHANNEL, 3);
            ClickProfileItem(IDC_PROFILE_ENCRYPTION);
            ChooseProfileListItem(IDC_PROFILE_AUTH_MODE, 2);
            for (HWND child = ::GetWindow(ProfileDialogWindow(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
                if (HWND field = ::GetDlgItem(child, IDC_PSK_PASSPHRASE)) {
                    ::SetWindowTextA(field, "my passphrase");
                    ::SetWindowTextA(::GetDlgItem(child, IDC_PSK_CONFIRM), "my passphrase");
                }
            Press(IDOK);
        });
        script.WaitFor("closed", [] { return ProfileDialogWindow() == nullptr; })
            .Do("handed to the tick", [this] {
                EXPECT_EQ(0, ShownPage());
                EXPECT_EQ(1, ApplyRequest);
                EXPECT_EQ(LinkScanning, CurrentStatus.LinkState);
                EXPECT_EQ(PendingSettings.ApplyScope, 0x30u);
                EXPECT_STREQ(PendingSettings.DesiredSSID, "HomeNet");
                EXPECT_EQ(PendingSettings.Channel, 1u) << "WPA-PSK leaves the channel as it was";
                AdapterSettings profile{}, defaults{};
                ASSERT_TRUE(LoadProfile("Home", profile));
                LoadDefaultSettings(defaults);
                for (const AdapterSettings* stored : {&profile, &defaults}) {
                    EXPECT_STREQ(stored->DesiredSSID, "HomeNet");
                    EXPECT_EQ(stored->AuthMode, 2u);
                    EXPECT_STREQ(stored->PskPassphrase, "my passphrase");
                }
                ServeTicks(frame, 4);
                EXPECT_EQ(LinkAssociated, CurrentStatus.LinkState) << AdapterStatusText();
                EXPECT_STREQ(CurrentStatus.Ssid, "HomeNet");
                ClickLabel(PageLabels[SurveyPageIndex]);
                EXPECT_EQ(ShownRows(ProfileListId), (std::vector<ShownRow>{{"Home", 5}}));
                const int row = NetworkRowOf("HomeWEP");
                ASSERT_GE(row, 0);
                SelectRow(NetworkListId, row);
                DoubleClickList(NetworkListId);
            });
        WaitForProfileDialog(script);
        script.Do("HomeWEP with its key", [] {
            EXPECT_EQ(WindowText(ProfileDialogWindow()), "Connect: HomeWEP");
            EXPECT_EQ(::SendMessageA(ProfileItem(IDC_PROFILE_ENCRYPTION), BM_GETCHECK, 0, 0), BST_CHECKED)
                << "a protected network";
            ChooseProfileListItem(IDC_PROFILE_KEY_LENGTH, 1);
            SetProfileText(IDC_PROFILE_KEY_1, "vexa128bitkey");
            Press(IDOK);
        });
        script.WaitFor("closed", [] { return ProfileDialogWindow() == nullptr; })
            .Do("joined", [this] {
                AdapterSettings profile{};
                ASSERT_TRUE(LoadProfile("HomeWEP", profile));
                EXPECT_EQ(profile.WepStatus, 0u);
                EXPECT_EQ(profile.Channel, 1u);
                ServeTicks(frame, 4);
                EXPECT_EQ(LinkAssociated, CurrentStatus.LinkState) << AdapterStatusText();
                EXPECT_STREQ(CurrentStatus.Ssid, "HomeWEP");
            });
    });
}

// The next scan read answers a hidden network, a name with a control byte and a name of
// the full 32 bytes (which the answer holds without a terminator).
void InjectOddNetworks(const std::string& longName)
{
    ScanAnswer answer(3);
    unsigned char last = 0x50;
    for (const std::string& ssid : {std::string(), std::string("Tab\tNet"), longName}) {
        RecordSpec record = Named(ssid);
        const unsigned char mac[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x00, last++};
        std::memcpy(record.Mac, mac, sizeof mac);
        answer.Add(record);
    }
    answer.Inject();
}

// A hidden network, a name with a control byte and a name of the full 32 bytes: each row
// shows its name without garbling, and connecting takes the name whole.
TEST_F(SiteSurvey, HiddenOddAndLongNetworkNames)
{
    const std::string longName(32, 'L');
    Run([&longName](CModalScript& script) {
        script.Do("the rows", [&longName] {
            InjectOddNetworks(longName);
            ConfigDialog().RefreshNetworkLists();
            EXPECT_EQ(ShownRows(NetworkListId).size(), 3u);
            ASSERT_GE(NetworkRowOf(""), 0);
            ASSERT_GE(NetworkRowOf("Tab\\x09Net"), 0);
            ASSERT_GE(NetworkRowOf(longName), 0);
            SelectRow(NetworkListId, NetworkRowOf(longName));
            PostSurveyClick(ConnectButton);
        });
        WaitForProfileDialog(script);
        script.Do("the whole name", [&longName] {
            EXPECT_EQ(WindowText(ProfileItem(IDC_PROFILE_SSID)), longName);
            EXPECT_EQ(WindowText(ProfileItem(IDC_PROFILE_NAME)), longName);
            Press(IDOK);
        });
        script.WaitFor("closed", [] { return ProfileDialogWindow() == nullptr; })
            .Do("stored whole; now the hidden one", [&longName] {
                AdapterSettings stored{};
                ASSERT_TRUE(LoadProfile(longName.c_str(), stored));
                EXPECT_EQ(std::string(stored.DesiredSSID), longName);
                InjectOddNetworks(longName);
                ClickLabel(PageLabels[SurveyPageIndex]);
                SelectRow(NetworkListId, NetworkRowOf(""));
                PostSurveyClick(ConnectButton);
            });
        WaitForProfileDialog(script);
        script.Do("its name is for the user to type", [] {
            EXPECT_TRUE(ProfileItemEnabled(IDC_PROFILE_SSID));
            EXPECT_EQ(WindowText(ProfileItem(IDC_PROFILE_NAME)), "");
            SetProfileText(IDC_PROFILE_NAME, "Hidden");
            SetProfileText(IDC_PROFILE_SSID, "Secret");
            Press(IDOK);
        });
        script.WaitFor("closed", [] { return ProfileDialogWindow() == nullptr; }).Do("stored", [] {
            AdapterSettings stored{};
            ASSERT_TRUE(LoadProfile("Hidden", stored));
            EXPECT_STREQ(stored.DesiredSSID, "Secret");
            EXPECT_STREQ(PendingSettings.DesiredSSID, "Secret");
        });
    });
}

}  // namespace

// A profile stored under a key name longer than the list shows (by another tool or an
// import) opens, changes and goes under its own key; one whose name the registry will not
// give back (outside the code page) is not opened in silence.
TEST_F(SiteSurvey, ProfilesUnderLongKeyNamesOpenAndAnUnreadableOneIsTold)
{
    const std::string longName = std::string(32, 'L') + "ong name";
    const std::string shown(32, 'L');
    SaveProfile(longName.c_str(), OpenRecord("Hotel"));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\KT60\\PROFILE\\\u4E2D\u6587", 0, nullptr,
                                             0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegCloseKey(key);
    MessageBoxSeen box;
    Run([&](CModalScript& script) {
        script.Do("Properties of the unreadable one, then Remove", [] {
            ASSERT_EQ(ShownRows(ProfileListId).size(), 2u);
            SelectRow(ProfileListId, ProfileRowOf("??"));
            PostSurveyClick(PropertiesButton);
        });
        ReadAndCloseMessageBox(script, box);
        script.Do("told, and no dialog; then Remove", [&box] {
            EXPECT_EQ("Warning", box.Caption);
            EXPECT_NE(std::string::npos, box.Text.find("The profile \"??\" could not be opened.")) << box.Text;
            EXPECT_EQ(nullptr, ProfileDialogWindow());
            EXPECT_EQ(0, ApplyRequest);
            SelectRow(ProfileListId, ProfileRowOf("??"));
            PostSurveyClick(1034);
        });
        ReadAndCloseMessageBox(script, box);
        script.Do("a Remove that removed nothing is told too", [&box] {
            EXPECT_NE(std::string::npos, box.Text.find("The profile \"??\" could not be removed.")) << box.Text;
            EXPECT_NE(ProfileRowOf("??"), -1);
        });
        script.Do("use the long one", [&shown] {
            SelectRow(ProfileListId, ProfileRowOf(shown));
            DoubleClickList(ProfileListId);
            EXPECT_STREQ(PendingSettings.DesiredSSID, "Hotel") << "its own record, not the defaults";
            EXPECT_EQ(1, ApplyRequest);
            ApplyRequest = 0;
            ConfigDialog().ShowPage(SurveyPageIndex);
            SelectRow(ProfileListId, ProfileRowOf(shown));
            PostSurveyClick(PropertiesButton);
        });
        WaitForProfileDialog(script);
        script.Do("change its network", [&shown] {
            EXPECT_EQ(WindowText(ProfileDialogWindow()), "Profile: " + shown);
            EXPECT_EQ(WindowText(ProfileItem(IDC_PROFILE_SSID)), "Hotel");
            SetProfileText(IDC_PROFILE_SSID, "Harbour");
            Press(IDOK);
        });
        script.WaitFor("closed", [] { return ProfileDialogWindow() == nullptr; })
            .Do("stored under its own key, then removed", [&longName, &shown] {
                AdapterSettings stored{};
                ASSERT_TRUE(LoadProfile(longName.c_str(), stored));
                EXPECT_STREQ(stored.DesiredSSID, "Harbour");
                EXPECT_FALSE(LoadProfile(shown.c_str(), stored)) << "no second profile under the cut name";
                ConfigDialog().ShowPage(SurveyPageIndex);
                SelectRow(ProfileListId, ProfileRowOf(shown));
                ClickSurveyButton(1034);
                EXPECT_FALSE(LoadProfile(longName.c_str(), stored));
                EXPECT_EQ(ProfileRowOf(shown), -1);
            });
    });
}
