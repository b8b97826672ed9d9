#include "controls/TabLabel.h"

#include "framework/AccessibleText.h"

#include <oleacc.h>

void CTabLabel::SetSelected(bool selected)
{
    const LONG style = m_hWnd ? ::GetWindowLongA(m_hWnd, GWL_STYLE) : 0;
    if (m_hWnd && selected == m_selected && ((style & WS_TABSTOP) != 0) == selected)
        return;
    m_selected = selected;
    if (!m_hWnd)
        return;
    // The colours of a high-contrast theme differ for the selected label.
    Invalidate(false);
    ::SetWindowLongA(m_hWnd, GWL_STYLE, selected ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    // A reader following the strip hears the new selection, as a tab control tells it.
    if (selected)
        ::NotifyWinEvent(EVENT_OBJECT_SELECTION, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

bool CTabLabel::DescribeForAccessibility(AccessibleFacts& facts) const
{
    const std::string caption = GetText();
    facts.Role = ROLE_SYSTEM_PAGETAB;
    facts.Name = WithoutAccessKey(caption);
    facts.State = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | (m_selected ? STATE_SYSTEM_SELECTED : 0);
    facts.DefaultAction = "Switch";
    facts.Shortcut = AccessKeyShortcut(caption);
    return true;
}

bool CTabLabel::DoAccessibleDefaultAction()
{
    if (!IsEnabled())
        return false;
    Notify(STN_CLICKED);
    return true;
}

void CTabLabel::Notify(WORD code) const
{
    if (HWND parent = ::GetParent(m_hWnd))
        ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), code), reinterpret_cast<LPARAM>(m_hWnd));
}

void CTabLabel::PreSubclass()
{
    CColorLabel::PreSubclass();
    m_focusCues.Read(m_hWnd);
}

bool CTabLabel::ShowsFocusMark() const
{
    return ::GetFocus() == m_hWnd && !m_focusCues.MarkHidden();
}

void CTabLabel::DrawOver(HDC dc, const RECT& client)
{
    if (!ShowsFocusMark())
        return;
    // Around the text, as a standard tab marks its caption, within the label.
    const std::string text = GetText();
    RECT mark = client;
    {
        HGDIOBJ old = ::SelectObject(dc, LabelFont());
        ::DrawTextA(dc, text.c_str(), -1, &mark, DT_CALCRECT | DT_SINGLELINE);
        ::SelectObject(dc, old);
    }
    ::InflateRect(&mark, 1, 1);
    ::IntersectRect(&mark, &mark, &client);
    ::SetTextColor(dc, ShownTextColour());
    ::DrawFocusRect(dc, &mark);
}

bool CTabLabel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_GETDLGCODE: {
        // The dialog would take the arrows to move between its controls and Enter for its
        // default button; the strip wants them itself.
        result = DLGC_WANTARROWS;
        const MSG* pending = reinterpret_cast<const MSG*>(lParam);
        if (pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN)
            result |= DLGC_WANTMESSAGE;
        return true;
    }
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_UP: Notify(PreviousTabNotification); break;
        case VK_DOWN: Notify(NextTabNotification); break;
        case VK_RETURN:
        case VK_SPACE: Notify(STN_CLICKED); break;
        default: return CColorLabel::OnMessage(message, wParam, lParam, result);
        }
        result = 0;
        return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate(false);
        return CColorLabel::OnMessage(message, wParam, lParam, result);
    case WM_UPDATEUISTATE:
        result = DefaultProc(message, wParam, lParam);
        if (m_focusCues.Update(m_hWnd, wParam))
            Invalidate(false);
        return true;
    default:
        return CColorLabel::OnMessage(message, wParam, lParam, result);
    }
}
