#include "LinkWatch.h"

#include "TrayMonitor.h"

#include "settings/UserOptions.h"
#include "state/ConfigDialogLink.h"
#include "state/ProgramState.h"

void CLinkWatch::Step(bool radioOnAtTickStart)
{
    ProfileSwitch used;
    if (m_switcher.Step(used, m_dialog))
        Show(ProfileSwitchText(used.Profile, used.ProfileSsid, used.DefaultSsid, used.Stored));
    // RadioOn is cleared between ticks only by the user's radio button; the tick clears it
    // itself when an open dialog has to follow the hardware switch.
    const LinkNewsItem news = m_news.Step(++m_tick, CurrentStatus, !radioOnAtTickStart);
    if (news.Balloon != LinkBalloon::None)
        Show(LinkBalloonText(news.Balloon, news.Network, CurrentStatus.SignalStrength));
}

void CLinkWatch::Show(const BalloonText& text)
{
    if (m_dialog.IsShown() || !ReadUserOption(UserOption::Notifications))
        return;
    m_host.ShowBalloon(text.Title.c_str(), text.Text.c_str());
}
