#include "controls/GraphScale.h"

uint32_t ClampGraphValue(uint32_t value, uint32_t minimum, uint32_t maximum)
{
    if (value > maximum)
        value = maximum;
    if (value < minimum)
        value = minimum;
    return value;
}

int GraphBarHeight(uint32_t value, uint32_t minimum, uint32_t maximum, int height)
{
    if (maximum <= minimum || value <= minimum || height <= 0)
        return 0;
    double share = static_cast<double>(value - minimum) / static_cast<double>(maximum - minimum);
    if (share >= 1.0)
        return height;
    return static_cast<int>(share * height);
}

std::array<int, 3> GraphGridRows(int height)
{
    return {height / 2, height / 4, 3 * height / 4};
}
