#ifndef SKYLOOK_UI_LINK_INFO_PAGE_H
#define SKYLOOK_UI_LINK_INFO_PAGE_H

#include "ui/linkinfo/LinkInfoDisplay.h"
#include "ui/common/WhiteBackground.h"
#include "ui/frame/PageBase.h"

#include "controls/ColorLabel.h"
#include "controls/EditEx.h"
#include "controls/GroupFrame.h"
#include "controls/LevelBar.h"
#include "controls/SkinButton.h"
#include "controls/ThroughputGraph.h"
#include "framework/Gdi.h"

#include <array>

// The live link as the tray timer last saw it, the radio switch and Rescan.
class CLinkInfoPage : public CWhiteBackground<CPageBase> {
public:
    static constexpr UINT_PTR RefreshTimerId = 100;
    static constexpr UINT_PTR RadioTimerId = 200;
    static constexpr UINT_PTR RescanTimerId = 300;

    CLinkInfoPage();

    // Brings the page up to date with the last status snapshot.
    void RefreshLinkInfo();
    // Shows the throughput since the last reading.
    void UpdateThroughput();

    void OnShowing() override { RefreshLinkInfo(); }
    std::span<const int> BusyControls() const override;
    std::span<const int> RadioControls() const override;
    int RadioButtonId() const override;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    bool OnTimer(UINT_PTR id) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;

private:
    void SetUpTexts();
    void SetUpEdits();
    void SetUpScale();
    void SetUpFrames();
    void SetUpGraphsAndBars();
    void ShowLink(const LinkDisplay& display);
    void ShowThroughput(const ThroughputDisplay& display);

    void OnRadioClicked();
    void OnRescanClicked();
    void OnRadioTimer();
    void OnRescanTimer();

    int m_rescanCount = 0;
    // Buttons whose own wait is running: the tick's busy and radio sets leave them alone.
    bool m_radioPending = false;
    bool m_rescanPending = false;
    ThroughputMemory m_throughput;

    CEditEx m_status;
    CEditEx m_ssid;
    CEditEx m_channel;
    CEditEx m_txRate;
    CEditEx m_transmit;
    CEditEx m_receive;
    CLevelBar m_qualityBar;
    CLevelBar m_signalBar;
    CThroughputGraph m_transmitGraph;
    CThroughputGraph m_receiveGraph;
    std::array<CColorLabel, 5> m_scale;  // bottom to top
    CGroupFrame m_levelFrame;
    CGroupFrame m_rateFrame;
    CSkinButton m_radioButton;
};

#endif
