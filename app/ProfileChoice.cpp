#include "ProfileChoice.h"

#include "ui/survey/SurveyRows.h"

#include <algorithm>
#include <cstring>

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

int ChooseProfileInRange(const ScanList& scan, const NetworkSecurity* security, const ProfileList& profiles,
                         const AdapterSettings& defaults, const std::set<std::string>& tried)
{
    const int scanCount = std::clamp(scan.Count, 0, ScanListCapacity);
    const int profileCount = std::clamp(profiles.Count, 0, ProfileListCapacity);
    int chosen = -1;
    int chosenSignal = -1;
    for (int p = 0; p < profileCount; ++p) {
        const AdapterSettings& profile = profiles.Settings[p];
        if (profile.DesiredSSID[0] == '\0' || tried.count(profiles.Names[p]))
            continue;
        if (std::strcmp(profile.DesiredSSID, defaults.DesiredSSID) == 0 &&
            NormalisedMode(profile.NetworkMode) == NormalisedMode(defaults.NetworkMode))
            continue;
        for (int s = 0; s < scanCount; ++s) {
            const ScanEntry& entry = scan.Entries[s];
            if (entry.SignalStrength > chosenSignal && ProfileFitsNetwork(profile, entry, security[s])) {
                chosen = p;
                chosenSignal = entry.SignalStrength;
            }
        }
    }
    return chosen;
}
