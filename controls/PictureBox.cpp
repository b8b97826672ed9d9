#include "controls/PictureBox.h"

#include "controls/DrawingPrimitives.h"

CPictureBox::CPictureBox() : m_stop(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

CPictureBox::~CPictureBox()
{
    StopWorker();
    ReleasePicture();
    m_backgroundColour = RGB(255, 255, 255);
    if (m_stop)
        ::CloseHandle(m_stop);
}

void CPictureBox::ReleasePicture()
{
    m_picture.Release();
    std::lock_guard<std::mutex> lock(m_sourceLock);
    m_source = RECT{};
    m_size = SIZE{};
}

bool CPictureBox::SetPicture(HBITMAP bitmap, SIZE shown)
{
    StopWorker();
    ReleasePicture();
    BITMAP info = {};
    if (!bitmap || !::GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return false;
    if (shown.cx <= 0 || shown.cy <= 0)
        shown = SIZE{info.bmWidth, info.bmHeight};
    bool copied = false;
    if (HDC screen = ::GetDC(nullptr)) {
        if (m_picture.Create(screen, shown.cx, shown.cy)) {
            if (HDC source = ::CreateCompatibleDC(screen)) {
                HGDIOBJ old = ::SelectObject(source, bitmap);
                if (shown.cx == info.bmWidth && shown.cy == info.bmHeight) {
                    copied = ::BitBlt(m_picture.DC(), 0, 0, shown.cx, shown.cy, source, 0, 0, SRCCOPY) != FALSE;
                } else {
                    ::SetStretchBltMode(m_picture.DC(), HALFTONE);
                    ::SetBrushOrgEx(m_picture.DC(), 0, 0, nullptr);
                    copied = ::StretchBlt(m_picture.DC(), 0, 0, shown.cx, shown.cy, source, 0, 0, info.bmWidth,
                                          info.bmHeight, SRCCOPY) != FALSE;
                }
                ::SelectObject(source, old);
                ::DeleteDC(source);
            }
        }
        ::ReleaseDC(nullptr, screen);
    }
    if (!copied) {
        ReleasePicture();
        return false;
    }
    m_size = shown;
    if (m_hWnd)
        Invalidate(false);
    return true;
}

void CPictureBox::SetSourceRect(const RECT& source)
{
    {
        std::lock_guard<std::mutex> lock(m_sourceLock);
        m_source = source;
    }
    if (m_hWnd)
        Invalidate(false);
}

RECT CPictureBox::SourceRect() const
{
    std::lock_guard<std::mutex> lock(m_sourceLock);
    return m_source;
}

void CPictureBox::SetBackgroundColour(COLORREF colour)
{
    m_backgroundColour = colour;
    if (m_hWnd)
        Invalidate(false);
}

bool CPictureBox::StartAnimation(int frameWidth, DWORD interval)
{
    StopWorker();
    if (!m_stop || !m_picture.DC() || frameWidth <= 0 || frameWidth > m_size.cx || interval == 0)
        return false;
    m_frameWidth = frameWidth;
    m_interval = interval;
    m_animatedWindow = m_hWnd;
    SetSourceRect(RECT{0, 0, frameWidth, m_size.cy});
    m_worker = ::CreateThread(nullptr, 0, &CPictureBox::WorkerMain, this, 0, nullptr);
    return m_worker != nullptr;
}

void CPictureBox::StopWorker()
{
    if (!m_stop)
        return;
    ::SetEvent(m_stop);
    if (m_worker) {
        ::WaitForSingleObject(m_worker, WorkerStopTimeout);
        ::CloseHandle(m_worker);
        m_worker = nullptr;
    }
    ::ResetEvent(m_stop);
}

DWORD WINAPI CPictureBox::WorkerMain(void* parameter)
{
    static_cast<CPictureBox*>(parameter)->Animate();
    return 0;
}

void CPictureBox::Animate()
{
    int frames = m_size.cx / m_frameWidth;
    int frame = 0;
    while (::WaitForSingleObject(m_stop, m_interval) == WAIT_TIMEOUT) {
        frame = (frame + 1) % frames;
        {
            std::lock_guard<std::mutex> lock(m_sourceLock);
            m_source = RECT{frame * m_frameWidth, 0, (frame + 1) * m_frameWidth, m_size.cy};
        }
        if (m_animatedWindow)
            ::InvalidateRect(m_animatedWindow, nullptr, FALSE);
    }
}

bool CPictureBox::PaintPicture(HDC dc)
{
    if (!m_picture.DC() || m_size.cx <= 0)
        return false;
    RECT source = SourceRect();
    if (source.right - source.left <= 0)
        source = RECT{0, 0, m_size.cx, m_size.cy};
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    FillSolidRect(dc, client, m_backgroundColour);
    ::BitBlt(dc, 0, 0, RectWidth(source), RectHeight(source), m_picture.DC(), source.left, source.top, SRCCOPY);
    return true;
}

bool CPictureBox::OnPaint()
{
    if (!m_picture.DC())
        return false;
    CPaintDC paint(m_hWnd);
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    CMemoryDC memory(paint, client);
    PaintPicture(memory);
    return true;
}

bool CPictureBox::OnEraseBackground(HDC)
{
    return m_picture.DC() != nullptr;
}

void CPictureBox::OnDestroy()
{
    StopWorker();
}

bool CPictureBox::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message != WM_PRINTCLIENT || !m_picture.DC())
        return false;
    PaintPicture(reinterpret_cast<HDC>(wParam));
    result = 0;
    return true;
}
