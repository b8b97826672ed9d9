// What a network's beacon offers for WPA, read from its information elements, and what the
// adapter remembers of the networks it has heard: Windows may flush its list when a scan
// starts (WlanScan), so a join decides from the newest list that held the network.
#ifndef SKYLOOK_WLANBRIDGE_NETWORK_OFFER_H
#define SKYLOOK_WLANBRIDGE_NETWORK_OFFER_H

#include "BssList.h"

#include <map>
#include <string>
#include <vector>

enum class NetworkOffer {
    Unknown,     // not in any list read so far (hidden, flushed, or refused to us)
    NoWpa,       // open or WEP
    WpaOnly,     // the WPA element alone: TKIP
    Rsn,         // RSN with a key management WPA2 can use (PSK or 802.1X), WPA3 transition included
    WpaMixed,    // both elements: WPA2 is taken
    Wpa3Only,    // RSN offering SAE alone: Native Wifi needs a WPA3 profile Skylook does not write
};

NetworkOffer OfferOf(const BssEntryView& entry);

// The offer of every SSID a list names, newer lists replacing what older ones said of the
// same SSID; an SSID that several access points share takes the one WPA2 can join best.
class CHeardNetworks {
public:
    void Remember(const std::vector<BssEntryView>& list);
    NetworkOffer OfferOf(const std::string& ssid) const;
    bool Heard(const std::string& ssid) const { return m_offers.count(ssid) != 0; }

private:
    std::map<std::string, NetworkOffer> m_offers;
};

#endif
