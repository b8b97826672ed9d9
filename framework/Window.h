// A window object bound to an HWND that it does not own by default. Messages arrive through
// one flat switch in WindowProc and go to virtual handlers; a handler that does not handle
// its message leaves it to DefaultProc. No exception crosses a window procedure. Unlike its
// base, the view, a window object is the one C++ object of its window and is not copied.
#ifndef SKYLOOK_FRAMEWORK_WINDOW_H
#define SKYLOOK_FRAMEWORK_WINDOW_H

#include "AccessibleFacts.h"
#include "WindowView.h"

#include <windows.h>

class CWindow : public CWindowView {
public:
    CWindow() = default;
    // A window that outlives its object falls back to its class's default handling.
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    // The operations on the window itself and on its items come from CWindowView.

    // The C++ object bound to a window of this framework, or null.
    static CWindow* FromHandle(HWND hWnd);

    // Destroys the window; virtual so that owners of extra resources (a tray icon) can
    // release them while the window still exists.
    virtual bool DestroyWindow();

    // The message switch. Derived classes normally override the handlers below instead.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // A window that draws itself says what assistive technology should hear of it; false
    // (the default) leaves the system's own answer for a standard window.
    virtual bool DescribeForAccessibility(AccessibleFacts&) const { return false; }
    // What a reader's "do the default action" does; false when there is none.
    virtual bool DoAccessibleDefaultAction() { return false; }

protected:
    // Handlers return true when they handled the message.
    // False fails the window's creation.
    virtual bool OnCreate(CREATESTRUCTA* create);
    virtual void OnDestroy() {}
    virtual void OnNcDestroy();
    virtual bool OnCommand(WORD id, WORD code, HWND control);
    virtual bool OnNotify(NMHDR* header, LRESULT& result);
    virtual bool OnTimer(UINT_PTR id);
    virtual bool OnPaint() { return false; }
    virtual bool OnEraseBackground(HDC) { return false; }
    // Colours a child control; the default offers the message to the control object itself.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT type);
    virtual bool OnDrawItem(DRAWITEMSTRUCT* item);
    virtual bool OnMouseMove(UINT, POINT) { return false; }
    virtual bool OnMouseLeave() { return false; }
    virtual bool OnSetCursor(HWND, UINT, UINT) { return false; }
    // The window's DPI changed (WindowDpi has the new one) and its parent's layout is done:
    // sizes, fonts and pictures of the window's own are made again for it.
    virtual void OnDpiChanged() {}
    // Everything else, registered messages included.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // A message that the window's parent sent about this window (WM_CTLCOLOR*, WM_DRAWITEM,
    // and WM_COMMAND or WM_NOTIFY that the parent left unhandled), offered back to it.
    virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Hands a message that a child sent its parent back to the child's own object.
    static bool ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    void Bind(HWND hWnd);
    void Unbind();

    friend class CControl;
    friend class CDialog;
    friend class CFrameWindow;
};

// WM_CTLCOLORMSGBOX .. WM_CTLCOLORSTATIC: a child asks its parent for colours.
inline bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Requests one WM_MOUSELEAVE for the window; false when tracking could not be requested.
bool TrackMouseLeave(HWND hWnd);

#endif
