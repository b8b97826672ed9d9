#include "AdapterJournal.h"
#include "SampleRecords.h"
#include "SimNetwork.h"
#include "MachineRegistry.h"
#include "PageControls.h"

#include "state/ProgramState.h"
#include "keys/PassphraseKeys.h"
#include "settings/DefaultSettings.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "ui/configuration/ConfigurationPageIds.h"
#include "record/WepKeySlots.h"
#include "ui/encryption/EapPage.h"
#include "ui/encryption/EapPageIds.h"
#include "ui/encryption/EncryptionPageIds.h"
#include "ui/encryption/PskPage.h"
#include "ui/encryption/PskPageIds.h"

#include <Vexa5200Control.h>

#include <cstring>
#include <iterator>

namespace {

constexpr int Page = 2;
const char* const DefaultKey = "SOFTWARE\\KT60\\DEFAULT\\";

const int KeyIds[] = {IDC_ENCRYPTION_KEY1, IDC_ENCRYPTION_KEY2, IDC_ENCRYPTION_KEY3, IDC_ENCRYPTION_KEY4};
const int DefaultKeyIds[] = {IDC_ENCRYPTION_DEFAULT_KEY1, IDC_ENCRYPTION_DEFAULT_KEY2, IDC_ENCRYPTION_DEFAULT_KEY3,
                             IDC_ENCRYPTION_DEFAULT_KEY4};
// Shown for the WEP modes only.
const int WepControls[] = {IDC_ENCRYPTION_DEFAULT_KEY1, IDC_ENCRYPTION_DEFAULT_KEY4, IDC_ENCRYPTION_KEY1,
                           IDC_ENCRYPTION_KEY4,         IDC_ENCRYPTION_KEY_LENGTH,   IDC_ENCRYPTION_KEY_FORMAT,
                           IDC_ENCRYPTION_DEFAULT_KEY_LABEL, IDC_ENCRYPTION_PASSPHRASE, IDC_ENCRYPTION_GENERATE};

template <class Page>
Page* Embedded()
{
    for (HWND child = ::GetWindow(PageWindow(2), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (auto* page = dynamic_cast<Page*>(CWindow::FromHandle(child)))
            return page;
    return nullptr;
}

HWND PskPage()
{
    return Embedded<CPskPage>() ? Embedded<CPskPage>()->Handle() : nullptr;
}

HWND EapPage()
{
    return Embedded<CEapPage>() ? Embedded<CEapPage>()->Handle() : nullptr;
}

bool Visible(HWND window)
{
    return ::IsWindowVisible(window) != FALSE;
}

char MaskOf(int id)
{
    return static_cast<char>(::SendMessageA(PageItem(Page, id), EM_GETPASSWORDCHAR, 0, 0));
}

int LimitOf(int id)
{
    return static_cast<int>(::SendMessageA(PageItem(Page, id), EM_GETLIMITTEXT, 0, 0));
}

std::string KeyText(int key)
{
    return PageItemText(Page, KeyIds[key]);
}

void SetPskFields(const std::string& passphrase, const std::string& confirmation)
{
    ::SetDlgItemTextA(PskPage(), IDC_PSK_PASSPHRASE, passphrase.c_str());
    ::SetDlgItemTextA(PskPage(), IDC_PSK_CONFIRM, confirmation.c_str());
}

AdapterSettings WepRecord(uint32_t size, uint32_t format)
{
    AdapterSettings settings = ::WepRecord("Attic", size, format);
    settings.Channel = 6;
    return settings;
}

bool AssociatedWith(const std::string& ssid)
{
    return AdapterStatusText().find("link: associated with \"" + ssid + "\"") != std::string::npos;
}

class EncryptionPage : public PageRun {
protected:
    void Run(const std::function<void(CModalScript&)>& steps) { PageRun::Run(Page, steps); }
};

TEST_F(EncryptionPage, EachModeShowsItsOwnControls)
{
    SaveDefaultSettings(WepRecord(5, 0));
    Run([](CModalScript& script) {
        script.Do("go through the modes", [] {
            EXPECT_EQ((std::vector<std::string>{"Open Authentication", "Shared Authentication", "WPA-PSK", "WPA"}),
                      ListItems(Page, IDC_ENCRYPTION_AUTH_MODE));
            ASSERT_NE(nullptr, PskPage());
            ASSERT_NE(nullptr, EapPage());
            PressEnter(Page);
            EXPECT_TRUE(DialogShown());
            EXPECT_EQ(2, ConfigDialog().CurrentPage());
            EXPECT_EQ(0, ApplyRequest) << "Enter does not apply";
            for (int mode : {2, 3, 1, 0}) {
                SCOPED_TRACE(testing::Message() << "mode " << mode);
                ChooseListItem(Page, IDC_ENCRYPTION_AUTH_MODE, mode);
                const bool wep = mode < 2;
                for (int id : WepControls)
                    EXPECT_EQ(wep, PageItemVisible(Page, id)) << "control " << id;
                EXPECT_EQ(mode == 2, Visible(PskPage()));
                EXPECT_EQ(mode == 3, Visible(EapPage()));
                if (mode == 3) {
                    HWND protocols = ::GetDlgItem(EapPage(), IDC_EAP_PROTOCOL);
                    EXPECT_EQ(1, ::SendMessageA(protocols, CB_GETCOUNT, 0, 0));
                    EXPECT_EQ(0, ::SendMessageA(protocols, CB_GETCURSEL, 0, 0));
                    char text[32] = {};
                    ::GetWindowTextA(protocols, text, sizeof text);
                    EXPECT_STREQ("EAP-TLS", text);
                }
            }
        });
        // Stored with WepStatus "off", as the Profile dialog and earlier versions leave a WPA
        // record: shown again, the page must not offer it as an open network.
        for (uint32_t mode : {AuthModeWpaPsk, AuthModeWpa}) {
            script.Do("a stored WPA default shown", [mode] {
                AdapterSettings stored = WepRecord(5, 0);
                stored.AuthMode = mode;
                stored.WepStatus = WepStatusOff;
                SaveDefaultSettings(stored);
                ClickLabel(PageLabels[0]);
                ClickLabel(PageLabels[Page]);
                EXPECT_TRUE(PageItemChecked(Page, IDC_ENCRYPTION_ENABLED)) << "mode " << mode;
                EXPECT_EQ(static_cast<int>(mode), ListSelection(Page, IDC_ENCRYPTION_AUTH_MODE));
                EXPECT_EQ(mode == AuthModeWpaPsk, Visible(PskPage()));
                EXPECT_EQ(mode == AuthModeWpa, Visible(EapPage()));
            });
        }
    });
}

// A stored authentication mode the list lacks (4 or more, which sends no authentication)
// opens without a selection and without the key section; an untouched Apply keeps it a mode
// that sends none, and leaves the keys it did not show as they were (here a key size the
// length list cannot show), rather than storing open authentication.
TEST_F(EncryptionPage, AModeTheListLacksOpensWithoutASelectionAndApplyKeepsTheRestAsStored)
{
    AdapterSettings odd = WepRecord(5, 0);
    odd.AuthMode = 7;
    odd.WepKeySize = 7;
    ASSERT_TRUE(SaveDefaultSettings(odd));
    const AdapterSettings before = StoredDefaultSettings();
    Run([](CModalScript& script) {
        script
            .Do("look and Apply",
                [] {
                    EXPECT_EQ(-1, ListSelection(Page, IDC_ENCRYPTION_AUTH_MODE));
                    EXPECT_FALSE(PageItemVisible(Page, IDC_ENCRYPTION_KEY1));
                    ClickPageItem(Page, IDC_ENCRYPTION_APPLY);
                })
            .Do("no box", [] { EXPECT_EQ(nullptr, OwnedDialog()); });
    });
    const AdapterSettings after = StoredDefaultSettings();
    EXPECT_EQ(0xFFFFFFFFu, after.AuthMode);
    EXPECT_EQ(7u, after.WepKeySize);
    EXPECT_EQ(0, std::memcmp(before.WepKey1, after.WepKey1, sizeof after.WepKey1));
    EXPECT_EQ(before.WepStatus, after.WepStatus);
    EXPECT_FALSE(JournalHas("SetAuthMode 0")) << JournalText();
}

TEST_F(EncryptionPage, TabGoesThroughTheShownModeFromTopToBottom)
{
    SaveDefaultSettings(WepRecord(5, 0));
    Run([](CModalScript& script) {
        script.Do("tab through each mode", [] {
            EXPECT_EQ((std::vector<int>{IDC_ENCRYPTION_ENABLED, IDC_ENCRYPTION_AUTH_MODE, IDC_ENCRYPTION_KEY_FORMAT,
                                        IDC_ENCRYPTION_KEY_LENGTH, IDC_ENCRYPTION_DEFAULT_KEY1, IDC_ENCRYPTION_KEY1,
                                        IDC_ENCRYPTION_KEY2, IDC_ENCRYPTION_KEY3, IDC_ENCRYPTION_KEY4,
                                        IDC_ENCRYPTION_PASSPHRASE, IDC_ENCRYPTION_GENERATE, IDC_ENCRYPTION_APPLY,
                                        IDC_ENCRYPTION_CANCEL}),
                      TabOrder(Page, IDC_ENCRYPTION_ENABLED));
            ChooseListItem(Page, IDC_ENCRYPTION_AUTH_MODE, 2);
            EXPECT_EQ((std::vector<int>{IDC_ENCRYPTION_ENABLED, IDC_ENCRYPTION_AUTH_MODE, IDC_PSK_PASSPHRASE,
                                        IDC_PSK_CONFIRM, IDC_PSK_UNMASK, IDC_ENCRYPTION_APPLY, IDC_ENCRYPTION_CANCEL}),
                      TabOrder(Page, IDC_ENCRYPTION_ENABLED));
            ChooseListItem(Page, IDC_ENCRYPTION_AUTH_MODE, 3);
            const std::vector<int> wpa = TabOrder(Page, IDC_ENCRYPTION_ENABLED);
            ASSERT_GE(wpa.size(), 5u);
            EXPECT_EQ(IDC_EAP_PROTOCOL, wpa[2]) << "into the 802.1X page after the mode";
            EXPECT_EQ(IDC_ENCRYPTION_APPLY, wpa[wpa.size() - 2]);
        });
    });
}

TEST_F(EncryptionPage, FormatAndLengthChangesClearTheKeysAndSetTheirLimits)
{
    SaveDefaultSettings(WepRecord(5, 0));
    Run([](CModalScript& script) {
        script.Do("change format and length", [] {
            EXPECT_EQ(5, LimitOf(IDC_ENCRYPTION_KEY1));
            EXPECT_FALSE(KeyText(0).empty());
            // Choosing the format in force again keeps the keys.
            ChooseListItem(Page, IDC_ENCRYPTION_KEY_FORMAT, 0);
            EXPECT_FALSE(KeyText(0).empty());

            const struct {
                int List;
                int Index;
                int Limit;
            } steps[] = {
                {IDC_ENCRYPTION_KEY_FORMAT, 1, 10},
                {IDC_ENCRYPTION_KEY_LENGTH, 1, 26},
                {IDC_ENCRYPTION_KEY_FORMAT, 0, 13},
                {IDC_ENCRYPTION_KEY_LENGTH, 0, 5},
            };
            for (const auto& step : steps) {
                SCOPED_TRACE(testing::Message() << "list " << step.List << " index " << step.Index);
                for (int key = 0; key < 4; ++key)
                    SetPageItemText(Page, KeyIds[key], "x");
                ChooseListItem(Page, step.List, step.Index);
                for (int key = 0; key < 4; ++key) {
                    EXPECT_EQ("", KeyText(key));
                    EXPECT_EQ(step.Limit, LimitOf(KeyIds[key]));
                }
            }
            // The hidden per-key lists follow the visible one.
            ChooseListItem(Page, IDC_ENCRYPTION_KEY_LENGTH, 1);
            for (int id : {IDC_ENCRYPTION_KEY2_LENGTH, IDC_ENCRYPTION_KEY3_LENGTH, IDC_ENCRYPTION_KEY4_LENGTH})
                EXPECT_EQ(1, ListSelection(Page, id));
        });
    });
}

TEST_F(EncryptionPage, AStored128BitHexKeyLoadsAsTwentySixMaskedUpperCaseDigits)
{
    SaveDefaultSettings(WepRecord(13, 1));
    Run([](CModalScript& script) {
        script.Do("look at the keys", [] {
            EXPECT_TRUE(PageItemChecked(Page, IDC_ENCRYPTION_ENABLED));
            EXPECT_EQ(1, ListSelection(Page, IDC_ENCRYPTION_KEY_LENGTH));
            EXPECT_EQ(1, ListSelection(Page, IDC_ENCRYPTION_KEY_FORMAT));
            EXPECT_EQ("A0A1A2A3A4A5A6A7A8A9AAABAC", KeyText(0));
            EXPECT_EQ("D3D4D5D6D7D8D9DADBDCDDDEDF", KeyText(3));
            for (int id : KeyIds) {
                EXPECT_EQ('*', MaskOf(id));
                EXPECT_EQ(26, LimitOf(id));
            }
            // A lower-case digit is a HEX digit; a "g" is not.
            TypeInto(Page, IDC_ENCRYPTION_KEY2, "ag");
            EXPECT_EQ("a", KeyText(1)) << "the first keystroke starts a new key in plain view";
            EXPECT_EQ('\0', MaskOf(IDC_ENCRYPTION_KEY2));
        });
    });
}

struct RefusedCase {
    const char* What;
    int Mode;
    int Format;
    int Length;
    int DefaultKey;
    std::vector<std::string> Keys;  // WEP keys 1-4, or the passphrase and its confirmation
    const char* Message;
};

const RefusedCase RefusedCases[] = {
    {"25 HEX digits for 128 bits", 0, 1, 1, 0, {std::string(25, 'A'), "", "", ""},
     "WEP key 1 size mistake!\n Need 26 characters"},
    {"a short key 3", 1, 0, 0, 0, {"abcde", "", "abc", ""}, "WEP key 3 size mistake!\n Need 5 characters"},
    {"the transmit key empty", 0, 0, 0, 1, {"abcde", "", "", ""}, "WEP key 2 size mistake!\n Need 5 characters"},
    {"a long HEX key 4", 0, 1, 0, 0, {"0011223344", "", "", "00112233445"},
     "WEP key 4 size mistake!\n Need 10 characters"},
    {"seven characters", 2, 0, 0, 0, {"1234567", "1234567"}, "The length of PSK key must be at least 8 characters."},
    {"a different confirmation", 2, 0, 0, 0, {"correct horse", "Correct horse"}, "The Passphrase mismatch."},
    {"a pasted 64-character passphrase", 2, 0, 0, 0, {std::string(64, 'p'), std::string(64, 'p')},
     "The length of PSK key must be at most 63 characters."},
};

TEST_F(EncryptionPage, RefusedInputShowsItsMessageAndStoresNothing)
{
    SaveDefaultSettings(WepRecord(5, 0));
    const Bytes storedKey = ReadValue(DefaultKey, "WepKey1");
    const Bytes storedMode = ReadValue(DefaultKey, "AuthMode");
    // Every row in one run: a refused Apply leaves the page as it was, and each row sets
    // every field it is about.
    std::vector<MessageBoxSeen> boxes(std::size(RefusedCases));
    Run([&](CModalScript& script) {
        for (size_t row = 0; row < boxes.size(); ++row) {
            const RefusedCase& c = RefusedCases[row];
            script.Do(std::string("enter and apply: ") + c.What, [&c] {
                ChooseListItem(Page, IDC_ENCRYPTION_AUTH_MODE, c.Mode);
                if (c.Mode == 2) {
                    SetPskFields(c.Keys[0], c.Keys[1]);
                } else {
                    ChooseListItem(Page, IDC_ENCRYPTION_KEY_FORMAT, c.Format);
                    ChooseListItem(Page, IDC_ENCRYPTION_KEY_LENGTH, c.Length);
                    ClickPageItem(Page, DefaultKeyIds[c.DefaultKey]);
                    for (int key = 0; key < 4; ++key)
                        SetPageItemText(Page, KeyIds[key], c.Keys[static_cast<size_t>(key)]);
                }
                ClickPageItem(Page, IDC_ENCRYPTION_APPLY);
            });
            ReadAndCloseMessageBox(script, boxes[row]);
            script.Do(std::string("the page keeps its contents and nothing is stored: ") + c.What,
                      [&c, &storedKey, &storedMode] {
                          SCOPED_TRACE(c.What);
                          EXPECT_EQ(2, ConfigDialog().CurrentPage());
                          if (c.Mode != 2) {
                              EXPECT_EQ(c.Keys[0], KeyText(0));
                          }
                          EXPECT_EQ(0, ApplyRequest);
                          EXPECT_EQ(storedKey, ReadValue(DefaultKey, "WepKey1"));
                          EXPECT_EQ(storedMode, ReadValue(DefaultKey, "AuthMode"));
                      });
        }
    });
    for (size_t row = 0; row < boxes.size(); ++row) {
        SCOPED_TRACE(RefusedCases[row].What);
        EXPECT_EQ("Warning", boxes[row].Caption);
        EXPECT_EQ(RefusedCases[row].Message, boxes[row].Text);
        EXPECT_TRUE(boxes[row].InformationIcon);
    }
    EXPECT_EQ(0, ApplyRequest);
    EXPECT_EQ(storedKey, ReadValue(DefaultKey, "WepKey1"));
    EXPECT_EQ(storedMode, ReadValue(DefaultKey, "AuthMode"));
}

TEST_F(EncryptionPage, EncryptionOffSelectsOpenAndStoresWepOffWithoutTouchingTheKeys)
{
    SaveDefaultSettings(WepRecord(5, 1));
    const Bytes storedKey = ReadValue(DefaultKey, "WepKey2");
    Run([](CModalScript& script) {
        script.Do("switch encryption off and apply", [] {
            ChooseListItem(Page, IDC_ENCRYPTION_AUTH_MODE, 1);
            ClickPageItem(Page, IDC_ENCRYPTION_ENABLED);
            EXPECT_FALSE(PageItemChecked(Page, IDC_ENCRYPTION_ENABLED));
            EXPECT_EQ(0, ListSelection(Page, IDC_ENCRYPTION_AUTH_MODE));
            EXPECT_FALSE(PageItemEnabled(Page, IDC_ENCRYPTION_AUTH_MODE));
            for (int id : {IDC_ENCRYPTION_KEY1, IDC_ENCRYPTION_DEFAULT_KEY3, IDC_ENCRYPTION_KEY_FORMAT,
                           IDC_ENCRYPTION_KEY_LENGTH, IDC_ENCRYPTION_PASSPHRASE, IDC_ENCRYPTION_GENERATE})
                EXPECT_FALSE(PageItemEnabled(Page, id)) << "control " << id;
            // Not validated while encryption is off.
            SetPageItemText(Page, IDC_ENCRYPTION_KEY2, "12");
            ClickPageItem(Page, IDC_ENCRYPTION_APPLY);
            EXPECT_EQ(0, ConfigDialog().CurrentPage());
        });
    });
    EXPECT_EQ(1u, StoredDefaultSettings().WepStatus);
    EXPECT_EQ(0u, StoredDefaultSettings().AuthMode);
    EXPECT_EQ(storedKey, ReadValue(DefaultKey, "WepKey2"));
    EXPECT_EQ(1u, PendingSettings.WepStatus);
}

TEST_F(EncryptionPage, AnEmptiedHexKeyIsStoredAsAnEmptyKeyAndTheOthersStay)
{
    SaveDefaultSettings(WepRecord(5, 1));
    const Bytes key1 = ReadValue(DefaultKey, "WepKey1");
    Run([](CModalScript& script) {
        script.Do("empty key 3 and apply", [] {
            TypeInto(Page, IDC_ENCRYPTION_KEY3, "\b");
            EXPECT_EQ("", KeyText(2));
            ClickPageItem(Page, IDC_ENCRYPTION_APPLY);
            EXPECT_EQ(0, ConfigDialog().CurrentPage());
        });
    });
    const Bytes key3 = ReadValue(DefaultKey, "WepKey3");
    EXPECT_STREQ("3030303030", reinterpret_cast<const char*>(key3.data()));
    EXPECT_EQ(key1, ReadValue(DefaultKey, "WepKey1"));
}

TEST_F(EncryptionPage, WpaBeforeAnyCertificateWasChosenStoresEmptyNames)
{
    Run([](CModalScript& script) {
        script.Do("choose WPA and apply", [] {
            ClickPageItem(Page, IDC_ENCRYPTION_ENABLED);
            ChooseListItem(Page, IDC_ENCRYPTION_AUTH_MODE, 3);
            ClickPageItem(Page, IDC_ENCRYPTION_APPLY);
            EXPECT_EQ(0, ConfigDialog().CurrentPage());
        });
    });
    const AdapterSettings stored = StoredDefaultSettings();
    EXPECT_EQ(3u, stored.AuthMode);
    EXPECT_STREQ("", stored.WPALoginName);
    EXPECT_STREQ("", stored.WPACertificate);
    EXPECT_EQ(3u, PendingSettings.AuthMode);
    EXPECT_STREQ("", PendingSettings.WPALoginName);
    EXPECT_EQ(1, ApplyRequest);
}

TEST_F(EncryptionPage, GeneratedKeysFillTheEditsAndJoinTheAdaptersWepNetwork)
{
    WepKeyTexts expected;
    ASSERT_TRUE(GenerateWepKeys("lighthouse keeper", 0, expected));
    VexaSimNetwork attic = SimNetwork("Attic", VEXASIM_WEP, -50, 6);
    attic.WepKeyLength = 5;
    for (int i = 0; i < 5; ++i)
        attic.WepKey[i] = static_cast<unsigned char>(std::stoi(expected[0].substr(2 * i, 2), nullptr, 16));
    ASSERT_EQ(0, VexaSimAddNetwork(&attic));
    AdapterSettings stored = WepRecord(5, 0);
    stored.WepStatus = 1;
    SaveDefaultSettings(stored);

    Run([this, &expected](CModalScript& script) {
        script.Do("generate and apply", [&expected] {
            ClickPageItem(Page, IDC_ENCRYPTION_ENABLED);
            ASSERT_TRUE(PageItemVisible(Page, IDC_ENCRYPTION_PASSPHRASE));
            SetPageItemText(Page, IDC_ENCRYPTION_PASSPHRASE, "lighthouse keeper");
            ClickPageItem(Page, IDC_ENCRYPTION_GENERATE);
            EXPECT_EQ(1, ListSelection(Page, IDC_ENCRYPTION_KEY_FORMAT)) << "generated keys are HEX";
            for (int key = 0; key < 4; ++key) {
                EXPECT_EQ(expected[static_cast<size_t>(key)], KeyText(key));
                EXPECT_EQ('\0', MaskOf(KeyIds[key])) << "shown in clear";
            }
            EXPECT_EQ(0, ApplyRequest) << "nothing is stored before Apply";
            ClickPageItem(Page, IDC_ENCRYPTION_DEFAULT_KEY1);
            ClickPageItem(Page, IDC_ENCRYPTION_APPLY);
        });
        script.Do("the tick applies", [this] { frame.ManualTick(); });
        script.Do("the next tick sees the link", [this] { frame.ManualTick(); });
    });
    EXPECT_TRUE(AssociatedWith("Attic")) << AdapterStatusText();
    const AdapterSettings after = StoredDefaultSettings();
    EXPECT_EQ(0u, after.WepStatus);
    EXPECT_EQ(1u, after.WepKeyFormat);
    EXPECT_EQ(0, std::memcmp(attic.WepKey, after.WepKey1, 5));
}

TEST_F(EncryptionPage, HomeNetWithWpaPskAndAWepNetworkAreSetUpThroughThePagesAndJoined)
{
    VexaSimNetwork home = SimNetwork("HomeNet", VEXASIM_WPA_PSK, -50, 6);
    std::strcpy(home.Passphrase, "correct horse battery staple");
    ASSERT_EQ(0, VexaSimAddNetwork(&home));
    VexaSimNetwork harbour = SimNetwork("Harbour", VEXASIM_WEP, -50, 6);
    harbour.WepKeyLength = 13;
    std::memcpy(harbour.WepKey, "harbour-key13", 13);
    ASSERT_EQ(0, VexaSimAddNetwork(&harbour));

    const auto setUp = [this](const char* ssid, const std::function<void()>& security) {
        CModalScript script;
        script.WaitFor("the dialog shows", DialogShown)
            .Do("name the network", [ssid] {
                ClickLabel(PageLabels[1]);
                SetPageItemText(1, IDC_CONFIG_SSID, ssid);
                ChooseListItem(1, IDC_CONFIG_NETWORK_TYPE, 1);
                ClickPageItem(1, IDC_CONFIG_APPLY);
            })
            .Do("set its security", [security] {
                ClickLabel(PageLabels[Page]);
                security();
                ClickPageItem(Page, IDC_ENCRYPTION_APPLY);
                EXPECT_EQ(0, ConfigDialog().CurrentPage());
            })
            .Do("the ticks apply", [this] {
                for (int tick = 0; tick < 4; ++tick)
                    frame.ManualTick();
            })
            .Do("close", [] { ConfigDialog().CloseConfigDialog(); });
        RunConfigDialog(script, frame);
        EXPECT_TRUE(script.Finished()) << script.Position();
    };

    setUp("HomeNet", [] {
        ClickPageItem(Page, IDC_ENCRYPTION_ENABLED);
        ChooseListItem(Page, IDC_ENCRYPTION_AUTH_MODE, 2);
        SetPskFields("correct horse battery staple", "correct horse battery staple");
    });
    EXPECT_TRUE(AssociatedWith("HomeNet")) << AdapterStatusText();
    EXPECT_STREQ("correct horse battery staple", StoredDefaultSettings().PskPassphrase);

    setUp("Harbour", [] {
        if (!PageItemChecked(Page, IDC_ENCRYPTION_ENABLED))
            ClickPageItem(Page, IDC_ENCRYPTION_ENABLED);
        ChooseListItem(Page, IDC_ENCRYPTION_AUTH_MODE, 1);
        ChooseListItem(Page, IDC_ENCRYPTION_KEY_LENGTH, 1);
        ChooseListItem(Page, IDC_ENCRYPTION_KEY_FORMAT, 0);
        ClickPageItem(Page, IDC_ENCRYPTION_DEFAULT_KEY2);
        TypeInto(Page, IDC_ENCRYPTION_KEY2, "harbour-key13");
    });
    EXPECT_TRUE(AssociatedWith("Harbour")) << AdapterStatusText();
}

TEST_F(EncryptionPage, ASixtyThreeCharacterPassphraseIsStoredWhole)
{
    const std::string longest(63, 'q');
    Run([&longest](CModalScript& script) {
        script.Do("type the longest passphrase", [&longest] {
            ClickPageItem(Page, IDC_ENCRYPTION_ENABLED);
            ChooseListItem(Page, IDC_ENCRYPTION_AUTH_MODE, 2);
            SetPskFields(longest, longest);
            ClickPageItem(Page, IDC_ENCRYPTION_APPLY);
        });
        script.Do("shown again after the reload", [&longest] {
            ClickLabel(PageLabels[Page]);
            char text[80] = {};
            ::GetDlgItemTextA(PskPage(), IDC_PSK_CONFIRM, text, sizeof text);
            EXPECT_EQ(longest, text);
        });
    });
    EXPECT_EQ(longest, StoredDefaultSettings().PskPassphrase);
    EXPECT_EQ(longest, PendingSettings.PskPassphrase);
}

// Windows' profiles may hold the key itself, which the import keeps as 64 hexadecimal digits:
// the page shows it whole although typing stops at 63, and Apply keeps it.
TEST_F(EncryptionPage, AStoredKeyOfSixtyFourHexDigitsIsAppliedAsItIs)
{
    const std::string key = "00112233445566778899AABBCCDDEEFF00112233445566778899AABBCCDDEEFF";
    SaveDefaultSettings(PskRecord("HomeNet", key.c_str()));
    Run([](CModalScript& script) {
        script.Do("apply what was loaded", [] { ClickPageItem(Page, IDC_ENCRYPTION_APPLY); });
    });
    EXPECT_EQ(1, ApplyRequest);
    EXPECT_EQ(key, PendingSettings.PskPassphrase);
}

}  // namespace
