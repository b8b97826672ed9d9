#include "controls/DpiScale.h"

#include <windows.h>

int ScaleForDpi(int pixels, int dpi)
{
    if (dpi < 1)
        dpi = DefaultDpi;
    return ::MulDiv(pixels, dpi, DefaultDpi);
}

int SystemDpi()
{
    static const int dpi = [] {
        int found = DefaultDpi;
        if (HDC screen = ::GetDC(nullptr)) {
            found = ::GetDeviceCaps(screen, LOGPIXELSX);
            ::ReleaseDC(nullptr, screen);
        }
        return found > 0 ? found : DefaultDpi;
    }();
    return dpi;
}

int ScalePixels(int pixels)
{
    return ScaleForDpi(pixels, SystemDpi());
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
