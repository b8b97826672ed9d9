#include "TickState.h"

#include "settings/DefaultsInUse.h"
#include "state/ProgramState.h"

unsigned char TrayIconAdded = 0;
int DefaultsApplied = 0;
int AntennaSet = 0;
unsigned char RadioOffSeen = 0;
int ReapplyCount = 0;
unsigned char ReapplyPending = 0;
unsigned char ManagesAdapter = 1;

void ResetProgramState()
{
    ResetSharedState();
    TrayIconAdded = 0;
    DefaultsApplied = 0;
    AntennaSet = 0;
    RadioOffSeen = 0;
    ReapplyCount = 0;
    ReapplyPending = 0;
    ForgetUnstoredDefaultSettings();
    ManagesAdapter = 1;
}
