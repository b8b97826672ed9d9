// A display edit with text and background colours of its own. Typing and the context menu
// are the standard edit's; the painting goes through a memory bitmap, so the once-a-second
// updates of the pages do not flicker.
#ifndef SKYLOOK_CONTROLS_EDIT_EX_H
#define SKYLOOK_CONTROLS_EDIT_EX_H

#include "framework/Control.h"
#include "framework/Gdi.h"

class CEditEx : public CControl {
public:
    CEditEx();

    // Returns the previous text colour.
    COLORREF SetTextColour(COLORREF colour);
    void SetBackgroundColour(COLORREF colour);
    COLORREF TextColour() const { return m_textColour; }
    COLORREF BackgroundColour() const { return m_backgroundColour; }

protected:
    bool OnPaint() override;
    bool OnEraseBackground(HDC dc) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    COLORREF m_backgroundColour;
    COLORREF m_textColour;
    CBrush m_background;
};

#endif
