#include "controls/ThroughputGraph.h"

#include "controls/DpiScale.h"
#include "controls/DrawingPrimitives.h"
#include "controls/GraphScale.h"
#include "controls/ThemeColours.h"
#include "framework/AccessibleText.h"

#include <oleacc.h>

void CThroughputGraph::SetRange(uint32_t minimum, uint32_t maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    Prepare();
}

uint32_t CThroughputGraph::SetPos(uint32_t value)
{
    uint32_t previous = m_current;
    m_current = ClampGraphValue(value, m_minimum, m_maximum);
    if (IsPrepared()) {
        m_shown.push_back(m_current);
        // One more than fits: the oldest may still show in part.
        const size_t columns = static_cast<size_t>(m_picture.Width() / Scaled(GraphSampleWidth) + 2);
        while (m_shown.size() > columns)
            m_shown.pop_front();
        DrawNewest();
    }
    if (m_hWnd)
        Invalidate(true);
    return previous;
}

void CThroughputGraph::Prepare()
{
    if (!m_hWnd)
        return;
    if (IsPrepared()) {
        Invalidate(true);
        return;
    }
    if (!CreatePicture())
        return;
    m_shown.clear();
    RedrawPicture();
}

bool CThroughputGraph::CreatePicture()
{
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    CClientDC screen(m_hWnd);
    return m_picture.Create(screen, RectWidth(client), RectHeight(client));
}

int CThroughputGraph::Scaled(int pixels) const
{
    return ScaleForWindow(pixels, m_hWnd);
}

void CThroughputGraph::Remake()
{
    if (!IsPrepared())
        return;
    if (!CreatePicture())
        return;
    RedrawPicture();
}

void CThroughputGraph::OnDpiChanged()
{
    // The control has its new size; the samples stay, drawn at the new step.
    Remake();
}

void CThroughputGraph::RedrawPicture()
{
    HDC dc = m_picture.DC();
    const COLORREF background = ThemeColour(ColourRole::GraphBackground, BackgroundColour);
    ::SetBkColor(dc, background);
    FillSolidRect(dc, 0, 0, m_picture.Width(), m_picture.Height(), background);
    DrawGrid(0, m_picture.Width());
    const uint32_t current = m_current;
    for (uint32_t sample : m_shown) {
        m_current = sample;
        DrawNewest();
    }
    m_current = current;
    Invalidate(true);
}

void CThroughputGraph::DrawGrid(int left, int right)
{
    for (int y : GraphGridRows(m_picture.Height()))
        FillSolidRect(m_picture.DC(), left, y, right, y + 1, ThemeColour(ColourRole::GraphLine, GridColour));
}

void CThroughputGraph::DrawNewest()
{
    HDC dc = m_picture.DC();
    int width = m_picture.Width();
    int height = m_picture.Height();
    const int sampleWidth = Scaled(GraphSampleWidth);
    int strip = width - sampleWidth;
    if (strip > 0)
        ::BitBlt(dc, 0, 0, strip, height, dc, sampleWidth, 0, SRCCOPY);
    if (strip < 0)
        strip = 0;
    FillSolidRect(dc, strip, 0, width, height, ThemeColour(ColourRole::GraphBackground, BackgroundColour));
    DrawGrid(strip, width);
    int bar = GraphBarHeight(m_current, m_minimum, m_maximum, height);
    FillSolidRect(dc, strip, height - bar, strip + Scaled(GraphBarWidth), height,
                  ThemeColour(ColourRole::GraphLine, BarColour));
}

void CThroughputGraph::CopyPicture(HDC dc) const
{
    if (IsPrepared())
        ::BitBlt(dc, 0, 0, m_picture.Width(), m_picture.Height(), m_picture.DC(), 0, 0, SRCCOPY);
}

bool CThroughputGraph::OnPaint()
{
    CPaintDC dc(m_hWnd);
    CopyPicture(dc);
    return true;
}

bool CThroughputGraph::OnEraseBackground(HDC)
{
    // The picture covers the whole control; before it exists the static erases as usual.
    return IsPrepared();
}

bool CThroughputGraph::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if ((message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE) && IsPrepared()) {
        RedrawPicture();
        return false;
    }
    if (message != WM_PRINTCLIENT || !IsPrepared())
        return false;
    CopyPicture(reinterpret_cast<HDC>(wParam));
    result = 0;
    return true;
}

bool CThroughputGraph::DescribeForAccessibility(AccessibleFacts& facts) const
{
    facts.Role = ROLE_SYSTEM_GRAPHIC;
    facts.Name = m_accessibleName.empty() ? LabelBefore(m_hWnd) : m_accessibleName;
    facts.Value = m_valueText;
    facts.State = STATE_SYSTEM_READONLY;
    return true;
}
