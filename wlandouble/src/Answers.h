// The structures the service hands out, each in one block of the double's memory (freed by
// WlanFreeMemory): the interface list, the BSS list, the profile list, the answers of
// WlanQueryInterface.
#ifndef WLANDOUBLE_ANSWERS_H
#define WLANDOUBLE_ANSWERS_H

#include "DoubleState.h"
#include "Scene.h"

#include <windows.h>
#include <wlanapi.h>

namespace wdouble {

PWLAN_INTERFACE_INFO_LIST InterfaceList(const DoubleState& s);
PWLAN_PROFILE_INFO_LIST ProfileList(const DoubleState& s, int iface);
// The networks the interface hears, with their information elements; empty while a scan
// flushed the list, with the radio off or the interface gone. ssid and bssType filter it.
PWLAN_BSS_LIST BssList(const DoubleState& s, const Scene& scene, int iface, const DOT11_SSID* ssid,
                       DOT11_BSS_TYPE bssType, BOOL securityOnly, uint64_t now);

// [WlanQueryInterface] The answer for an opcode: ERROR_INVALID_STATE for the connection, the
// channel and the signal while nothing is connected, ERROR_INVALID_PARAMETER for an opcode
// the double does not answer.
DWORD QueryAnswer(const DoubleState& s, const Scene& scene, int iface, WLAN_INTF_OPCODE opcode, uint64_t now,
                  DWORD& size, void*& data, WLAN_OPCODE_VALUE_TYPE& valueType);

const char* OpcodeName(WLAN_INTF_OPCODE opcode);

}  // namespace wdouble

#endif
