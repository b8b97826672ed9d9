#include "AdapterFixture.h"

#include <Vexa5200.h>

namespace {

using RegionTest = AdapterTest;

// The card takes a channel only inside its region's range and keeps its channel otherwise,
// so an ad-hoc network is never started where the region forbids it.
TEST_F(RegionTest, TheRegionLimitsTheChannelsTheCardAccepts)
{
    const struct {
        unsigned long Region;
        unsigned long Channel;
        bool Accepted;
    } cases[] = {
        {0x10, 11, true},  {0x10, 12, false}, {0x20, 1, true},   {0x30, 13, true},  {0x30, 14, false},
        {0x31, 9, false},  {0x31, 10, true},  {0x32, 13, true},  {0x32, 1, false},  {0x40, 14, true},
        {0x51, 3, false},  {0x51, 8, true},   {0x51, 9, false},  {0x77, 11, true},  {0x77, 12, false},
        {0x40, 0, false},  {0x40, 15, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "region 0x" << std::hex << c.Region << std::dec << ", channel " << c.Channel);
        ASSERT_EQ(0, VexaSimSetRegionCode(0x40));
        ASSERT_EQ(0, Vexa5200SetChannel(handle_, 7));
        ASSERT_EQ(0, VexaSimSetRegionCode(c.Region));
        EXPECT_EQ(c.Accepted, Vexa5200SetChannel(handle_, c.Channel) == 0);
        EXPECT_EQ(c.Accepted ? c.Channel : 7ul, Channel());
    }
}

}  // namespace
