// The human-readable status of the adapter and its environment (vexasim status).
#ifndef VEXA5200_STATUS_TEXT_H
#define VEXA5200_STATUS_TEXT_H

#include "AdapterState.h"

#include <string>

namespace vexa {

std::string FormatStatus(const AdapterState& s, uint64_t now);
std::string RateText(unsigned long code);  // "54 Mbit/s", "5.5 Mbit/s", "Auto"
std::string BssidText(const unsigned char bssid[6]);

}  // namespace vexa

#endif
