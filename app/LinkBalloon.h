// Which change of the link earns a balloon, and what the balloon says. Free of windows and
// of the adapter: the tick hands in what it saw.
#ifndef SKYLOOK_LINK_BALLOON_H
#define SKYLOOK_LINK_BALLOON_H

#include "adapter/AdapterStatus.h"

#include <cstddef>
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

// What the shell's balloon fields hold, without their terminating zero.
constexpr size_t BalloonTitleRoom = 63;
constexpr size_t BalloonTextRoom = 255;

// Fits those fields: a name in it is shortened, never the rest.
struct BalloonText {
    std::string Title;
    std::string Text;
};

// "Connected to <SSID>" with the signal, "Disconnected from <SSID>", and so on, with network
// the one the balloon is about; names with bytes that would not print are written as the
// dialog writes them.
BalloonText LinkBalloonText(LinkBalloon balloon, const std::string& network, int signalStrength);

// The balloon that says which stored profile was applied because the defaults' network was
// out of reach, and whether it is now the default settings or could not be stored as such.
BalloonText ProfileSwitchText(const std::string& profileName, const std::string& profileSsid,
                              const std::string& defaultSsid, bool stored);

#endif
