#include "LinkBalloon.h"

#include "ui/survey/SurveyRows.h"

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
        condition.Ssid = status.Ssid;
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

BalloonText LinkBalloonText(LinkBalloon balloon, const LinkCondition& before, const LinkCondition& now,
                            int signalStrength)
{
    switch (balloon) {
    case LinkBalloon::Connected:
        return {"Connected to " + SsidCellText(now.Ssid.c_str()),
                "Signal strength: " + std::to_string(signalStrength) + "%"};
    case LinkBalloon::Disconnected:
        return {"Disconnected from " + SsidCellText(before.Ssid.c_str()), "The wireless link was lost."};
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

BalloonText ProfileSwitchText(const char* profileName, const char* profileSsid, const char* defaultSsid, bool stored)
{
    const std::string reason =
        "The default network " + SsidCellText(defaultSsid) + " was not reached; " + SsidCellText(profileSsid);
    if (!stored)
        return {std::string("Switched to profile ") + profileName,
                reason + " is in range and is used now, but it could not be stored as the default settings. "
                         "Run the Skylook setup program again."};
    return {std::string("Switched to profile ") + profileName,
            reason + " is in range, so the profile is now the default settings."};
}
