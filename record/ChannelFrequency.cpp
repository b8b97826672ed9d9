#include "record/ChannelFrequency.h"

namespace {

BandChannel On(RadioBand band, long channel)
{
    return {band, static_cast<uint32_t>(channel)};
}

}  // namespace

BandChannel ChannelOfFrequency(unsigned long kilohertz)
{
    const long megahertz = static_cast<long>(kilohertz / 1000);
    if (megahertz == 2484)
        return On(RadioBand::Band24, 14);
    // Below channel 1 the arithmetic would wrap to a huge number, above channel 13 it would
    // name channels that do not exist.
    if (megahertz >= 2412 && (megahertz - 2412) / 5 + 1 <= 13)
        return On(RadioBand::Band24, (megahertz - 2412) / 5 + 1);
    if (megahertz >= 5180 && megahertz <= 5885 && megahertz % 5 == 0)
        return On(RadioBand::Band5, (megahertz - 5000) / 5);
    if (megahertz >= 5955 && megahertz <= 7115 && (megahertz - 5950) % 5 == 0)
        return On(RadioBand::Band6, (megahertz - 5950) / 5);
    return {};
}

uint32_t ChannelFromFrequency(unsigned long kilohertz)
{
    return ChannelOfFrequency(kilohertz).Channel;
}
