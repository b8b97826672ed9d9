// Whether a control that draws itself shows its focus mark: hidden until the keyboard is
// used, when the system's setting asks for that, as the dialog tells its controls with
// WM_UPDATEUISTATE. The control keeps what it was told rather than asking WM_QUERYUISTATE at
// each paint: not every system answers that query with the state it passed down (Wine).
#ifndef SKYLOOK_CONTROLS_FOCUS_CUES_H
#define SKYLOOK_CONTROLS_FOCUS_CUES_H

#include <windows.h>

// Whether focus marks are hidden after a WM_UPDATEUISTATE of wParam, from hidden before;
// asked (WM_QUERYUISTATE's answer) is what the window reports, for UIS_INITIALIZE.
bool FocusMarksHiddenAfter(bool hidden, WPARAM update, LRESULT asked);

class CFocusCues {
public:
    // Reads the window's state when the control takes the window over.
    void Read(HWND window);
    // Follows a WM_UPDATEUISTATE that the window's procedure has seen; true when it changed.
    bool Update(HWND window, WPARAM update);
    bool MarkHidden() const { return m_hidden; }

private:
    bool m_hidden = false;
};

#endif
