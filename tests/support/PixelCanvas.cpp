#include "PixelCanvas.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

CPixelCanvas::CPixelCanvas(int width, int height, COLORREF fill) : m_width(width), m_height(height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_dc = ::CreateCompatibleDC(nullptr);
    m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<uint32_t*>(bits);
    m_old = ::SelectObject(m_dc, m_bitmap);
    Fill(fill);
}

CPixelCanvas::~CPixelCanvas()
{
    ::SelectObject(m_dc, m_old);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

void CPixelCanvas::Fill(COLORREF colour)
{
    ::GdiFlush();
    uint32_t value = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    std::fill(m_bits, m_bits + static_cast<size_t>(m_width) * m_height, value);
}

COLORREF CPixelCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    ::GdiFlush();
    uint32_t value = m_bits[static_cast<size_t>(y) * m_width + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

void CPixelCanvas::RenderClient(HWND window, COLORREF fill)
{
    Fill(fill);
    ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT);
    ::GdiFlush();
}

void CPixelCanvas::CopyFromScreen(HWND window)
{
    ::UpdateWindow(window);
    HDC screen = ::GetDC(window);
    ::BitBlt(m_dc, 0, 0, m_width, m_height, screen, 0, 0, SRCCOPY);
    ::ReleaseDC(window, screen);
    ::GdiFlush();
}

std::set<COLORREF> CPixelCanvas::ColoursInRow(int y, int from, int to) const
{
    RECT area = {from, y, to, y + 1};
    return ColoursIn(area);
}

std::set<COLORREF> CPixelCanvas::ColoursIn(const RECT& area) const
{
    std::set<COLORREF> colours;
    for (int y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, m_height); ++y)
        for (int x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, m_width); ++x)
            colours.insert(Pixel(x, y));
    return colours;
}

size_t CPixelCanvas::CountColour(COLORREF colour, const RECT& area) const
{
    size_t count = 0;
    for (int y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, m_height); ++y)
        for (int x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, m_width); ++x)
            count += Pixel(x, y) == colour;
    return count;
}

std::string CPixelCanvas::DescribeRow(int y, int from, int to) const
{
    std::string text = "row " + std::to_string(y) + ":";
    for (int x = from; x < to; ++x) {
        text += ' ';
        text += ColourText(Pixel(x, y));
    }
    return text;
}

std::string ColourText(COLORREF colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02x%02x%02x", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

bool CPixelCanvas::SaveBitmap(const char* path) const
{
    ::GdiFlush();
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = m_width;
    header.biHeight = -m_height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    DWORD pixelBytes = static_cast<DWORD>(m_width) * m_height * 4;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + pixelBytes;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(m_bits), pixelBytes);
    return static_cast<bool>(out);
}
