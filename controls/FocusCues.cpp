#include "controls/FocusCues.h"

bool FocusMarksHiddenAfter(bool hidden, WPARAM update, LRESULT asked)
{
    if (!(HIWORD(update) & UISF_HIDEFOCUS))
        return hidden;
    switch (LOWORD(update)) {
    case UIS_SET: return true;
    case UIS_CLEAR: return false;
    case UIS_INITIALIZE: return (asked & UISF_HIDEFOCUS) != 0;
    default: return hidden;
    }
}

void CFocusCues::Read(HWND window)
{
    m_hidden = (::SendMessageA(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
}

bool CFocusCues::Update(HWND window, WPARAM update)
{
    const bool before = m_hidden;
    m_hidden = FocusMarksHiddenAfter(m_hidden, update, ::SendMessageA(window, WM_QUERYUISTATE, 0, 0));
    return m_hidden != before;
}
