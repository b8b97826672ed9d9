#include "ui/common/SettingsLists.h"

#include "adapter/AdapterWrappers.h"
#include "record/RateTable.h"

#include <cstdio>

namespace {
struct RegionChannels {
    uint32_t RegionCode;
    ChannelRange Range;
};

constexpr RegionChannels RegionTable[] = {
    {0x10, {1, 11}}, {0x20, {1, 11}}, {0x30, {1, 13}}, {0x31, {10, 11}},
    {0x32, {10, 13}}, {0x40, {1, 14}}, {0x51, {4, 8}},
};
}  // namespace

ChannelRange ChannelRangeForRegion(uint32_t regionCode)
{
    for (const RegionChannels& region : RegionTable)
        if (region.RegionCode == regionCode)
            return region.Range;
    return DefaultChannelRange;
}

ChannelRange AdapterChannelRange()
{
    uint32_t region = 0;
    if (!GetRegionCode(region))
        return DefaultChannelRange;
    return ChannelRangeForRegion(region);
}

std::vector<std::string> ChannelItems(ChannelRange range)
{
    std::vector<std::string> items;
    for (uint32_t channel = range.First; channel <= range.Last; ++channel)
        items.push_back(std::to_string(channel));
    return items;
}

int ChannelItemIndex(ChannelRange range, uint32_t channel)
{
    if (channel < range.First || channel > range.Last)
        return -1;
    return static_cast<int>(channel - range.First);
}

uint32_t ChannelFromItemText(const std::string& text)
{
    int channel = 0;
    if (std::sscanf(text.c_str(), "%d", &channel) != 1 || channel < 0)
        return 0;
    return static_cast<uint32_t>(channel);
}

std::vector<std::string> RateItems()
{
    std::vector<std::string> items{RateTable[0].Label};
    for (unsigned index = 1; index < RateIndexCount; ++index)
        items.push_back(std::string(RateTable[index].Label) + " Mbps");
    return items;
}

int KeyLengthIndex(uint32_t wepKeySize)
{
    return wepKeySize == 13 ? 1 : 0;
}
