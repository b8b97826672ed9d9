#include "LinkWatch.h"

#include "TickState.h"
#include "TrayMonitor.h"

#include "settings/UserOptions.h"
#include "state/ConfigDialogLink.h"
#include "state/ProgramState.h"

void CLinkWatch::Step()
{
    ProfileSwitch used;
    if (m_switcher.Step(used))
        Show(ProfileSwitchText(used.Profile.c_str(), used.ProfileSsid.c_str(), used.DefaultSsid.c_str()));
    NoteLinkChange();
}

void CLinkWatch::NoteLinkChange()
{
    LinkCondition now;
    if (!ConditionOf(CurrentStatus, now))
        return;
    // RadioOn cleared without the hardware switch: the user's own button.
    const bool userSwitchedRadioOff = !RadioOn && !RadioOffByAdapter;
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
