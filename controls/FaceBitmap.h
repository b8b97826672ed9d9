// A control's face kept between paints: a memory bitmap of the control's size that the
// control draws into only when its look changed, and copies to the screen at every paint.
// Nothing is allocated while the size stays the same.
#ifndef SKYLOOK_CONTROLS_FACE_BITMAP_H
#define SKYLOOK_CONTROLS_FACE_BITMAP_H

#include <windows.h>

class CFaceBitmap {
public:
    CFaceBitmap() = default;
    ~CFaceBitmap() { Reset(); }
    CFaceBitmap(const CFaceBitmap&) = delete;
    CFaceBitmap& operator=(const CFaceBitmap&) = delete;

    // The memory DC to draw a face of width x height into, compatible with target; null when
    // the system has no room for it (the caller then draws straight to target).
    HDC Prepare(HDC target, int width, int height);
    // Copies width x height from the face's origin to target at (x, y).
    void CopyTo(HDC target, int x, int y, int width, int height) const;
    // Forgets the face and frees its bitmap.
    void Reset();

    // Whether the face holds a finished drawing; the owner sets it after drawing.
    bool IsDrawn() const { return m_drawn; }
    void SetDrawn(bool drawn) { m_drawn = drawn; }

    // Whether the message changes what a kept face would show (size, system colours and
    // settings, theme), so that its owner draws the face anew. A DPI change reaches the owner
    // as OnDpiChanged.
    static bool Outdates(UINT message)
    {
        switch (message) {
        case WM_SIZE:
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
        case WM_THEMECHANGED:
        case WM_DISPLAYCHANGE:
            return true;
        default:
            return false;
        }
    }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
    bool m_drawn = false;
};

#endif
