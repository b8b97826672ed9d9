#include "Region.h"

namespace vexa {

RegionChannels ChannelsOfRegion(unsigned long regionCode)
{
    switch (regionCode) {
    case 0x30: return {1, 13};
    case 0x31: return {10, 11};
    case 0x32: return {10, 13};
    case 0x40: return {1, 14};
    case 0x51: return {4, 8};
    default: return {1, 11};  // 0x10, 0x20 and unknown codes
    }
}

}  // namespace vexa
