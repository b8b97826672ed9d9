// The notifications the service sends, queued in the shared state: every process that loads
// the double delivers those after its clients registered, on a thread of its own.
#ifndef WLANDOUBLE_EVENTS_H
#define WLANDOUBLE_EVENTS_H

#include "DoubleState.h"

#include <windows.h>

#include <string>

namespace wdouble {

void Emit(DoubleState& s, DWORD source, DWORD code, int iface, const void* data, uint32_t size);
// An ACM connection notification (start, attempt_fail, complete, disconnected) with its
// WLAN_CONNECTION_NOTIFICATION_DATA: the profile's name and SSID, the mode and the reason.
void EmitConnection(DoubleState& s, DWORD code, int iface, DWORD reason);
// An MSM notification with its WLAN_MSM_NOTIFICATION_DATA.
void EmitMsm(DoubleState& s, DWORD code, int iface, DWORD reason);

// The journal: one line a call, oldest lines dropped when it is full.
void Log(DoubleState& s, const std::string& line);
std::string JournalText(const DoubleState& s);
void ClearJournal(DoubleState& s);

}  // namespace wdouble

#endif
