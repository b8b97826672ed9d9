// The pages, and the pages embedded in them, draw themselves and every control on white.
#ifndef SKYLOOK_UI_WHITE_BACKGROUND_H
#define SKYLOOK_UI_WHITE_BACKGROUND_H

#include <windows.h>

template <class Dialog>
class CWhiteBackground : public Dialog {
public:
    using Dialog::Dialog;

    static constexpr COLORREF White = RGB(255, 255, 255);

protected:
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override
    {
        Dialog::OnCtlColor(dc, control, type);
        ::SetBkColor(dc, White);
        return WhiteBrush();
    }

    // The system's own white brush: nothing to create per page, nothing to free.
    static HBRUSH WhiteBrush() { return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)); }
};

#endif
