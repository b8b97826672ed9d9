#include "ui/common/SettingsLists.h"

#include "AdapterScene.h"
#include "PageControls.h"

#include <gtest/gtest.h>

#include <Vexa5200Control.h>

namespace {

struct RegionCase {
    uint32_t RegionCode;
    std::vector<std::string> Channels;
};

const RegionCase RegionCases[] = {
    {0x10, Numbers(1, 11)}, {0x20, Numbers(1, 11)}, {0x30, Numbers(1, 13)}, {0x31, {"10", "11"}},
    {0x32, Numbers(10, 13)}, {0x40, Numbers(1, 14)}, {0x51, Numbers(4, 8)},
    // Codes the table does not know fall back to the common range.
    {0x00, Numbers(1, 11)}, {0x33, Numbers(1, 11)}, {0xFFFFFFFF, Numbers(1, 11)},
};

TEST(SettingsLists, EachRegionCodeGivesItsChannelsAscending)
{
    for (const RegionCase& c : RegionCases) {
        SCOPED_TRACE(testing::Message() << "region 0x" << std::hex << c.RegionCode);
        EXPECT_EQ(c.Channels, ChannelItems(ChannelRangeForRegion(c.RegionCode)));
    }
}

TEST(SettingsLists, AStoredChannelSelectsItsItemOnlyInsideTheRange)
{
    const ChannelRange tenToEleven = ChannelRangeForRegion(0x31);
    const struct {
        uint32_t Channel;
        int Index;
    } cases[] = {{10, 0}, {11, 1}, {6, -1}, {12, -1}, {0, -1}, {0xFFFFFFFF, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(c.Index, ChannelItemIndex(tenToEleven, c.Channel)) << "channel " << c.Channel;
}

TEST(SettingsLists, AChannelItemsTextGivesItsNumberAndNoSelectionGivesZero)
{
    EXPECT_EQ(13u, ChannelFromItemText("13"));
    EXPECT_EQ(0u, ChannelFromItemText(""));
    EXPECT_EQ(0u, ChannelFromItemText("none"));
    EXPECT_EQ(0u, ChannelFromItemText("-4"));
}

TEST(SettingsLists, RatesAreListedInTheOrderOfTheirStoredIndex)
{
    const std::vector<std::string> rates = RateItems();
    ASSERT_EQ(13u, rates.size());
    EXPECT_EQ("Auto", rates[0]);
    EXPECT_EQ("1 Mbps", rates[1]);
    EXPECT_EQ("5.5 Mbps", rates[3]);
    EXPECT_EQ("11 Mbps", rates[6]);
    EXPECT_EQ("54 Mbps", rates[12]);
}

using AdapterChannels = AdapterScene;

TEST_F(AdapterChannels, TheAdaptersRegionDecidesAndAFailingQueryGivesOneToEleven)
{
    ASSERT_EQ(0, VexaSimSetRegionCode(0x32));
    EXPECT_EQ(Numbers(10, 13), ChannelItems(AdapterChannelRange()));
    ASSERT_EQ(0, VexaSimSetFailure("QueryRegionCode", 1));
    EXPECT_EQ(Numbers(1, 11), ChannelItems(AdapterChannelRange()));
}

}  // namespace
