#include "AdapterTestSupport.h"
#include "TestCertificate.h"
#include "adapter/ApplySettings.h"
#include "adapter/ClientCertificate.h"

#include <chrono>
#include <cstring>

using Lines = std::vector<std::string>;

namespace {

const std::string ZeroThumbprint(40, '0');

struct WaitRecord {
    int Calls = 0;
    unsigned long Milliseconds = 0;
    size_t JournalLinesBefore = 0;
};
WaitRecord LastWait;

void RecordWait(unsigned long milliseconds)
{
    ++LastWait.Calls;
    LastWait.Milliseconds = milliseconds;
    LastWait.JournalLinesBefore = JournalLines().size();
}

AdapterSettings TlsSettings(const char* loginName)
{
    return TlsRecord("CorpNet", loginName);
}

Lines ExpectedTlsCalls(const std::string& loginName, const std::string& thumbprint)
{
    return {"WPAPortDown",
            "SetAuthMode 3",
            "SetFswCCXNetworkEap 0",
            "WPACreateIdentityTLS \"" + loginName + "\" " + thumbprint,
            "SetWPAInformation 5 2 \"\" \"CorpNet\"",
            "SetWepStatus 4",
            "SetNetworkMode 1",
            "SetSsid \"CorpNet\" 7 0"};
}

}  // namespace

class ClientCertificateTest : public AdapterTest {
protected:
    void SetUp() override
    {
        AdapterTest::SetUp();
        TestCertificate::RemoveLeftovers();
        LastWait = {};
    }
};

TEST_F(ClientCertificateTest, MatchingNameGivesItsThumbprintThenWaitsOneSecond)
{
    TestCertificate bob("Skylook Test Bob");
    TestCertificate alice("Skylook Test Alice");
    TestCertificate carol("Skylook Test Carol");
    ASSERT_TRUE(bob.Created() && alice.Created() && carol.Created());

    ApplyTlsSettings(TlsSettings("Skylook Test Alice"), RecordWait);

    const Lines expected = ExpectedTlsCalls("Skylook Test Alice", alice.ThumbprintHex());
    EXPECT_EQ(expected, JournalLines());
    EXPECT_EQ(1, LastWait.Calls);
    EXPECT_EQ(1000u, LastWait.Milliseconds);
    EXPECT_EQ(expected.size(), LastWait.JournalLinesBefore) << "the wait comes after every adapter call";
}

TEST_F(ClientCertificateTest, NoMatchingNameGivesAZeroThumbprint)
{
    TestCertificate bob("Skylook Test Bob");
    ASSERT_TRUE(bob.Created());

    // Bob's certificate is the last one examined; it must not stand in for Alice's.
    ApplyTlsSettings(TlsSettings("Skylook Test Alice"), RecordWait);
    EXPECT_EQ(ExpectedTlsCalls("Skylook Test Alice", ZeroThumbprint), JournalLines());

    // Names are compared exactly.
    unsigned char thumbprint[CertificateThumbprintSize];
    EXPECT_FALSE(FindCertificateThumbprint("skylook test bob", thumbprint));
    EXPECT_EQ(ZeroThumbprint, Hex(thumbprint, sizeof(thumbprint)));
    EXPECT_TRUE(FindCertificateThumbprint("Skylook Test Bob", thumbprint));
    EXPECT_EQ(bob.ThumbprintHex(), Hex(thumbprint, sizeof(thumbprint)));
}

// The 802.1X choice stores a long subject cut to the record's field; the apply must still
// find that certificate, and not one whose name merely starts the same.
TEST_F(ClientCertificateTest, ASubjectLongerThanTheRecordsFieldIsFoundByItsStoredForm)
{
    const std::string subject = "Skylook Test " + std::string(40, 'L');
    TestCertificate longName(subject);
    TestCertificate prefix("Skylook Test LLL");
    ASSERT_TRUE(longName.Created() && prefix.Created());

    AdapterSettings settings = TlsSettings(subject.c_str());
    const std::string stored(settings.WPALoginName);
    ASSERT_EQ(sizeof(settings.WPALoginName) - 1, stored.size());
    ApplyTlsSettings(settings, RecordWait);
    EXPECT_EQ(ExpectedTlsCalls(stored, longName.ThumbprintHex()), JournalLines());
}

TEST_F(ClientCertificateTest, WithoutTestCertificatesTheThumbprintIsZero)
{
    unsigned char thumbprint[CertificateThumbprintSize];
    std::memset(thumbprint, 0xCC, sizeof(thumbprint));
    EXPECT_FALSE(FindCertificateThumbprint("Skylook Test Alice", thumbprint));
    EXPECT_EQ(ZeroThumbprint, Hex(thumbprint, sizeof(thumbprint)));
}

TEST_F(ClientCertificateTest, DispatchWaitsOneSecond)
{
    const auto start = std::chrono::steady_clock::now();
    ApplyPendingSettings(TlsSettings("Skylook Test Nobody"));
    const auto elapsed = std::chrono::steady_clock::now() - start;

    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 990);
    EXPECT_EQ(ExpectedTlsCalls("Skylook Test Nobody", ZeroThumbprint), JournalLines());
}
