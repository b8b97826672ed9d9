#include "state/ProgramState.h"

#include <cstring>

AdapterStatus CurrentStatus = {};
AdapterSettings PendingSettings = {};
int ApplyRequest = ApplyIdle;
ApplyOrigin ApplyRequestOrigin = ApplyOrigin::User;
unsigned char RadioOn = 0;
unsigned char ConfigDialogOpen = 0;
unsigned char ForeignMarkerHolder = 0;
int ZeroConfigActive = 0;
int PreviousLinkState = 0;
ScanList LastScan = {};
OSVERSIONINFOA OsVersion = {};
EapCertificateSelection EapSelection = {};

void RequestApply(ApplyOrigin origin)
{
    ApplyRequest = ApplyRequested;
    ApplyRequestOrigin = origin;
}

bool IsWindowsXp(const OSVERSIONINFOA& version)
{
    return version.dwMajorVersion == 5 && version.dwMinorVersion == 1;
}

void ResetSharedState()
{
    std::memset(&CurrentStatus, 0, sizeof CurrentStatus);
    std::memset(&PendingSettings, 0, sizeof PendingSettings);
    ApplyRequest = ApplyIdle;
    ApplyRequestOrigin = ApplyOrigin::User;
    RadioOn = 0;
    ConfigDialogOpen = 0;
    ForeignMarkerHolder = 0;
    ZeroConfigActive = 0;
    PreviousLinkState = 0;
    std::memset(&LastScan, 0, sizeof LastScan);
    std::memset(&OsVersion, 0, sizeof OsVersion);
    std::memset(&EapSelection, 0, sizeof EapSelection);
}
