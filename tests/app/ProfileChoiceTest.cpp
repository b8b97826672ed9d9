#include "app/ProfileChoice.h"
#include "SampleRecords.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr uint32_t Infra = NetworkModeInfrastructure;
constexpr uint32_t AdHoc = NetworkModeAdHoc;
using S = NetworkSecurity;

struct Heard {
    const char* ssid;
    uint32_t mode;
    int signal;
    NetworkSecurity security;
};

struct Stored {
    const char* name;
    const char* ssid;
    uint32_t mode;
    NetworkSecurity security;
};

AdapterSettings Profile(const char* ssid, uint32_t mode, NetworkSecurity security)
{
    AdapterSettings settings = security == S::Wep   ? WepRecord(ssid)
                               : security == S::Wpa ? PskRecord(ssid, "a passphrase")
                                                    : OpenRecord(ssid);
    settings.NetworkMode = mode;
    return settings;
}

// The name chosen for that scan and store, or "" for none; the defaults are for "Home".
std::string Choose(const std::vector<Heard>& heard, const std::vector<Stored>& stored,
                   const std::set<std::string>& tried = {})
{
    std::vector<HeardNetwork> scan;
    for (const Heard& network : heard) {
        HeardNetwork entry = {};
        std::snprintf(entry.Entry.Ssid, sizeof entry.Entry.Ssid, "%s", network.ssid);
        entry.Entry.NetworkMode = network.mode;
        entry.Entry.SignalStrength = network.signal;
        entry.Security = network.security;
        scan.push_back(entry);
    }
    auto profiles = std::make_unique<ProfileList>();
    std::memset(profiles.get(), 0, sizeof *profiles);
    for (const Stored& profile : stored) {
        std::snprintf(profiles->Names[profiles->Count], ProfileNameSize, "%s", profile.name);
        profiles->Settings[profiles->Count++] = Profile(profile.ssid, profile.mode, profile.security);
    }
    const int index = ChooseProfileInRange(scan, *profiles, Profile("Home", Infra, S::Open), tried);
    return index < 0 ? "" : profiles->Names[index];
}

const Stored Cafe = {"Cafe", "CafeNet", Infra, S::Open};
const Stored Office = {"Office", "OfficeNet", Infra, S::Wpa};

TEST(ProfileChoice, TheStrongestNetworkWinsAndAmongEqualsTheFirstInTheStore)
{
    EXPECT_EQ("Office", Choose({{"CafeNet", Infra, 40, S::Open}, {"OfficeNet", Infra, 70, S::Wpa}}, {Cafe, Office}));
    EXPECT_EQ("Cafe", Choose({{"OfficeNet", Infra, 55, S::Wpa}, {"CafeNet", Infra, 55, S::Open}}, {Cafe, Office}));
    EXPECT_EQ("Office", Choose({{"OfficeNet", Infra, 55, S::Wpa}, {"CafeNet", Infra, 55, S::Open}}, {Office, Cafe}));
    // A network heard from two access points counts with the stronger.
    EXPECT_EQ("Cafe", Choose({{"CafeNet", Infra, 20, S::Open}, {"OfficeNet", Infra, 50, S::Wpa},
                              {"CafeNet", Infra, 80, S::Open}},
                             {Office, Cafe}));
    EXPECT_EQ("", Choose({{"Elsewhere", Infra, 90, S::Open}}, {Cafe, Office})) << "nothing in range";
    EXPECT_EQ("", Choose({}, {Cafe, Office})) << "an empty scan";
}

TEST(ProfileChoice, ATriedProfileAndTheDefaultsOwnNetworkAreNotChosenAgain)
{
    const std::vector<Heard> both = {{"CafeNet", Infra, 40, S::Open}, {"OfficeNet", Infra, 70, S::Wpa}};
    EXPECT_EQ("Cafe", Choose(both, {Cafe, Office}, {"Office"}));
    EXPECT_EQ("", Choose(both, {Cafe, Office}, {"Office", "Cafe"}));
    const Stored homeAgain = {"Home copy", "Home", Infra, S::Open};
    EXPECT_EQ("Cafe", Choose({{"Home", Infra, 90, S::Open}, {"CafeNet", Infra, 10, S::Open}}, {homeAgain, Cafe}));
    const Stored homeAdHoc = {"Home ad-hoc", "Home", AdHoc, S::Open};
    EXPECT_EQ("Home ad-hoc", Choose({{"Home", AdHoc, 30, S::Open}}, {homeAdHoc})) << "another mode is another network";
}

TEST(ProfileChoice, TheModeMustMatchAndTheSecurityWhereTheScanTellsIt)
{
    const struct {
        NetworkSecurity heard;
        uint32_t heardMode;
        NetworkSecurity profile;
        bool fits;
    } cases[] = {
        {S::Open, Infra, S::Open, true},  {S::Open, Infra, S::Wep, false}, {S::Open, Infra, S::Wpa, false},
        {S::Wpa, Infra, S::Wpa, true},    {S::Wpa, Infra, S::Wep, false},  {S::Wpa, Infra, S::Open, false},
        // Private without WPA elements: WEP, or WPA whose beacon did not say so.
        {S::Wep, Infra, S::Wep, true},    {S::Wep, Infra, S::Wpa, true},   {S::Wep, Infra, S::Open, false},
        {S::Open, AdHoc, S::Open, false},
    };
    for (const auto& c : cases) {
        const Stored profile = {"P", "Net", Infra, c.profile};
        EXPECT_EQ(c.fits ? "P" : "", Choose({{"Net", c.heardMode, 50, c.heard}}, {profile}))
            << "heard " << NetworkSecurityName(c.heard) << " mode " << c.heardMode << ", profile "
            << NetworkSecurityName(c.profile);
    }
}

}  // namespace
