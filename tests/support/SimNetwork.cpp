#include "SimNetwork.h"

#include <cstdio>
#include <cstring>

VexaSimNetwork SimNetwork(const char* ssid, int security, int rssiDbm, int channel)
{
    VexaSimNetwork network{};
    std::strncpy(network.Ssid, ssid, sizeof network.Ssid - 1);
    network.Infrastructure = 1;
    network.Channel = channel;
    network.RssiDbm = rssiDbm;
    network.Security = security;
    network.MaxRateCode = 108;
    return network;
}

VexaSimNetwork WithBssid(VexaSimNetwork network, const char* bssid)
{
    unsigned int bytes[6] = {};
    if (std::sscanf(bssid, "%2x-%2x-%2x-%2x-%2x-%2x", &bytes[0], &bytes[1], &bytes[2], &bytes[3], &bytes[4],
                    &bytes[5]) == 6)
        for (int i = 0; i < 6; ++i)
            network.Bssid[i] = static_cast<unsigned char>(bytes[i]);
    return network;
}
