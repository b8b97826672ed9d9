#include "ui/common/PendingApply.h"

#include "state/ProgramState.h"
#include "settings/DefaultSettings.h"

void SaveAndRequestApply(AdapterSettings settings)
{
    settings.ApplyScope = ApplyScopeAll;
    PendingSettings = settings;
    CurrentStatus.LinkState = LinkScanning;
    SaveDefaultSettings(settings);
    ApplyRequest = ApplyRequested;
}
