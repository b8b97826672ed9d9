// The Site Survey page's lists as plain data: which rows, in which order, with which image
// and cells, for a scan, a link status and a profile list.
#include "ui/survey/SurveyRows.h"

#include "controls/DpiScale.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

ScanEntry Network(const char* ssid, const char* bssid, uint32_t mode, uint32_t channel, int strength, uint32_t privacy)
{
    ScanEntry entry{};
    std::strncpy(entry.Ssid, ssid, 32);
    std::snprintf(entry.Bssid, sizeof entry.Bssid, "%s", bssid);
    entry.NetworkMode = mode;
    entry.Channel = channel;
    entry.SignalStrength = strength;
    entry.Privacy = privacy;
    return entry;
}

const char* const BssidA = "00-1A-2B-3C-00-01";
const char* const BssidB = "02-1A-2B-3C-00-05";
const char* const BssidC = "00-1A-2B-3C-00-03";
const char* const BssidD = "00-1A-2B-3C-00-09";

// Alpha (access point), Lab (ad-hoc), Beta (access point), a hidden access point.
ScanList SampleScan()
{
    ScanList scan{};
    scan.Entries[0] = Network("Alpha", BssidA, 1, 6, 80, 1);
    scan.Entries[1] = Network("Lab", BssidB, 0, 10, 45, 0);
    scan.Entries[2] = Network("Beta", BssidC, 1, 11, 60, 1);
    scan.Entries[3] = Network("", BssidD, 1, 1, 40, 0);
    scan.Count = 4;
    return scan;
}

// The names SampleScan's networks give.
const std::vector<std::string> SampleHeard = {"Alpha", "Lab", "Beta", ""};

AdapterStatus Link(int32_t state, const char* ssid = "", const char* bssid = "", uint32_t mode = 1)
{
    AdapterStatus status{};
    status.LinkState = state;
    std::strncpy(status.Ssid, ssid, 32);
    std::snprintf(status.Bssid, sizeof status.Bssid, "%s", bssid);
    status.NetworkMode = mode;
    return status;
}

struct NetworkCase {
    const char* what;
    AdapterStatus status;
    std::vector<std::pair<int, int>> rows;  // scan index, image
};

TEST(SurveyNetworkRows, OrderAndImagesFollowTheLink)
{
    const NetworkCase cases[] = {
        {"associated with an access point: it comes first", Link(LinkAssociated, "Beta", BssidC),
         {{2, 5}, {0, 1}, {1, 0}, {3, 1}}},
        {"associated with an ad-hoc network", Link(LinkAssociated, "Lab", BssidB, 0), {{1, 6}, {0, 1}, {2, 1}, {3, 1}}},
        {"not associated: scan order", Link(LinkNotAssociated, "Beta", BssidC), {{0, 1}, {1, 0}, {2, 1}, {3, 1}}},
        {"settings being applied: scan order", Link(LinkScanning, "Beta", BssidC), {{0, 1}, {1, 0}, {2, 1}, {3, 1}}},
        {"associated with a network the scan lacks", Link(LinkAssociated, "Gone", "00-00-00-00-00-77"),
         {{0, 1}, {1, 0}, {2, 1}, {3, 1}}},
        {"radio off: nothing", Link(LinkRadioOff, "Beta", BssidC), {}},
    };
    const ScanList scan = SampleScan();
    for (const NetworkCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::pair<int, int>> actual;
        for (const NetworkRow& row : BuildNetworkRows(scan, c.status))
            actual.push_back({row.ScanIndex, row.Image});
        EXPECT_EQ(actual, c.rows);
    }
}

TEST(SurveyNetworkRows, CountOutsideTheListIsClamped)
{
    ScanList scan = SampleScan();
    scan.Count = -3;
    EXPECT_TRUE(BuildNetworkRows(scan, Link(LinkNotAssociated)).empty());
    scan.Count = 1000;
    EXPECT_EQ(BuildNetworkRows(scan, Link(LinkNotAssociated)).size(), static_cast<size_t>(ScanListCapacity));
}

