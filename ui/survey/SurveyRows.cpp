#include "ui/survey/SurveyRows.h"

#include "controls/DpiScale.h"
#include "record/PrintableText.h"
#include "record/TextField.h"
#include "res/resource.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

const char* const NetworkColumnHeaders[NetworkColumnCount] = {"BSS/IBSSID", "SSID", "WEP", "AP", "Channel", "Strength"};

namespace {

// As drawn, in ascending order of size.
constexpr SurveyStrip Strips[] = {{IDB_SURVEY_IMAGES, 16}, {IDB_SURVEY_IMAGES_20, 20}, {IDB_SURVEY_IMAGES_24, 24},
                                  {IDB_SURVEY_IMAGES_32, 32}};

constexpr size_t SsidLength = sizeof(ScanEntry::Ssid) - 1;

std::string PaddedNumber(long number)
{
    char text[24];
    std::snprintf(text, sizeof text, "     %ld", number);
    return text;
}

int ScanCount(const ScanList& scan)
{
    if (scan.Count < 0)
        return 0;
    return scan.Count > ScanListCapacity ? ScanListCapacity : scan.Count;
}

bool WasHeard(const std::vector<std::string>& heard, const std::string& ssid)
{
    return std::find(heard.begin(), heard.end(), ssid) != heard.end();
}

}  // namespace

int InRangeImage(uint32_t networkMode)
{
    return NormalisedMode(networkMode) == NetworkModeAdHoc ? ImageAdHocInRange : ImageAccessPointInRange;
}

int AssociatedImage(uint32_t networkMode)
{
    return NormalisedMode(networkMode) == NetworkModeAdHoc ? ImageAdHocAssociated : ImageAccessPointAssociated;
}

int OutOfRangeImage(uint32_t networkMode)
{
    return NormalisedMode(networkMode) == NetworkModeAdHoc ? ImageAdHocOutOfRange : ImageAccessPointOutOfRange;
}

std::string SsidCellText(const char* ssid)
{
    return EscapeControlBytes(std::string(ssid, strnlen(ssid, SsidLength)));
}

std::array<std::string, NetworkColumnCount> NetworkCells(const ScanEntry& entry)
{
    // A 6 GHz channel number repeats a 2.4 GHz one: the band tells them apart.
    std::string channel = PaddedNumber(static_cast<int32_t>(entry.Channel));
    if (entry.Band == RadioBand::Band6)
        channel += " (6 GHz)";
    return {FieldString(entry.Bssid),
            SsidCellText(entry.Ssid),
            entry.Wpa3Only ? "WPA3" : entry.Privacy != 0 ? "Yes" : "No",
            entry.NetworkMode != 0 ? "Yes" : "No",
            channel,
            PaddedNumber(entry.SignalStrength)};
}

std::vector<NetworkRow> BuildNetworkRows(const ScanList& scan, const AdapterStatus& status)
{
    std::vector<NetworkRow> rows;
    if (status.LinkState == LinkRadioOff)
        return rows;

    const bool associated = status.LinkState == LinkAssociated;
    const std::string linkBssid = FieldString(status.Bssid);
    std::vector<NetworkRow> others;
    for (int i = 0; i < ScanCount(scan); ++i) {
        const ScanEntry& entry = scan.Entries[i];
        NetworkRow row;
        row.ScanIndex = i;
        row.Cells = NetworkCells(entry);
        if (associated && FieldString(entry.Bssid) == linkBssid) {
            row.Image = AssociatedImage(entry.NetworkMode);
            rows.insert(rows.begin(), row);
        } else {
            row.Image = InRangeImage(entry.NetworkMode);
            others.push_back(row);
        }
    }
    rows.insert(rows.end(), others.begin(), others.end());
    return rows;
}

