#include "Application.h"

#include "Window.h"

namespace {
CApplication* g_application = nullptr;
}

CApplication::CApplication()
{
    g_application = this;
}

CApplication::~CApplication()
{
    if (g_application == this)
        g_application = nullptr;
}

CApplication* CApplication::Instance()
{
    return g_application;
}

int CApplication::Start()
{
    if (!InitInstance()) {
        if (m_mainWindow && m_mainWindow->IsWindow())
            m_mainWindow->DestroyWindow();
        m_mainWindow = nullptr;
        ExitInstance();
        return 0;
    }
    int code = RunMessageLoop();
    int exitCode = ExitInstance();
    return exitCode ? exitCode : code;
}

int CApplication::RunMessageLoop()
{
    MSG message;
    for (;;) {
        BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return -1;
        // Keyboard navigation for modeless dialogs; modal ones run their own loop.
        HWND active = ::GetActiveWindow();
        char className[8] = {};
        if (active && ::GetClassNameA(active, className, sizeof className) && lstrcmpA(className, "#32770") == 0 &&
            ::IsDialogMessageA(active, &message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}
