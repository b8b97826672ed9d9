#include "WlanAdapter.h"

#include "AdapterResults.h"
#include "NetworkClassKey.h"
#include "ScanRecords.h"

#include "record/ChannelFrequency.h"

#include <cstring>

namespace {

// The channels a card may use where Windows does not say: 1-13, as most of the world allows
// (the driver itself keeps to its country's channels).
constexpr unsigned long RegionAllowingChannels1To13 = 0x30;

// How long one answer of the current connection serves: under the tick's second, so that each
// tick reads the link once.
constexpr ULONGLONG ConnectionReadMs = 900;

// The highest channel number of any band (6 GHz numbers reach 233).
constexpr unsigned long HighestChannelNumber = 233;

template <class T>
std::vector<unsigned char> Bytes(const T& value)
{
    const auto* p = reinterpret_cast<const unsigned char*>(&value);
    return std::vector<unsigned char>(p, p + sizeof value);
}

}  // namespace

CWlanAdapter::CWlanAdapter(IWlanApi& api, Clock clock) : m_api(api), m_clock(std::move(clock)) {}

CWlanAdapter::~CWlanAdapter()
{
    // Closing waits for a notification that runs, which takes the lock: never hold it here.
    m_api.Close();
}

int CWlanAdapter::Open(const GUID* preferred)
{
    if (m_api.Open() != ERROR_SUCCESS)
        return Failed;
    std::vector<WlanInterfaceInfo> interfaces;
    if (m_api.EnumInterfaces(interfaces) != ERROR_SUCCESS || interfaces.empty()) {
        m_api.Close();
        return Failed;
    }
    const WlanInterfaceInfo* chosen = &interfaces.front();
    for (const WlanInterfaceInfo& info : interfaces)
        if (preferred && IsEqualGUID(info.Guid, *preferred))
            chosen = &info;
    m_iface = chosen->Guid;
    char description[256] = {};
    WideCharToMultiByte(CP_ACP, 0, chosen->Description.c_str(), -1, description, sizeof description - 1, nullptr,
                        nullptr);
    m_description = description;
    m_registryPath = NetworkClassKeyPath(HKEY_LOCAL_MACHINE, NetworkClassPath, m_iface);
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_link.Phase = PhaseOfInterfaceState(chosen->State);
    }
    m_notified = m_api.RegisterNotifications(this) == ERROR_SUCCESS;
    return Ok;
}

void CWlanAdapter::OnWlanEvent(const WlanEvent& event)
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        ApplyEvent(m_link, m_iface, event);
    }
    m_linkChanged.notify_all();
}

LinkSnapshot CWlanAdapter::Snapshot()
{
    if (!m_notified) {
        // Without notifications the interface's own state is the link.
        std::vector<WlanInterfaceInfo> interfaces;
        LinkSnapshot polled;
        polled.InterfaceGone = true;
        if (m_api.EnumInterfaces(interfaces) == ERROR_SUCCESS)
            for (const WlanInterfaceInfo& info : interfaces)
                if (IsEqualGUID(info.Guid, m_iface)) {
                    polled.InterfaceGone = false;
                    polled.Phase = PhaseOfInterfaceState(info.State);
                }
        std::lock_guard<std::mutex> hold(m_lock);
        polled.TargetSsid = m_link.TargetSsid;
        polled.ScanRunning = m_link.ScanRunning;
        polled.ScanDeadline = m_link.ScanDeadline;
        polled.Generation = m_link.Generation + (polled.Phase != m_link.Phase ? 1 : 0);
        m_link = polled;
    }
    std::lock_guard<std::mutex> hold(m_lock);
    return m_link;
}

bool CWlanAdapter::Present()
{
    return !Snapshot().InterfaceGone;
}

DWORD CWlanAdapter::Connection(ConnectionFacts& facts)
{
    const ULONGLONG now = m_clock();
    const unsigned generation = Snapshot().Generation;
    if (m_connection.Valid && m_connection.Generation == generation && now - m_connection.At < ConnectionReadMs) {
        facts = m_connection.Facts;
        return m_connection.Result;
    }
    std::vector<unsigned char> attributes;
    const DWORD result = m_api.QueryInterface(m_iface, wlan_intf_opcode_current_connection, attributes);
    facts = ReadConnection(attributes);
    m_connection = {true, result, facts, now, generation};
    return result;
}

DWORD CWlanAdapter::ReadBssList(std::vector<unsigned char>& list)
{
    const DWORD result = m_api.GetNetworkBssList(m_iface, list);
    if (result == ERROR_SUCCESS) {
        m_heard.Remember(::ReadBssList(list));
        m_newestList = list;
    }
    return result;
}

void CWlanAdapter::WaitForScanEnd()
{
    std::unique_lock<std::mutex> hold(m_lock);
    // Short waits, so that the clock (which a test may hand in) decides the timeout.
    while (ScanInProgress(m_link, m_clock()))
        m_linkChanged.wait_for(hold, std::chrono::milliseconds(50));
}

