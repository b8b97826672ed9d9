// A 32-bit top-down memory bitmap to render a window into and read its pixels back.
#ifndef SKYLOOK_TESTS_PIXEL_CANVAS_H
#define SKYLOOK_TESTS_PIXEL_CANVAS_H

#include <windows.h>

#include <cstdint>
#include <set>
#include <string>

class CPixelCanvas {
public:
    CPixelCanvas(int width, int height, COLORREF fill = RGB(255, 0, 255));
    ~CPixelCanvas();
    CPixelCanvas(const CPixelCanvas&) = delete;
    CPixelCanvas& operator=(const CPixelCanvas&) = delete;

    HDC DC() const { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    void Fill(COLORREF colour);
    COLORREF Pixel(int x, int y) const;
    // Renders the window's client area with WM_PRINTCLIENT, after filling with the canvas colour.
    void RenderClient(HWND window, COLORREF fill = RGB(255, 0, 255));
    // Renders what the screen shows of the window's client area (after the window painted).
    void CopyFromScreen(HWND window);

    std::set<COLORREF> ColoursInRow(int y, int from, int to) const;
    std::set<COLORREF> ColoursIn(const RECT& area) const;
    size_t CountColour(COLORREF colour, const RECT& area) const;
    bool Contains(COLORREF colour, const RECT& area) const { return CountColour(colour, area) > 0; }
    // Writes the canvas as a .bmp file, to look at a failed drawing.
    bool SaveBitmap(const char* path) const;
    // A picture of one row for failure messages.
    std::string DescribeRow(int y, int from, int to) const;

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    uint32_t* m_bits = nullptr;
};

std::string ColourText(COLORREF colour);

#endif
