// A picture holder that replaces a static: it shows an off-screen picture, or one frame of
// a horizontal strip of frames that a worker thread steps through. With no picture of its
// own it leaves the static to paint what the template gave it.
#ifndef SKYLOOK_CONTROLS_PICTURE_BOX_H
#define SKYLOOK_CONTROLS_PICTURE_BOX_H

#include "framework/Control.h"
#include "framework/Gdi.h"

#include <mutex>

class CPictureBox : public CControl {
public:
    // How long stopping waits for the worker.
    static constexpr DWORD WorkerStopTimeout = 5000;

    CPictureBox();
    ~CPictureBox() override;

    // Copies bitmap (still owned by the caller) into the off-screen picture, stretched to
    // shown when that is given (smoothly: for a picture drawn for another screen scale).
    bool SetPicture(HBITMAP bitmap, SIZE shown = {});
    // The part of the picture shown; an empty rectangle shows the whole picture.
    void SetSourceRect(const RECT& source);
    void SetBackgroundColour(COLORREF colour);
    // Shows the picture as frames frameWidth wide, the next one every interval milliseconds.
    bool StartAnimation(int frameWidth, DWORD interval);
    void StopWorker();

    SIZE PictureSize() const { return m_size; }
    RECT SourceRect() const;
    COLORREF BackgroundColour() const { return m_backgroundColour; }
    bool IsAnimating() const { return m_worker != nullptr; }

    // Draws the picture into dc over the client area; false when there is none.
    bool PaintPicture(HDC dc);

protected:
    bool OnPaint() override;
    bool OnEraseBackground(HDC dc) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static DWORD WINAPI WorkerMain(void* parameter);
    void Animate();
    void ReleasePicture();

    COffscreenBitmap m_picture;
    mutable std::mutex m_sourceLock;
    RECT m_source = {};
    SIZE m_size = {};
    COLORREF m_backgroundColour = RGB(255, 255, 255);
    HANDLE m_stop;
    HANDLE m_worker = nullptr;
    int m_frameWidth = 0;
    DWORD m_interval = 0;
    HWND m_animatedWindow = nullptr;  // read by the worker, set before it starts
};

#endif
