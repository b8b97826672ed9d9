#include "record/ChannelFrequency.h"

uint32_t ChannelFromFrequency(unsigned long kilohertz)
{
    const long megahertz = static_cast<long>(kilohertz / 1000);
    if (megahertz == 2484)
        return 14;
    // Below channel 1 the arithmetic would wrap to a huge number, above channel 13 it would
    // name channels that do not exist: neither is a 2.4 GHz channel.
    const long channel = (megahertz - 2412) / 5 + 1;
    if (megahertz < 2412 || channel > 13)
        return 0;
    return static_cast<uint32_t>(channel);
}
