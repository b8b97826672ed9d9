#include "DpiAwareness.h"

#include "SystemLibrary.h"

namespace {
// The top-level window's property that holds its DPI as WM_DPICHANGED last gave it.
const char* const DpiProperty = "Skylook.WindowDpi";

// The per-DPI functions of user32, where this Windows has them: GetDpiForSystem and
// GetDpiForWindow (Windows 10 1607), GetSystemMetricsForDpi and AdjustWindowRectExForDpi
// (1607), SetDialogDpiChangeBehavior (1703).
struct DpiFunctions {
    UINT(WINAPI* GetDpiForSystem)() = nullptr;
    UINT(WINAPI* GetDpiForWindow)(HWND) = nullptr;
    int(WINAPI* GetSystemMetricsForDpi)(int, UINT) = nullptr;
    BOOL(WINAPI* AdjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
    BOOL(WINAPI* SetDialogDpiChangeBehavior)(HWND, int, int) = nullptr;
};

const DpiFunctions& Functions()
{
    static const DpiFunctions functions = [] {
        DpiFunctions found;
        // user32 is already loaded; binding it by name only finds what this Windows exports.
        CSystemLibrary user("user32.dll");
        user.Find(found.GetDpiForSystem, "GetDpiForSystem");
        user.Find(found.GetDpiForWindow, "GetDpiForWindow");
        user.Find(found.GetSystemMetricsForDpi, "GetSystemMetricsForDpi");
        user.Find(found.AdjustWindowRectExForDpi, "AdjustWindowRectExForDpi");
        user.Find(found.SetDialogDpiChangeBehavior, "SetDialogDpiChangeBehavior");
        return found;
    }();
    return functions;
}

int ScreenLogPixels()
{
    int found = 0;
    if (HDC screen = ::GetDC(nullptr)) {
        found = ::GetDeviceCaps(screen, LOGPIXELSX);
        ::ReleaseDC(nullptr, screen);
    }
    return found;
}

int UsableDpi(int dpi)
{
    return dpi > 0 ? dpi : DefaultDpi;
}
}  // namespace

int SystemDpi()
{
    static const int dpi = [] {
        const DpiFunctions& functions = Functions();
        return UsableDpi(functions.GetDpiForSystem ? static_cast<int>(functions.GetDpiForSystem()) : ScreenLogPixels());
    }();
    return dpi;
}

int SystemWindowDpi(HWND window)
{
    const DpiFunctions& functions = Functions();
    if (window && functions.GetDpiForWindow)
        if (const UINT dpi = functions.GetDpiForWindow(window))
            return static_cast<int>(dpi);
    return SystemDpi();
}

int WindowDpi(HWND window)
{
    if (!window)
        return SystemDpi();
    HWND topLevel = ::GetAncestor(window, GA_ROOT);
    if (const HANDLE told = ::GetPropA(topLevel ? topLevel : window, DpiProperty))
        return static_cast<int>(reinterpret_cast<INT_PTR>(told));
    return SystemWindowDpi(window);
}

void RememberWindowDpi(HWND topLevel, int dpi)
{
    if (topLevel && dpi > 0)
        ::SetPropA(topLevel, DpiProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
}

int SystemMetricForDpi(int index, int dpi)
{
    dpi = UsableDpi(dpi);
    if (const auto forDpi = Functions().GetSystemMetricsForDpi)
        return forDpi(index, static_cast<UINT>(dpi));
    return ::MulDiv(::GetSystemMetrics(index), dpi, SystemDpi());
}

RECT WindowRectForDpi(const RECT& client, DWORD style, DWORD exStyle, bool hasMenu, int dpi)
{
    RECT rect = client;
    if (const auto forDpi = Functions().AdjustWindowRectExForDpi) {
        if (forDpi(&rect, style, hasMenu ? TRUE : FALSE, exStyle, static_cast<UINT>(UsableDpi(dpi))))
            return rect;
        rect = client;
    }
    ::AdjustWindowRectEx(&rect, style, hasMenu ? TRUE : FALSE, exStyle);
    return rect;
}

int MonitorDpi(HWND window)
{
    // GetDpiForMonitor answers for the caller's awareness; for a per-monitor aware caller
    // Microsoft points to GetDpiForWindow, which for a per-monitor aware window (the
    // taskbar's) is its monitor's DPI.
    if (window && Functions().GetDpiForWindow)
        return SystemWindowDpi(window);
    return SystemDpi();
}

void TakeOverDialogDpiScaling(HWND dialog)
{
    const int DisableAll = 0x0001;  // DDC_DISABLE_ALL
    if (const auto set = Functions().SetDialogDpiChangeBehavior)
        set(dialog, DisableAll, DisableAll);
}
