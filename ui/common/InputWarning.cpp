#include "ui/common/InputWarning.h"

#include "settings/NotStoredText.h"

void ShowSettingsNotStored(HWND owner)
{
    ShowInputWarning(owner, SettingsNotStoredText);
}

void ShowInputWarning(HWND owner, const std::string& text)
{
    ::MessageBoxA(owner, text.c_str(), "Warning", MB_OK | MB_ICONINFORMATION);
}
