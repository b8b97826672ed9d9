#include "controls/PointFont.h"

#include "controls/FontCache.h"

#include <cstdlib>
#include <cstring>

int PointTenthsToHeight(int tenths, int dotsPerInch)
{
    return -std::abs(::MulDiv(tenths, dotsPerInch, 720));
}

namespace {
LOGFONTA InScreenPixels(const LOGFONTA& pointFont)
{
    LOGFONTA font = pointFont;
    int dotsPerInch = 96;
    if (HDC screen = ::GetDC(nullptr)) {
        dotsPerInch = ::GetDeviceCaps(screen, LOGPIXELSY);
        ::ReleaseDC(nullptr, screen);
    }
    font.lfHeight = PointTenthsToHeight(pointFont.lfHeight, dotsPerInch);
    return font;
}
}  // namespace

CFont CreatePointFont(const LOGFONTA& pointFont)
{
    const LOGFONTA font = InScreenPixels(pointFont);
    return CFont(::CreateFontIndirectA(&font));
}

CSharedFont SharedPointFont(const LOGFONTA& pointFont)
{
    return CSharedFont(InScreenPixels(pointFont));
}

LOGFONTA MakePointLogFont(const char* faceName, int tenths, int weight)
{
    LOGFONTA font = {};
    font.lfHeight = tenths;
    font.lfWeight = weight;
    font.lfOutPrecision = OUT_STROKE_PRECIS;
    font.lfClipPrecision = CLIP_STROKE_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    if (faceName)
        std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    return font;
}