DWORD CWlanAdapter::ScanAnswer()
{
    if (ScanInProgress(Snapshot(), m_clock())) {
        // The list may be flushed until the scan completes (WlanScan): a caller who had a
        // list keeps it meanwhile, as a card answers; a first caller waits for the new one.
        if (m_scanAnswered)
            return ERROR_SUCCESS;
        WaitForScanEnd();
    }
    std::vector<unsigned char> fresh;
    const DWORD result = ReadBssList(fresh);
    if (result == ERROR_SUCCESS) {
        m_scanList.swap(fresh);
        m_scanAnswered = true;
    }
    return result;
}

int CWlanAdapter::Disassociate()
{
    if (!Present())
        return Failed;
    m_seek.Active = false;
    const DWORD result = m_api.Disconnect(m_iface);
    if (result == ERROR_SUCCESS) {
        std::lock_guard<std::mutex> hold(m_lock);
        m_link.Phase = LinkPhase::Idle;
        ++m_link.Generation;
    }
    return ResultOf(result);
}

int CWlanAdapter::Scan()
{
    unsigned long on = 0;
    if (!Present() || RadioOn(on) != Ok || !on)
        return Failed;
    // The list as it stands before the scan may flush it: a join that follows at once decides
    // the network's security from it.
    std::vector<unsigned char> before;
    ReadBssList(before);
    const DWORD result = m_api.Scan(m_iface);
    if (result == ERROR_SUCCESS && m_notified) {
        // A notification ends it, or the time a scan takes at most: one may never come.
        std::lock_guard<std::mutex> hold(m_lock);
        m_link.ScanRunning = true;
        m_link.ScanDeadline = m_clock() + ScanTimeoutMs;
    }
    return LocationResultOf(result);
}

bool CWlanAdapter::Associated()
{
    return Present() && Snapshot().Phase == LinkPhase::Connected;
}

bool CWlanAdapter::ConnectionHolds()
{
    if (!Associated()) {
        Seek();
        return false;
    }
    ConnectionFacts link;
    const DWORD result = Connection(link);
    // Windows joined another network: the card is no longer after the program's.
    if (result == ERROR_SUCCESS && link.Connected && link.Ssid != m_seek.Ssid)
        m_seek.Active = false;
    // Windows answers "invalid state" for the connection of an interface that has none; any
    // other failure says nothing about the link, which stays as the notifications left it.
    if ((result == ERROR_SUCCESS && link.Connected) || (result != ERROR_SUCCESS && result != ERROR_INVALID_STATE))
        return true;
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_link.Phase == LinkPhase::Connected) {
        m_link.Phase = LinkPhase::Idle;
        ++m_link.Generation;
    }
    return false;
}

int CWlanAdapter::HardwareStatus(unsigned long& status)
{
    // The card is usable while Windows lists it, with its radio off too, as a card's is.
    if (!Present())
        return Failed;
    status = 0;
    return Ok;
}

int CWlanAdapter::RadioOn(unsigned long& on)
{
    if (!Present())
        return Failed;
    std::vector<unsigned char> answer;
    m_api.QueryInterface(m_iface, wlan_intf_opcode_radio_state, answer);
    on = ReadRadio(answer).On ? 1 : 0;
    return Ok;
}

int CWlanAdapter::NetworkMode(unsigned long& mode)
{
    ConnectionFacts link;
    if (Associated() && Connection(link) == ERROR_SUCCESS && link.Connected)
        mode = link.AdHoc ? NetworkAdHoc : NetworkInfrastructure;
    else
        mode = m_staged.NetworkMode;
    return Ok;
}

unsigned long CWlanAdapter::LinkFrequency(const ConnectionFacts& link)
{
    unsigned long frequency = ::LinkFrequency(link, ::ReadBssList(m_newestList));
    const std::string bssid(reinterpret_cast<const char*>(link.Bssid), sizeof link.Bssid);
    // The list is read for the link once per access point it moves to, not every second:
    // Windows counts each read as a use of the location.
    if (frequency == 0 && m_frequencyTriedFor != bssid) {
        m_frequencyTriedFor = bssid;
        std::vector<unsigned char> list;
        if (ReadBssList(list) == ERROR_SUCCESS)
            frequency = ::LinkFrequency(link, ::ReadBssList(list));
    }
    return frequency;
}

int CWlanAdapter::Channel(unsigned long& channel)
{
    channel = m_staged.Channel;
    ConnectionFacts link;
    if (!Associated() || Connection(link) != ERROR_SUCCESS || !link.Connected)
        return Ok;
    if (const unsigned long frequency = LinkFrequency(link)) {
        channel = ChannelFromFrequency(frequency);
        return Ok;
    }
    std::vector<unsigned char> answer;
    ULONG number = 0;
    if (m_api.QueryInterface(m_iface, wlan_intf_opcode_channel_number, answer) == ERROR_SUCCESS &&
        answer.size() >= sizeof number) {
        std::memcpy(&number, answer.data(), sizeof number);
        channel = number <= HighestChannelNumber ? number : 0;
    }
    return Ok;
}

