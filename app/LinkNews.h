// Which balloon the changes of the link earn, and when: free of windows, of the adapter and
// of the clock. Time is the tick number the caller hands in, so that any sequence of link
// states can be played through without waiting.
#ifndef SKYLOOK_LINK_NEWS_H
#define SKYLOOK_LINK_NEWS_H

#include "LinkBalloon.h"

#include <map>
#include <string>

// A network at the edge of range comes and goes every few seconds; a balloon for each would
// bury the user. A loss is told once the link has stayed down this many ticks...
constexpr int LossConfirmTicks = 5;
// ...and one network's connection and loss at most once in this many ticks (a minute), the
// state it is in by then winning.
constexpr int SameNetworkQuietTicks = 60;

struct LinkNewsItem {
    LinkBalloon Balloon = LinkBalloon::None;
    std::string Network;  // the network a connection or a loss is about
};

class CLinkNews {
public:
    // Once per tick, tick one more than the last. userSwitchedRadioOff: the user's own radio
    // button switched the radio off since the last tick. The balloon to show now, at most one.
    LinkNewsItem Step(int tick, const AdapterStatus& status, bool userSwitchedRadioOff);

private:
    // A connection or loss chosen on this tick: held back, dropped, or kept to tell.
    void Hold(int tick, LinkBalloon balloon, const std::string& network);
    // Whether this is what the user was last told of the link.
    bool AlreadyTold(const LinkNewsItem& news) const;

    LinkCondition m_condition;
    bool m_associatedBefore = false;
    // The last connection or loss the user learnt of (the first association from the icon).
    LinkNewsItem m_told;
    // A connection or loss waiting for its tick; Balloon None when there is none.
    LinkNewsItem m_pending;
    int m_pendingDue = 0;
    // The tick each network's connection or loss was last told.
    std::map<std::string, int> m_toldAt;
};

#endif
