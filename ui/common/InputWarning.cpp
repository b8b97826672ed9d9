#include "ui/common/InputWarning.h"

#include "settings/NotStoredText.h"

void ShowSettingsNotStored(HWND owner)
{
    ShowInputWarning(owner, SettingsNotStoredText);
}

void ShowManagedElsewhere(HWND owner)
{
    ShowInputWarning(owner, "The wireless card is managed by Skylook in another user's session, so changes to it "
                            "are made there. Nothing was changed.");
}

void ShowInputWarning(HWND owner, const std::string& text)
{
    ::MessageBoxA(owner, text.c_str(), "Warning", MB_OK | MB_ICONINFORMATION);
}
