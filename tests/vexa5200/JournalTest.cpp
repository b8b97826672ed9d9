#include "AdapterFixture.h"

#include <string>
#include <vector>

namespace {

class JournalTest : public AdapterTest {
protected:
    void SetUp() override
    {
        AdapterTest::SetUp();
        ASSERT_EQ(0, VexaSimClearJournal());
    }
};

}  // namespace

TEST_F(JournalTest, LinesHaveTheDocumentedForm)
{
    Vexa5200SetDataRate(handle_, 108);
    Vexa5200SetWepKey(handle_, 3, reinterpret_cast<const unsigned char*>("1234567890123"), 13, 1);
    Vexa5200SetSsid(handle_, "Wireless", 8, 0);
    Vexa5200SetWPAInformation(handle_, 2, 2, "my passphrase", "HomeNet");
    Vexa5200SetRegistry("SOFTWARE\\KT60\\DEFAULT\\", "Channel", "1\0\0\0", 4, 0);
    EXPECT_EQ("SetDataRate 108\n"
              "SetWepKey 3 31323334353637383930313233 13 1\n"
              "SetSsid \"Wireless\" 8 0\n"
              "SetWPAInformation 2 2 \"my passphrase\" \"HomeNet\"\n"
              "SetRegistry \"SOFTWARE\\\\KT60\\\\DEFAULT\\\\\" \"Channel\" 31000000 4 0\n",
              JournalText());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\KT60\\DEFAULT");
}

TEST_F(JournalTest, EveryCallThatSetsOrActsIsRecordedQueriesAreNot)
{
    const unsigned char hash[20] = {0xAB, 0xCD};
    Vexa5200Scan(handle_);
    Vexa5200SetDisassociate(handle_);
    Vexa5200SetRadioControl(handle_, 1);
    Vexa5200SetNetworkMode(handle_, 1);
    Vexa5200SetChannel(handle_, 6);
    Vexa5200SetPowerMode(handle_, 2);
    Vexa5200SetPreamble(handle_, 3);
    Vexa5200SetRxAntenna(handle_, 2);
    Vexa5200SetAuthMode(handle_, 3);
    Vexa5200SetWepStatus(handle_, 4);
    Vexa5200SetFswCCXNetworkEap(handle_, 0);
    Vexa5200WPAPortDown(handle_);
    Vexa5200WPACreateIdentityTLS("CN \"Q\" \\ x", hash);

    unsigned long value;
    char text[128];
    NDIS_802_11_STATISTICS statistics;
    Vexa5200QueryRadioControl(handle_, &value);
    Vexa5200QueryRegistryPath(handle_, text, sizeof text);
    Vexa5200QuerySsid(handle_, text, 33);
    Vexa5200QueryStatistics(handle_, &statistics);
    Vexa5200GetConnectStatus(handle_);
    Vexa5200QueryRegistry("SOFTWARE", "x", text, sizeof text);

    Vexa5200CloseAdapter(&handle_);
    Vexa5200OpenAdapter(&handle_);
    EXPECT_EQ("Scan\n"
              "SetDisassociate\n"
              "SetRadioControl 1\n"
              "SetNetworkMode 1\n"
              "SetChannel 6\n"
              "SetPowerMode 2\n"
              "SetPreamble 3\n"
              "SetRxAntenna 2\n"
              "SetAuthMode 3\n"
              "SetWepStatus 4\n"
              "SetFswCCXNetworkEap 0\n"
              "WPAPortDown\n"
              "WPACreateIdentityTLS \"CN \\\"Q\\\" \\\\ x\" ABCD000000000000000000000000000000000000\n"
              "CloseAdapter\n"
              "OpenAdapter\n",
              JournalText());
}

TEST_F(JournalTest, FailingAndRefusedCallsAreRecordedToo)
{
    VexaSimSetFailure("SetChannel", 1);
    EXPECT_NE(0, Vexa5200SetChannel(handle_, 6));
    EXPECT_NE(0, Vexa5200SetChannel(handle_, 99));
    Vexa5200SetSsid(handle_, "", 0, 0);
    EXPECT_EQ("SetChannel 6\nSetChannel 99\nSetSsid \"\" 0 0\n", JournalText());
}

TEST_F(JournalTest, KeepsTheLatestLinesAndReportsItsSize)
{
    for (unsigned long i = 0; i < 5000; ++i)
        Vexa5200SetChannel(handle_, i);
    std::string text = JournalText();
    size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    EXPECT_GE(lines, 4096u);
    EXPECT_EQ(text.rfind("SetChannel 4999\n"), text.size() - 16);
    EXPECT_NE(std::string::npos, text.find("SetChannel 904\n"));

    unsigned long needed = 0;
    char small[8];
    ASSERT_EQ(0, VexaSimReadJournal(small, sizeof small, &needed));
    EXPECT_EQ(text.size() + 1, needed);
    EXPECT_EQ(text.substr(0, 7), std::string(small));

    ASSERT_EQ(0, VexaSimClearJournal());
    EXPECT_EQ("", JournalText());
}
