// Fonts given in points, the way dialogs describe them: a LOGFONT whose height field holds
// the size in tenths of a point.
#ifndef SKYLOOK_CONTROLS_POINT_FONT_H
#define SKYLOOK_CONTROLS_POINT_FONT_H

#include "controls/FontCache.h"
#include "framework/Gdi.h"

#include <windows.h>

// The character height in pixels (negative, as CreateFont wants it) of a size in tenths of
// a point at dotsPerInch.
int PointTenthsToHeight(int tenths, int dotsPerInch);

// The font with its height field read as tenths of a point at dpi, from the process-wide
// cache: a window on a monitor of another scale asks for it at that monitor's DPI.
CSharedFont SharedPointFont(const LOGFONTA& pointFont, int dpi);

// A font description whose height is in pixels at 96 dpi, at dpi.
LOGFONTA PixelFontAtDpi(const LOGFONTA& at96, int dpi);

// The system's dialog font (DEFAULT_GUI_FONT) with its height in pixels at 96 dpi.
LOGFONTA GuiFontAt96();

// A LOGFONT with the face, size in tenths of a point and weight given, everything else
// left at the values dialogs use (output precision 3, clip precision 2, quality 2).
LOGFONTA MakePointLogFont(const char* faceName, int tenths, int weight);

#endif
