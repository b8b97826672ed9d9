#include "ProgramState.h"

#include <cstring>

AdapterStatus CurrentStatus = {};
AdapterSettings PendingSettings = {};
int ApplyRequest = 0;
unsigned char RadioOn = 0;
unsigned char RadioOffByAdapter = 0;
unsigned char ConfigDialogOpen = 0;
unsigned char TrayIconAdded = 0;
int ZeroConfigActive = 0;
int DefaultsApplied = 0;
int AntennaSet = 0;
int PreviousLinkState = 0;
int ReapplyCount = 0;
OSVERSIONINFOA OsVersion = {};

void ResetProgramState()
{
    std::memset(&CurrentStatus, 0, sizeof CurrentStatus);
    std::memset(&PendingSettings, 0, sizeof PendingSettings);
    ApplyRequest = 0;
    RadioOn = 0;
    RadioOffByAdapter = 0;
    ConfigDialogOpen = 0;
    TrayIconAdded = 0;
    ZeroConfigActive = 0;
    DefaultsApplied = 0;
    AntennaSet = 0;
    PreviousLinkState = 0;
    ReapplyCount = 0;
    std::memset(&OsVersion, 0, sizeof OsVersion);
}
