// What a screen reader reads of a window: asks the window for its client object with
// WM_GETOBJECT, as assistive technology does, and reads it in this process.
#ifndef SKYLOOK_TESTS_ACCESSIBLE_READER_H
#define SKYLOOK_TESTS_ACCESSIBLE_READER_H

#include <windows.h>

#include <oleacc.h>

#include <string>

struct AccessibleReading {
    bool Answered = false;  // the window handed out an object
    long Role = 0;
    std::string Name;
    std::string Value;
    long State = 0;
    std::string Shortcut;
    HRESULT NameResult = E_FAIL;
};

// The object the window hands out for its client area, or null (COM is started on the
// thread first). The caller releases it.
IAccessible* ClientObjectOf(HWND window);
// Reads the object; a null object reads as not answered.
AccessibleReading Read(IAccessible* object);
AccessibleReading ReadAccessible(HWND window);

#endif
