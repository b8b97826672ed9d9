#include "ControlHost.h"

#include "MessageLog.h"
#include "framework/CommonControls.h"
#include "framework/FrameWindow.h"

namespace {
class CHostWindow : public CFrameWindow {
public:
    CHostWindow()
    {
        EnsureCommonControls();
        Create("SkylookControlTestHost", "controls", WS_POPUP | WS_VISIBLE);
        ::SetWindowPos(m_hWnd, HWND_TOP, 40, 40, 600, 400, SWP_SHOWWINDOW);
        ::UpdateWindow(m_hWnd);
    }
};

HWND SharedHost()
{
    static CHostWindow host;
    return host.Handle();
}
}  // namespace

CControlHost::CControlHost() : m_hWnd(SharedHost())
{
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

CControlHost::~CControlHost()
{
    for (HWND child : m_children)
        if (::IsWindow(child))
            ::DestroyWindow(child);
    PumpMessages();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
}

void CControlHost::Add(CControl& control, const char* className, const char* text, DWORD style, const RECT& rect,
                       int id, DWORD exStyle)
{
    ASSERT_TRUE(control.CreateControl(className, text, style | WS_CHILD | WS_VISIBLE, rect, m_hWnd, id, exStyle))
        << className;
    m_children.push_back(control);
    ::UpdateWindow(control);
}

void MoveCursorTo(HWND window, POINT client)
{
    ::ClientToScreen(window, &client);
    ::SetCursorPos(client.x, client.y);
    PumpMessages();
}

void MoveCursorAway()
{
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    PumpMessages();
}
