// A dialog that shows every control of the program in each of its states, for looking at
// them side by side.
#ifndef SKYLOOK_CONTROLS_GALLERY_DIALOG_H
#define SKYLOOK_CONTROLS_GALLERY_DIALOG_H

#include "controls/ColorLabel.h"
#include "controls/EditEx.h"
#include "controls/GroupFrame.h"
#include "controls/KeyEdit.h"
#include "controls/LevelBar.h"
#include "controls/PictureBox.h"
#include "controls/SkinButton.h"
#include "controls/ThroughputGraph.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"

// The hovered look stays after the mouse leaves, so that it can be seen beside the others.
class CPinnedHoverButton : public CSkinButton {
protected:
    bool OnMouseLeave() override { return true; }
};

class CPinnedHoverLabel : public CColorLabel {
protected:
    bool OnMouseLeave() override { return true; }
};

class CGalleryDialog : public CDialog {
public:
    // closeAfter: milliseconds until the gallery closes itself; 0 keeps it open.
    explicit CGalleryDialog(UINT closeAfter);

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnTimer(UINT_PTR id) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void SetUpGraphs();
    void SetUpLevelBars();
    void SetUpGroups();
    void SetUpButtons();
    void SetUpLabels();
    void SetUpEdits();
    void SetUpPicture();
    void ShowHoveredStates();

    UINT m_closeAfter;
    CThroughputGraph m_transmitGraph, m_receiveGraph;
    CLevelBar m_emptyBar, m_solidBar, m_blueRampBar, m_threeStopBar, m_defaultBar;
    CGroupFrame m_rateGroup, m_levelGroup, m_buttonGroup, m_disabledGroup, m_labelGroup, m_editGroup;
    CSkinButton m_normalButton, m_pressedButton, m_checkedButton, m_disabledButton, m_defaultButton, m_flatButton,
        m_uncheckedButton, m_firstRadio, m_secondRadio;
    CPinnedHoverButton m_hoverButton;
    CPinnedHoverLabel m_hoveredLabel;
    CColorLabel m_selectedLabel, m_plainLabel, m_scaleLow, m_scaleMiddle, m_scaleHigh;
    CEditEx m_statusEdit;
    CKeyEdit m_maskedKey, m_plainKey;
    CPictureBox m_picture;
    CBitmap m_pictureFrames;
};

#endif
