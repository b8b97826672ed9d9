#include "CommonControls.h"

#include "SystemLibrary.h"

#include <commctrl.h>

bool EnsureCommonControls()
{
    static const bool registered = [] {
        decltype(&::InitCommonControlsEx) initialise = nullptr;
        if (!CSystemLibrary("comctl32.dll").Find(initialise, "InitCommonControlsEx"))
            return false;
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
        return initialise(&classes) != FALSE;
    }();
    return registered;
}
