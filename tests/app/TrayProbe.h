// Whether the tray holds the program's icon for a window: the shell modifies only icons it has.
#ifndef SKYLOOK_TESTS_APP_TRAY_PROBE_H
#define SKYLOOK_TESTS_APP_TRAY_PROBE_H

#include <windows.h>

bool TrayHasIcon(HWND owner);

#endif
