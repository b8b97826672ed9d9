#include "controls/GroupFrameLayout.h"

#include <algorithm>

CaptionAlignment CaptionAlignmentFromStyle(DWORD style)
{
    switch (style & 0x300) {
    case 0x200:
        return CaptionAlignment::Right;
    case 0x300:
        return CaptionAlignment::Centre;
    default:
        return CaptionAlignment::Left;
    }
}

bool IsCaptionHidden(DWORD exStyle)
{
    return (exStyle & 0xC0) != 0;
}

RECT GroupFrameRect(const RECT& windowInClient, const RECT& client, DWORD exStyle, const FrameMetrics& metrics)
{
    RECT frame = windowInClient;
    if (exStyle & WS_EX_DLGMODALFRAME) {
        ::InflateRect(&frame, -2 * metrics.edgeX, -2 * metrics.edgeY);
        frame.left -= 1;
    }
    if (exStyle & WS_EX_CLIENTEDGE) {
        ::InflateRect(&frame, -(metrics.edgeX + 1), -(metrics.edgeY + 1));
        frame.left -= 1;
        if (exStyle & WS_EX_DLGMODALFRAME)
            frame.right += 1;
    }
    if (exStyle & WS_EX_STATICEDGE) {
        ::InflateRect(&frame, -2 * metrics.borderX, -2 * metrics.borderY);
        frame.left -= 1;
    }
    frame.right = std::min<LONG>(frame.right, client.right - 1);
    frame.bottom = std::min<LONG>(frame.bottom, client.bottom - 1);
    return frame;
}

CaptionGap LayoutCaptionGap(const RECT& frame, CaptionAlignment alignment, int margin, int captionWidth,
                            int textHeight)
{
    CaptionGap gap;
    switch (alignment) {
    case CaptionAlignment::Right:
        gap.right = frame.right - margin;
        gap.left = gap.right - captionWidth;
        break;
    case CaptionAlignment::Centre:
        gap.left = (frame.right - frame.left - captionWidth) / 2;
        gap.right = gap.left + captionWidth;
        break;
    case CaptionAlignment::Left:
    default:
        gap.left = frame.left + margin;
        gap.right = gap.left + captionWidth;
        break;
    }
    gap.lineY = frame.top + textHeight / 2 - 1;
    return gap;
}
