// The focus that the dialog moved off a control it disabled, kept so that the focus can go
// back there when the control is enabled again, provided the user has not moved it since.
#ifndef SKYLOOK_UI_FOCUS_RETURN_H
#define SKYLOOK_UI_FOCUS_RETURN_H

#include <windows.h>

// Where the focus went when the control that had it was disabled; both null when the
// focus did not move.
struct FocusMove {
    HWND Left = nullptr;
    HWND To = nullptr;
};

class CFocusReturn {
public:
    // A later move replaces an earlier one: the focus can come back only one step.
    void Remember(const FocusMove& move);
    // Gives the focus back to the control it left once that control is enabled and visible
    // again, when the focus is still where it was put; forgets the move when the user has
    // moved the focus meanwhile. The dialog moves it, so that its default button follows.
    void ComeBack(HWND dialog);
    void Forget() { m_move = FocusMove{}; }
    const FocusMove& Pending() const { return m_move; }

private:
    FocusMove m_move;
};

#endif
