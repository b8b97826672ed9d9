#include "controls/LevelBar.h"

#include "controls/DrawingPrimitives.h"
#include "framework/Gdi.h"

#include <commctrl.h>

namespace {
COLORREF GradientEndColour()
{
    BOOL gradient = FALSE;
    if (::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &gradient, 0) && gradient)
        return ::GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    return ::GetSysColor(COLOR_ACTIVECAPTION);
}

RECT SpanRect(const RECT& bar, PixelSpan span)
{
    return RECT{bar.left + span.start, bar.top, bar.left + span.end, bar.bottom};
}

bool HasPalette(HDC dc)
{
    return (::GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
}
}  // namespace

CLevelBar::CLevelBar()
    : m_stops{::GetSysColor(COLOR_ACTIVECAPTION), GradientEndColour()}, m_background(::GetSysColor(COLOR_BTNFACE))
{
}

void CLevelBar::SetColourStops(std::initializer_list<COLORREF> stops)
{
    m_stops.assign(stops.begin(), stops.end());
}

void CLevelBar::SetColourStops(const std::vector<COLORREF>& stops)
{
    m_stops = stops;
}

void CLevelBar::Draw(HDC dc, const RECT& client)
{
    FillSolidRect(dc, client, m_background);
    int position = static_cast<int>(Send(PBM_GETPOS));
    PBRANGE range = {};
    Send(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    int length = RectWidth(client);
    std::optional<int> end = LevelBarEnd(length, position, range.iLow, range.iHigh);
    if (!end)
        return;
    PaintColourRun(dc, client, PixelSpan{0, length}, PixelSpan{0, *end});
}

void CLevelBar::PaintColourRun(HDC dc, const RECT& bar, PixelSpan ramp, PixelSpan visible)
{
    for (const RampSegment& segment : CutColourRun(ramp, visible, m_stops.size()))
        PaintTwoColourRamp(dc, bar, segment.whole, segment.visible, m_stops[segment.index],
                           m_stops[segment.index + 1]);
}

void CLevelBar::PaintTwoColourRamp(HDC dc, const RECT& bar, PixelSpan segment, PixelSpan visible, COLORREF a,
                                   COLORREF b)
{
    bool palette = HasPalette(dc);
    bool fewColours = !palette && ::GetDeviceCaps(dc, BITSPIXEL) * ::GetDeviceCaps(dc, PLANES) < 8;
    int bands = RampBandCount(a, b, segment.Length(), fewColours);
    for (const RampBand& band : CutTwoColourRamp(segment, visible, a, b, bands)) {
        RECT rect = SpanRect(bar, band.visible);
        if (palette) {
            CBrush brush = MakeSolidBrush(band.colour);
            ::FillRect(dc, &rect, brush);
        } else {
            FillSolidRect(dc, rect, band.colour);
        }
    }
}

bool CLevelBar::OnPaint()
{
    CPaintDC paint(m_hWnd);
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    RECT area = paint.Paint().rcPaint;
    if (::IsRectEmpty(&area))
        return true;
    CMemoryDC memory(paint, area);
    Draw(memory, client);
    return true;
}

bool CLevelBar::OnEraseBackground(HDC)
{
    return true;
}

bool CLevelBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case PBM_SETBARCOLOR: {
        COLORREF first = static_cast<COLORREF>(lParam);
        COLORREF second = wParam != 0 ? static_cast<COLORREF>(wParam) : first;
        m_stops.assign({first, second});
        result = CLR_DEFAULT;
        return true;
    }
    case PBM_SETBKCOLOR:
        m_background = static_cast<COLORREF>(lParam);
        result = CLR_DEFAULT;
        return true;
    case PBM_SETSTEP:
        m_step = static_cast<int>(wParam);
        result = DefaultProc(message, wParam, lParam);
        return true;
    case WM_PRINTCLIENT: {
        RECT client = {};
        ::GetClientRect(m_hWnd, &client);
        Draw(reinterpret_cast<HDC>(wParam), client);
        result = 0;
        return true;
    }
    default:
        return false;
    }
}
