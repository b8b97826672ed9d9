// Networks for the software adapter's air, built the same way by every test.
#ifndef SKYLOOK_TESTS_SIM_NETWORK_H
#define SKYLOOK_TESTS_SIM_NETWORK_H

#include <Vexa5200Control.h>

// An access point offering 54 Mbit/s. Its BSSID is left to the adapter, which hands out a
// fresh one, unless the test names one with WithBssid. A WEP network still needs its key and
// a WPA-PSK network its passphrase before the adapter accepts it.
VexaSimNetwork SimNetwork(const char* ssid, int security = VEXASIM_OPEN, int rssiDbm = -60, int channel = 1);

// The network with the BSSID given as text, "00-11-22-33-44-55".
VexaSimNetwork WithBssid(VexaSimNetwork network, const char* bssid);

#endif
