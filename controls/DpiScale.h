// Pixel sizes are written for 96 dpi and scaled to the DPI of the window they are drawn in,
// which follows the window from monitor to monitor (framework/DpiAwareness.h).
#ifndef SKYLOOK_CONTROLS_DPI_SCALE_H
#define SKYLOOK_CONTROLS_DPI_SCALE_H

#include "framework/DpiAwareness.h"

#include <windows.h>

#include <span>

// pixels at 96 dpi scaled to dpi, rounded to the nearest pixel; a dpi below 1 counts as 96.
int ScaleForDpi(int pixels, int dpi);

// ScaleForDpi at the DPI of window now; the system DPI for null.
int ScaleForWindow(int pixels, HWND window);

// Of the sizes an image is drawn in (ascending), the one to show in a cell of wanted pixels:
// the largest that fits, or the smallest when none does. Never scaled up: a small image
// stays sharp, a stretched one blurs.
int ChooseDrawnSize(int wanted, std::span<const int> drawnSizes);

#endif
