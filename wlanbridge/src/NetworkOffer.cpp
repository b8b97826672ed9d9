#include "NetworkOffer.h"

#include <cstring>

namespace {

constexpr unsigned char RsnElementId = 48;
constexpr unsigned char VendorElementId = 221;
constexpr unsigned char WpaOuiAndType[4] = {0x00, 0x50, 0xF2, 0x01};
constexpr unsigned char Ieee80211Oui[3] = {0x00, 0x0F, 0xAC};
// AKM suite types of 802.11: 1 802.1X, 2 PSK, 5 802.1X-SHA256, 6 PSK-SHA256, 8 SAE, 24 SAE-GDH.
bool Wpa2Akm(unsigned char type)
{
    return type == 1 || type == 2 || type == 5 || type == 6;
}

// The RSN element's AKM list: version (2), group cipher (4), pairwise count (2) and suites
// (4 each), AKM count (2) and suites. An element cut before its AKM list defaults to PSK, as
// the standard says for an absent list.
bool RsnOffersWpa2(const unsigned char* element)
{
    const size_t length = element[1];
    const unsigned char* body = element + 2;
    size_t at = 2 + 4;
    if (length < at + 2)
        return true;
    const size_t pairwise = body[at] | body[at + 1] << 8;
    at += 2 + 4 * pairwise;
    if (length < at + 2)
        return true;
    const size_t akms = body[at] | body[at + 1] << 8;
    at += 2;
    bool anyWhole = false;
    for (size_t i = 0; i < akms && at + 4 <= length; ++i, at += 4) {
        anyWhole = true;
        if (std::memcmp(body + at, Ieee80211Oui, 3) == 0 && Wpa2Akm(body[at + 3]))
            return true;
    }
    return !anyWhole;
}

int Preference(NetworkOffer offer)
{
    switch (offer) {
    case NetworkOffer::Rsn: return 4;
    case NetworkOffer::WpaMixed: return 3;
    case NetworkOffer::WpaOnly: return 2;
    case NetworkOffer::Wpa3Only: return 1;
    default: return 0;
    }
}

}  // namespace

NetworkOffer OfferOf(const BssEntryView& entry)
{
    const unsigned char* rsn = FindElement(entry.Elements, entry.ElementsSize, RsnElementId);
    const bool wpa = FindElement(entry.Elements, entry.ElementsSize, VendorElementId, &WpaOuiAndType) != nullptr;
    if (rsn && RsnOffersWpa2(rsn))
        return wpa ? NetworkOffer::WpaMixed : NetworkOffer::Rsn;
    if (wpa)
        return NetworkOffer::WpaOnly;
    return rsn ? NetworkOffer::Wpa3Only : NetworkOffer::NoWpa;
}

void CHeardNetworks::Remember(const std::vector<BssEntryView>& list)
{
    std::map<std::string, NetworkOffer> fresh;
    for (const BssEntryView& view : list) {
        const DOT11_SSID& name = view.Entry.dot11Ssid;
        const size_t length = name.uSSIDLength < DOT11_SSID_MAX_LENGTH ? name.uSSIDLength : DOT11_SSID_MAX_LENGTH;
        if (length == 0)
            continue;  // a hidden network's beacon names nothing
        const std::string ssid(reinterpret_cast<const char*>(name.ucSSID), length);
        const NetworkOffer offer = ::OfferOf(view);
        auto found = fresh.find(ssid);
        if (found == fresh.end() || Preference(offer) > Preference(found->second))
            fresh[ssid] = offer;
    }
    for (const auto& [ssid, offer] : fresh)
        m_offers[ssid] = offer;
}

NetworkOffer CHeardNetworks::OfferOf(const std::string& ssid) const
{
    const auto found = m_offers.find(ssid);
    return found == m_offers.end() ? NetworkOffer::Unknown : found->second;
}
