#include "TrayNotify.h"

#include "LinkBalloon.h"

#include "framework/DpiAwareness.h"
#include "framework/IconOfSize.h"

#include <cstdio>
#include <cstring>

static_assert(sizeof(void*) != 8 || TrayRecordSize == 504, "64-bit Windows 2000 layout");
static_assert(sizeof(NOTIFYICONDATAA::szInfoTitle) == BalloonTitleRoom + 1, "the title's room is the field");
static_assert(sizeof(NOTIFYICONDATAA::szInfo) == BalloonTextRoom + 1, "the text's room is the field");
static_assert(sizeof(void*) != 4 || TrayRecordSize == 488, "32-bit Windows 2000 layout");

HICON TrayIconForDpi(UINT iconId, int dpi)
{
    return IconOfSize(iconId, SystemMetricForDpi(SM_CXSMICON, dpi));
}

int NotificationAreaDpi()
{
    return MonitorDpi(::FindWindowA("Shell_TrayWnd", nullptr));
}

void FillTrayRecord(NOTIFYICONDATAA& record, HWND owner, UINT callbackMessage, HICON icon, const char* tooltip)
{
    std::memset(&record, 0, sizeof record);
    record.cbSize = TrayRecordSize;
    record.hWnd = owner;
    record.uID = TrayIconUid;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = callbackMessage;
    record.hIcon = icon;
    std::snprintf(record.szTip, sizeof record.szTip, "%s", tooltip ? tooltip : "");
}

void FillBalloonRecord(NOTIFYICONDATAA& record, HWND owner, HICON icon, const char* title, const char* text)
{
    std::memset(&record, 0, sizeof record);
    record.cbSize = TrayRecordSize;
    record.hWnd = owner;
    record.uID = TrayIconUid;
    // Without NIF_ICON the shell keeps the tray picture; NIIF_USER takes hIcon for the balloon.
    record.uFlags = NIF_INFO;
    record.hIcon = icon;
    record.dwInfoFlags = NIIF_USER;
    std::snprintf(record.szInfoTitle, sizeof record.szInfoTitle, "%s", title ? title : "");
    std::snprintf(record.szInfo, sizeof record.szInfo, "%s", text ? text : "");
}
