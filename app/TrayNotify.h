// The tray icon record as the shell expects it from this program.
#ifndef SKYLOOK_TRAY_NOTIFY_H
#define SKYLOOK_TRAY_NOTIFY_H

#include <windows.h>
#include <shellapi.h>

// The Windows 2000 layout of NOTIFYICONDATAA: every shell since then accepts it.
constexpr DWORD TrayRecordSize = NOTIFYICONDATAA_V2_SIZE;

constexpr UINT TrayIconUid = 1;

// The tray picture iconId at the small-icon size of dpi (GetSystemMetricsForDpi), the DPI of
// the notification area; loaded once per size.
HICON TrayIconForDpi(UINT iconId, int dpi);

// The DPI the notification area is drawn for: that of the taskbar's monitor.
int NotificationAreaDpi();

// Fills the record for one icon: message, icon and tooltip (cut to the tip field's size).
void FillTrayRecord(NOTIFYICONDATAA& record, HWND owner, UINT callbackMessage, HICON icon, const char* tooltip);

// Fills the record for a balloon on that icon, leaving its picture and tooltip alone: title
// and text cut to their fields, icon the balloon's own.
void FillBalloonRecord(NOTIFYICONDATAA& record, HWND owner, HICON icon, const char* title, const char* text);

#endif
