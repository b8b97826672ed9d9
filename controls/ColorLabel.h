// A static used as a side label or a scale label: its own text colour, background brush and
// font, a cursor of its own, and a hover colour while the mouse is over it. The standard
// static paints the text; the label gives it colours and font and has it paint off-screen.
#ifndef SKYLOOK_CONTROLS_COLOR_LABEL_H
#define SKYLOOK_CONTROLS_COLOR_LABEL_H

#include "controls/FontCache.h"
#include "controls/ThemeColours.h"
#include "framework/Control.h"
#include "framework/Gdi.h"

class CColorLabel : public CControl {
public:
    CColorLabel();
    ~CColorLabel() override;

    void SetTextColour(COLORREF colour);
    void SetBold(bool bold);
    void SetUnderline(bool underline);
    // The font's character height becomes height pixels at 96 dpi, scaled to the window's DPI.
    void SetFontHeight(int height);
    void SetFaceName(const char* faceName);
    // No redraw: the next paint uses it.
    void SetBackgroundColour(COLORREF colour);
    void SetHoverCursor(HCURSOR cursor);
    void SetHoverHighlight(bool on, COLORREF colour);
    void SetLabelText(const char* text);

    COLORREF TextColour() const { return m_textColour; }
    COLORREF HoverColour() const { return m_hoverColour; }
    bool IsHovering() const { return m_hovering; }
    // The colour the text is drawn in now.
    COLORREF ShownTextColour() const;
    // The font as described, its height in pixels at 96 dpi.
    const LOGFONTA& Font() const { return m_logFont; }
    // The font drawn, made for the window's DPI.
    HFONT ShownFont() const { return m_font.Get(); }

protected:
    // What the label's colours stand for, for the system colours of a high-contrast theme.
    virtual ColourRole TextRole() const { return ColourRole::PageText; }
    virtual ColourRole HoverRole() const { return ColourRole::HoverText; }
    virtual ColourRole BackgroundRole() const { return ColourRole::PageBackground; }

    // Drawn over the finished label, in the memory bitmap that is copied to the screen.
    virtual void DrawOver(HDC, const RECT&) {}
    HFONT LabelFont() const { return m_font.Get(); }

    void PreSubclass() override;
    void OnDpiChanged() override;
    bool OnPaint() override;
    bool OnEraseBackground(HDC dc) override;
    bool OnSetCursor(HWND window, UINT hitTest, UINT message) override;
    bool OnMouseMove(UINT flags, POINT point) override;
    bool OnMouseLeave() override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // True when the description gave another font than the one in use.
    bool RecreateFont();
    void RedrawNow();

    COLORREF m_textColour;
    CBrush m_background;
    LOGFONTA m_logFont = {};  // height at 96 dpi
    CSharedFont m_font;
    HFONT m_templateFont = nullptr;  // the static's own font, given back when the label lets go
    bool m_hoverHighlight = false;
    COLORREF m_hoverColour;
    bool m_hovering = false;
    HCURSOR m_cursor = nullptr;
};

#endif
