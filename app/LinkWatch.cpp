#include "LinkWatch.h"

#include "TrayMonitor.h"

#include "settings/UserOptions.h"
#include "state/ConfigDialogLink.h"
#include "state/ProgramState.h"

void CLinkWatch::Step(bool radioOnAtTickStart)
{
    ProfileSwitch used;
    if (m_switcher.Step(used, m_dialog))
        Show(ProfileSwitchText(used.Profile.c_str(), used.ProfileSsid.c_str(), used.DefaultSsid.c_str(), used.Stored));
    NoteLinkChange(radioOnAtTickStart);
}

void CLinkWatch::NoteLinkChange(bool radioOnAtTickStart)
{
    LinkCondition now;
    if (!ConditionOf(CurrentStatus, now))
        return;
    // RadioOn is cleared between ticks only by the user's radio button; the tick clears it
    // itself when an open dialog has to follow the hardware switch.
    const bool userSwitchedRadioOff = !radioOnAtTickStart;
    const LinkBalloon balloon = ChooseLinkBalloon(m_condition, now, m_associatedBefore, userSwitchedRadioOff);
    if (balloon != LinkBalloon::None)
        Show(LinkBalloonText(balloon, m_condition, now, CurrentStatus.SignalStrength));
    if (now.State == LinkCondition::Up)
        m_associatedBefore = true;
    m_condition = now;
}

void CLinkWatch::Show(const BalloonText& text)
{
    if (m_dialog.IsShown() || !ReadUserOption(UserOption::Notifications))
        return;
    m_host.ShowBalloon(text.Title.c_str(), text.Text.c_str());
}
