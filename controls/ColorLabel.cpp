#include "controls/ColorLabel.h"

#include "controls/FontCache.h"
#include "controls/PointFont.h"
#include "framework/DpiAwareness.h"

#include <cstring>

CColorLabel::CColorLabel()
    : m_textColour(::GetSysColor(COLOR_WINDOWTEXT)), m_background(MakeSolidBrush(::GetSysColor(COLOR_BTNFACE))),
      m_hoverColour(m_textColour)
{
    m_logFont = GuiFontAt96();
    m_font = CSharedFont(PixelFontAtDpi(m_logFont, SystemDpi()));
}

CColorLabel::~CColorLabel()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(m_templateFont), FALSE);
}

void CColorLabel::PreSubclass()
{
    // A new window has no mouse-leave tracking yet; a hover left over from the last window
    // (closed under the mouse) would stay drawn until the mouse passed over the label again.
    m_hovering = false;
    // The static selects its own font after asking for colours, so the label's font has to
    // be the static's font.
    m_templateFont = reinterpret_cast<HFONT>(Send(WM_GETFONT));
    m_font = CSharedFont(PixelFontAtDpi(m_logFont, WindowDpi(m_hWnd)));
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
}

void CColorLabel::OnDpiChanged()
{
    if (RecreateFont())
        RedrawNow();
}

bool CColorLabel::RecreateFont()
{
    CSharedFont font(PixelFontAtDpi(m_logFont, m_hWnd ? WindowDpi(m_hWnd) : SystemDpi()));
    if (font.Get() == m_font.Get())
        return false;
    // The static takes the new font before the old one may be deleted.
    if (m_hWnd)
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    m_font = font;
    return true;
}

void CColorLabel::RedrawNow()
{
    if (m_hWnd)
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CColorLabel::SetTextColour(COLORREF colour)
{
    if (colour == m_textColour)
        return;
    m_textColour = colour;
    RedrawNow();
}

void CColorLabel::SetBold(bool bold)
{
    m_logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    if (RecreateFont())
        RedrawNow();
}

void CColorLabel::SetUnderline(bool underline)
{
    m_logFont.lfUnderline = underline ? TRUE : FALSE;
    if (RecreateFont())
        RedrawNow();
}

void CColorLabel::SetFontHeight(int height)
{
    m_logFont.lfHeight = -height;
    if (RecreateFont())
        RedrawNow();
}

void CColorLabel::SetFaceName(const char* faceName)
{
    std::memset(m_logFont.lfFaceName, 0, sizeof m_logFont.lfFaceName);
    if (faceName)
        std::strncpy(m_logFont.lfFaceName, faceName, LF_FACESIZE - 1);
    if (RecreateFont())
        RedrawNow();
}

void CColorLabel::SetBackgroundColour(COLORREF colour)
{
    m_background = MakeSolidBrush(colour);
}

void CColorLabel::SetHoverCursor(HCURSOR cursor)
{
    m_cursor = cursor;
}

void CColorLabel::SetHoverHighlight(bool on, COLORREF colour)
{
    m_hoverHighlight = on;
    m_hoverColour = colour;
}

void CColorLabel::SetLabelText(const char* text)
{
    const char* wanted = text ? text : "";
    // The same text again would only repaint the label.
    char shown[64] = {};
    const int length = m_hWnd ? ::GetWindowTextA(m_hWnd, shown, sizeof shown) : -1;
    if (length >= 0 && length < static_cast<int>(sizeof shown) - 1 && std::strcmp(shown, wanted) == 0)
        return;
    SetText(wanted);
}

COLORREF CColorLabel::ShownTextColour() const
{
    if (m_hoverHighlight && m_hovering)
        return ThemeColour(HoverRole(), m_hoverColour);
    return ThemeColour(TextRole(), m_textColour);
}

bool CColorLabel::OnPaint()
{
    // The static paints into a memory bitmap that is copied once: no flicker on the
    // once-a-second relabelling of the pages.
    CPaintDC paint(m_hWnd);
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    CMemoryDC memory(paint, client);
    DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(memory)), PRF_CLIENT | PRF_ERASEBKGND);
    DrawOver(memory, client);
    return true;
}

bool CColorLabel::OnEraseBackground(HDC)
{
    return true;
}

bool CColorLabel::OnSetCursor(HWND, UINT, UINT)
{
    if (!m_cursor)
        return false;
    ::SetCursor(m_cursor);
    return true;
}

bool CColorLabel::OnMouseMove(UINT, POINT)
{
    if (!m_hovering) {
        m_hovering = true;
        Invalidate(false);
        ::UpdateWindow(m_hWnd);
        TrackMouseLeave(m_hWnd);
    }
    return true;
}

bool CColorLabel::OnMouseLeave()
{
    m_hovering = false;
    RedrawNow();
    return true;
}

bool CColorLabel::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC)
        return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (message == WM_CTLCOLORSTATIC) {
        ::SelectObject(dc, m_font);
        ::SetTextColor(dc, ShownTextColour());
        ::SetBkMode(dc, TRANSPARENT);
    }
    result = reinterpret_cast<LRESULT>(ThemeBrush(BackgroundRole(), m_background.Get()));
    return true;
}

bool CColorLabel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_SETTEXT)
        return false;
    // A text static would paint the new text straight onto the screen; the label stores it
    // and repaints through its memory bitmap instead.
    DWORD type = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)) & SS_TYPEMASK;
    bool text = type <= SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP;
    if (!text)
        return false;
    result = ::DefWindowProcA(m_hWnd, message, wParam, lParam);
    Invalidate(false);
    return true;
}
