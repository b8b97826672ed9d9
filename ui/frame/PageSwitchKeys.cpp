#include "ui/frame/PageSwitchKeys.h"

namespace {
CPageSwitchKeys* ActiveKeys = nullptr;

bool IsDown(int key)
{
    return ::GetKeyState(key) < 0;
}
}  // namespace

PageStep PageStepForKey(UINT key, bool control, bool shift)
{
    if (!control)
        return PageStep::None;
    switch (key) {
    case VK_TAB: return shift ? PageStep::Previous : PageStep::Next;
    case VK_NEXT: return shift ? PageStep::None : PageStep::Next;
    case VK_PRIOR: return shift ? PageStep::None : PageStep::Previous;
    default: return PageStep::None;
    }
}

int PageAfterStep(int current, PageStep step, int count)
{
    if (count <= 0 || current < 0 || current >= count)
        return current;
    switch (step) {
    case PageStep::Next: return (current + 1) % count;
    case PageStep::Previous: return (current + count - 1) % count;
    default: return current;
    }
}

bool CPageSwitchKeys::Install(HWND window, Handler handler)
{
    Remove();
    if (ActiveKeys)
        return false;
    m_hook = ::SetWindowsHookExA(WH_GETMESSAGE, &CPageSwitchKeys::GetMessageHook, nullptr, ::GetCurrentThreadId());
    if (!m_hook)
        return false;
    m_window = window;
    m_handler = std::move(handler);
    ActiveKeys = this;
    return true;
}

void CPageSwitchKeys::Remove()
{
    if (!m_hook)
        return;
    ::UnhookWindowsHookEx(m_hook);
    m_hook = nullptr;
    m_window = nullptr;
    m_handler = nullptr;
    if (ActiveKeys == this)
        ActiveKeys = nullptr;
}

bool CPageSwitchKeys::Take(MSG& message)
{
    if (message.message != WM_KEYDOWN || !m_handler)
        return false;
    if (message.hwnd != m_window && !::IsChild(m_window, message.hwnd))
        return false;
    const PageStep step = PageStepForKey(static_cast<UINT>(message.wParam), IsDown(VK_CONTROL), IsDown(VK_SHIFT));
    return step != PageStep::None && m_handler(step);
}

LRESULT CALLBACK CPageSwitchKeys::GetMessageHook(int code, WPARAM wParam, LPARAM lParam)
{
    // Only a message that is being taken off the queue; a peek that leaves it there would
    // see it again.
    if (code == HC_ACTION && wParam == PM_REMOVE && ActiveKeys) {
        MSG& message = *reinterpret_cast<MSG*>(lParam);
        try {
            if (ActiveKeys->Take(message))
                message.message = WM_NULL;
        } catch (...) {
            message.message = WM_NULL;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