ProfileRow ClassifyProfile(const char* name, const AdapterSettings& settings, const std::vector<std::string>& heard,
                           const AdapterStatus& status)
{
    ProfileRow row;
    row.Name = name;
    row.Image = OutOfRangeImage(settings.NetworkMode);
    row.Placement = ProfilePlacement::OutOfRange;

    const std::string ssid = FieldString(settings.DesiredSSID);
    if (status.LinkState != LinkRadioOff && WasHeard(heard, ssid)) {
        row.Image = InRangeImage(settings.NetworkMode);
        row.Placement = ProfilePlacement::InRange;
    }
    if (status.LinkState == LinkAssociated && FieldString(status.Ssid) == ssid &&
        NormalisedMode(status.NetworkMode) == NormalisedMode(settings.NetworkMode)) {
        row.Image = AssociatedImage(settings.NetworkMode);
        row.Placement = ProfilePlacement::Associated;
    }
    return row;
}

std::vector<ProfileRow> BuildProfileRows(const ProfileList& profiles, const std::vector<std::string>& heard,
                                         const AdapterStatus& status)
{
    const int count = profiles.Count < 0 ? 0 : (profiles.Count > ProfileListCapacity ? ProfileListCapacity
                                                                                     : profiles.Count);
    std::vector<ProfileRow> classified;
    for (int i = 0; i < count; ++i) {
        ProfileRow row = ClassifyProfile(FieldString(profiles.Names[i]).c_str(), profiles.Settings[i], heard, status);
        const std::string keyName = FieldString(profiles.KeyNames[i]);
        row.KeyName = keyName.empty() ? row.Name : keyName;
        classified.push_back(row);
    }

    std::vector<ProfileRow> rows;
    for (ProfilePlacement pass : {ProfilePlacement::Associated, ProfilePlacement::InRange, ProfilePlacement::OutOfRange})
        for (const ProfileRow& row : classified)
            if (row.Placement == pass)
                rows.push_back(row);
    return rows;
}

std::vector<std::string> HeardNames(const std::vector<HeardNetwork>& networks)
{
    std::vector<std::string> names;
    names.reserve(networks.size());
    for (const HeardNetwork& network : networks)
        names.push_back(FieldString(network.Entry.Ssid));
    return names;
}

std::string GroupCaption(const char* name, int listed, size_t total)
{
    if (listed < 0 || total <= static_cast<size_t>(listed))
        return name;
    return std::string(name) + " (" + std::to_string(listed) + " of " + std::to_string(total) + " shown)";
}

AdapterSettings SettingsForNetwork(const ScanEntry& entry)
{
    AdapterSettings settings{};
    settings.WepStatus = entry.Privacy != 0 ? WepStatusOn : WepStatusOff;
    settings.NetworkMode = NormalisedMode(entry.NetworkMode);
    CopyFieldText(settings.DesiredSSID, FieldString(entry.Ssid).c_str());
    settings.Channel = entry.Channel;
    return settings;
}

std::string ProfileNameForNetwork(const ScanEntry& entry)
{
    std::string name;
    for (char c : FieldString(entry.Ssid))
        if (!IsControlByte(static_cast<unsigned char>(c)))
            name += c;
    return name;
}

AdapterSettings NewProfileSettings()
{
    AdapterSettings settings{};
    settings.NetworkMode = NetworkModeInfrastructure;
    settings.Channel = 1;
    settings.WepStatus = WepStatusOff;
    settings.WepKeyFormat = WepKeyFormatAscii;
    return settings;
}

SurveyStrip SurveyStripFor(int iconSize)
{
    int sizes[std::size(Strips)] = {};
    for (size_t i = 0; i < std::size(Strips); ++i)
        sizes[i] = Strips[i].Size;
    const int size = ChooseDrawnSize(iconSize, sizes);
    for (const SurveyStrip& strip : Strips)
        if (strip.Size == size)
            return strip;
    return Strips[0];
}

std::string ProfileKeyProblemMessage(const char* action, const std::string& shownName)
{
    return "The profile \"" + EscapeControlBytes(shownName) + "\" could not be " + action +
           ". Its stored name may hold characters that this system cannot show, or your account may not "
           "have access to it; an administrator can rename or remove it with the Registry Editor.";
}
