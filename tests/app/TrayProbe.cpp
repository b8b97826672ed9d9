#include "TrayProbe.h"

#include "app/TrayNotify.h"

bool TrayHasIcon(HWND owner)
{
    NOTIFYICONDATAA record = {};
    record.cbSize = TrayRecordSize;
    record.hWnd = owner;
    record.uID = TrayIconUid;
    return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}
