// How another process finds the running skylook.exe: its hidden main frame's class and
// caption. The program creates the frame with them; a second copy and skylookctl look for
// them, so both sides take them from here.
#ifndef SKYLOOK_PROTOCOL_PROGRAM_WINDOW_H
#define SKYLOOK_PROTOCOL_PROGRAM_WINDOW_H

#include <windows.h>

constexpr const char* MainFrameClassName = "SkylookMainFrame";
constexpr const char* MainFrameCaption = "Kelbrin 802.11g Skylook";

// The running program's main frame, or nullptr when it does not run.
HWND FindRunningProgram();

#endif
