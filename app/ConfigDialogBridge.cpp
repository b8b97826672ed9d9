#include "ConfigDialogBridge.h"

#include "state/ProgramState.h"
#include "ui/ConfigDialogOpener.h"
#include "ui/ConfigDlg.h"

bool CConfigDialogBridge::IsOpen() const
{
    return ConfigDialogOpen != 0;
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
    CConfigDlg& dialog = ConfigDialog();
    dialog.LinkInfoPage().SetRadioCaption(radioOn ? "Radio Off" : "Radio On");
    dialog.EnableRadioSet(radioOn);
}

void CConfigDialogBridge::RefreshSiteSurvey()
{
    CConfigDlg& dialog = ConfigDialog();
    dialog.SiteSurveyPage().FillNetworkList();
    dialog.SiteSurveyPage().FillProfileList();
}
