// The channel of a radio frequency, as the scan list and the link report it.
#ifndef SKYLOOK_RECORD_CHANNEL_FREQUENCY_H
#define SKYLOOK_RECORD_CHANNEL_FREQUENCY_H

#include <cstdint>

enum class RadioBand { None, Band24, Band5, Band6 };

struct BandChannel {
    RadioBand Band = RadioBand::None;
    uint32_t Channel = 0;
};

// The channel of a centre frequency in kHz on the band that holds it: 2.4 GHz (2412 MHz is 1,
// each 5 MHz one more, 2484 MHz is 14), 5 GHz (5000 MHz plus 5 MHz a channel, 36-177) and
// 6 GHz (5950 MHz plus 5 MHz a channel, 1-233, numbered anew); no band for others.
BandChannel ChannelOfFrequency(unsigned long kilohertz);

// The channel number alone, 0 outside the bands above. A 6 GHz number repeats a 2.4 GHz one:
// where both may meet, show the band too.
uint32_t ChannelFromFrequency(unsigned long kilohertz);

#endif
