// One opened adapter of the bridge: the library's calls on one Native Wifi interface. Settings
// are staged until SetSsid, which connects with a profile built from them; the link follows
// the connection notifications; what Native Wifi cannot set is kept and read back as set.
#ifndef SKYLOOK_WLANBRIDGE_WLAN_ADAPTER_H
#define SKYLOOK_WLANBRIDGE_WLAN_ADAPTER_H

#include "LinkEvents.h"
#include "LinkFacts.h"
#include "NetworkOffer.h"
#include "StagedSettings.h"
#include "WlanApi.h"

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include <ntddndis.h>

class CWlanAdapter final : private IWlanEventSink {
public:
    // Milliseconds since some start; tests hand in a clock of their own.
    using Clock = std::function<ULONGLONG()>;

    explicit CWlanAdapter(IWlanApi& api, Clock clock = &GetTickCount64);
    ~CWlanAdapter();
    CWlanAdapter(const CWlanAdapter&) = delete;
    CWlanAdapter& operator=(const CWlanAdapter&) = delete;

    // The results below are the library's: 0 done, 1 failed, VEXA5200_ERROR_LOCATION_DENIED,
    // and for SetSsid VEXA5200_ERROR_NEEDS_WINDOWS_SETTINGS.

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
    // The current connection's attributes; the service's error when it refused them. Windows
    // counts each query as a use of the location, so one answer serves every query of the
    // same second, until a notification changes the link.
    DWORD Connection(ConnectionFacts& facts);
    // The connection of a link that is up: Ok, the service's refusal, or Failed when down.
    int ConnectedLink(ConnectionFacts& link);
    // Reads the service's BSS list, and remembers what it says of each network.
    DWORD ReadBssList(std::vector<unsigned char>& list);
    // The list QueryScanList answers: while a scan runs, the one answered before it, or when
    // none was, the one after it (waiting for the scan's end).
    DWORD ScanAnswer();
    void WaitForScanEnd();
    // The centre frequency of the connected BSS in kHz, 0 when no list read says it.
    unsigned long LinkFrequency(const ConnectionFacts& link);
    DWORD ConnectStaged(const std::string& ssid, const TlsIdentity& tls);
    DWORD StoreEapProfile(const std::wstring& name, const std::wstring& xml, const TlsIdentity& tls,
                          const char* authentication);
    // Removes the EAP-TLS profile stored for an earlier join, once no join uses it.
    void ForgetEapProfile();
    // Joins the network of the last SetSsid again while the card is idle and hears it.
    void Seek();

    IWlanApi& m_api;
    Clock m_clock;
    GUID m_iface{};
    std::string m_description;
    std::string m_registryPath;
    bool m_notified = false;

    std::mutex m_lock;  // guards m_link, which the notification thread writes
    std::condition_variable m_linkChanged;
    LinkSnapshot m_link;

    struct ConnectionRead {
        bool Valid = false;
        DWORD Result = ERROR_SUCCESS;
        ConnectionFacts Facts;
        ULONGLONG At = 0;
        unsigned Generation = 0;
    } m_connection;

    StagedSettings m_staged;
    std::vector<unsigned char> m_scanList;  // the list last answered to QueryScanList
    bool m_scanAnswered = false;
    std::vector<unsigned char> m_newestList;  // the newest list read for any purpose
    CHeardNetworks m_heard;
    std::string m_frequencyTriedFor;  // the BSSID whose frequency the service's list was read for
    std::wstring m_eapUserData;  // the profile name and user data this session last set
    bool m_needsWindowsSettings = false;  // the last join was refused: WPA3 only

    // The network the last SetSsid joined, which the card keeps after until told otherwise.
    struct Seeking {
        bool Active = false;
        std::string Ssid;
        WlanConnectRequest Request{};
        ULONGLONG LastTry = 0;
    } m_seek;
    static constexpr ULONGLONG SeekIntervalMs = 5000;
};

#endif
