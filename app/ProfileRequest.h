// The one request skylook.exe takes from another process: "apply this stored profile". It
// travels as WM_COPYDATA to the hidden main frame, because the system copies the bytes into
// the receiving process and the sender waits until the frame has answered, so the tool
// learns whether the program took the request; a private registered message could carry
// no text. The data is the profile name alone, tagged so that other senders' data is
// not mistaken for it.
#ifndef SKYLOOK_PROFILE_REQUEST_H
#define SKYLOOK_PROFILE_REQUEST_H

#include <windows.h>

// dwData of the request: "SKPR".
constexpr ULONG_PTR ProfileRequestTag = 0x524B5053;

// The running program's main frame, or nullptr when it does not run.
HWND FindRunningProgram();

// Sends the name to the frame and waits for its answer: true when it took the request.
bool SendProfileRequest(HWND frame, const char* name);

// The frame's side: takes the request when it carries the tag and the name of a stored
// profile (no terminator needed, none beyond the name's length allowed), makes that profile
// the default settings and has the next tick apply it as a page's Apply would. Anything
// else is ignored and answered false.
bool AcceptProfileRequest(const COPYDATASTRUCT& data);

#endif
