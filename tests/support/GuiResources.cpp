#include "GuiResources.h"

namespace {
BOOL CALLBACK CountWindow(HWND window, LPARAM counter)
{
    ++*reinterpret_cast<DWORD*>(counter);
    ::EnumChildWindows(window, &CountWindow, counter);
    return TRUE;
}
}  // namespace

DWORD GdiObjectCount()
{
    if (DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return count;
    // Wine accepts a bare table index as a handle of whatever lives in that slot.
    DWORD count = 0;
    for (UINT_PTR index = 1; index < 0x10000; ++index)
        count += ::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
    return count;
}

DWORD UserObjectCount()
{
    if (DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS))
        return count;
    DWORD count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}
