// Scans and the BSS list through the real binding: a scan completes later on the double's
// thread and flushes the list meanwhile; the list carries each beacon's elements.
#include "DoubleFixture.h"

#include <cstddef>
#include <cstring>

namespace {

struct BssEntryView {
    WLAN_BSS_ENTRY Entry;
    const unsigned char* Elements;
    size_t ElementsSize;
};

// The list's entries, each with its elements, checked against the list's own size.
std::vector<BssEntryView> Heard(IWlanApi& api, const GUID& iface, std::vector<unsigned char>& bytes)
{
    std::vector<BssEntryView> entries;
    EXPECT_EQ(DWORD{ERROR_SUCCESS}, api.GetNetworkBssList(iface, bytes));
    const size_t first = offsetof(WLAN_BSS_LIST, wlanBssEntries);
    DWORD count = 0;
    if (bytes.size() >= first)
        std::memcpy(&count, bytes.data() + offsetof(WLAN_BSS_LIST, dwNumberOfItems), sizeof count);
    for (DWORD i = 0; i < count; ++i) {
        const size_t at = first + i * sizeof(WLAN_BSS_ENTRY);
        if (at + sizeof(WLAN_BSS_ENTRY) > bytes.size()) {
            ADD_FAILURE() << "entry " << i << " lies past the list";
            break;
        }
        BssEntryView e{};
        std::memcpy(&e.Entry, bytes.data() + at, sizeof e.Entry);
        const size_t elements = at + e.Entry.ulIeOffset;
        if (elements + e.Entry.ulIeSize > bytes.size()) {
            ADD_FAILURE() << "the elements of entry " << i << " lie past the list";
            break;
        }
        e.Elements = bytes.data() + elements;
        e.ElementsSize = e.Entry.ulIeSize;
        entries.push_back(e);
    }
    return entries;
}

// The element with that id (and vendor OUI and type), from its id byte; null when absent.
const unsigned char* FindElement(const unsigned char* elements, size_t size, unsigned char id,
                                 const unsigned char (*ouiAndType)[4] = nullptr)
{
    for (size_t at = 0; at + 2 <= size && at + 2 + elements[at + 1] <= size; at += 2 + elements[at + 1])
        if (elements[at] == id && (!ouiAndType || (elements[at + 1] >= 4 && !std::memcmp(elements + at + 2, *ouiAndType, 4))))
            return elements + at;
    return nullptr;
}

const BssEntryView* Named(const std::vector<BssEntryView>& entries, const char* ssid)
{
    for (const BssEntryView& e : entries)
        if (e.Entry.dot11Ssid.uSSIDLength == strlen(ssid) &&
            std::memcmp(e.Entry.dot11Ssid.ucSSID, ssid, strlen(ssid)) == 0)
            return &e;
    return nullptr;
}

// The AKM suite types of the RSN element, in order.
std::vector<int> RsnKeyManagements(const BssEntryView& e)
{
    const unsigned char* rsn = FindElement(e.Elements, e.ElementsSize, 48);
    std::vector<int> akms;
    if (!rsn)
        return akms;
    const size_t pairwise = rsn[2 + 6];
    const size_t at = 2 + 8 + 4 * pairwise;
    for (size_t i = 0; i < rsn[at]; ++i)
        akms.push_back(rsn[at + 2 + 4 * i + 3]);
    return akms;
}

}  // namespace

TEST_F(CDoubleTest, ScanCompletesLaterOnItsOwnThreadAndTheListIsFlushedMeanwhile)
{
    struct Row {
        const char* Flush;
        bool EmptyMeanwhile;
    } rows[] = {{"on", true}, {"off", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Flush);
        Control(std::string("scan-flush ") + row.Flush);
        Control("scan-delay 60000");
        const size_t before = m_log.Count(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_scan_complete);
        ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->Scan(m_card));
        std::vector<unsigned char> bytes;
        EXPECT_EQ(row.EmptyMeanwhile, Heard(*m_api, m_card, bytes).empty());
        // The scan ends when its time is up, and only then.
        Control("scan-delay 0");
        Fence();
        EXPECT_EQ(before, m_log.Count(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_scan_complete));
        ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->Scan(m_card));
        ASSERT_TRUE(m_log.WaitForCode(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_scan_complete, before + 1));
        EXPECT_EQ(6u, Heard(*m_api, m_card, bytes).size());
    }
    EXPECT_TRUE(m_log.AllOffThread(GetCurrentThreadId()));
}

TEST_F(CDoubleTest, AScanThatNeverNotifiesAndRepeatsDeliveredAsTheBindingAsks)
{
    // The binding registers without bIgnoreDuplicate: each scan's scan_complete comes, though
    // it is identical to the one before.
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->Scan(m_card));
    ASSERT_TRUE(m_log.WaitForCode(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_scan_complete));
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->Scan(m_card));
    Fence();
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->Scan(m_card));
    Control("scan-notify off");
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->Scan(m_card));
    Fence();
    // One a scan; none while switched off.
    EXPECT_EQ(3u, m_log.Count(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_scan_complete));
    std::vector<unsigned char> bytes;
    EXPECT_FALSE(Heard(*m_api, m_card, bytes).empty());
}

TEST_F(CDoubleTest, TheListCarriesEachBandAndKindOfSecurityAsTheBeaconOffersIt)
{
    Control("scene network add Office5 band=5 channel=36 security=wpa2-psk passphrase=office-pass-5");
    Control("scene network add Only3 band=5 channel=149 security=wpa3-sae passphrase=sae-passphrase");
    Control("scene network add Both23 security=wpa2-wpa3 channel=6 passphrase=both-passphrase");
    Control("scene network add Six band=6 channel=5 security=wpa3-sae passphrase=sae-passphrase");
    Control("scene network add Secret security=wpa2-psk passphrase=secret-pass hidden=yes channel=3");
    std::vector<unsigned char> bytes;
    const std::vector<BssEntryView> entries = Heard(*m_api, m_card, bytes);
    ASSERT_EQ(11u, entries.size());
    struct Row {
        const char* Ssid;
        ULONG FrequencyKHz;
        bool Wpa;
        std::vector<int> Akms;
    } rows[] = {
        {"HomeNet", 2462000, true, {}},     {"Office5", 5180000, false, {2}}, {"Only3", 5745000, false, {8}},
        {"Both23", 2437000, false, {2, 8}}, {"Six", 5975000, false, {8}},
    };
    static const unsigned char wpaOui[4] = {0x00, 0x50, 0xF2, 0x01};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Ssid);
        const BssEntryView* e = Named(entries, row.Ssid);
        ASSERT_TRUE(e);
        EXPECT_EQ(row.FrequencyKHz, e->Entry.ulChCenterFrequency);
        EXPECT_EQ(row.Wpa, FindElement(e->Elements, e->ElementsSize, 221, &wpaOui) != nullptr);
        EXPECT_EQ(row.Akms, RsnKeyManagements(*e));
    }
    // The hidden network's beacon names no SSID.
    EXPECT_FALSE(Named(entries, "Secret"));
    EXPECT_TRUE(Named(entries, ""));
}
