// The control gallery: one dialog with every control in each of its states. An optional
// argument closes it after that many milliseconds (for screenshots).
#include "GalleryDialog.h"

#include <commctrl.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    unsigned long closeAfter = commandLine ? std::strtoul(commandLine, nullptr, 10) : 0;
    CGalleryDialog gallery(static_cast<UINT>(closeAfter));
    return gallery.DoModal(nullptr) == -1 ? 1 : 0;
}
