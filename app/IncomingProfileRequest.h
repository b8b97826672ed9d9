// The main frame's side of the companion's "apply this stored profile" request, and the
// hand-over that it shares with the program's own fallback on a profile in range.
#ifndef SKYLOOK_INCOMING_PROFILE_REQUEST_H
#define SKYLOOK_INCOMING_PROFILE_REQUEST_H

#include "protocol/ProfileRequest.h"
#include "settings/ProfileSelection.h"
#include "state/ConfigDialogLink.h"
#include "state/ProgramState.h"

#include <windows.h>

// Makes the stored profile of that name the default settings, has an open dialog show them
// and the next tick apply them as a page's Apply would, on behalf of origin. Nothing changes
// when the profile is missing or could not be read; when it was applied but the default
// settings could not be stored, the caller tells its user (NotStored).
ProfileUse UseStoredProfile(const char* name, IConfigDialogLink& dialog, ApplyOrigin origin);

// Takes the request when it carries the tag and the name of a stored profile and uses that
// profile. Answers ProfileRequestTaken, or ProfileRequestTakenNotStored when the default
// settings could not be stored (the sender tells its user); anything else is ignored and
// answered ProfileRequestRefused.
LRESULT AcceptProfileRequest(const COPYDATASTRUCT& data, IConfigDialogLink& dialog);

#endif
