#include "SkylookApp.h"

#include "settings/DefaultsInUse.h"

namespace {
// True, after the warning beep with which this copy then ends, when a top-level window
// already carries the frame's caption, whatever program owns it.
bool RunningCopyFound()
{
    if (!::FindWindowA(nullptr, MainFrameCaption))
        return false;
    ::MessageBeep(MB_ICONEXCLAMATION);
    return true;
}
}  // namespace

bool ClaimSingleInstance(CWindow& frame)
{
    // The search must not find this very window.
    frame.SetText(StartingCaption);
    const bool found = RunningCopyFound();
    frame.SetText(MainFrameCaption);
    return !found;
}

bool CSkylookApp::InitInstance()
{
    // The common controls are loaded with the configuration dialog: an idle tray program
    // does not need them.

    // skylookctl holds the marker for a moment while it looks or applies, and so does a start
    // that ends as a second copy: waiting for them here keeps this copy from taking either for
    // a copy in another session, which would skip the drop at start and then watch.
    m_gate.Enter();

    // Opening the adapter drops its association, which would cut a running copy's link: a
    // start beside a running copy ends before it touches the adapter. A copy in another
    // session is out of sight here; the frame's marker keeps this copy from managing the card
    // beside that one.
    if (RunningCopyFound())
        return false;

    // Constructing the frame claims the marker and opens the adapter; creating it adds the
    // tray icon and starts the tick. Another copy is looked for again then, as one may have
    // started meanwhile.
    m_frame = std::make_unique<CMainFrame>();
    if (!m_frame->Create())
        return false;
    SetMainWindow(m_frame.get());
    // The frame stays hidden for the life of the process.
    if (!ClaimSingleInstance(*m_frame))
        return false;
    // Without the notice skylookctl status names the stored default network, which is what
    // this run uses unless the registry refuses a save.
    PublishDefaultSettingsInUse();
    m_gate.Leave();
    return true;
}

int CSkylookApp::ExitInstance()
{
    // A copy that ends at start lets go of the marker before the gate.
    m_frame.reset();
    m_gate.Leave();
    return 0;
}
