#include "ui/frame/OwnedWindows.h"

namespace {

bool IsOwnedBy(HWND window, HWND dialog)
{
    for (HWND owner = ::GetWindow(window, GW_OWNER); owner; owner = ::GetWindow(owner, GW_OWNER)) {
        if (owner == dialog)
            return true;
    }
    return false;
}

BOOL CALLBACK CloseIfOwned(HWND window, LPARAM context)
{
    const HWND dialog = reinterpret_cast<HWND>(context);
    if (window != dialog && IsOwnedBy(window, dialog))
        ::PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

void CloseWindowsOwnedBy(HWND dialog)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), &CloseIfOwned, reinterpret_cast<LPARAM>(dialog));
}
