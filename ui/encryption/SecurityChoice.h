// How the security editors (the Encryption page and the Profile dialog) read a stored record
// into their "Data Encryption" box and authentication list, and when the list may be used.
#ifndef SKYLOOK_UI_SECURITY_CHOICE_H
#define SKYLOOK_UI_SECURITY_CHOICE_H

#include "record/AdapterSettings.h"

// The authentication list's index without a selection.
constexpr int NoAuthSelection = -1;

struct SecurityChoice {
    bool Encryption = false;
    int AuthIndex = AuthModeOpen;  // the authentication list's index
};

// The WPA modes are encrypted whatever WepStatus holds: their apply procedures never read it,
// and earlier versions stored them with WepStatus left at "off". Without encryption the list
// shows open authentication, as unchecking the box makes it; with it, a mode the list does
// not offer (4 or more) leaves the list without a selection.
SecurityChoice SecurityChoiceFor(const AdapterSettings& settings);

// The authentication list with "Data Encryption" and the network type together: usable only
// with encryption on for an infrastructure network (an ad-hoc network offers no choice of
// authentication). The selection is the caller's: unchecking the box selects open
// authentication, a change of network type keeps it.
bool AuthListEnabled(bool encryption, int networkMode);

// Whether the WEP key section is shown, and so read, for the authentication list's index:
// for open and shared authentication only, not for a list without a selection.
bool ShowsWepKeys(int authIndex);

#endif
