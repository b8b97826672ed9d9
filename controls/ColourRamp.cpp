#include "controls/ColourRamp.h"

#include <algorithm>
#include <cstdlib>

std::optional<int> LevelBarEnd(int length, int position, int lower, int upper)
{
    if (position < lower || position > upper)
        return std::nullopt;
    if (upper == lower || length <= 0)
        return 0;
    // Multiplied before dividing: a share computed first loses a pixel at some positions
    // (29 of 0..100 over 100 pixels gives 28.999...).
    const double covered = static_cast<double>(length) * (static_cast<double>(position) - lower);
    return static_cast<int>(covered / (static_cast<double>(upper) - lower));
}

namespace {
PixelSpan Clip(PixelSpan span, PixelSpan visible)
{
    PixelSpan clipped = {std::max(span.start, visible.start), std::min(span.end, visible.end)};
    if (clipped.end < clipped.start)
        clipped.end = clipped.start;
    return clipped;
}

int Component(COLORREF colour, int shift)
{
    return static_cast<int>((colour >> shift) & 0xFF);
}
}  // namespace

std::vector<RampSegment> CutColourRun(PixelSpan ramp, PixelSpan visible, size_t stopCount)
{
    std::vector<RampSegment> segments;
    if (stopCount < 2 || visible.Length() <= 0)
        return segments;
    size_t count = stopCount - 1;
    double length = static_cast<double>(ramp.Length()) / static_cast<double>(count);
    for (size_t i = 0; i < count; ++i) {
        PixelSpan whole = {ramp.start + static_cast<int>(static_cast<double>(i) * length),
                           i + 1 == count ? ramp.end : ramp.start + static_cast<int>(static_cast<double>(i + 1) * length)};
        if (whole.end <= visible.start)
            continue;
        PixelSpan shown = Clip(whole, visible);
        if (shown.Length() > 0)
            segments.push_back({whole, shown, i});
        if (shown.end >= visible.end)
            break;
    }
    return segments;
}

int RampBandCount(COLORREF a, COLORREF b, int segmentLength, bool fewColours)
{
    int bands = 0;
    for (int shift : {0, 8, 16})
        bands = std::max(bands, std::abs(Component(b, shift) - Component(a, shift)));
    bands = std::min(bands, segmentLength);
    bands = std::max(bands, 1);
    if (fewColours)
        bands = 1;
    return bands;
}

std::vector<RampBand> CutTwoColourRamp(PixelSpan segment, PixelSpan visible, COLORREF a, COLORREF b, int bands)
{
    std::vector<RampBand> result;
    if (bands < 1 || visible.Length() <= 0)
        return result;
    float bandLength = static_cast<float>(segment.Length()) / static_cast<float>(bands);
    double steps[3];
    for (int c = 0; c < 3; ++c)
        steps[c] = static_cast<double>(Component(b, 8 * c) - Component(a, 8 * c)) / bands;
    for (int j = 0; j < bands; ++j) {
        PixelSpan whole = {segment.start + static_cast<int>(static_cast<float>(j) * bandLength),
                           j + 1 == bands ? segment.end
                                          : segment.start + static_cast<int>(static_cast<float>(j + 1) * bandLength)};
        if (whole.end <= visible.start)
            continue;
        PixelSpan shown = Clip(whole, visible);
        if (shown.Length() > 0) {
            int rgb[3];
            for (int c = 0; c < 3; ++c)
                rgb[c] = std::clamp(Component(a, 8 * c) + static_cast<int>(j * steps[c]), 0, 255);
            result.push_back({shown, RGB(rgb[0], rgb[1], rgb[2])});
        }
        if (shown.end >= visible.end)
            break;
    }
    return result;
}
