// What the tick does after the tray step for the user's two choices: a balloon when the
// link comes or goes, and the fallback on a stored profile in range.
#ifndef SKYLOOK_LINK_WATCH_H
#define SKYLOOK_LINK_WATCH_H

#include "LinkNews.h"
#include "ProfileSwitcher.h"

class IConfigDialogLink;
class ITrayHost;

class CLinkWatch {
public:
    CLinkWatch(ITrayHost& host, IConfigDialogLink& dialog) : m_host(host), m_dialog(dialog) {}

    // Once per tick, with CurrentStatus as the tick left it. radioOnAtTickStart: RadioOn as
    // the tick found it; cleared by then, it was the user's own radio button.
    void Step(bool radioOnAtTickStart);

private:
    // Shows the balloon when the user wants balloons and the dialog is not in view (its Link
    // Info page tells the same). A shell without balloons refuses it, and nothing else changes.
    void Show(const BalloonText& text);

    ITrayHost& m_host;
    IConfigDialogLink& m_dialog;
    // Ticks since start: the clock of the balloons' pacing.
    int m_tick = 0;
    CLinkNews m_news;
    CProfileSwitcher m_switcher;
};

#endif
