#include "controls/FaceBitmap.h"

HDC CFaceBitmap::Prepare(HDC target, int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    if (m_dc && m_width == width && m_height == height)
        return m_dc;
    Reset();
    m_dc = ::CreateCompatibleDC(target);
    m_bitmap = m_dc ? ::CreateCompatibleBitmap(target, width, height) : nullptr;
    if (!m_bitmap) {
        Reset();
        return nullptr;
    }
    m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
    m_width = width;
    m_height = height;
    return m_dc;
}

void CFaceBitmap::CopyTo(HDC target, int x, int y, int width, int height) const
{
    if (m_dc && width > 0 && height > 0)
        ::BitBlt(target, x, y, width, height, m_dc, 0, 0, SRCCOPY);
}

void CFaceBitmap::Reset()
{
    if (m_dc && m_oldBitmap)
        ::SelectObject(m_dc, m_oldBitmap);
    if (m_bitmap)
        ::DeleteObject(m_bitmap);
    if (m_dc)
        ::DeleteDC(m_dc);
    m_dc = nullptr;
    m_bitmap = nullptr;
    m_oldBitmap = nullptr;
    m_width = m_height = 0;
    m_drawn = false;
}
