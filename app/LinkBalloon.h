// Which change of the link earns a balloon, and what the balloon says. Free of windows and
// of the adapter: the tick hands in what it saw.
#ifndef SKYLOOK_LINK_BALLOON_H
#define SKYLOOK_LINK_BALLOON_H

#include "adapter/AdapterStatus.h"

#include <string>

// What the user would say the link is doing. Connecting and scanning are no condition of
// their own: they are the way from one condition to the next.
struct LinkCondition {
    enum Kind { Unknown, NoCard, RadioOff, Down, Up } State = Unknown;
    std::string Ssid;  // the network while Up
};

// The condition a snapshot shows; false while it is on the way (connecting, scanning).
bool ConditionOf(const AdapterStatus& status, LinkCondition& condition);

enum class LinkBalloon { None, Connected, Disconnected, CardRemoved, CardInserted, RadioOff, RadioOn };

// The balloon for a change from one condition to the next, at most one: the first condition
// seen after start is no change; the first association after start is announced by the icon
// alone; a radio that the user switched off himself needs no telling.
LinkBalloon ChooseLinkBalloon(const LinkCondition& before, const LinkCondition& now, bool associatedBefore,
                              bool userSwitchedRadioOff);

struct BalloonText {
    std::string Title;
    std::string Text;
};

// "Connected to <SSID>" with the signal, "Disconnected from <SSID>", and so on; network
// names with bytes that would not print are written as the dialog writes them.
BalloonText LinkBalloonText(LinkBalloon balloon, const LinkCondition& before, const LinkCondition& now,
                            int signalStrength);

// The balloon that says which stored profile was applied because the defaults' network was
// out of reach.
BalloonText ProfileSwitchText(const char* profileName, const char* profileSsid, const char* defaultSsid,
                              bool stored = true);

#endif
