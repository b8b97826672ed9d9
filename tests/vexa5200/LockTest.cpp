#include "AdapterFixture.h"
#include "AdapterLockHolder.h"
#include "VexasimProcess.h"

#include <string>
#include <vector>

namespace {

class LockTest : public AdapterTest {
protected:
    void SetUp() override
    {
        AdapterTest::SetUp();
        ASSERT_EQ(0, VexaSimSetLockWait(0));
        ASSERT_EQ(0, VexaSimClearJournal());
    }
    void TearDown() override
    {
        VexaSimSetLockWait(0);
        AdapterTest::TearDown();
    }
};

// A bounded wait shortened for the tests that wait it out several times; the first test
// keeps the library's own.
constexpr unsigned long ShortLockWait = 300;

template <class Call>
ULONGLONG MillisecondsOf(Call call)
{
    const ULONGLONG start = GetTickCount64();
    call();
    return GetTickCount64() - start;
}

}  // namespace

TEST_F(LockTest, ACallWaitsAboutTwoSecondsForAStuckHolderThenFailsAndLaterCallsFailAtOnce)
{
    CAdapterLockHolder holder;
    ASSERT_TRUE(holder.Hold());

    const ULONGLONG first = MillisecondsOf([this] { EXPECT_NE(0, Vexa5200SetChannel(handle_, 3)); });
    EXPECT_GE(first, 1500u);
    EXPECT_LT(first, 6000u);

    // The holder is still stuck: the next calls do not wait for it again.
    const ULONGLONG later = MillisecondsOf([this] {
        EXPECT_NE(0, Vexa5200SetChannel(handle_, 4));
        EXPECT_NE(0, Vexa5200Scan(handle_));
        EXPECT_NE(0, Vexa5200SetSsid(handle_, "Wireless", 8, 0));
        EXPECT_NE(0, VexaSimSetRegionCode(0x20));
    });
    EXPECT_LT(later, 1000u);
    // Queries that need no change of the record still answer.
    EXPECT_EQ(1u, Channel());

    ASSERT_TRUE(holder.Release());
    EXPECT_EQ(0, Vexa5200SetChannel(handle_, 5));
    EXPECT_EQ(5u, Channel());
    // The refused calls changed nothing and were not recorded.
    EXPECT_EQ(std::vector<std::string>{"SetChannel 5"}, JournalLines());
    unsigned long region = 0;
    ASSERT_EQ(0, Vexa5200QueryRegionCode(handle_, &region));
    EXPECT_EQ(0x10u, region);
}

// Once a stuck holder is gone, the next holder is a busy caller, not a stuck one: the process
// waits for it again rather than failing at once, whether the stuck holder let go or died.
// A wait lasts at least the bounded wait however slow the machine; a call that takes the
// holder for stuck fails without waiting.
TEST_F(LockTest, AfterAStuckHolderIsGoneTheProcessWaitsForTheLockAgain)
{
    ASSERT_EQ(0, VexaSimSetLockWait(ShortLockWait));
    CAdapterLockHolder first;
    ASSERT_TRUE(first.Hold());
    EXPECT_NE(0, Vexa5200SetChannel(handle_, 3));  // waits out the bounded wait: stuck from now on
    ASSERT_TRUE(first.Release());
    ASSERT_EQ(0, Vexa5200SetChannel(handle_, 4));

    CAdapterLockHolder second;
    ASSERT_TRUE(second.Hold());
    EXPECT_GE(MillisecondsOf([this] { EXPECT_NE(0, Vexa5200SetChannel(handle_, 5)); }), ShortLockWait - 20)
        << "after a holder that let go";
    // The second holder is stuck now; it dies inside the lock.
    ASSERT_TRUE(second.Kill());
    ASSERT_EQ(0, Vexa5200SetChannel(handle_, 6));

    CAdapterLockHolder third;
    ASSERT_TRUE(third.Hold());
    EXPECT_GE(MillisecondsOf([this] { EXPECT_NE(0, Vexa5200SetChannel(handle_, 7)); }), ShortLockWait - 20)
        << "after a holder that died";
    ASSERT_TRUE(third.Release());
    EXPECT_EQ(0, Vexa5200SetChannel(handle_, 8));
    EXPECT_EQ(8u, Channel());
}

TEST_F(LockTest, AHolderThatDiesInsideTheLockLeavesTheAdapterUsable)
{
    CAdapterLockHolder holder;
    ASSERT_TRUE(holder.Hold());
    ASSERT_TRUE(holder.Kill());
    EXPECT_EQ(0, Vexa5200SetChannel(handle_, 7));
    EXPECT_EQ(7u, Channel());
    Join("Wireless");
    EXPECT_TRUE(Associated());
}

TEST_F(LockTest, VexasimSaysTheAdapterIsBusyInsteadOfWaiting)
{
    CAdapterLockHolder holder;
    ASSERT_TRUE(holder.Hold());
    ProcessRun run = RunVexasim("card remove");
    EXPECT_EQ(1, run.ExitCode);
    EXPECT_NE(std::string::npos, run.Errors.find("another process holds")) << run.Errors;
    ASSERT_TRUE(holder.Release());
    EXPECT_NE(std::string::npos, AdapterStatusText().find("card: inserted"));
}
