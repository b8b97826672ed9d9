// The pages, and the pages embedded in them, draw themselves and every control on white, or
// on the theme's window colour, with its window text, while high contrast is on.
#ifndef SKYLOOK_UI_WHITE_BACKGROUND_H
#define SKYLOOK_UI_WHITE_BACKGROUND_H

#include "controls/ThemeColours.h"

#include <windows.h>

template <class Dialog>
class CWhiteBackground : public Dialog {
public:
    using Dialog::Dialog;

    static constexpr COLORREF White = RGB(255, 255, 255);

protected:
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override
    {
        // A control that colours itself has set its text colour; the others (static texts,
        // check boxes, plain edits) get the theme's, which is black's stand-in otherwise.
        if (!Dialog::OnCtlColor(dc, control, type) && HighContrastOn())
            ::SetTextColor(dc, ThemeColour(ColourRole::PageText, 0));
        ::SetBkColor(dc, ThemeColour(ColourRole::PageBackground, White));
        return ThemeBrush(ColourRole::PageBackground, WhiteBrush());
    }

    // The system's own white brush: nothing to create per page, nothing to free.
    static HBRUSH WhiteBrush() { return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)); }
};

#endif
