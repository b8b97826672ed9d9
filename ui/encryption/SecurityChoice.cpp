#include "ui/encryption/SecurityChoice.h"

namespace {
bool IsWpa(uint32_t authMode)
{
    return authMode == AuthModeWpaPsk || authMode == AuthModeWpa;
}
}  // namespace

SecurityChoice SecurityChoiceFor(const AdapterSettings& settings)
{
    SecurityChoice choice;
    choice.Encryption = settings.WepStatus == WepStatusOn || IsWpa(settings.AuthMode);
    // A mode the list does not offer leaves it without a selection, as the other lists are
    // left for a value they lack: shown as open authentication, it would be stored as open by
    // an Apply that changed nothing, and a record that sent no authentication would send one.
    if (choice.Encryption)
        choice.AuthIndex = settings.AuthMode <= AuthModeWpa ? static_cast<int>(settings.AuthMode) : NoAuthSelection;
    return choice;
}

bool AuthListEnabled(bool encryption, int networkMode)
{
    return encryption && networkMode == static_cast<int>(NetworkModeInfrastructure);
}

bool ShowsWepKeys(int authIndex)
{
    return authIndex == static_cast<int>(AuthModeOpen) || authIndex == static_cast<int>(AuthModeShared);
}
