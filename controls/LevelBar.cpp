#include "controls/LevelBar.h"

#include "controls/DrawingPrimitives.h"
#include "controls/ThemeColours.h"
#include "framework/AccessibleText.h"
#include "framework/Gdi.h"

#include <commctrl.h>
#include <oleacc.h>

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
    ResetPaintCache();
}

void CLevelBar::SetColourStops(const std::vector<COLORREF>& stops)
{
    m_stops = stops;
    ResetPaintCache();
}

void CLevelBar::ResetPaintCache()
{
    m_face.SetDrawn(false);
    if (m_hWnd)
        Invalidate(false);
}

int CLevelBar::FilledLength(int length)
{
    int position = static_cast<int>(Send(PBM_GETPOS));
    PBRANGE range = {};
    Send(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    return LevelBarEnd(length, position, range.iLow, range.iHigh).value_or(0);
}

std::vector<COLORREF> CLevelBar::ShownStops() const
{
    std::vector<COLORREF> shown = m_stops;
    for (COLORREF& stop : shown)
        stop = ThemeColour(ColourRole::LevelFill, stop);
    return shown;
}

COLORREF CLevelBar::ShownBackground() const
{
    return ThemeColour(ColourRole::PageBackground, m_background);
}

void CLevelBar::Draw(HDC dc, const RECT& client)
{
    FillSolidRect(dc, client, ShownBackground());
    const int length = RectWidth(client);
    const int end = FilledLength(length);
    if (end > 0)
        PaintColourRun(dc, client, PixelSpan{0, length}, PixelSpan{0, end});
}

void CLevelBar::PaintColourRun(HDC dc, const RECT& bar, PixelSpan ramp, PixelSpan visible)
{
    const std::vector<COLORREF> stops = ShownStops();
    for (const RampSegment& segment : CutColourRun(ramp, visible, stops.size()))
        PaintTwoColourRamp(dc, bar, segment.whole, segment.visible, stops[segment.index], stops[segment.index + 1]);
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
    const int width = RectWidth(client);
    const int height = RectHeight(client);
    // A palette device gets a brush per band: drawn off-screen each time, as it is rare.
    HDC face = HasPalette(paint) ? nullptr : m_face.Prepare(paint, width, height);
    if (!face) {
        CMemoryDC memory(paint, area);
        Draw(memory, client);
        return true;
    }
    if (!m_face.IsDrawn()) {
        FillSolidRect(face, client, ShownBackground());
        PaintColourRun(face, client, PixelSpan{0, width}, PixelSpan{0, width});
        m_face.SetDrawn(true);
    }
    // The filled part from the kept ramp and the rest in the background colour: two
    // operations side by side, so nothing flickers.
    const int end = FilledLength(width);
    m_face.CopyTo(paint, client.left, client.top, end, height);
    FillSolidRect(paint, RECT{client.left + end, client.top, client.right, client.bottom}, ShownBackground());
    return true;
}

std::string LevelPercentText(int position, int lower, int upper)
{
    if (upper <= lower)
        return {};
    const long long share = (static_cast<long long>(position) - lower) * 100 / (static_cast<long long>(upper) - lower);
    return std::to_string(share < 0 ? 0 : share > 100 ? 100 : share) + "%";
}

bool CLevelBar::DescribeForAccessibility(AccessibleFacts& facts) const
{
    PBRANGE range = {};
    Send(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    facts.Role = ROLE_SYSTEM_PROGRESSBAR;
    facts.Name = LabelBefore(m_hWnd);
    facts.Value = LevelPercentText(static_cast<int>(Send(PBM_GETPOS)), range.iLow, range.iHigh);
    facts.State = STATE_SYSTEM_READONLY;
    return true;
}

bool CLevelBar::OnEraseBackground(HDC)
{
    return true;
}

bool CLevelBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (CFaceBitmap::Outdates(message))
        ResetPaintCache();
    switch (message) {
    case PBM_SETBARCOLOR: {
        COLORREF first = static_cast<COLORREF>(lParam);
        COLORREF second = wParam != 0 ? static_cast<COLORREF>(wParam) : first;
        m_stops.assign({first, second});
        ResetPaintCache();
        result = CLR_DEFAULT;
        return true;
    }
    case PBM_SETBKCOLOR:
        m_background = static_cast<COLORREF>(lParam);
        ResetPaintCache();
        result = CLR_DEFAULT;
        return true;
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
        // The filled length changes with the range; the kept ramp does not.
        result = DefaultProc(message, wParam, lParam);
        Invalidate(false);
        return true;
    case PBM_SETSTEP:
        m_step = static_cast<int>(wParam);
        result = DefaultProc(message, wParam, lParam);
        return true;
    case WM_DESTROY:
        m_face.Reset();
        return false;
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
