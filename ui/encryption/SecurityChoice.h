// How the security editors (the Encryption page and the Profile dialog) read a stored record
// into their "Data Encryption" box and authentication list, and when the list may be used.
#ifndef SKYLOOK_UI_SECURITY_CHOICE_H
#define SKYLOOK_UI_SECURITY_CHOICE_H

#include "record/AdapterSettings.h"

struct SecurityChoice {
    bool Encryption = false;
    int AuthIndex = AuthModeOpen;  // the authentication list's index
};

// The WPA modes are encrypted whatever WepStatus holds: their apply procedures never read it,
// and earlier versions stored them with WepStatus left at "off". Without encryption the list
// shows open authentication, as unchecking the box makes it.
SecurityChoice SecurityChoiceFor(const AdapterSettings& settings);

// The authentication list with "Data Encryption" and the network type together: usable only
// with encryption on for an infrastructure network (an ad-hoc network offers no choice of
// authentication). The selection is the caller's: unchecking the box selects open
// authentication, a change of network type keeps it.
bool AuthListEnabled(bool encryption, int networkMode);

#endif
