#include "LinkNews.h"

#include <algorithm>
#include <iterator>

namespace {

bool IsLinkNews(LinkBalloon balloon)
{
    return balloon == LinkBalloon::Connected || balloon == LinkBalloon::Disconnected;
}

}  // namespace

LinkNewsItem CLinkNews::Step(int tick, const AdapterStatus& status, bool userSwitchedRadioOff)
{
    LinkCondition now;
    if (ConditionOf(status, now)) {
        const LinkCondition before = m_condition;
        const LinkBalloon chosen = ChooseLinkBalloon(before, now, m_associatedBefore, userSwitchedRadioOff);
        if (now.State == LinkCondition::Up)
            m_associatedBefore = true;
        m_condition = now;

        const bool up = now.State == LinkCondition::Up;
        if (IsLinkNews(chosen)) {
            Hold(tick, chosen, chosen == LinkBalloon::Disconnected ? before.Ssid : now.Ssid);
        } else if (chosen != LinkBalloon::None) {
            // The card or the radio: its own balloon says why the link went, at once; a loss
            // still waiting is no news any more.
            m_pending = {};
            m_told = up ? LinkNewsItem{LinkBalloon::Connected, now.Ssid} : LinkNewsItem{};
            return {chosen, {}};
        } else if (now.State == LinkCondition::NoCard || now.State == LinkCondition::RadioOff) {
            // The user's own radio button: he knows why the link went.
            m_pending = {};
            m_told = {};
        } else if (up && m_told.Balloon == LinkBalloon::None && m_pending.Balloon == LinkBalloon::None) {
            // The first association after start, which the icon alone tells.
            m_told = {LinkBalloon::Connected, now.Ssid};
        }
    }
    if (m_pending.Balloon == LinkBalloon::None || tick < m_pendingDue)
        return {};
    LinkNewsItem due = m_pending;
    m_pending = {};
    m_told = due;
    m_toldAt[due.Network] = tick;
    // Networks told of over a minute ago are free again; forgetting them keeps the map small.
    for (auto it = m_toldAt.begin(); it != m_toldAt.end();)
        it = tick - it->second >= SameNetworkQuietTicks ? m_toldAt.erase(it) : std::next(it);
    return due;
}

void CLinkNews::Hold(int tick, LinkBalloon balloon, const std::string& network)
{
    const LinkNewsItem news = {balloon, network};
    // Down and up again (or the other way) before anything was told: the user knows the
    // state already, the last state wins.
    if (AlreadyTold(news)) {
        m_pending = {};
        return;
    }
    m_pending = news;
    m_pendingDue = tick + (balloon == LinkBalloon::Disconnected ? LossConfirmTicks : 0);
    const auto told = m_toldAt.find(network);
    if (told != m_toldAt.end())
        m_pendingDue = std::max(m_pendingDue, told->second + SameNetworkQuietTicks);
}

bool CLinkNews::AlreadyTold(const LinkNewsItem& news) const
{
    return m_told.Balloon == news.Balloon && m_told.Network == news.Network;
}
