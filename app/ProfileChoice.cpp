#include "ProfileChoice.h"

#include "ui/survey/SurveyRows.h"

#include <algorithm>
#include <cstring>

namespace {

int ListedProfiles(const ProfileList& profiles)
{
    return std::clamp(profiles.Count, 0, ProfileListCapacity);
}

bool MayTry(const ProfileList& profiles, int index, const AdapterSettings& defaults,
            const std::set<std::string>& tried)
{
    const AdapterSettings& profile = profiles.Settings[index];
    // An empty name would join whatever network the card finds first.
    if (profile.DesiredSSID[0] == '\0' || tried.count(profiles.Names[index]))
        return false;
    return std::strcmp(profile.DesiredSSID, defaults.DesiredSSID) != 0 ||
           NormalisedMode(profile.NetworkMode) != NormalisedMode(defaults.NetworkMode);
}

}  // namespace

NetworkSecurity ProfileSecurity(const AdapterSettings& settings)
{
    if (settings.AuthMode == AuthModeWpaPsk || settings.AuthMode == AuthModeWpa)
        return NetworkSecurity::Wpa;
    return settings.WepStatus == WepStatusOn ? NetworkSecurity::Wep : NetworkSecurity::Open;
}

bool ProfileFitsNetwork(const AdapterSettings& profile, const ScanEntry& entry, NetworkSecurity security)
{
    if (std::strcmp(profile.DesiredSSID, entry.Ssid) != 0)
        return false;
    if (NormalisedMode(profile.NetworkMode) != NormalisedMode(entry.NetworkMode))
        return false;
    const NetworkSecurity wanted = ProfileSecurity(profile);
    if (security == NetworkSecurity::Wep)
        return wanted != NetworkSecurity::Open;
    return wanted == security;
}

bool AnyProfileToTry(const ProfileList& profiles, const AdapterSettings& defaults,
                     const std::set<std::string>& tried)
{
    for (int p = 0; p < ListedProfiles(profiles); ++p)
        if (MayTry(profiles, p, defaults, tried))
            return true;
    return false;
}

int ChooseProfileInRange(const std::vector<HeardNetwork>& heard, const ProfileList& profiles,
                         const AdapterSettings& defaults, const std::set<std::string>& tried)
{
    int chosen = -1;
    int chosenSignal = -1;
    for (int p = 0; p < ListedProfiles(profiles); ++p) {
        if (!MayTry(profiles, p, defaults, tried))
            continue;
        for (const HeardNetwork& network : heard) {
            if (network.Entry.SignalStrength > chosenSignal &&
                ProfileFitsNetwork(profiles.Settings[p], network.Entry, network.Security)) {
                chosen = p;
                chosenSignal = network.Entry.SignalStrength;
            }
        }
    }
    return chosen;
}
