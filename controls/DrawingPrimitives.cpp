#include "controls/DrawingPrimitives.h"

void FillSolidRect(HDC dc, const RECT& rect, COLORREF colour)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    COLORREF previous = ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(dc, previous);
}

void FillSolidRect(HDC dc, int left, int top, int right, int bottom, COLORREF colour)
{
    RECT rect = {left, top, right, bottom};
    FillSolidRect(dc, rect, colour);
}

void Draw3dRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(dc, rect.left, rect.top, rect.right - 1, rect.top + 1, topLeft);
    FillSolidRect(dc, rect.left, rect.top, rect.left + 1, rect.bottom - 1, topLeft);
    FillSolidRect(dc, rect.right - 1, rect.top, rect.right, rect.bottom, bottomRight);
    FillSolidRect(dc, rect.left, rect.bottom - 1, rect.right, rect.bottom, bottomRight);
}

int RectWidth(const RECT& rect)
{
    return rect.right - rect.left;
}

int RectHeight(const RECT& rect)
{
    return rect.bottom - rect.top;
}
