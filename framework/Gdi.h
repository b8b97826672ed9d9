// RAII for GDI objects and device contexts. Owning types delete their handle; guards put
// back what they replaced. Nothing here copies; owning types move.
#ifndef SKYLOOK_FRAMEWORK_GDI_H
#define SKYLOOK_FRAMEWORK_GDI_H

#include <windows.h>
#include <utility>

// An owned pen, brush, font, bitmap or region.
template <typename Handle>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(Handle handle) : m_handle(handle) {}
    ~CGdiObject() { Reset(); }
    CGdiObject(CGdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    Handle Get() const { return m_handle; }
    operator Handle() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Reset(Handle handle = nullptr)
    {
        if (m_handle && m_handle != handle)
            ::DeleteObject(m_handle);
        m_handle = handle;
    }
    Handle Release() { return std::exchange(m_handle, nullptr); }

private:
    Handle m_handle = nullptr;
};

using CPen = CGdiObject<HPEN>;
using CBrush = CGdiObject<HBRUSH>;
using CFont = CGdiObject<HFONT>;
using CBitmap = CGdiObject<HBITMAP>;
using CRegion = CGdiObject<HRGN>;

inline CBrush MakeSolidBrush(COLORREF colour)
{
    return CBrush(::CreateSolidBrush(colour));
}

inline CPen MakePen(int style, int width, COLORREF colour)
{
    return CPen(::CreatePen(style, width, colour));
}

// Selects an object into a DC and selects the previous one back when it goes.
class CSelectGuard {
public:
    CSelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(object ? ::SelectObject(dc, object) : nullptr) {}
    ~CSelectGuard()
    {
        if (m_old)
            ::SelectObject(m_dc, m_old);
    }
    CSelectGuard(const CSelectGuard&) = delete;
    CSelectGuard& operator=(const CSelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// Saves the DC's state and restores it when it goes.
class CSaveDCGuard {
public:
    explicit CSaveDCGuard(HDC dc) : m_dc(dc), m_saved(::SaveDC(dc)) {}
    ~CSaveDCGuard()
    {
        if (m_saved)
            ::RestoreDC(m_dc, m_saved);
    }
    CSaveDCGuard(const CSaveDCGuard&) = delete;
    CSaveDCGuard& operator=(const CSaveDCGuard&) = delete;

private:
    HDC m_dc;
    int m_saved;
};

// The DC of a window's client area (GetDC/ReleaseDC).
class CClientDC {
public:
    explicit CClientDC(HWND hWnd) : m_hWnd(hWnd), m_dc(::GetDC(hWnd)) {}
    ~CClientDC()
    {
        if (m_dc)
            ::ReleaseDC(m_hWnd, m_dc);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HWND m_hWnd;
    HDC m_dc;
};

// BeginPaint/EndPaint.
class CPaintDC {
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd) { m_dc = ::BeginPaint(hWnd, &m_paint); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_paint); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    operator HDC() const { return m_dc; }
    const PAINTSTRUCT& Paint() const { return m_paint; }

private:
    HWND m_hWnd;
    HDC m_dc = nullptr;
    PAINTSTRUCT m_paint = {};
};

// An off-screen DC with its own bitmap of a target rectangle; drawing goes to the bitmap
// in the target's coordinates, and the destructor copies it to the target in one go.
class CMemoryDC {
public:
    CMemoryDC(HDC target, const RECT& area)
        : m_target(target), m_area(area), m_dc(::CreateCompatibleDC(target)),
          m_bitmap(::CreateCompatibleBitmap(target, Width(), Height()))
    {
        if (m_dc && m_bitmap) {
            m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
            ::SetWindowOrgEx(m_dc, m_area.left, m_area.top, nullptr);
        }
    }
    ~CMemoryDC()
    {
        if (m_dc && m_bitmap && m_copyBack) {
            ::SetWindowOrgEx(m_dc, 0, 0, nullptr);
            ::BitBlt(m_target, m_area.left, m_area.top, Width(), Height(), m_dc, 0, 0, SRCCOPY);
        }
        if (m_oldBitmap)
            ::SelectObject(m_dc, m_oldBitmap);
        if (m_dc)
            ::DeleteDC(m_dc);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    operator HDC() const { return IsValid() ? m_dc : m_target; }
    bool IsValid() const { return m_dc && m_bitmap; }
    // Drops the copy back, for a draw that was abandoned.
    void Discard() { m_copyBack = false; }
    int Width() const { return m_area.right - m_area.left; }
    int Height() const { return m_area.bottom - m_area.top; }

private:
    HDC m_target;
    RECT m_area;
    HDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    bool m_copyBack = true;
};

// A memory DC that owns a bitmap of its own, kept between draws (an off-screen picture).
class COffscreenBitmap {
public:
    COffscreenBitmap() = default;
    ~COffscreenBitmap() { Release(); }
    COffscreenBitmap(const COffscreenBitmap&) = delete;
    COffscreenBitmap& operator=(const COffscreenBitmap&) = delete;

    bool Create(HDC reference, int width, int height)
    {
        Release();
        m_dc = ::CreateCompatibleDC(reference);
        m_bitmap.Reset(::CreateCompatibleBitmap(reference, width, height));
        if (!m_dc || !m_bitmap) {
            Release();
            return false;
        }
        m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
        m_width = width;
        m_height = height;
        return true;
    }
    void Release()
    {
        if (m_oldBitmap)
            ::SelectObject(m_dc, m_oldBitmap);
        m_oldBitmap = nullptr;
        if (m_dc)
            ::DeleteDC(m_dc);
        m_dc = nullptr;
        m_bitmap.Reset();
        m_width = m_height = 0;
    }
    HDC DC() const { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    HDC m_dc = nullptr;
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
};

#endif
