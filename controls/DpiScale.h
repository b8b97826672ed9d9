// Pixel sizes are written for 96 dpi and scaled to the system's DPI here. The program is
// DPI aware for the system's DPI only, which stays the same for the life of the process.
#ifndef SKYLOOK_CONTROLS_DPI_SCALE_H
#define SKYLOOK_CONTROLS_DPI_SCALE_H

#include <span>

constexpr int DefaultDpi = 96;

// pixels at 96 dpi scaled to dpi, rounded to the nearest pixel; a dpi below 1 counts as 96.
int ScaleForDpi(int pixels, int dpi);

// The screen's DPI, read once; 96 when the screen cannot be asked.
int SystemDpi();

// ScaleForDpi at the system's DPI.
int ScalePixels(int pixels);

// Of the sizes an image is drawn in (ascending), the one to show in a cell of wanted pixels:
// the largest that fits, or the smallest when none does. Never scaled up: a small image
// stays sharp, a stretched one blurs.
int ChooseDrawnSize(int wanted, std::span<const int> drawnSizes);

#endif
