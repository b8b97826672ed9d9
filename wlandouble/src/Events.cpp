#include "Events.h"

#include <wlanapi.h>

#include <cstring>

namespace wdouble {

void Emit(DoubleState& s, DWORD source, DWORD code, int iface, const void* data, uint32_t size)
{
    EventRecord& e = s.Events[s.NextEvent % MaxEvents];
    e.Sequence = s.NextEvent++;
    e.Source = source;
    e.Code = code;
    e.Interface = iface;
    e.DataSize = size <= MaxEventData ? size : MaxEventData;
    if (data && e.DataSize)
        std::memcpy(e.Data, data, e.DataSize);
}

// The fields the ACM's and the MSM's connection data share, from the interface's link.
template <class Data>
Data ConnectionData(const InterfaceState& st)
{
    Data data{};
    data.wlanConnectionMode = static_cast<WLAN_CONNECTION_MODE>(st.Mode);
    std::memcpy(data.strProfileName, st.Profile.Name, sizeof data.strProfileName);
    data.dot11Ssid.uSSIDLength = static_cast<ULONG>(st.Profile.SsidLength);
    std::memcpy(data.dot11Ssid.ucSSID, st.Profile.Ssid, sizeof data.dot11Ssid.ucSSID);
    data.dot11BssType = st.Profile.Ibss ? dot11_BSS_type_independent : dot11_BSS_type_infrastructure;
    data.bSecurityEnabled = st.Profile.Authentication != Auth::Open || st.Profile.Encryption != Cipher::None;
    return data;
}

void EmitConnection(DoubleState& s, DWORD code, int iface, DWORD reason)
{
    WLAN_CONNECTION_NOTIFICATION_DATA data = ConnectionData<WLAN_CONNECTION_NOTIFICATION_DATA>(s.Interfaces[iface]);
    data.wlanReasonCode = reason;
    Emit(s, WLAN_NOTIFICATION_SOURCE_ACM, code, iface, &data, sizeof data);
}

void EmitMsm(DoubleState& s, DWORD code, int iface, DWORD reason)
{
    const InterfaceState& st = s.Interfaces[iface];
    WLAN_MSM_NOTIFICATION_DATA data = ConnectionData<WLAN_MSM_NOTIFICATION_DATA>(st);
    std::memcpy(data.dot11MacAddr, st.Bssid, 6);
    data.wlanReasonCode = reason;
    Emit(s, WLAN_NOTIFICATION_SOURCE_MSM, code, iface, &data, sizeof data);
}

void Log(DoubleState& s, const std::string& line)
{
    std::string text = line;
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == 0)
            c = ' ';
    text += '\n';
    if (text.size() >= JournalBytes)
        text = text.substr(0, JournalBytes / 2 - 1) + "\n";
    uint32_t length = s.JournalLength < JournalBytes ? s.JournalLength : 0;
    while (length + text.size() >= JournalBytes) {
        const char* end = static_cast<const char*>(std::memchr(s.Journal, '\n', length));
        const uint32_t drop = end ? static_cast<uint32_t>(end - s.Journal + 1) : length;
        std::memmove(s.Journal, s.Journal + drop, length - drop);
        length -= drop;
    }
    std::memcpy(s.Journal + length, text.data(), text.size());
    s.JournalLength = length + static_cast<uint32_t>(text.size());
}

std::string JournalText(const DoubleState& s)
{
    return std::string(s.Journal, s.JournalLength < JournalBytes ? s.JournalLength : 0);
}

void ClearJournal(DoubleState& s)
{
    s.JournalLength = 0;
}

}  // namespace wdouble
