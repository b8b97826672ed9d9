// The common controls library, loaded when the first window that needs its classes is
// about to be made rather than when the program starts.
#ifndef SKYLOOK_FRAMEWORK_COMMON_CONTROLS_H
#define SKYLOOK_FRAMEWORK_COMMON_CONTROLS_H

// Loads comctl32.dll once (the version the process's manifest asks for) and registers the
// classes the dialogs use (tab control, progress bar and the rest of the Windows 95
// set). Cheap after the first call. False when the library or its registration failed;
// windows of those classes then cannot be created.
bool EnsureCommonControls();

#endif
