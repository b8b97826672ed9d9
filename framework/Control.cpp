#include "Control.h"

#include "Dispatch.h"

CControl::~CControl()
{
    Unsubclass();
}

bool CControl::Subclass(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandle(hWnd))
        return false;
    m_hWnd = hWnd;
    PreSubclass();
    Bind(hWnd);
    m_originalProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CControl::ControlProc)));
    if (!m_originalProc) {
        Unbind();
        return false;
    }
    return true;
}

void CControl::Unsubclass()
{
    if (!m_hWnd || !m_originalProc)
        return;
    if (::IsWindow(m_hWnd))
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    m_originalProc = nullptr;
    Unbind();
}

bool CControl::CreateControl(const char* className, const char* text, DWORD style, const RECT& rect, HWND parent,
                             int id, DWORD exStyle)
{
    HWND hWnd = ::CreateWindowExA(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (!hWnd)
        return false;
    if (!Subclass(hWnd)) {
        ::DestroyWindow(hWnd);
        return false;
    }
    return true;
}

void CControl::OnNcDestroy()
{
    Unsubclass();
}

LRESULT CControl::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcA(m_originalProc, m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CControl::ControlProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CControl* control = static_cast<CControl*>(FromHandle(hWnd));
    if (!control)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The original procedure must see the last message, and the object lets go after it.
        WNDPROC original = control->m_originalProc;
        control->Unsubclass();
        return ::CallWindowProcA(original, hWnd, message, wParam, lParam);
    }
    return DispatchGuarded(*control, hWnd, message, wParam, lParam);
}
