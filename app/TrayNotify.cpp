#include "TrayNotify.h"

#include <cstdio>
#include <cstring>

static_assert(sizeof(void*) != 8 || TrayRecordSize == 504, "64-bit Windows 2000 layout");
static_assert(sizeof(void*) != 4 || TrayRecordSize == 488, "32-bit Windows 2000 layout");

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
