// A top-level window of a class of our own; the application's main window ends the message
// loop when it goes.
#ifndef SKYLOOK_FRAMEWORK_FRAME_WINDOW_H
#define SKYLOOK_FRAMEWORK_FRAME_WINDOW_H

#include "Window.h"

class CFrameWindow : public CWindow {
public:
    // Registers the class on first use. The window is created hidden unless style says so.
    bool Create(const char* className, const char* caption, DWORD style, DWORD exStyle = 0, HWND parent = nullptr,
                HICON icon = nullptr);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // WM_CLOSE: destroys the window through the virtual DestroyWindow.
    virtual void OnClose() { DestroyWindow(); }
    void OnNcDestroy() override;

private:
    static LRESULT CALLBACK FrameProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};

#endif
