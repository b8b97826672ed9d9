// The arithmetic of the throughput graph: clamping a sample into the range, the height of
// its bar, and the rows of the grid.
#ifndef SKYLOOK_CONTROLS_GRAPH_SCALE_H
#define SKYLOOK_CONTROLS_GRAPH_SCALE_H

#include <array>
#include <cstdint>

// Above the maximum gives the maximum, then below the minimum gives the minimum (unsigned).
uint32_t ClampGraphValue(uint32_t value, uint32_t minimum, uint32_t maximum);

// (value - minimum) / (maximum - minimum) of height, truncated; 0 for an empty or reversed
// range, never more than height.
int GraphBarHeight(uint32_t value, uint32_t minimum, uint32_t maximum, int height);

// The y of the three grid lines, in drawing order: half, quarter and three quarters.
std::array<int, 3> GraphGridRows(int height);

// Pixels at 96 dpi that each sample moves the picture to the left, and the bar's width
// within them.
constexpr int GraphSampleWidth = 4;
constexpr int GraphBarWidth = 2;

#endif
