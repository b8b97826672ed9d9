// The simulated radio environment: the default scene, and checked edits of its networks.
#ifndef VEXA5200_ENVIRONMENT_H
#define VEXA5200_ENVIRONMENT_H

#include "AdapterState.h"

#include <string>

namespace vexa {

// Back to the default scene: card in, radios on, default settings, default networks, not
// associated, no failures, no injected scan answer, fresh scan. Card generation survives so
// that handles made invalid by a removal stay invalid.
void ResetAdapter(AdapterState& s, uint64_t now);

bool IsValidRateCode(unsigned long code);
bool ValidateNetwork(const VexaSimNetwork& n, std::string& error);
// Adds a copy of n (a zero BSSID gets a fresh one); refuses a duplicate BSSID or a full table.
bool AddNetwork(AdapterState& s, VexaSimNetwork n, std::string& error);
int FindNetworkByBssid(const AdapterState& s, const unsigned char bssid[6]);
void RemoveNetworkAt(AdapterState& s, int index);
std::string SecurityName(int security);

}  // namespace vexa

#endif
