// The one text form of a BSSID that the program shows: upper-case hex pairs and hyphens.
#ifndef SKYLOOK_BSSID_TEXT_H
#define SKYLOOK_BSSID_TEXT_H

#include <cstdio>

inline void FormatBssidText(const unsigned char* mac, char (&text)[18])
{
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                  mac[5]);
}

#endif