int CWlanAdapter::ConnectedLink(ConnectionFacts& link)
{
    if (!Associated())
        return Failed;
    const DWORD result = Connection(link);
    if (result != ERROR_SUCCESS)
        return LocationResultOf(result);
    return link.Connected ? Ok : Failed;
}

int CWlanAdapter::LinkSpeed(unsigned long& speed100bps)
{
    ConnectionFacts link;
    if (const int result = ConnectedLink(link); result != Ok)
        return result;
    speed100bps = link.TxRate100bps;
    return Ok;
}

int CWlanAdapter::Rssi(long& dbm)
{
    ConnectionFacts link;
    if (const int result = ConnectedLink(link); result != Ok)
        return result;
    std::optional<std::vector<unsigned char>> own;
    std::vector<unsigned char> answer;
    if (m_api.QueryInterface(m_iface, wlan_intf_opcode_rssi, answer) == ERROR_SUCCESS && answer.size() >= sizeof(LONG))
        own = answer;
    // The newest list already read, not a new one: the link's level is asked every second.
    dbm = LinkRssi(own, link, ::ReadBssList(m_newestList));
    return Ok;
}

int CWlanAdapter::RegionCode(unsigned long& region)
{
    region = RegionAllowingChannels1To13;
    return Ok;
}

int CWlanAdapter::SetRadio(unsigned long on)
{
    if (!Present() || on > 1)
        return Failed;
    std::vector<unsigned char> answer;
    m_api.QueryInterface(m_iface, wlan_intf_opcode_radio_state, answer);
    std::vector<DWORD> phys = ReadRadio(answer).PhyIndexes;
    if (phys.empty())
        phys.push_back(0);
    // Only the software state can be set; the switch is the user's hand.
    DWORD result = ERROR_SUCCESS;
    for (DWORD phy : phys) {
        WLAN_PHY_RADIO_STATE state{};
        state.dwPhyIndex = phy;
        state.dot11SoftwareRadioState = on ? dot11_radio_state_on : dot11_radio_state_off;
        const DWORD set = m_api.SetInterface(m_iface, wlan_intf_opcode_radio_state, Bytes(state));
        if (set != ERROR_SUCCESS)
            result = set;
    }
    return ResultOf(result);
}

int CWlanAdapter::RegistryPath(std::string& path)
{
    if (!Present())
        return Failed;
    path = m_registryPath;
    return Ok;
}

int CWlanAdapter::Ssid(std::string& ssid)
{
    ssid.clear();
    const LinkSnapshot link = Snapshot();
    if (link.InterfaceGone)
        return Failed;
    if (link.Phase == LinkPhase::Connecting)
        ssid = link.TargetSsid;
    if (link.Phase != LinkPhase::Connected)
        return m_needsWindowsSettings && link.Phase != LinkPhase::Connecting ? NeedsWindowsSettings : Ok;
    ConnectionFacts facts;
    const DWORD result = Connection(facts);
    if (result != ERROR_SUCCESS)
        return LocationResultOf(result);
    ssid = facts.Ssid.substr(0, facts.Ssid.find('\0'));
    return Ok;
}

int CWlanAdapter::Description(std::string& text)
{
    if (!Present())
        return Failed;
    text = m_description;
    return Ok;
}

int CWlanAdapter::ScanList(void* list, unsigned long size)
{
    if (!Present() || !list)
        return Failed;
    const DWORD result = ScanAnswer();
    if (result != ERROR_SUCCESS)
        return LocationResultOf(result);
    return WriteScanRecords(m_scanList, list, size) ? Ok : Failed;
}

int CWlanAdapter::Bssid(unsigned char (&bssid)[6])
{
    ConnectionFacts link;
    if (const int result = ConnectedLink(link); result != Ok)
        return result;
    std::memcpy(bssid, link.Bssid, 6);
    return Ok;
}

int CWlanAdapter::Statistics(NDIS_802_11_STATISTICS& statistics)
{
    if (!Present())
        return Failed;
    std::vector<unsigned char> answer;
    unsigned long long tx = 0, rx = 0;
    if (m_api.QueryInterface(m_iface, wlan_intf_opcode_statistics, answer) != ERROR_SUCCESS ||
        !ReadFragmentCounts(answer, tx, rx))
        return Failed;
    statistics = NDIS_802_11_STATISTICS{};
    statistics.Length = sizeof statistics;
    statistics.TransmittedFragmentCount.QuadPart = static_cast<LONGLONG>(tx);
    statistics.ReceivedFragmentCount.QuadPart = static_cast<LONGLONG>(rx);
    return Ok;
}