TEST(SurveyNetworkRows, CellTexts)
{
    ScanEntry unterminated = Network("", BssidD, 1, 14, 100, 1);
    std::memset(unterminated.Ssid, 'S', sizeof unterminated.Ssid);  // no terminator at all
    struct Case {
        ScanEntry entry;
        std::array<std::string, NetworkColumnCount> cells;
    } cases[] = {
        {Network("Alpha", BssidA, 1, 6, 80, 1), {BssidA, "Alpha", "Yes", "Yes", "     6", "     80"}},
        {Network("Lab", BssidB, 0, 10, 0, 0), {BssidB, "Lab", "No", "No", "     10", "     0"}},
        {Network("", BssidD, 1, 1, 40, 0), {BssidD, "", "No", "Yes", "     1", "     40"}},
        {Network("Tab\there\x01\x7F!", BssidA, 1, 3, 5, 0), {BssidA, "Tab\\x09here\\x01\\x7F!", "No", "Yes", "     3", "     5"}},
        {Network("Caf\xE9", BssidA, 2, 3, 5, 0), {BssidA, "Caf\xE9", "No", "Yes", "     3", "     5"}},
        {unterminated, {BssidD, std::string(32, 'S'), "Yes", "Yes", "     14", "     100"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NetworkCells(c.entry), c.cells) << c.cells[1];
}

struct Profile {
    const char* name;
    const char* ssid;
    uint32_t mode;
};

std::unique_ptr<ProfileList> Profiles(const std::vector<Profile>& profiles)
{
    auto list = std::make_unique<ProfileList>();
    std::memset(list.get(), 0, sizeof *list);
    for (const Profile& p : profiles) {
        std::strcpy(list->Names[list->Count], p.name);
        std::strcpy(list->Settings[list->Count].DesiredSSID, p.ssid);
        list->Settings[list->Count].NetworkMode = p.mode;
        ++list->Count;
    }
    return list;
}

std::vector<std::pair<std::string, int>> NamesAndImages(const std::vector<ProfileRow>& rows)
{
    std::vector<std::pair<std::string, int>> result;
    for (const ProfileRow& row : rows)
        result.push_back({row.Name, row.Image});
    return result;
}

TEST(SurveyProfileRows, ImagesByPlacementAndMode)
{
    struct Case {
        const char* what;
        AdapterStatus status;
        Profile profile;
        int image;
    } cases[] = {
        {"associated access point", Link(LinkAssociated, "Beta", BssidC, 1), {"p", "Beta", 1}, 5},
        {"associated ad-hoc", Link(LinkAssociated, "Lab", BssidB, 0), {"p", "Lab", 0}, 6},
        {"same name, other mode than the link: in range", Link(LinkAssociated, "Beta", BssidC, 1), {"p", "Beta", 0}, 0},
        {"in range access point", Link(LinkNotAssociated), {"p", "Alpha", 1}, 1},
        {"in range ad-hoc", Link(LinkNotAssociated), {"p", "Lab", 0}, 0},
        {"out of range access point", Link(LinkNotAssociated), {"p", "Nowhere", 1}, 4},
        {"out of range ad-hoc", Link(LinkNotAssociated), {"p", "Nowhere", 0}, 7},
        {"radio off: out of range though scanned", Link(LinkRadioOff), {"p", "Alpha", 1}, 4},
        {"radio off ad-hoc", Link(LinkRadioOff), {"p", "Lab", 0}, 7},
        {"hidden network matches an empty name", Link(LinkNotAssociated), {"p", "", 1}, 1},
        {"linked but not associated: in range", Link(LinkScanning, "Beta", BssidC, 1), {"p", "Beta", 1}, 1},
    };
    for (const Case& c : cases) {
        const auto rows = BuildProfileRows(*Profiles({c.profile}), SampleHeard, c.status);
        ASSERT_EQ(rows.size(), 1u) << c.what;
        EXPECT_EQ(rows[0].Image, c.image) << c.what;
    }
}

// Twenty profiles, more than any fixed table of sixteen would hold: all are listed, grouped
// associated, in range, out of range, each group in the store's order.
TEST(SurveyProfileRows, ThreePassesKeepEveryProfileInStoreOrder)
{
    std::vector<Profile> stored;
    std::vector<std::string> names;
    for (int i = 0; i < 20; ++i)
        names.push_back(std::string("P").append(std::to_string(i)));
    const char* const ssids[] = {"Nowhere", "Alpha", "Beta", "Lab"};
    for (int i = 0; i < 20; ++i)
        stored.push_back({names[i].c_str(), ssids[i % 4], i % 4 == 3 ? 0u : (i % 5 == 4 ? 0u : 1u)});
    const auto list = Profiles(stored);

    const auto rows = BuildProfileRows(*list, SampleHeard, Link(LinkAssociated, "Beta", BssidC, 1));
    std::vector<std::pair<std::string, int>> expected;
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < 20; ++i) {
            const Profile& p = stored[i];
            const bool associated = std::string(p.ssid) == "Beta" && p.mode == 1;
            const bool inRange = std::string(p.ssid) != "Nowhere";
            const int group = associated ? 0 : (inRange ? 1 : 2);
            if (group != pass)
                continue;
            const int image = group == 0 ? 6 - static_cast<int>(p.mode)
                                         : (group == 1 ? static_cast<int>(p.mode) : 7 - 3 * static_cast<int>(p.mode));
            expected.push_back({p.name, image});
        }
    }
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(NamesAndImages(rows), expected);
    EXPECT_EQ(rows.front().Image, 5);
    EXPECT_EQ(rows.back().Name, "P16");
}

