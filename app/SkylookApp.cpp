#include "SkylookApp.h"

bool ClaimSingleInstance(CWindow& frame)
{
    // The search must not find this very window.
    frame.SetText(StartingCaption);
    HWND other = ::FindWindowA(nullptr, MainFrameCaption);
    frame.SetText(MainFrameCaption);
    if (other) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

bool CSkylookApp::InitInstance()
{
    // The common controls are loaded with the configuration dialog: an idle tray program
    // does not need them.

    // Constructing the frame opens the adapter; creating it adds the tray icon and starts
    // the tick. Only then is another copy looked for.
    m_frame = std::make_unique<CMainFrame>();
    if (!m_frame->Create())
        return false;
    SetMainWindow(m_frame.get());
    // The frame stays hidden for the life of the process.
    return ClaimSingleInstance(*m_frame);
}

int CSkylookApp::ExitInstance()
{
    m_frame.reset();
    return 0;
}
