#include "controls/EditEx.h"

#include "controls/ThemeColours.h"

CEditEx::CEditEx()
    : m_backgroundColour(::GetSysColor(COLOR_WINDOW)), m_textColour(::GetSysColor(COLOR_WINDOWTEXT)),
      m_background(MakeSolidBrush(m_backgroundColour))
{
}

COLORREF CEditEx::SetTextColour(COLORREF colour)
{
    COLORREF previous = m_textColour;
    m_textColour = colour;
    if (m_hWnd)
        Invalidate(true);
    return previous;
}

void CEditEx::SetBackgroundColour(COLORREF colour)
{
    m_backgroundColour = colour;
    m_background = MakeSolidBrush(colour);
    if (m_hWnd)
        Invalidate(true);
}

bool CEditEx::OnPaint()
{
    CPaintDC paint(m_hWnd);
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    CMemoryDC memory(paint, client);
    ::FillRect(memory, &client, ThemeBrush(ColourRole::PageBackground, m_background));
    DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(memory)), PRF_CLIENT);
    return true;
}

bool CEditEx::OnEraseBackground(HDC)
{
    return true;
}

bool CEditEx::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC)
        return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, ThemeColour(ColourRole::PageText, m_textColour));
    ::SetBkColor(dc, ThemeColour(ColourRole::PageBackground, m_backgroundColour));
    result = reinterpret_cast<LRESULT>(ThemeBrush(ColourRole::PageBackground, m_background));
    return true;
}
