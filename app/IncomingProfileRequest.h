// The main frame's side of the companion's "apply this stored profile" request.
#ifndef SKYLOOK_INCOMING_PROFILE_REQUEST_H
#define SKYLOOK_INCOMING_PROFILE_REQUEST_H

#include "protocol/ProfileRequest.h"
#include "state/ConfigDialogLink.h"

#include <windows.h>

// Takes the request when it carries the tag and the name of a stored profile, makes that
// profile the default settings, has an open dialog show them and the next tick apply them as
// a page's Apply would. Answers ProfileRequestTaken, or ProfileRequestTakenNotStored when the
// default settings could not be stored (the sender tells its user); anything else is ignored
// and answered ProfileRequestRefused.
LRESULT AcceptProfileRequest(const COPYDATASTRUCT& data, IConfigDialogLink& dialog);

#endif
