// One opened adapter of the bridge: the library's calls on one Native Wifi interface. Settings
// are staged until SetSsid, which connects with a profile built from them; the link follows
// the connection notifications; what Native Wifi cannot set is kept and read back as set.
#ifndef SKYLOOK_WLANBRIDGE_WLAN_ADAPTER_H
#define SKYLOOK_WLANBRIDGE_WLAN_ADAPTER_H

#include "LinkEvents.h"
#include "LinkFacts.h"
#include "StagedSettings.h"
#include "WlanApi.h"

#include <mutex>
#include <string>
#include <vector>

#include <ntddndis.h>

class CWlanAdapter final : private IWlanEventSink {
public:
    explicit CWlanAdapter(IWlanApi& api);
    ~CWlanAdapter();
    CWlanAdapter(const CWlanAdapter&) = delete;
    CWlanAdapter& operator=(const CWlanAdapter&) = delete;

    // The results below are the library's: 0 done, 1 failed, VEXA5200_ERROR_LOCATION_DENIED.

    // The interface with the preferred GUID when it is listed, else the first; fails when
    // there is none, and then makes no other call.
    int Open(const GUID* preferred);

    int Disassociate();
    int Scan();
    bool Associated();
    // Associated, and Windows still reports the connection: a disconnection whose notification
    // never came (lost, or the service restarted) ends the link here. The status call's answer.
    bool ConnectionHolds();

    int HardwareStatus(unsigned long& status);
    int RadioOn(unsigned long& on);
    int NetworkMode(unsigned long& mode);
    int Channel(unsigned long& channel);
    int LinkSpeed(unsigned long& speed100bps);
    int Rssi(long& dbm);
    int RegionCode(unsigned long& region);

    int SetRadio(unsigned long on);
    int SetNetworkMode(unsigned long mode);
    int SetChannel(unsigned long channel);
    int SetDataRate(unsigned long rateCode);
    int SetPowerMode(unsigned long mode);
    int SetPreamble(unsigned long preamble);
    int SetRxAntenna(unsigned long antenna);
    int SetAuthMode(unsigned long mode);
    int SetWepStatus(unsigned long status);
    int SetFswCcxNetworkEap(unsigned long value);
    int SetWepKey(unsigned long index, const unsigned char* key, unsigned long length, bool transmit);
    int SetWpaInformation(unsigned long method, const char* key);

    int RegistryPath(std::string& path);
    int Ssid(std::string& ssid);
    int Description(std::string& text);
    int ScanList(void* list, unsigned long size);
    int Bssid(unsigned char (&bssid)[6]);
    int Statistics(NDIS_802_11_STATISTICS& statistics);

    int SetSsid(const char* ssid, unsigned long length, const TlsIdentity& tls);

private:
    void OnWlanEvent(const WlanEvent& event) override;

    LinkSnapshot Snapshot();
    bool Present();
    // The current connection's attributes; the service's error when it refused them.
    DWORD Connection(ConnectionFacts& facts);
    // The connection of a link that is up: Ok, the service's refusal, or Failed when down.
    int ConnectedLink(ConnectionFacts& link);
    // The list QueryScanList answers: the one before a scan while the scan runs.
    const std::vector<unsigned char>& ScanAnswer(DWORD& result);
    // The service's list as it is now, for a join or the link (the scan answer when refused).
    std::vector<unsigned char> CurrentBssList();
    struct NetworkSeen {
        bool Listed = false;  // in the service's BSS list (else it may hide its name)
        bool Rsn = false;     // a listed BSS of that name offers RSN
    };
    NetworkSeen Seen(const std::string& ssid);
    DWORD ConnectStaged(const std::string& ssid, const TlsIdentity& tls);

    IWlanApi& m_api;
    GUID m_iface{};
    std::string m_description;
    std::string m_registryPath;
    bool m_notified = false;

    std::mutex m_lock;  // guards m_link, which the notification thread writes
    LinkSnapshot m_link;

    StagedSettings m_staged;
    std::vector<unsigned char> m_scanList;
};

#endif
