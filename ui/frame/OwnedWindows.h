// The windows a dialog owns at any depth: message boxes and sub-dialogs opened from it or
// from its pages.
#ifndef SKYLOOK_UI_OWNED_WINDOWS_H
#define SKYLOOK_UI_OWNED_WINDOWS_H

#include <windows.h>

// Posts WM_CLOSE to every window of this thread that the dialog owns, directly or through
// another owned window, so that each ends its own modal loop as a close from its caption would.
void CloseWindowsOwnedBy(HWND dialog);

#endif
