#include "controls/GroupFrame.h"

#include "controls/DpiScale.h"
#include "controls/PointFont.h"
#include "controls/ThemeColours.h"
#include "framework/AccessibleText.h"

#include <oleacc.h>

CGroupFrame::CGroupFrame()
    : m_firstColour(::GetSysColor(COLOR_BTNSHADOW)), m_secondColour(::GetSysColor(COLOR_BTNHIGHLIGHT)),
      m_defaultFirstColour(m_firstColour), m_defaultSecondColour(m_secondColour),
      m_captionPointFont(MakePointLogFont("MS Sans Serif", 80, FW_NORMAL)),
      m_captionFont(SharedPointFont(m_captionPointFont, SystemDpi()))
{
}

void CGroupFrame::PreSubclass()
{
    m_caption = GetText();
    DWORD style = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
    m_alignment = CaptionAlignmentFromStyle(style);
    ReadLayout();
}

void CGroupFrame::OnDpiChanged()
{
    ReadLayout();
    Invalidate(true);
}

void CGroupFrame::ReadLayout()
{
    const int dpi = WindowDpi(m_hWnd);
    DWORD exStyle = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE));
    RECT window = {};
    RECT client = {};
    ::GetWindowRect(m_hWnd, &window);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&window), 2);
    ::GetClientRect(m_hWnd, &client);
    FrameMetrics metrics;
    metrics.edgeX = SystemMetricForDpi(SM_CXEDGE, dpi);
    metrics.edgeY = SystemMetricForDpi(SM_CYEDGE, dpi);
    metrics.borderX = SystemMetricForDpi(SM_CXBORDER, dpi);
    metrics.borderY = SystemMetricForDpi(SM_CYBORDER, dpi);
    m_frame = GroupFrameRect(window, client, exStyle, metrics);
    m_captionHidden = ::IsCaptionHidden(exStyle);
    m_margin = ScaleForDpi(CaptionMargin, dpi);
    m_captionFont = SharedPointFont(m_captionPointFont, dpi);
}

void CGroupFrame::SetCaption(const char* caption, bool redraw)
{
    m_caption = caption ? caption : "";
    if (!m_hWnd)
        return;
    SetText(m_caption.c_str());
    if (redraw)
        RepaintBehind();
}

void CGroupFrame::SetCaptionColour(COLORREF colour, bool redraw)
{
    m_captionColour = colour;
    if (redraw && m_hWnd)
        RepaintBehind();
}

void CGroupFrame::SetFrameColours(COLORREF first, COLORREF second, bool redraw)
{
    m_firstColour = first != 0 ? first : m_defaultFirstColour;
    m_secondColour = second != 0 ? second : m_defaultSecondColour;
    if (redraw && m_hWnd)
        Invalidate(false);
}

void CGroupFrame::SetCaptionFont(const LOGFONTA& pointFont)
{
    m_captionPointFont = pointFont;
    m_captionFont = SharedPointFont(pointFont, m_hWnd ? WindowDpi(m_hWnd) : SystemDpi());
}

void CGroupFrame::RepaintBehind()
{
    HWND parent = ::GetParent(m_hWnd);
    if (!parent) {
        Invalidate(true);
        return;
    }
    RECT area = {};
    ::GetWindowRect(m_hWnd, &area);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

std::string CGroupFrame::DecoratedCaption() const
{
    return " " + m_caption + " ";
}

CaptionGap CGroupFrame::MeasureCaptionGap(HDC dc) const
{
    std::string text = DecoratedCaption();
    int length = static_cast<int>(text.size());
    SIZE lineText = {};
    ::GetTextExtentPoint32A(dc, text.c_str(), length, &lineText);
    SIZE caption = {};
    {
        CSelectGuard font(dc, m_captionFont);
        ::GetTextExtentPoint32A(dc, text.c_str(), length, &caption);
    }
    CaptionGap gap = LayoutCaptionGap(m_frame, m_alignment, m_margin, caption.cx, lineText.cy);
    if (!ShowsCaption())
        gap.right = gap.left;  // nothing is written, so the line stays closed
    return gap;
}

void CGroupFrame::Paint(HDC dc)
{
    CSaveDCGuard saved(dc);
    CaptionGap gap = MeasureCaptionGap(dc);
    bool enabled = IsEnabled();
    COLORREF colours[2] = {ThemeColour(ColourRole::FrameLine, enabled ? m_firstColour : m_defaultFirstColour),
                           ThemeColour(ColourRole::FrameLine, enabled ? m_secondColour : m_defaultSecondColour)};
    CPen pens[2];
    for (int i = 0; i < 2; ++i) {
        LOGBRUSH brush = {BS_SOLID, colours[i], 0};
        pens[i].Reset(::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_SQUARE, static_cast<DWORD>(m_lineWidth),
                                     &brush, 0, nullptr));
    }
    const int w = m_lineWidth;
    const LONG L = m_frame.left, R = m_frame.right, B = m_frame.bottom;
    const int y = gap.lineY;
    {
        CSelectGuard pen(dc, pens[0]);
        POINT line[] = {{gap.left, y}, {L, y}, {L, B - w}, {R - w, B - w}, {R - w, y}, {gap.right, y}};
        ::Polyline(dc, line, 6);
    }
    {
        CSelectGuard pen(dc, pens[1]);
        POINT left[] = {{gap.left, y + w}, {L + w, y + w}, {L + w, B - 2 * w}};
        ::Polyline(dc, left, 3);
        POINT lower[] = {{L + w, B}, {R, B}, {R, y + w}};
        ::Polyline(dc, lower, 3);
        POINT right[] = {{R - 2 * w, y + w}, {gap.right, y + w}};
        ::Polyline(dc, right, 2);
    }
    if (!ShowsCaption())
        return;
    std::string text = DecoratedCaption();
    CSelectGuard font(dc, m_captionFont);
    ::SetTextColor(dc, ThemeColour(ColourRole::PageText, m_captionColour));
    ::SetBkMode(dc, TRANSPARENT);
    if (enabled) {
        RECT band = {gap.left, y, gap.right, y};
        ::DrawTextA(dc, text.c_str(), -1, &band, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    } else {
        SIZE extent = {};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()), static_cast<WPARAM>(text.size()),
                     gap.left, y - extent.cy / 2, extent.cx, extent.cy, DST_PREFIXTEXT | DSS_DISABLED);
    }
}

bool CGroupFrame::DescribeForAccessibility(AccessibleFacts& facts) const
{
    facts.Role = ROLE_SYSTEM_GROUPING;
    facts.Name = WithoutAccessKey(m_caption);
    return true;
}

bool CGroupFrame::OnPaint()
{
    CPaintDC dc(m_hWnd);
    Paint(dc);
    return true;
}

bool CGroupFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        result = 0;
        return true;
    case WM_ENABLE:
        // The standard group box would draw itself here, over the frame.
        RepaintBehind();
        result = 0;
        return true;
    case WM_SETTEXT:
        m_caption = lParam ? reinterpret_cast<const char*>(lParam) : "";
        return false;
    default:
        return false;
    }
}

bool CGroupFrame::OnReflected(UINT message, WPARAM, LPARAM, LRESULT& result)
{
    if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC)
        return false;
    if (HWND parent = ::GetParent(m_hWnd))
        ::InvalidateRect(parent, nullptr, TRUE);
    result = 0;
    return true;
}
