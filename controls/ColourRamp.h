// How a level bar cuts its length into colour segments and each segment into bands of one
// colour. The painting code only fills what these functions return.
#ifndef SKYLOOK_CONTROLS_COLOUR_RAMP_H
#define SKYLOOK_CONTROLS_COLOUR_RAMP_H

#include <windows.h>

#include <optional>
#include <vector>

// A run of pixels [start, end) along the bar, relative to the bar's left edge.
struct PixelSpan {
    int start = 0;
    int end = 0;
    int Length() const { return end - start; }
    bool operator==(const PixelSpan&) const = default;
};

// Segment index of a run through several colour stops: from stop index to stop index + 1.
struct RampSegment {
    PixelSpan whole;
    PixelSpan visible;
    size_t index = 0;
};

struct RampBand {
    PixelSpan visible;
    COLORREF colour = 0;
};

// The bar's end for a position in [lower, upper]: trunc(length x (position - lower) /
// (upper - lower)). Nothing when the position is outside the range; 0 for an empty range.
std::optional<int> LevelBarEnd(int length, int position, int lower, int upper);

// The ramp cut into stopCount - 1 equal segments (the last ends exactly at the ramp's end),
// keeping those that reach into the visible span, each with its part inside it. Fewer than
// two stops give nothing.
std::vector<RampSegment> CutColourRun(PixelSpan ramp, PixelSpan visible, size_t stopCount);

// Bands needed from a to b: the largest difference of one component, at most the segment's
// length, at least 1; 1 on a device that has too few colours to show a ramp.
int RampBandCount(COLORREF a, COLORREF b, int segmentLength, bool fewColours);

// The segment cut into bands bands (the last ends exactly at the segment's end), keeping the
// parts inside the visible span; band j has a + trunc(j x (b - a) / bands) per component.
std::vector<RampBand> CutTwoColourRamp(PixelSpan segment, PixelSpan visible, COLORREF a, COLORREF b, int bands);

#endif
