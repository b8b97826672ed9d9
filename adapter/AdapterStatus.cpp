#include "AdapterStatus.h"

#include "AdapterHandle.h"
#include "BssidText.h"
#include "SignalMapping.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

template <size_t N>
void SetText(char (&field)[N], const char* text)
{
    std::snprintf(field, N, "%s", text);
}

}  // namespace

void FormatTxRate(unsigned long speed100bps, char (&text)[12])
{
    // Tenths of a Mbit/s, rounded: 5.5 for 802.11b's half step, 866.7 for a two-stream
    // 802.11ac link.
    const unsigned long long tenths = (speed100bps + 500ull) / 1000;
    if (tenths % 10 != 0)
        std::snprintf(text, sizeof text, "%llu.%llu ", tenths / 10, tenths % 10);
    else
        std::snprintf(text, sizeof text, "%llu ", tenths / 10);
}

bool QueryAdapterStatus(AdapterStatus& status)
{
    // The registry path serves only as a presence test.
    char path[128] = {};
    if (Vexa5200QueryRegistryPath(AdapterHandle, path, sizeof path) != 0) {
        status.LinkState = LinkNoAdapter;
        return false;
    }

    unsigned long radio = 0;
    if (Vexa5200QueryRadioControl(AdapterHandle, &radio) != 0) {
        status.LinkState = LinkNoAdapter;
        return false;
    }
    if (radio == 0) {
        status.LinkState = LinkRadioOff;
        return true;
    }

    unsigned long value = 0;
    status.NetworkMode = NetworkModeInfrastructure;
    if (Vexa5200QueryNetworkMode(AdapterHandle, &value) == 0)
        status.NetworkMode = static_cast<uint32_t>(value);

    status.Channel = 1;
    if (Vexa5200QueryChannel(AdapterHandle, &value) == 0)
        status.Channel = static_cast<uint32_t>(value);

    if (Vexa5200GetConnectStatus(AdapterHandle) != 0)
        status.LinkState = LinkAssociated;
    else
        status.LinkState = status.NetworkMode == NetworkModeAdHoc ? LinkNotAssociatedAdHoc : LinkNotAssociated;

    status.Ssid[0] = '\0';
    char ssid[sizeof status.Ssid] = {};
    const int ssidResult = Vexa5200QuerySsid(AdapterHandle, ssid, sizeof ssid);
    if (ssidResult == 0) {
        ssid[sizeof ssid - 1] = '\0';
        std::memcpy(status.Ssid, ssid, sizeof ssid);
    }
    status.LocationDenied = ssidResult == VEXA5200_ERROR_LOCATION_DENIED;
    status.NeedsWindowsSettings = ssidResult == VEXA5200_ERROR_NEEDS_WINDOWS_SETTINGS;

    SetText(status.Bssid, "00-00-00-00-00-00");
    unsigned char bssid[6] = {};
    if (Vexa5200QueryBssid(AdapterHandle, bssid) == 0)
        FormatBssidText(bssid, status.Bssid);

    SetText(status.TxRate, "Auto");
    if (Vexa5200QueryLinkSpeed(AdapterHandle, &value) == 0)
        FormatTxRate(value, status.TxRate);

    if (Vexa5200QueryRssi(AdapterHandle, &value) == 0) {
        // The driver hands a signed dBm figure in an unsigned 32-bit field.
        const long rssi = static_cast<int32_t>(static_cast<uint32_t>(value));
        status.LinkQuality = LinkQualityFromRssi(rssi, std::rand() % 10);
        status.SignalStrength = SignalPercentFromRssi(rssi, std::rand() % 10);
    }

    NDIS_802_11_STATISTICS statistics;
    std::memset(&statistics, 0, sizeof statistics);
    if (Vexa5200QueryStatistics(AdapterHandle, &statistics) == 0) {
        status.TxFragments = static_cast<uint32_t>(statistics.TransmittedFragmentCount.QuadPart);
        status.RxFragments = static_cast<uint32_t>(statistics.ReceivedFragmentCount.QuadPart);
    }
    return true;
}
