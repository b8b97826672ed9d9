// Icons of the program's resources at a given size, loaded once per size and kept for the
// life of the process. A shared load (LR_SHARED) keeps the first size asked for, which is
// wrong for a window that moves to a monitor of another scale.
#ifndef SKYLOOK_FRAMEWORK_ICON_OF_SIZE_H
#define SKYLOOK_FRAMEWORK_ICON_OF_SIZE_H

#include <windows.h>

// The icon resource id of the program at size x size pixels; null when it cannot be loaded.
HICON IconOfSize(UINT iconId, int size);

// The window's caption icons (big and small) at the sizes of its DPI now.
void SetCaptionIcons(HWND window, UINT iconId);

#endif
