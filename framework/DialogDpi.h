// A dialog's windows laid out again for a new DPI. Dialog templates are laid out in dialog
// units once, when the dialog is made; when the window moves to a monitor of another scale
// (WM_DPICHANGED), the program scales what the template made: each control's place and size,
// and the template's font for the controls that use it. The dialog manager of Windows 10 1703
// and later would do part of this itself in a per-monitor (v2) process ("DPI awareness
// context"); it is told not to (TakeOverDialogDpiScaling), so that every build, and every
// window the program draws itself, takes the same path.
//
// What the program draws with sizes of its own (fonts it made, owner-drawn metrics, bitmaps
// chosen by size) is each control's own business: every window under the top-level one hears
// WM_DPICHANGED_AFTERPARENT once the layout is done, and asks WindowDpi for the new DPI.
#ifndef SKYLOOK_FRAMEWORK_DIALOG_DPI_H
#define SKYLOOK_FRAMEWORK_DIALOG_DPI_H

#include <windows.h>

// rect, placed for fromDpi, placed for toDpi: its corner and its size scaled and rounded
// each, so that a control as wide as its parent (a page's frame) stays as wide as it, where
// edges rounded one by one could leave the parent a pixel narrower.
RECT ScaleRectForDpi(const RECT& rect, int fromDpi, int toDpi);

// The window size to suggest at newDpi for a window whose client area scales with the DPI:
// the answer to WM_GETDPISCALEDSIZE. The frame is the one of newDpi (AdjustWindowRectExForDpi),
// which does not scale linearly, so the client area is exactly the scaled one.
SIZE DpiScaledWindowSize(HWND window, int newDpi);

// WM_DPICHANGED for a top-level window: remembers the DPI, moves the window to the suggested
// rectangle, scales the dialog layout under it and tells every window under it.
void FollowDpiChange(HWND topLevel, int newDpi, const RECT& suggested);

// A dialog just made (WM_INITDIALOG, before it initialises): notes the DPI its template was
// laid out for and takes its DPI changes over from the dialog manager. A child dialog made
// inside a window whose DPI differs from that one (a page first shown after a move) is
// scaled to the window's DPI.
void AdoptDialog(HWND dialog);

// Frees the fonts made for dialog; called when it goes.
void ForgetDialogDpi(HWND dialog);

#endif
