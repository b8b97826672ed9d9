// The 802.11b/g channel of a radio frequency, as the scan list and the link report it.
#ifndef SKYLOOK_RECORD_CHANNEL_FREQUENCY_H
#define SKYLOOK_RECORD_CHANNEL_FREQUENCY_H

#include <cstdint>

// 802.11b/g channel of a DS frequency in kHz: 2412 MHz is 1, each 5 MHz one more, 2484 MHz is
// 14; 0 for a frequency outside the 2.4 GHz channels.
uint32_t ChannelFromFrequency(unsigned long kilohertz);

#endif
