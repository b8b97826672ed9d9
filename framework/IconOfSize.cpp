#include "IconOfSize.h"

#include "DpiAwareness.h"

#include <map>
#include <utility>

HICON IconOfSize(UINT iconId, int size)
{
    // Only the program's few icons at the few sizes of the monitors it met: never freed.
    static std::map<std::pair<UINT, int>, HICON> loaded;
    const auto key = std::make_pair(iconId, size);
    if (const auto found = loaded.find(key); found != loaded.end())
        return found->second;
    HICON icon = static_cast<HICON>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON, size, size, 0));
    if (icon)
        loaded.emplace(key, icon);
    return icon;
}

void SetCaptionIcons(HWND window, UINT iconId)
{
    const int dpi = WindowDpi(window);
    // The caption's icon drawn at its own size, not the large one shrunk.
    if (HICON big = IconOfSize(iconId, SystemMetricForDpi(SM_CXICON, dpi)))
        ::SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (HICON small = IconOfSize(iconId, SystemMetricForDpi(SM_CXSMICON, dpi)))
        ::SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}
