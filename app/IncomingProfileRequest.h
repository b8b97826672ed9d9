// The main frame's side of the companion's "apply this stored profile" request.
#ifndef SKYLOOK_INCOMING_PROFILE_REQUEST_H
#define SKYLOOK_INCOMING_PROFILE_REQUEST_H

#include <windows.h>

// Takes the request when it carries the tag and the name of a stored profile, makes that
// profile the default settings and has the next tick apply it as a page's Apply would.
// Anything else is ignored and answered false.
bool AcceptProfileRequest(const COPYDATASTRUCT& data);

#endif
