// What a beacon offers for WPA, and the newest list's word on each network.
#include "NetworkOffer.h"
#include "WlanAnswers.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

Bytes Joined(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<BssEntryView> ListOf(const Bytes& bytes)
{
    return ReadBssList(bytes);
}

}  // namespace

TEST(NetworkOffer, TheBeaconsElementsTellWhatWpaItOffers)
{
    Bytes cutAfterPairwise = RsnElementOffering({8});
    cutAfterPairwise.resize(2 + 12);
    cutAfterPairwise[1] = 12;
    const struct {
        const char* Case;
        Bytes Elements;
        NetworkOffer Offer;
    } rows[] = {
        {"no element", {}, NetworkOffer::NoWpa},
        {"WPA alone", WpaElement(), NetworkOffer::WpaOnly},
        {"RSN with PSK", RsnElementOffering({2}), NetworkOffer::Rsn},
        {"RSN with 802.1X", RsnElementOffering({1}), NetworkOffer::Rsn},
        {"RSN with PSK-SHA256", RsnElementOffering({6}), NetworkOffer::Rsn},
        {"WPA2/WPA3 transition", RsnElementOffering({8, 2}), NetworkOffer::Rsn},
        {"WPA3 alone", RsnElementOffering({8}), NetworkOffer::Wpa3Only},
        {"WPA and RSN", Joined(WpaElement(), RsnElement()), NetworkOffer::WpaMixed},
        {"RSN cut before its key managements defaults to PSK", cutAfterPairwise, NetworkOffer::Rsn},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        const Bytes list = BssListOf({{"Net", {2, 0, 0, 0, 0, 1}, 2437000, -60, true, false, row.Elements}});
        const std::vector<BssEntryView> views = ListOf(list);
        ASSERT_EQ(1u, views.size());
        EXPECT_EQ(row.Offer, OfferOf(views[0]));
    }
}

TEST(NetworkOffer, TheNewestListThatNamesANetworkDecides)
{
    CHeardNetworks heard;
    heard.Remember(ListOf(BssListOf({{"Home", {2, 0, 0, 0, 0, 1}, 2437000, -60, true, false, WpaElement()},
                                     {"Cafe", {2, 0, 0, 0, 0, 2}, 2412000, -60, false, false, {}}})));
    // A flushed list says nothing of either; a hidden network's empty name is no network.
    heard.Remember(ListOf(BssListOf({{"", {2, 0, 0, 0, 0, 3}, 5180000, -60, true, false, RsnElement()}})));
    EXPECT_EQ(NetworkOffer::WpaOnly, heard.OfferOf("Home"));
    EXPECT_TRUE(heard.Heard("Cafe"));
    EXPECT_FALSE(heard.Heard(""));
    // The router was changed to WPA2; of two access points of one name, the one WPA2 can join.
    heard.Remember(ListOf(BssListOf({{"Home", {2, 0, 0, 0, 0, 1}, 2437000, -60, true, false, RsnElementOffering({8})},
                                     {"Home", {2, 0, 0, 0, 0, 4}, 5180000, -60, true, false, RsnElement()}})));
    EXPECT_EQ(NetworkOffer::Rsn, heard.OfferOf("Home"));
    EXPECT_EQ(NetworkOffer::Unknown, heard.OfferOf("Elsewhere"));
}
