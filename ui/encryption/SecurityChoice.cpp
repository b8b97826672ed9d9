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
    // A mode the list does not offer shows as open authentication rather than no selection.
    if (choice.Encryption && settings.AuthMode <= AuthModeWpa)
        choice.AuthIndex = static_cast<int>(settings.AuthMode);
    return choice;
}

bool AuthListEnabled(bool encryption, int networkMode)
{
    return encryption && networkMode == static_cast<int>(NetworkModeInfrastructure);
}
