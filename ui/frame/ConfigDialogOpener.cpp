#include "ui/frame/ConfigDialogOpener.h"

#include "ui/frame/ConfigDlg.h"

#include "adapter/ZeroConfig.h"
#include "state/ProgramState.h"
#include "framework/CommonControls.h"

CConfigDlg& ConfigDialog()
{
    static CConfigDlg dialog;
    return dialog;
}

void OpenConfigDialog(HWND owner, bool changesAllowed)
{
    if (IsWindowsXp(OsVersion) && CurrentStatus.LinkState != LinkNoAdapter && IsZeroConfigManaging()) {
        ZeroConfigActive = 1;
        OpenZeroConfigProperties();
        return;
    }
    CConfigDlg& dialog = ConfigDialog();
    if (ConfigDialogOpen) {
        if (dialog.IsWindow()) {
            ::SetForegroundWindow(dialog.Handle());
            dialog.Show(SW_SHOWNORMAL);
        }
        return;
    }
    ConfigDialogOpen = 1;
    dialog.AllowChanges(changesAllowed);
    EnsureCommonControls();
    dialog.DoModal(owner);
    ConfigDialogOpen = 0;
}
