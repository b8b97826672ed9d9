// The process's GDI and USER object counts, for leak checks. Where GetGuiResources reports
// nothing (Wine), GDI objects are counted by walking the handle table and USER objects are
// the windows of the calling thread.
#ifndef SKYLOOK_TESTS_GUI_RESOURCES_H
#define SKYLOOK_TESTS_GUI_RESOURCES_H

#include <windows.h>

DWORD GdiObjectCount();
DWORD UserObjectCount();

#endif
