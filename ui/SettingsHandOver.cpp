#include "SettingsHandOver.h"

#include "app/ProgramState.h"

void StagePendingSettings(const AdapterSettings& settings)
{
    PendingSettings = settings;
    PendingSettings.ApplyScope = ApplyScopeAll;
    CurrentStatus.LinkState = LinkScanning;
}

void RequestApply()
{
    ApplyRequest = 1;
}
