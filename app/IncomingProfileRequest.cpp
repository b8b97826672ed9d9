#include "IncomingProfileRequest.h"

#include "protocol/ProfileRequest.h"
#include "settings/ProfileSelection.h"
#include "state/ProgramState.h"

#include <string>

bool UseStoredProfile(const char* name, IConfigDialogLink& dialog)
{
    AdapterSettings settings;
    if (!MakeProfileDefault(name, settings))
        return false;
    // The same hand-over as a page's Apply: the record first, then the request.
    PendingSettings = settings;
    CurrentStatus.LinkState = LinkScanning;
    ApplyRequest = ApplyRequested;
    if (dialog.IsOpen())
        dialog.StoredDefaultsChanged();
    return true;
}

bool AcceptProfileRequest(const COPYDATASTRUCT& data, IConfigDialogLink& dialog)
{
    std::string name;
    if (!ReadProfileRequest(data, name))
        return false;
    return UseStoredProfile(name.c_str(), dialog);
}
