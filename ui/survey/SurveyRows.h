// What the Site Survey page's two lists show: rows, their order, images and cell texts, and
// the records that connecting or adding starts from. Free of windows, so that tests can
// call it with any scan, status and profile list.
#ifndef SKYLOOK_UI_SURVEY_ROWS_H
#define SKYLOOK_UI_SURVEY_ROWS_H

#include "adapter/AdapterStatus.h"
#include "adapter/ScanList.h"
#include "record/AdapterSettings.h"
#include "settings/ProfileStore.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

// Images of the survey strip that the lists use.
enum SurveyImage : int {
    ImageAdHocInRange = 0,
    ImageAccessPointInRange = 1,
    ImageAccessPointOutOfRange = 4,
    ImageAccessPointAssociated = 5,
    ImageAdHocAssociated = 6,
    ImageAdHocOutOfRange = 7,
};

constexpr int SurveyImageCount = 12;

// A bitmap of the strip, drawn at one size.
struct SurveyStrip {
    UINT BitmapId = 0;
    int Size = 0;  // the images' width and height in pixels
};

// The strip for lists whose small icons are iconSize pixels: the largest drawn one that fits.
SurveyStrip SurveyStripFor(int iconSize);
constexpr int NetworkColumnCount = 6;

// Column headers of the network list, index 0 first.
extern const char* const NetworkColumnHeaders[NetworkColumnCount];

// Anything but ad-hoc counts as infrastructure, as the list's "AP" column says.
inline uint32_t NormalisedMode(uint32_t networkMode)
{
    return networkMode == NetworkModeAdHoc ? NetworkModeAdHoc : NetworkModeInfrastructure;
}

int InRangeImage(uint32_t networkMode);
int AssociatedImage(uint32_t networkMode);
int OutOfRangeImage(uint32_t networkMode);

// A network name as a list cell: bytes that would not print (control characters) are
// written as \xNN, so that a name holding them neither garbles the row nor hides them.
std::string SsidCellText(const char* ssid);

struct NetworkRow {
    int Image = 0;
    int ScanIndex = 0;  // the entry of the scan list that the row shows
    std::array<std::string, NetworkColumnCount> Cells;
};

// The cells of one scan entry in column order.
std::array<std::string, NetworkColumnCount> NetworkCells(const ScanEntry& entry);

// The network list: empty while the radio is off; while associated, the network whose BSSID
// the link reports first; every other network in scan order.
std::vector<NetworkRow> BuildNetworkRows(const ScanList& scan, const AdapterStatus& status);

enum class ProfilePlacement { Associated, InRange, OutOfRange };

struct ProfileRow {
    std::string Name;     // as the list shows it
    std::string KeyName;  // the profile's key: Name, or the longer name Name was cut from
    int Image = 0;
    ProfilePlacement Placement = ProfilePlacement::OutOfRange;
};

// Where a profile stands: associated when the link is up on its network name and mode, in
// range when its network name was heard in the last scan (heard: every network's name, also
// of those the network list has no row for), otherwise out of range.
ProfileRow ClassifyProfile(const char* name, const AdapterSettings& settings, const std::vector<std::string>& heard,
                           const AdapterStatus& status);

// The profile list: associated profiles first, then those in range, then those out of
// range, each group in the store's order. Every listed profile gets its row.
std::vector<ProfileRow> BuildProfileRows(const ProfileList& profiles, const std::vector<std::string>& heard,
                                         const AdapterStatus& status);

// The names of every network heard, in the adapter's order.
std::vector<std::string> HeardNames(const std::vector<HeardNetwork>& networks);

// The caption of a group of the page ("Available Network", "Profile"): its name, or, when
// there are more than the list has room for, how many of them the list shows.
std::string GroupCaption(const char* name, int listed, size_t total);

// The record that connecting to a scanned network starts from: its name, mode, channel and
// whether it is protected; everything else zero for the user to complete.
AdapterSettings SettingsForNetwork(const ScanEntry& entry);

// The profile name offered when connecting: the network name without the bytes a name
// cannot usefully hold (control characters).
std::string ProfileNameForNetwork(const ScanEntry& entry);

// The record a new profile starts from: infrastructure, channel 1, WEP off, ASCII keys.
AdapterSettings NewProfileSettings();

// What the user is told when a listed profile could not be opened or removed ("opened",
// "removed"): its key is listed, but the registry does not find it again under the name it
// gave, or the account may not reach it.
std::string ProfileKeyProblemMessage(const char* action, const std::string& shownName);

#endif
