// Sizes written for 96 dpi at other screen resolutions.
#include "controls/DpiScale.h"

#include <gtest/gtest.h>

namespace {

// Catches truncation where rounding is wanted (a 1-pixel line vanishing or a 4-pixel step
// coming out 5 at 125%) and a zero or missing DPI dividing everything away.
TEST(DpiScale, RoundsToTheNearestPixelAndTreatsAnUnknownDpiAs96)
{
    struct {
        int pixels, dpi, expected;
    } const cases[] = {{16, 96, 16}, {16, 120, 20}, {16, 144, 24}, {16, 192, 32}, {4, 120, 5},
                       {1, 144, 2},  {10, 144, 15}, {8, 0, 8},      {8, -1, 8}};
    for (const auto& c : cases)
        EXPECT_EQ(ScaleForDpi(c.pixels, c.dpi), c.expected) << c.pixels << " px at " << c.dpi << " dpi";
}

// Catches a choice that overflows the cell (a 32-pixel image cut off in a 24-pixel cell)
// or one that falls back to the smallest where a larger drawing fits.
TEST(DpiScale, ChoosesTheLargestDrawingThatFitsTheCell)
{
    const int drawn[] = {16, 20, 24, 32};
    struct {
        int wanted, expected;
    } const cases[] = {{16, 16}, {20, 20}, {24, 24}, {32, 32}, {18, 16}, {30, 24}, {40, 32}, {12, 16}};
    for (const auto& c : cases)
        EXPECT_EQ(ChooseDrawnSize(c.wanted, drawn), c.expected) << "cell of " << c.wanted;
}

}  // namespace
