// The control gallery: one dialog with every control in each of its states. An optional
// argument closes it after that many milliseconds (for screenshots).
#include "GalleryDialog.h"

#include "framework/CommonControls.h"

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    EnsureCommonControls();
    unsigned long closeAfter = commandLine ? std::strtoul(commandLine, nullptr, 10) : 0;
    CGalleryDialog gallery(static_cast<UINT>(closeAfter));
    return gallery.DoModal(nullptr) == -1 ? 1 : 0;
}