TEST(SurveyProfileRows, FailedOrOverfullListings)
{
    auto list = Profiles({{"A", "Alpha", 1}});
    list->Count = -1;
    EXPECT_TRUE(BuildProfileRows(*list, SampleHeard, Link(LinkNotAssociated)).empty());

    std::vector<std::string> names;
    for (int i = 0; i < ProfileListCapacity; ++i)
        names.push_back(std::string("N").append(std::to_string(i)));
    std::vector<Profile> many;
    for (const std::string& name : names)
        many.push_back({name.c_str(), "Nowhere", 1});
    list = Profiles(many);
    list->Count = 500;
    EXPECT_EQ(BuildProfileRows(*list, SampleHeard, Link(LinkNotAssociated)).size(),
              static_cast<size_t>(ProfileListCapacity));

    // A full list says that the store holds more than it shows, not silently the first ones.
    EXPECT_EQ("Profile (64 of 70 shown)", GroupCaption("Profile", ProfileListCapacity, 70));
    EXPECT_EQ("Profile", GroupCaption("Profile", ProfileListCapacity, ProfileListCapacity));
    EXPECT_EQ("Profile", GroupCaption("Profile", 3, 0));
    EXPECT_EQ("Profile", GroupCaption("Profile", -1, 0));
}

TEST(SurveyRecords, ConnectStartsFromTheNetworkAndAddFromDefaults)
{
    ScanEntry full = Network("", BssidA, 1, 11, 50, 0);
    std::memset(full.Ssid, 'W', 32);
    struct Case {
        ScanEntry entry;
        const char* ssid;
        uint32_t mode, channel, wepStatus;
        const char* profileName;
    } cases[] = {
        {Network("HomeWEP", BssidA, 1, 1, 50, 1), "HomeWEP", 1, 1, 0, "HomeWEP"},
        {Network("Lab", BssidB, 0, 10, 50, 0), "Lab", 0, 10, 1, "Lab"},
        {Network("Odd", BssidB, 2, 4, 50, 0), "Odd", 1, 4, 1, "Odd"},
        {Network("Bell\x07", BssidB, 1, 4, 50, 0), "Bell\x07", 1, 4, 1, "Bell"},
        {full, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", 1, 11, 1, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ssid);
        const AdapterSettings settings = SettingsForNetwork(c.entry);
        AdapterSettings expected{};
        std::strcpy(expected.DesiredSSID, c.ssid);
        expected.NetworkMode = c.mode;
        expected.Channel = c.channel;
        expected.WepStatus = c.wepStatus;
        EXPECT_EQ(0, std::memcmp(&settings, &expected, sizeof expected));
        EXPECT_EQ(ProfileNameForNetwork(c.entry), c.profileName);
    }

    AdapterSettings added{};
    added.NetworkMode = 1;
    added.Channel = 1;
    added.WepStatus = 1;
    const AdapterSettings fresh = NewProfileSettings();
    EXPECT_EQ(0, std::memcmp(&fresh, &added, sizeof added));
}

}  // namespace

// Catches a strip paired with the wrong size (the list would cut its images apart) or a
// size missing from the resources, at 100, 125, 150 and 200% scale.
TEST(SurveyStrips, EachScaleGetsAStripOfItsIconSize)
{
    for (int dpi : {96, 120, 144, 192}) {
        const int iconSize = ScaleForDpi(16, dpi);
        const SurveyStrip strip = SurveyStripFor(iconSize);
        EXPECT_EQ(strip.Size, iconSize) << dpi << " dpi";
        HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(strip.BitmapId));
        ASSERT_NE(nullptr, bitmap) << dpi << " dpi";
        BITMAP shape = {};
        ::GetObjectA(bitmap, sizeof shape, &shape);
        ::DeleteObject(bitmap);
        EXPECT_EQ(shape.bmWidth, SurveyImageCount * iconSize) << dpi << " dpi";
        EXPECT_EQ(shape.bmHeight, iconSize) << dpi << " dpi";
    }
}
