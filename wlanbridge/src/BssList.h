// Native Wifi's BSS list, read defensively: entries and information elements are taken only
// where they lie wholly inside the bytes the service handed over.
#ifndef SKYLOOK_WLANBRIDGE_BSS_LIST_H
#define SKYLOOK_WLANBRIDGE_BSS_LIST_H

#include <windows.h>
#include <wlanapi.h>

#include <vector>

struct BssEntryView {
    WLAN_BSS_ENTRY Entry;                    // a copy: the list's bytes need not be aligned
    const unsigned char* Elements = nullptr;  // inside the list; null when they are not
    size_t ElementsSize = 0;
};

// The entries of a WLAN_BSS_LIST, at most as many as its bytes hold whole.
std::vector<BssEntryView> ReadBssList(const std::vector<unsigned char>& list);

// The element with this id, or with the vendor id 221 and this OUI and type when oui is
// given; null when absent. Elements are walked by their own lengths; the walk stops at one
// that would run past the end.
const unsigned char* FindElement(const unsigned char* elements, size_t size, unsigned char id,
                                 const unsigned char (*ouiAndType)[4] = nullptr);

#endif
