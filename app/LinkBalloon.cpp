#include "LinkBalloon.h"

#include "record/PrintableText.h"
#include "settings/NotStoredText.h"

#include <cstring>
#include <utility>

bool ConditionOf(const AdapterStatus& status, LinkCondition& condition)
{
    condition.Ssid.clear();
    switch (status.LinkState) {
    case LinkNoAdapter:
        condition.State = LinkCondition::NoCard;
        return true;
    case LinkRadioOff:
        condition.State = LinkCondition::RadioOff;
        return true;
    case LinkAssociated:
        condition.State = LinkCondition::Up;
        condition.Ssid.assign(status.Ssid, strnlen(status.Ssid, sizeof status.Ssid));
        return true;
    case LinkNotAssociated:
    case LinkNotAssociatedAdHoc:
        condition.State = LinkCondition::Down;
        return true;
    default:
        return false;
    }
}

LinkBalloon ChooseLinkBalloon(const LinkCondition& before, const LinkCondition& now, bool associatedBefore,
                              bool userSwitchedRadioOff)
{
    if (before.State == LinkCondition::Unknown)
        return LinkBalloon::None;
    if (now.State == before.State && now.Ssid == before.Ssid)
        return LinkBalloon::None;
    switch (now.State) {
    case LinkCondition::NoCard:
        return LinkBalloon::CardRemoved;
    case LinkCondition::RadioOff:
        if (before.State == LinkCondition::NoCard)
            return LinkBalloon::CardInserted;
        return userSwitchedRadioOff ? LinkBalloon::None : LinkBalloon::RadioOff;
    default:
        break;
    }
    // From here on the card is in and its radio on; where it was not, that is the news.
    if (before.State == LinkCondition::NoCard)
        return LinkBalloon::CardInserted;
    if (before.State == LinkCondition::RadioOff)
        return LinkBalloon::RadioOn;
    if (now.State == LinkCondition::Up)
        return associatedBefore ? LinkBalloon::Connected : LinkBalloon::None;
    if (now.State == LinkCondition::Down && before.State == LinkCondition::Up)
        return LinkBalloon::Disconnected;
    return LinkBalloon::None;
}

namespace {

// prefix, then name escaped and shortened to what the title has left.
std::string TitleNaming(const std::string& prefix, const std::string& name)
{
    return prefix + EscapeControlBytesWithin(name, BalloonTitleRoom - prefix.size());
}

// Two names sharing room: each gets half, and what one does not need goes to the other.
std::pair<std::string, std::string> FitBoth(const std::string& first, const std::string& second, size_t room)
{
    const size_t firstLength = EscapeControlBytes(first).size();
    const size_t secondLength = EscapeControlBytes(second).size();
    size_t firstRoom = room / 2;
    if (firstLength < firstRoom)
        firstRoom = firstLength;
    else if (secondLength < room - firstRoom)
        firstRoom = room - secondLength;
    return {EscapeControlBytesWithin(first, firstRoom), EscapeControlBytesWithin(second, room - firstRoom)};
}

}  // namespace

BalloonText LinkBalloonText(LinkBalloon balloon, const std::string& network, int signalStrength)
{
    switch (balloon) {
    case LinkBalloon::Connected:
        return {TitleNaming("Connected to ", network), "Signal strength: " + std::to_string(signalStrength) + "%"};
    case LinkBalloon::Disconnected:
        return {TitleNaming("Disconnected from ", network), "The wireless link was lost."};
    case LinkBalloon::CardRemoved:
        return {"Wireless card removed", "Insert the card to connect again."};
    case LinkBalloon::CardInserted:
        return {"Wireless card inserted", "Skylook uses the card again."};
    case LinkBalloon::RadioOff:
        return {"Radio switched off", "The card's radio switch is off: no wireless link until it is on."};
    case LinkBalloon::RadioOn:
        return {"Radio switched on", "The card's radio is on again."};
    default:
        return {};
    }
}

BalloonText ProfileSwitchText(const std::string& profileName, const std::string& profileSsid,
                              const std::string& defaultSsid, bool stored)
{
    const std::string opening = "The default network ";
    const std::string middle = " was not reached; ";
    const std::string ending =
        stored ? std::string(" is in range, so the profile is now the default settings.")
               : std::string(" is in range and is used now, but it could not be stored as the default settings. ") +
                     StoreAdviceText;
    const size_t room = BalloonTextRoom - opening.size() - middle.size() - ending.size();
    const auto [defaultName, profileNetwork] = FitBoth(defaultSsid, profileSsid, room);
    return {TitleNaming("Switched to profile ", profileName), opening + defaultName + middle + profileNetwork + ending};
}
