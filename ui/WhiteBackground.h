// The pages, and the pages embedded in them, draw themselves and every control on white.
#ifndef SKYLOOK_UI_WHITE_BACKGROUND_H
#define SKYLOOK_UI_WHITE_BACKGROUND_H

#include "framework/Gdi.h"

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
        if (!m_white)
            m_white = MakeSolidBrush(White);
        ::SetBkColor(dc, White);
        return m_white.Get();
    }

    void OnDestroy() override
    {
        m_white.Reset();
        Dialog::OnDestroy();
    }

private:
    CBrush m_white;
};

#endif
