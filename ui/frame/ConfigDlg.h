// The configuration dialog: side labels that select pages, a tab control that holds them.
// One object lives for the whole process and is run modally again at each opening.
#ifndef SKYLOOK_UI_CONFIG_DLG_H
#define SKYLOOK_UI_CONFIG_DLG_H

#include "ui/frame/FocusReturn.h"
#include "ui/frame/PageBase.h"
#include "ui/frame/PageHost.h"
#include "ui/frame/PageSwitchKeys.h"

#include "controls/ColorLabel.h"
#include "controls/TabLabel.h"
#include "framework/Control.h"
#include "framework/Gdi.h"

#include <memory>
#include <vector>

// The pages that a side label selects, numbered in the labels' order from 0 (Link Info.).
constexpr int PageCount = 5;

class CConfigDlg : public CDialog, public IPageHost {
public:
    CConfigDlg();
    ~CConfigDlg() override;

    // Shows the page of index; any other index hides them all.
    void ShowPage(int index) override;
    int CurrentPage() const { return m_currentPage; }

    // Ends the modal run and closes every window the dialog owns, at any depth.
    void CloseConfigDialog();

    // The side labels and the pages' controls kept disabled while an apply settles.
    void EnableBusySet(bool enable);
    // Whether the radio set may be enabled: the program treats the radio as on and the last
    // status did not find it off. Every path that enables a control of the radio set (the
    // tick, the busy set's end, a page's own wait) asks this.
    bool RadioSetUsable() const override;
    // The pages' controls that act on the adapter; enabled only while RadioSetUsable.
    void EnableRadioSet(bool enable) override;
    // The radio switch's caption and the radio set, for a radio that is on or off.
    void SwitchRadioSet(bool radioOn);
    // Has every page that lists networks or profiles fill its lists again.
    void RefreshNetworkLists() override;
    // The shown page reads the stored settings again, as when it is shown; the others do so
    // anyway when they are shown next.
    void ReloadShownPage();
    // Whether the pages may change the card and the stored settings. Refused, every page
    // refuses its changes with a sentence, and the controls that act on the card at once
    // (the busy set's, on the pages) are disabled; kept across openings until told again.
    void AllowChanges(bool allow);
    // A control that the dialog disabled under the focus is usable again: the focus goes
    // back to it if it was parked on the shown page's label and stayed there.
    void ReturnFocus() override;
    // A page moved the focus off a button it disabled for its own wait.
    void RememberFocusMove(const FocusMove& move) override { m_focusReturn.Remember(move); }
    // The shown page's side label, where the focus goes when its page has none to take it.
    HWND ShownLabel() const override;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;
    // The caption's icons for the new DPI; the layout and the controls follow by themselves.
    void OnDpiChanged() override;

private:
    struct PageSlot {
        int LabelId;            // 0: created with the dialog but never selected
        const char* LabelText;
        std::unique_ptr<CPageBase> Page;
        std::unique_ptr<CTabLabel> Label;
    };

    // Creates the page's window unless it exists, in the state the dialog's sets are in.
    bool CreatePage(PageSlot& slot);
    void SetUpLabels();
    // A page key: the page one step away, as a click on its label would show it.
    bool SwitchPageByKey(PageStep step);
    // Up or Down on a side label: the page before or after, no further than the ends, with
    // the focus on its label.
    void StepToLabel(int step);
    bool IsSideLabel(HWND window) const;
    // After a page switch or reload: the focus that was in the dialog is on a control that
    // shows it, the shown page's label when its own control went.
    void KeepFocusInView(HWND focusBefore);
    // The labelled page of index, or null.
    PageSlot* SlotOfPage(int index);

    // Whether the busy set may be enabled: no apply settles and changes are allowed.
    bool BusySetUsable() const;
    // Tells the pages; while changes are refused, their busy controls are disabled.
    void PassChangesAllowedToPages();

    bool m_changesAllowed = true;
    // Whether the busy set is enabled: off while an apply settles.
    bool m_busySetEnabled = true;
    COLORREF m_background = RGB(198, 216, 241);
    int m_currentPage = -1;

    // Labelled pages first, in the labels' order.
    std::vector<PageSlot> m_pages;
    CBrush m_backgroundBrush;
    CColorLabel m_hideLabel;
    CControl m_tab;
    CPageSwitchKeys m_pageKeys;
    CFocusReturn m_focusReturn;
};

#endif
