// Where a group frame draws: its frame rectangle, the gap that its caption leaves in the top
// line, and the height of that line.
#ifndef SKYLOOK_CONTROLS_GROUP_FRAME_LAYOUT_H
#define SKYLOOK_CONTROLS_GROUP_FRAME_LAYOUT_H

#include <windows.h>

enum class CaptionAlignment { Left = 256, Right = 512, Centre = 768 };

// From a button's style bits 0x300: right for BS_RIGHT, centre for BS_CENTER, else left.
CaptionAlignment CaptionAlignmentFromStyle(DWORD style);

// True when the extended style asks for no caption (bits 0x40 or 0x80).
bool IsCaptionHidden(DWORD exStyle);

struct FrameMetrics {
    int edgeX = 2, edgeY = 2;      // SM_CXEDGE, SM_CYEDGE
    int borderX = 1, borderY = 1;  // SM_CXBORDER, SM_CYBORDER
};

// The frame rectangle from the window rectangle in its own client coordinates, shrunk for
// the extended-style borders. Its right and bottom are kept on the last pixel of the client
// area, where the lower and right lines of the frame are drawn.
RECT GroupFrameRect(const RECT& windowInClient, const RECT& client, DWORD exStyle, const FrameMetrics& metrics);

struct CaptionGap {
    int left = 0;   // x1: where the top line stops
    int right = 0;  // x2: where it goes on
    int lineY = 0;  // the top line's y
};

// The gap for a caption captionWidth wide (measured with the blanks around it) on a frame
// whose text height is textHeight.
CaptionGap LayoutCaptionGap(const RECT& frame, CaptionAlignment alignment, int margin, int captionWidth,
                            int textHeight);

#endif
