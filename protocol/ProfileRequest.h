// The one request skylook.exe takes from another process: "apply this stored profile". It
// travels as WM_COPYDATA to the hidden main frame, because the system copies the bytes into
// the receiving process and the sender waits until the frame has answered, so the tool
// learns whether the program took the request; a private registered message could carry
// no text. The data is the profile name alone, tagged so that other senders' data is
// not mistaken for it.
#ifndef SKYLOOK_PROTOCOL_PROFILE_REQUEST_H
#define SKYLOOK_PROTOCOL_PROFILE_REQUEST_H

#include <windows.h>

#include <string>

// dwData of the request: "SKPR".
constexpr ULONG_PTR ProfileRequestTag = 0x524B5053;

// The frame's answers, as the result of WM_COPYDATA. Taken is TRUE, so that a sender that
// only asks "taken or not" reads a taken request as such.
constexpr LRESULT ProfileRequestRefused = FALSE;
constexpr LRESULT ProfileRequestTaken = TRUE;
constexpr LRESULT ProfileRequestTakenNotStored = 2;  // applied, but not stored for the next start

enum class ProfileRequestAnswer { Refused, Taken, TakenNotStored };

// Sends the name to the frame and waits for its answer; no answer in time is a refusal.
ProfileRequestAnswer SendProfileRequest(HWND frame, const char* name);

// The receiving side's reading of the payload: true, with the name, when the data carries
// the tag and a name of 1 to ProfileNameMaxLength bytes with no zero byte in it (no
// terminator needed, none beyond the name's length allowed). Whether such a profile exists
// is the receiver's question.
bool ReadProfileRequest(const COPYDATASTRUCT& data, std::string& name);

#endif
