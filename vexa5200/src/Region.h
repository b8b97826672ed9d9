// The channels the regulatory region of the card allows.
#ifndef VEXA5200_REGION_H
#define VEXA5200_REGION_H

namespace vexa {

struct RegionChannels {
    unsigned long First;
    unsigned long Last;
};

// A code the card does not know allows what most regions share, 1 to 11.
RegionChannels ChannelsOfRegion(unsigned long regionCode);

}  // namespace vexa

#endif
