#include "ConfigDialogBridge.h"

#include "state/ProgramState.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "ui/frame/ConfigDlg.h"

bool CConfigDialogBridge::IsOpen() const
{
    return ConfigDialogOpen != 0;
}

bool CConfigDialogBridge::IsShown() const
{
    if (!ConfigDialogOpen || !ConfigDialog().IsWindow())
        return false;
    const HWND window = ConfigDialog().Handle();
    return ::IsWindowVisible(window) && !::IsIconic(window);
}

void CConfigDialogBridge::Close()
{
    ConfigDialog().CloseConfigDialog();
}

void CConfigDialogBridge::EnableBusySet(bool enable)
{
    ConfigDialog().EnableBusySet(enable);
}

void CConfigDialogBridge::SwitchRadioSet(bool radioOn)
{
    ConfigDialog().SwitchRadioSet(radioOn);
}

void CConfigDialogBridge::RefreshSiteSurvey()
{
    ConfigDialog().RefreshNetworkLists();
}

void CConfigDialogBridge::StoredDefaultsChanged()
{
    ConfigDialog().ReloadShownPage();
}

void CConfigDialogBridge::AllowChanges(bool allow)
{
    ConfigDialog().AllowChanges(allow);
}
