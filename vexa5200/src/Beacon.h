// What a network's beacon says: its information elements (SSID, rates, channel, the WPA and
// RSN elements of its security), its frequency and its best rate. The software adapter's
// scan list and the Native Wifi double's BSS list are both written from here.
#ifndef VEXA5200_BEACON_H
#define VEXA5200_BEACON_H

#include "Vexa5200Control.h"

#include <vector>

namespace vexa {

// Supported rates up to the network's best 802.11b/g rate code, basic rates flagged.
std::vector<unsigned char> SupportedRates(int maxRateCode);
// The rates the network offers: up to its 802.11b/g best on 2.4 GHz, the OFDM rates (6-54
// Mbit/s, 6, 12 and 24 basic) on 5 and 6 GHz, where no 802.11b rate is used.
std::vector<unsigned char> NetworkRates(const VexaSimNetwork& n);
// The elements in beacon order, padded to a multiple of four bytes. A hidden network's SSID
// element is empty.
std::vector<unsigned char> BeaconElements(const VexaSimNetwork& n);
// Centre frequency in kHz of the network's channel in its band.
unsigned long NetworkFrequencyKHz(const VexaSimNetwork& n);
// Best rate in kbit/s for a card that hears the band (802.11ac-like on 5 GHz, ax on 6 GHz).
unsigned long BestRateKbps(const VexaSimNetwork& n);
// True for the kinds whose key is a passphrase.
bool UsesPassphrase(int security);
// True for a valid channel number of the band.
bool ChannelInBand(int band, int channel);

}  // namespace vexa

#endif
