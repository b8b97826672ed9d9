#include "IncomingProfileRequest.h"

#include "protocol/ProfileRequest.h"
#include "settings/ProfileSelection.h"
#include "state/ProgramState.h"

#include <string>

LRESULT AcceptProfileRequest(const COPYDATASTRUCT& data, IConfigDialogLink& dialog)
{
    std::string name;
    if (!ReadProfileRequest(data, name))
        return ProfileRequestRefused;
    AdapterSettings settings;
    const ProfileChoice choice = MakeProfileDefault(name.c_str(), settings);
    if (choice == ProfileChoice::Missing || choice == ProfileChoice::Unreadable)
        return ProfileRequestRefused;
    // The same hand-over as a page's Apply: the record first, then the request.
    PendingSettings = settings;
    CurrentStatus.LinkState = LinkScanning;
    ApplyRequest = ApplyRequested;
    if (dialog.IsOpen())
        dialog.StoredDefaultsChanged();
    return choice == ProfileChoice::Stored ? ProfileRequestTaken : ProfileRequestTakenNotStored;
}
