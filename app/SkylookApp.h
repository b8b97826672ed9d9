// The application object: creates the hidden main frame and lets only one copy run.
#ifndef SKYLOOK_SKYLOOK_APP_H
#define SKYLOOK_SKYLOOK_APP_H

#include "MainFrame.h"

#include "framework/Application.h"

#include <memory>

class CSkylookApp : public CApplication {
public:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    // Held from the start until this copy knows whether it stays: a copy that starts meanwhile
    // waits for it, and then finds this one running, or its marker free.
    CMarkerGate m_gate;
    std::unique_ptr<CMainFrame> m_frame;
};

// Gives the frame its final caption; false (after a warning beep) when another top-level
// window already carries that caption, whatever program owns it.
bool ClaimSingleInstance(CWindow& frame);

#endif
