#include "ui/common/InputWarning.h"

#include "protocol/MarkerDecision.h"
#include "settings/NotStoredText.h"
#include "state/ProgramState.h"

void ShowSettingsNotStored(HWND owner)
{
    ShowInputWarning(owner, SettingsNotStoredText);
}

void ShowManagedElsewhere(HWND owner)
{
    // Read when the change is refused: the name's holder may have changed since the dialog opened.
    if (ForeignMarkerHolder) {
        ShowInputWarning(owner, std::string("No copy of Skylook manages the wireless card: ") +
                                    ForeignMarkerHolderText + ". Nothing was changed.");
        return;
    }
    ShowInputWarning(owner, "The wireless card is managed by Skylook in another user's session, so changes to it "
                            "are made there. Nothing was changed.");
}

void ShowInputWarning(HWND owner, const std::string& text)
{
    ::MessageBoxA(owner, text.c_str(), "Warning", MB_OK | MB_ICONINFORMATION);
}
