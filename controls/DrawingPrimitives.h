// Small drawing steps shared by the controls. Solid fills go through the DC's background
// colour (ExtTextOut with ETO_OPAQUE), so no brush is made per fill.
#ifndef SKYLOOK_CONTROLS_DRAWING_PRIMITIVES_H
#define SKYLOOK_CONTROLS_DRAWING_PRIMITIVES_H

#include <windows.h>

// Fills rect with colour; the DC's background colour is left as it was.
void FillSolidRect(HDC dc, const RECT& rect, COLORREF colour);
void FillSolidRect(HDC dc, int left, int top, int right, int bottom, COLORREF colour);

// A one-pixel frame: topLeft on the top and left sides, bottomRight on the other two.
void Draw3dRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);

int RectWidth(const RECT& rect);
int RectHeight(const RECT& rect);

#endif
