// What a page of the configuration dialog may ask of the dialog that holds it. The dialog
// implements it; a page knows nothing more of the dialog, so the dialog can hold pages
// without the pages holding the dialog.
#ifndef SKYLOOK_UI_PAGE_HOST_H
#define SKYLOOK_UI_PAGE_HOST_H

#include "ui/frame/FocusReturn.h"

#include <windows.h>

class IPageHost {
public:
    virtual ~IPageHost() = default;

    // Shows the page of index (0 is Link Info); any other index hides them all.
    virtual void ShowPage(int index) = 0;
    // Whether a control of the radio set may be enabled now.
    virtual bool RadioSetUsable() const = 0;
    // The pages' controls that act on the adapter, enabled only while RadioSetUsable.
    virtual void EnableRadioSet(bool enable) = 0;
    // Has every page that lists networks or profiles fill its lists again.
    virtual void RefreshNetworkLists() = 0;
    // The shown page's side label, where the focus goes when its page has none to take it.
    virtual HWND ShownLabel() const = 0;
    // A page moved the focus off a button it disabled for its own wait.
    virtual void RememberFocusMove(const FocusMove& move) = 0;
    // A control disabled under the focus is usable again: the focus may go back to it.
    virtual void ReturnFocus() = 0;
};

#endif
