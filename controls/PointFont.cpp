#include "controls/PointFont.h"

#include "controls/FontCache.h"
#include "framework/DpiAwareness.h"

#include <cstdlib>
#include <cstring>

int PointTenthsToHeight(int tenths, int dotsPerInch)
{
    return -std::abs(::MulDiv(tenths, dotsPerInch, 720));
}

CSharedFont SharedPointFont(const LOGFONTA& pointFont, int dpi)
{
    LOGFONTA font = pointFont;
    font.lfHeight = PointTenthsToHeight(pointFont.lfHeight, dpi > 0 ? dpi : DefaultDpi);
    return CSharedFont(font);
}

LOGFONTA PixelFontAtDpi(const LOGFONTA& at96, int dpi)
{
    LOGFONTA font = at96;
    font.lfHeight = ::MulDiv(at96.lfHeight, dpi > 0 ? dpi : DefaultDpi, DefaultDpi);
    return font;
}

LOGFONTA GuiFontAt96()
{
    LOGFONTA font = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    // The stock font is made for the system DPI.
    font.lfHeight = ::MulDiv(font.lfHeight, DefaultDpi, SystemDpi());
    return font;
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
