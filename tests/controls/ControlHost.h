// A visible top-level framework window that hosts the controls under test, so that the
// colouring and owner-draw messages of its children are reflected to their objects. One
// window serves the whole test program (a top-level window costs Wine a pause to take
// down); each CControlHost destroys the children it created.
#ifndef SKYLOOK_TESTS_CONTROL_HOST_H
#define SKYLOOK_TESTS_CONTROL_HOST_H

#include "framework/Control.h"

#include <gtest/gtest.h>

#include <vector>

class CControlHost {
public:
    CControlHost();
    ~CControlHost();
    CControlHost(const CControlHost&) = delete;
    CControlHost& operator=(const CControlHost&) = delete;

    HWND Handle() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Creates a child of the given class at rect (client coordinates) and binds control to it.
    void Add(CControl& control, const char* className, const char* text, DWORD style, const RECT& rect, int id,
             DWORD exStyle = 0);

private:
    HWND m_hWnd;
    std::vector<HWND> m_children;
};

// Puts the cursor over the window's client point, and lets the moves it causes arrive.
void MoveCursorTo(HWND window, POINT client);
// Puts the cursor somewhere no test window is.
void MoveCursorAway();

#endif
