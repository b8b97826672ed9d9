#include "controls/DpiScale.h"

int ScaleForDpi(int pixels, int dpi)
{
    if (dpi < 1)
        dpi = DefaultDpi;
    return ::MulDiv(pixels, dpi, DefaultDpi);
}

int ScaleForWindow(int pixels, HWND window)
{
    return ScaleForDpi(pixels, WindowDpi(window));
}

int ChooseDrawnSize(int wanted, std::span<const int> drawnSizes)
{
    if (drawnSizes.empty())
        return wanted;
    int chosen = drawnSizes.front();
    for (int size : drawnSizes)
        if (size <= wanted && size > chosen)
            chosen = size;
    return chosen;
}
