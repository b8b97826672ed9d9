#include "ui/common/PendingApply.h"

#include "state/ProgramState.h"
#include "settings/DefaultSettings.h"

bool SaveAndRequestApply(AdapterSettings settings)
{
    settings.ApplyScope = ApplyScopeAll;
    PendingSettings = settings;
    CurrentStatus.LinkState = LinkScanning;
    const bool stored = SaveDefaultSettings(settings);
    RequestApply();
    return stored;
}
