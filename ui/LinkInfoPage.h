#ifndef SKYLOOK_UI_LINKINFOPAGE_H
#define SKYLOOK_UI_LINKINFOPAGE_H

#include "ConfigPage.h"
#include "res/dialog_ids.h"

// Page 0: the live link as the tray timer last saw it, the radio switch and Rescan.
class CLinkInfoPage : public CConfigPageBase {
public:
    CLinkInfoPage() : CConfigPageBase(IDD_LINK_INFO_PAGE) {}

    // Brings the page up to date with the last status snapshot.
    void RefreshLinkInfo();
    // "Radio On" or "Radio Off" on the radio switch.
    void SetRadioCaption(const char* caption) const;
};

#endif
