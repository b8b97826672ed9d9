#include "IncomingProfileRequest.h"

#include "protocol/ProfileRequest.h"
#include "settings/ProfileSelection.h"
#include "state/ProgramState.h"

#include <string>

ProfileUse UseStoredProfile(const char* name, IConfigDialogLink& dialog, ApplyOrigin origin)
{
    AdapterSettings settings;
    const ProfileUse use = MakeProfileDefault(name, settings);
    if (use == ProfileUse::Missing || use == ProfileUse::Unreadable)
        return use;
    // The same hand-over as a page's Apply: the record first, then the request.
    PendingSettings = settings;
    CurrentStatus.LinkState = LinkScanning;
    RequestApply(origin);
    if (dialog.IsOpen())
        dialog.StoredDefaultsChanged();
    return use;
}

LRESULT AcceptProfileRequest(const COPYDATASTRUCT& data, IConfigDialogLink& dialog)
{
    std::string name;
    if (!ReadProfileRequest(data, name))
        return ProfileRequestRefused;
    switch (UseStoredProfile(name.c_str(), dialog, ApplyOrigin::User)) {
    case ProfileUse::Stored:
        return ProfileRequestTaken;
    case ProfileUse::NotStored:
        return ProfileRequestTakenNotStored;
    default:
        return ProfileRequestRefused;
    }
}
