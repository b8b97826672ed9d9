// An owned image list of small images cut from one bitmap strip, for list views to share.
#ifndef SKYLOOK_UI_IMAGE_STRIP_H
#define SKYLOOK_UI_IMAGE_STRIP_H

#include <windows.h>
#include <commctrl.h>

class CImageStrip {
public:
    CImageStrip() = default;
    ~CImageStrip() { Reset(); }
    CImageStrip(const CImageStrip&) = delete;
    CImageStrip& operator=(const CImageStrip&) = delete;

    // Cuts the bitmap resource into images of size x size pixels, 24-bit colour, pixels of
    // the mask colour transparent. False, with no list, when the list or bitmap failed.
    bool Load(UINT bitmapId, int size, COLORREF mask);
    void Reset();

    HIMAGELIST Get() const { return m_list; }
    int Count() const;

private:
    HIMAGELIST m_list = nullptr;
};

#endif
