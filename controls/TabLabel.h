// A side label that selects a page, and behaves as a tab of a vertical tab strip: the
// selected label is the strip's one tab stop, Up and Down ask the parent for the previous or
// next page, Enter and Space for this label's page (as a click does), and the label with
// the focus shows a focus mark unless the window's UI state hides focus marks. A reader
// hears a page tab, "selected" on the shown page's label.
#ifndef SKYLOOK_CONTROLS_TAB_LABEL_H
#define SKYLOOK_CONTROLS_TAB_LABEL_H

#include "controls/ColorLabel.h"
#include "controls/FocusCues.h"

class CTabLabel : public CColorLabel {
public:
    // WM_COMMAND notification codes the label sends its parent for Up and Down; Enter and
    // Space send STN_CLICKED.
    static constexpr WORD PreviousTabNotification = 0x0100;
    static constexpr WORD NextTabNotification = 0x0101;

    // The selected label takes the strip's tab stop; the others give it up.
    void SetSelected(bool selected);
    bool IsSelected() const { return m_selected; }

    bool DescribeForAccessibility(AccessibleFacts& facts) const override;
    bool DoAccessibleDefaultAction() override;

protected:
    ColourRole TextRole() const override
    {
        return m_selected ? ColourRole::SelectedTabText : ColourRole::TabText;
    }
    ColourRole HoverRole() const override { return m_selected ? ColourRole::SelectedTabText : ColourRole::HoverText; }
    ColourRole BackgroundRole() const override
    {
        return m_selected ? ColourRole::SelectedTabBackground : ColourRole::PanelBackground;
    }
    void PreSubclass() override;
    void DrawOver(HDC dc, const RECT& client) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Notify(WORD code) const;
    bool ShowsFocusMark() const;

    bool m_selected = false;
    CFocusCues m_focusCues;
};

#endif
