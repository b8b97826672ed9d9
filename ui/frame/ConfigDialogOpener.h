// The tray's double-click: opens the configuration dialog, shows it again when it is
// hidden, or on Windows XP hands over to the system's page when its service manages the
// adapter.
#ifndef SKYLOOK_UI_CONFIG_DIALOG_OPENER_H
#define SKYLOOK_UI_CONFIG_DIALOG_OPENER_H

#include <windows.h>

class CConfigDlg;

// The one dialog object of the process, reused by every opening.
CConfigDlg& ConfigDialog();

// Returns when the dialog's modal run ends (or at once when it was already open or the
// system's page was opened instead). changesAllowed: this copy manages the card; when it does
// not, the dialog shows the pages and refuses every change.
void OpenConfigDialog(HWND owner, bool changesAllowed = true);

#endif
