// The DPI a window is drawn for. The program is per-monitor DPI aware (v2): a window's DPI is
// that of the monitor it is on, and changes when it moves ("High DPI Desktop Application
// Development on Windows"). Windows tells only the top-level window (WM_DPICHANGED); its
// DPI, as that message last gave it, is kept on the window, and every control of the window
// asks it here ("The current DPI for a window always equals the last DPI sent by
// WM_DPICHANGED"). The per-DPI functions came with Windows 10 1607 and 1703; they are bound at
// run time, and an older system answers with its one system DPI.
#ifndef SKYLOOK_FRAMEWORK_DPI_AWARENESS_H
#define SKYLOOK_FRAMEWORK_DPI_AWARENESS_H

#include <windows.h>

// Messages and values newer than the headers' target version.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_BEFOREPARENT
#define WM_DPICHANGED_BEFOREPARENT 0x02E2
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

constexpr int DefaultDpi = 96;

// The DPI that the system lays windows out for at start (GetDpiForSystem), read once; 96
// when the screen cannot be asked.
int SystemDpi();

// The DPI that window is drawn for: the one its top-level window was last told, else what
// the system says of it (GetDpiForWindow), else the system DPI.
int WindowDpi(HWND window);

// The DPI the system itself gives the window (GetDpiForWindow; the system DPI where the
// function is missing), whatever the window was told: the DPI a dialog template was laid
// out for when the window was made.
int SystemWindowDpi(HWND window);

// Keeps dpi as the DPI of topLevel and its children, as WM_DPICHANGED gave it.
void RememberWindowDpi(HWND topLevel, int dpi);

// A system metric at dpi (GetSystemMetricsForDpi); older systems scale the system DPI's
// value.
int SystemMetricForDpi(int index, int dpi);

// The window rectangle around client at dpi (AdjustWindowRectExForDpi); older systems
// use the system DPI's frame.
RECT WindowRectForDpi(const RECT& client, DWORD style, DWORD exStyle, bool hasMenu, int dpi);

// The DPI of the monitor that holds window (GetDpiForMonitor, the effective DPI), or of the
// primary monitor for null: what the notification area on the taskbar is drawn for.
int MonitorDpi(HWND window);

// Tells the dialog manager to leave the dialog's DPI changes to the program
// (SetDialogDpiChangeBehavior, DDC_DISABLE_ALL; Windows 10 1703 and later). The program
// scales the template's controls and fonts itself, the same way on every Windows 10 build:
// doing it also where the dialog manager would have would scale everything twice.
void TakeOverDialogDpiScaling(HWND dialog);

#endif
