// The box that refuses an input: caption "Warning", information icon. Nothing is stored
// while one is shown.
#ifndef SKYLOOK_UI_INPUT_WARNING_H
#define SKYLOOK_UI_INPUT_WARNING_H

#include <windows.h>

#include <string>

void ShowInputWarning(HWND owner, const std::string& text);

// The same box after a save that the registry refused: the settings are applied all the
// same, and the user learns that they will not last and what to do about it.
void ShowSettingsNotStored(HWND owner);

// The same box for a change that this copy may not make: the card is managed by the copy in
// another user's session, or something that is not Skylook has the name of the marker.
void ShowManagedElsewhere(HWND owner);

#endif
