// The tray icon's menu: the user's two options as check items, then "Exit".
#ifndef SKYLOOK_TRAY_MENU_H
#define SKYLOOK_TRAY_MENU_H

#include "framework/Handles.h"

#include <windows.h>

// A popup menu with each option checked as stored now; empty when the menu could not be made.
CMenu BuildTrayMenu();

// For an option's command: turns the stored option over and true; when the registry refuses
// the change the user is told so, over owner. False for any other command.
bool ToggleTrayOption(UINT command, HWND owner);

#endif
