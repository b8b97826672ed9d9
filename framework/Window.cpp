#include "Window.h"

#include "AccessibleObject.h"
#include "DpiAwareness.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {
// The window property that points from an HWND to its C++ object.
const char* const ObjectProperty = "Skylook.WindowObject";

struct ThemeMessage {
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
};

BOOL CALLBACK PassThemeMessage(HWND child, LPARAM context)
{
    const ThemeMessage& theme = *reinterpret_cast<const ThemeMessage*>(context);
    ::SendMessageA(child, theme.Message, theme.WParam, theme.LParam);
    return TRUE;
}

// The system tells only top-level windows that colours or settings changed (a high-contrast
// theme switched on or off); the controls that keep a drawn face or pick colours by the theme
// hear it from their top-level window, and everything is drawn again.
void PassThemeChangeToDescendants(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD)
        return;
    ThemeMessage theme{message, wParam, lParam};
    ::EnumChildWindows(window, &PassThemeMessage, reinterpret_cast<LPARAM>(&theme));
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
}  // namespace

CWindow::~CWindow()
{
    if (m_hWnd && FromHandle(m_hWnd) == this)
        Unbind();
}

CWindow* CWindow::FromHandle(HWND hWnd)
{
    return hWnd ? static_cast<CWindow*>(::GetPropA(hWnd, ObjectProperty)) : nullptr;
}

void CWindow::Bind(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetPropA(hWnd, ObjectProperty, this);
}

void CWindow::Unbind()
{
    if (m_hWnd)
        ::RemovePropA(m_hWnd, ObjectProperty);
    m_hWnd = nullptr;
}

bool CWindow::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd) != FALSE;
}

bool CWindow::OnCreate(CREATESTRUCTA*)
{
    return true;
}

void CWindow::OnNcDestroy()
{
    Unbind();
}

bool CWindow::OnCommand(WORD, WORD, HWND)
{
    return false;
}

bool CWindow::OnNotify(NMHDR*, LRESULT&)
{
    return false;
}

bool CWindow::OnTimer(UINT_PTR)
{
    return false;
}

HBRUSH CWindow::OnCtlColor(HDC dc, HWND control, UINT type)
{
    LRESULT result = 0;
    if (ReflectToChild(control, WM_CTLCOLORMSGBOX + type, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(control), result))
        return reinterpret_cast<HBRUSH>(result);
    return nullptr;
}

bool CWindow::OnDrawItem(DRAWITEMSTRUCT* item)
{
    LRESULT result = 0;
    return item && ReflectToChild(item->hwndItem, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(item), result);
}

bool CWindow::OnMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

bool CWindow::OnReflected(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

LRESULT CWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

bool CWindow::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    CWindow* object = FromHandle(child);
    return object && object->OnReflected(message, wParam, lParam, result);
}

LRESULT CWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsCtlColorMessage(message)) {
        if (HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                      message - WM_CTLCOLORMSGBOX))
            return reinterpret_cast<LRESULT>(brush);
        return DefaultProc(message, wParam, lParam);
    }
    if (message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE)
        PassThemeChangeToDescendants(m_hWnd, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        if (!OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam)))
            return -1;
        return DefaultProc(message, wParam, lParam);
    case WM_DESTROY:
        OnDestroy();
        return DefaultProc(message, wParam, lParam);
    case WM_NCDESTROY: {
        LRESULT result = DefaultProc(message, wParam, lParam);
        OnNcDestroy();
        return result;
    }
    case WM_COMMAND: {
        HWND control = reinterpret_cast<HWND>(lParam);
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), control))
            return 0;
        LRESULT result = 0;
        if (control && ReflectToChild(control, message, wParam, lParam, result))
            return result;
        break;
    }
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        if (header && OnNotify(header, result))
            return result;
        if (header && ReflectToChild(header->hwndFrom, message, wParam, lParam, result))
            return result;
        break;
    }
    case WM_TIMER:
        if (OnTimer(wParam))
            return 0;
        break;
    case WM_PAINT:
        if (OnPaint())
            return 0;
        break;
    case WM_ERASEBKGND:
        if (OnEraseBackground(reinterpret_cast<HDC>(wParam)))
            return 1;
        break;
    case WM_DRAWITEM:
        if (OnDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_MOUSEMOVE:
        if (OnMouseMove(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            return 0;
        break;
    case WM_MOUSELEAVE:
        if (OnMouseLeave())
            return 0;
        break;
    case WM_GETOBJECT: {
        AccessibleFacts facts;
        LRESULT result = 0;
        if (DescribeForAccessibility(facts) && AnswerGetObject(m_hWnd, wParam, lParam, result))
            return result;
        break;
    }
    case WM_DPICHANGED_AFTERPARENT:
        OnDpiChanged();
        break;
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam)))
            return TRUE;
        break;
    default: {
        LRESULT result = 0;
        if (OnMessage(message, wParam, lParam, result))
            return result;
        break;
    }
    }
    return DefaultProc(message, wParam, lParam);
}

bool TrackMouseLeave(HWND hWnd)
{
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = hWnd;
    return ::TrackMouseEvent(&track) != FALSE;
}
