// A template or created control taken over by a C++ object: the object sees every message
// first, the control's own procedure handles what the object leaves, and messages that the
// parent receives about the control (colouring, owner drawing) are reflected to it.
#ifndef SKYLOOK_FRAMEWORK_CONTROL_H
#define SKYLOOK_FRAMEWORK_CONTROL_H

#include "Window.h"

class CControl : public CWindow {
public:
    ~CControl() override;

    // Binds the object to an existing window; false when either is already bound.
    bool Subclass(HWND hWnd);
    bool SubclassItem(HWND parent, int id) { return Subclass(::GetDlgItem(parent, id)); }
    // Gives the window its own procedure back; also done when the window goes.
    void Unsubclass();

    // Creates a window of a standard class and subclasses it.
    bool CreateControl(const char* className, const char* text, DWORD style, const RECT& rect, HWND parent,
                       int id, DWORD exStyle = 0);

protected:
    // Runs before the object takes the window over (the window is valid, m_hWnd is set).
    virtual void PreSubclass() {}

    void OnNcDestroy() override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK ControlProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    WNDPROC m_originalProc = nullptr;
};

#endif
