// Operations that set the scene (the control interface and vexasim), each on an adapter
// record. They check their arguments and report a message instead of changing anything.
#ifndef VEXA5200_SCENE_CONTROL_H
#define VEXA5200_SCENE_CONTROL_H

#include "AdapterState.h"

#include <string>

namespace vexa {

void SetCardPresent(AdapterState& s, bool present);
void SetHardwareRadio(AdapterState& s, bool on);
bool SetTrafficRate(AdapterState& s, unsigned long rate, std::string& error);
bool SetJoinDelay(AdapterState& s, unsigned long milliseconds, std::string& error);
bool UpdateNetwork(AdapterState& s, const VexaSimNetwork& n, std::string& error);
bool RemoveNetworks(AdapterState& s, const char* ssid, std::string& error);
bool SetNetworkRssi(AdapterState& s, const char* ssid, int rssi, std::string& error);
bool SetFailure(AdapterState& s, const char* function, bool on, std::string& error);
bool InjectScanAnswer(AdapterState& s, const void* bytes, unsigned long size, std::string& error);

// Settings a freshly powered card starts with.
void ResetConfig(AdapterState& s);

}  // namespace vexa

#endif
