// The one accessibility object of the program's drawn controls: an IAccessible for a
// window's client area that asks the window's C++ object for its facts whenever it is read,
// so that it never holds a stale copy and answers "disconnected" once the window is gone.
#ifndef SKYLOOK_FRAMEWORK_ACCESSIBLE_OBJECT_H
#define SKYLOOK_FRAMEWORK_ACCESSIBLE_OBJECT_H

#include <windows.h>

#include <oleacc.h>

// A new object for window's client (one reference, the caller's); null without memory.
IAccessible* CreateClientAccessible(HWND window);

// Answers WM_GETOBJECT for the window's client area with that object; false for any other
// object id, or when the object could not be handed out, which leaves the system's answer.
bool AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId, LRESULT& result);

// The state bits that the window itself shows: unavailable, invisible, focused.
long WindowAccessibleState(HWND window);

#endif
