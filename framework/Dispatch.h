// The boundary between Win32 and the window objects: no exception leaves a window procedure.
#ifndef SKYLOOK_FRAMEWORK_DISPATCH_H
#define SKYLOOK_FRAMEWORK_DISPATCH_H

#include "Window.h"

inline LRESULT DispatchGuarded(CWindow& window, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return window.WindowProc(message, wParam, lParam);
    } catch (...) {
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

#endif
