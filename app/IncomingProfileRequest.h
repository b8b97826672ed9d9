// The main frame's side of the companion's "apply this stored profile" request, and the
// hand-over that it shares with the program's own fallback on a profile in range.
#ifndef SKYLOOK_INCOMING_PROFILE_REQUEST_H
#define SKYLOOK_INCOMING_PROFILE_REQUEST_H

#include "state/ConfigDialogLink.h"

#include <windows.h>

// Makes the stored profile of that name the default settings, has an open dialog show them
// and the next tick apply them as a page's Apply would. False, with nothing changed, when no
// such profile is stored.
bool UseStoredProfile(const char* name, IConfigDialogLink& dialog);

// Takes the request when it carries the tag and the name of a stored profile and uses that
// profile. Anything else is ignored and answered false.
bool AcceptProfileRequest(const COPYDATASTRUCT& data, IConfigDialogLink& dialog);

#endif
