#ifndef SKYLOOK_UI_LINK_INFO_PAGE_H
#define SKYLOOK_UI_LINK_INFO_PAGE_H

#include "PageBase.h"

// The live link as the tray timer last saw it, the radio switch and Rescan.
class CLinkInfoPage : public CPageBase {
public:
    CLinkInfoPage();

    // Brings the page up to date with the last status snapshot.
    void RefreshLinkInfo();

    void OnShowing() override { RefreshLinkInfo(); }
    std::span<const int> BusyControls() const override;
    std::span<const int> RadioControls() const override;
    int RadioButtonId() const override;
};

#endif
