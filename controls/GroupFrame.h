// A group box that draws its own etched frame, open under a coloured caption in a font of
// its own. The caption, its alignment and the frame rectangle are read when the template's
// group box is bound; later changes come through the setters.
#ifndef SKYLOOK_CONTROLS_GROUP_FRAME_H
#define SKYLOOK_CONTROLS_GROUP_FRAME_H

#include "controls/GroupFrameLayout.h"
#include "controls/FontCache.h"
#include "framework/Control.h"
#include "framework/Gdi.h"

#include <string>

class CGroupFrame : public CControl {
public:
    CGroupFrame();

    void SetCaption(const char* caption, bool redraw);
    void SetCaptionColour(COLORREF colour, bool redraw);
    // 0 selects the system colour for that line.
    void SetFrameColours(COLORREF first, COLORREF second, bool redraw);
    // The record's height field is the size in tenths of a point.
    void SetCaptionFont(const LOGFONTA& pointFont);

    const std::string& Caption() const { return m_caption; }
    COLORREF CaptionColour() const { return m_captionColour; }
    COLORREF FirstLineColour() const { return m_firstColour; }
    COLORREF SecondLineColour() const { return m_secondColour; }
    CaptionAlignment Alignment() const { return m_alignment; }
    bool IsCaptionHidden() const { return m_captionHidden; }
    const RECT& FrameRect() const { return m_frame; }
    int Margin() const { return m_margin; }
    HFONT CaptionFont() const { return m_captionFont.Get(); }
    int LineWidth() const { return m_lineWidth; }

    // The gap that the caption leaves in the top line when drawn into dc; the DC's selected
    // font gives the line's height, the caption font the gap's width.
    CaptionGap MeasureCaptionGap(HDC dc) const;
    // A reader hears a grouping named by the caption.
    bool DescribeForAccessibility(AccessibleFacts& facts) const override;

    // Draws the frame and caption into dc, which holds the control's client area.
    void Paint(HDC dc);

protected:
    void PreSubclass() override;
    void OnDpiChanged() override;
    bool OnPaint() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::string DecoratedCaption() const;
    bool ShowsCaption() const { return !m_captionHidden && !m_caption.empty(); }
    // Repaints the parent's background and children under the control: the caption is drawn
    // transparently, so a changed caption needs a clean background.
    void RepaintBehind();
    // The frame, margin and caption font for the window's size and DPI now.
    void ReadLayout();

    COLORREF m_firstColour;
    COLORREF m_secondColour;
    COLORREF m_defaultFirstColour;
    COLORREF m_defaultSecondColour;
    bool m_captionHidden = false;
    int m_lineWidth = 1;
    COLORREF m_captionColour = RGB(0, 0, 0);
    LOGFONTA m_captionPointFont;  // height in tenths of a point
    CSharedFont m_captionFont;
    std::string m_caption;
    CaptionAlignment m_alignment = CaptionAlignment::Left;
    static constexpr int CaptionMargin = 8;  // pixels at 96 dpi from the frame's corner to the caption
    int m_margin = CaptionMargin;
    RECT m_frame = {};
};

#endif
