// The box that refuses an input: caption "Warning", information icon. Nothing is stored
// while one is shown.
#ifndef SKYLOOK_UI_INPUT_WARNING_H
#define SKYLOOK_UI_INPUT_WARNING_H

#include <windows.h>

#include <string>

void ShowInputWarning(HWND owner, const std::string& text);

#endif
