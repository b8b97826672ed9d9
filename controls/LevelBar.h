// A progress bar drawn by the program: a horizontal bar filled with a colour ramp through any
// number of colour stops over a plain background. The common control keeps its range,
// position and step; only the painting is replaced, and it goes off-screen first.
#ifndef SKYLOOK_CONTROLS_LEVEL_BAR_H
#define SKYLOOK_CONTROLS_LEVEL_BAR_H

#include "controls/ColourRamp.h"
#include "controls/FaceBitmap.h"
#include "framework/Control.h"

#include <initializer_list>
#include <string>
#include <vector>

class CLevelBar : public CControl {
public:
    CLevelBar();

    void SetColourStops(std::initializer_list<COLORREF> stops);
    void SetColourStops(const std::vector<COLORREF>& stops);
    const std::vector<COLORREF>& ColourStops() const { return m_stops; }
    COLORREF BackgroundColour() const { return m_background; }
    int Step() const { return m_step; }

    // The whole picture for a client rectangle, drawn straight into dc.
    void Draw(HDC dc, const RECT& client);
    // Forgets the kept ramp, for a change the bar cannot see in its messages (DPI); the
    // next paint draws it anew. Size and colour changes call it themselves.
    void ResetPaintCache();

    // A reader hears a progress bar named by the label before it, its value in percent.
    bool DescribeForAccessibility(AccessibleFacts& facts) const override;

protected:
    // The run of all stops over ramp, of which only visible is drawn. Spans are relative
    // to bar's left edge; every span covers bar's full height.
    virtual void PaintColourRun(HDC dc, const RECT& bar, PixelSpan ramp, PixelSpan visible);
    // One segment from colour a to colour b, of which only visible is drawn.
    virtual void PaintTwoColourRamp(HDC dc, const RECT& bar, PixelSpan segment, PixelSpan visible, COLORREF a,
                                    COLORREF b);

    bool OnPaint() override;
    void OnDpiChanged() override { ResetPaintCache(); }
    bool OnEraseBackground(HDC dc) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The colours drawn: the stops and background given, or the theme's in high contrast.
    std::vector<COLORREF> ShownStops() const;
    COLORREF ShownBackground() const;

    // Where the filled part ends on a bar of length pixels; 0 for none.
    int FilledLength(int length);

    // The ramp over the whole client area, drawn once; a paint copies the filled part.
    CFaceBitmap m_face;
    std::vector<COLORREF> m_stops;
    COLORREF m_background;
    int m_step = 10;
};

// The position as a reader hears it: the share of the range, rounded down, "91%"; empty for
// an empty range.
std::string LevelPercentText(int position, int lower, int upper);

#endif
