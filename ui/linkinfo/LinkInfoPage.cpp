#include "ui/linkinfo/LinkInfoPage.h"

#include "ui/linkinfo/LinkInfoPageIds.h"

#include "adapter/AdapterWrappers.h"
#include "controls/DpiScale.h"
#include "controls/PointFont.h"
#include "state/ProgramState.h"

#include <commctrl.h>

namespace {

constexpr UINT RefreshInterval = 1000;
constexpr UINT RadioPollInterval = 1000;
constexpr UINT RescanInterval = 1000;

const COLORREF Blue = RGB(0, 0, 255);
const COLORREF Navy = RGB(0, 0, 128);
const COLORREF FrameGrey = RGB(128, 128, 128);

// Rescan and the radio switch both start adapter work that an apply in progress would undo.
constexpr int BusyIds[] = {IDC_LINK_RESCAN, IDC_LINK_RADIO};
constexpr int BusyIdsWithoutRescan[] = {IDC_LINK_RADIO};
constexpr int BusyIdsWithoutRadio[] = {IDC_LINK_RESCAN};
constexpr int RadioIds[] = {IDC_LINK_RESCAN};

constexpr int ScaleIds[] = {IDC_LINK_SCALE_0, IDC_LINK_SCALE_10, IDC_LINK_SCALE_100, IDC_LINK_SCALE_1000,
                            IDC_LINK_SCALE_10000};
constexpr const char* ScaleTexts[] = {"0", "10", "100", "1000", "10000"};
// In pixels at 96 dpi.
constexpr int ScaleFontHeight = 10;

bool IsEditControl(HWND control)
{
    char name[16] = {};
    ::GetClassNameA(control, name, sizeof name);
    return ::lstrcmpiA(name, "Edit") == 0;
}

}  // namespace

CLinkInfoPage::CLinkInfoPage() : CWhiteBackground(IDD_LINK_INFO_PAGE) {}

void CLinkInfoPage::DoDataExchange()
{
    BindControl(m_status, IDC_LINK_STATUS);
    BindControl(m_ssid, IDC_LINK_SSID);
    BindControl(m_channel, IDC_LINK_CHANNEL);
    BindControl(m_txRate, IDC_LINK_TX_RATE);
    BindControl(m_transmit, IDC_LINK_TRANSMIT);
    BindControl(m_receive, IDC_LINK_RECEIVE);
    BindControl(m_qualityBar, IDC_LINK_QUALITY_BAR);
    BindControl(m_signalBar, IDC_LINK_SIGNAL_BAR);
    BindControl(m_transmitGraph, IDC_LINK_TRANSMIT_GRAPH);
    BindControl(m_receiveGraph, IDC_LINK_RECEIVE_GRAPH);
    for (size_t i = 0; i < m_scale.size(); ++i)
        BindControl(m_scale[i], ScaleIds[i]);
    BindControl(m_levelFrame, IDC_LINK_LEVEL_FRAME);
    BindControl(m_rateFrame, IDC_LINK_RATE_FRAME);
    BindControl(m_radioButton, IDC_LINK_RADIO);
}

bool CLinkInfoPage::OnInitDialog()
{
    SetUpTexts();
    m_rescanCount = 0;
    m_radioPending = false;
    m_rescanPending = false;
    m_radioButton.SetText(RadioButtonCaption(RadioOn != 0));
    SetUpEdits();
    SetUpScale();
    SetUpFrames();
    SetUpGraphsAndBars();
    // The figures come with the page's showing (OnShowing), just after.
    StartTimer(RefreshTimerId, RefreshInterval);
    return false;
}

void CLinkInfoPage::SetUpTexts()
{
    static constexpr struct {
        int id;
        const char* text;
    } Labels[] = {{IDC_LINK_STATUS_LABEL, "Status"},     {IDC_LINK_TX_RATE_LABEL, "TxRate"},
                  {IDC_LINK_CHANNEL_LABEL, "Channel"},   {IDC_LINK_QUALITY_LABEL, "Link Quality"},
                  {IDC_LINK_SIGNAL_LABEL, "Signal Strength"}, {IDC_LINK_TRANSMIT_LABEL, "Transmit"},
                  {IDC_LINK_RECEIVE_LABEL, "Receive"},   {IDC_LINK_RESCAN, "Rescan"}};
    for (const auto& label : Labels)
        SetItemText(label.id, label.text);
    m_levelFrame.SetCaption("Link Quality/Signal Strength", false);
    m_rateFrame.SetCaption("Data Rate", false);
}

void CLinkInfoPage::SetUpEdits()
{
    for (CEditEx* edit : {&m_status, &m_ssid, &m_receive, &m_transmit, &m_channel, &m_txRate}) {
        edit->Send(EM_SETREADONLY, TRUE);
        edit->SetTextColour(Blue);
    }
}

void CLinkInfoPage::SetUpScale()
{
    for (size_t i = 0; i < m_scale.size(); ++i) {
        m_scale[i].SetFaceName("Arial");
        m_scale[i].SetFontHeight(ScaleFontHeight);
        m_scale[i].SetLabelText(ScaleTexts[i]);
        m_scale[i].SetTextColour(Blue);
    }
}

void CLinkInfoPage::SetUpFrames()
{
    const LOGFONTA captionFont = MakePointLogFont("Arial", 100, FW_BOLD);
    for (CGroupFrame* frame : {&m_rateFrame, &m_levelFrame}) {
        frame->SetCaptionFont(captionFont);
        frame->SetCaptionColour(Navy, true);
        frame->SetFrameColours(FrameGrey, FrameGrey, false);
    }
}

void CLinkInfoPage::SetUpGraphsAndBars()
{
    m_transmitGraph.SetRange(0, 100);
    m_receiveGraph.SetRange(0, 100);
    m_transmitGraph.SetAccessibleName("Transmit");
    m_receiveGraph.SetAccessibleName("Receive");
    for (CLevelBar* bar : {&m_qualityBar, &m_signalBar}) {
        bar->Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        bar->Send(PBM_SETSTEP, 1);
        bar->Send(PBM_SETPOS, 0);
    }
    m_signalBar.SetColourStops({Blue, Blue});
    m_qualityBar.SetColourStops({Blue, Blue});
}

void CLinkInfoPage::RefreshLinkInfo()
{
    if (!IsWindow())
        return;
    ShowLink(DescribeLink(CurrentStatus));
    UpdateThroughput();
}

void CLinkInfoPage::ShowLink(const LinkDisplay& display)
{
    SetItemText(IDC_LINK_QUALITY_TEXT, display.LinkQualityText);
    SetItemText(IDC_LINK_SIGNAL_TEXT, display.SignalStrengthText);
    m_signalBar.Send(PBM_SETPOS, static_cast<WPARAM>(display.SignalStrengthBar));
    m_qualityBar.Send(PBM_SETPOS, static_cast<WPARAM>(display.LinkQualityBar));
    m_ssid.SetText(display.Ssid);
    m_status.SetText(display.Status);
    if (display.Channel)
        m_channel.SetText(*display.Channel);
    m_txRate.SetText(display.TxRate);
}

void CLinkInfoPage::UpdateThroughput()
{
    if (!IsWindow())
        return;
    if (auto display = MeasureThroughput(m_throughput, ::GetTickCount(), CurrentStatus))
        ShowThroughput(*display);
}

void CLinkInfoPage::ShowThroughput(const ThroughputDisplay& display)
{
    m_transmit.SetText(std::to_string(display.TransmitRate));
    m_receive.SetText(std::to_string(display.ReceiveRate));
    // A reader hears the rate the figures below the graphs show, with their unit.
    m_transmitGraph.SetValueText(std::to_string(display.TransmitRate) + " Kbps");
    m_receiveGraph.SetValueText(std::to_string(display.ReceiveRate) + " Kbps");
    m_receiveGraph.SetPos(display.ReceiveGraph);
    m_transmitGraph.SetPos(display.TransmitGraph);
}

bool CLinkInfoPage::OnButtonClicked(WORD id)
{
    switch (id) {
    case IDC_LINK_RADIO:
        OnRadioClicked();
        return true;
    case IDC_LINK_RESCAN:
        OnRescanClicked();
        return true;
    default:
        return false;
    }
}

void CLinkInfoPage::OnRadioClicked()
{
    if (RefuseChange())
        return;
    if (RadioOn) {
        SetRadio(0);
    } else {
        SetRadio(1);
        // The settings went with the radio; the next tick puts them back.
        RequestApply();
    }
    m_radioPending = true;
    DisableForOwnWait(IDC_LINK_RADIO);
    StartTimer(RadioTimerId, RadioPollInterval);
    RadioOn = RadioOn ? 0 : 1;
    // Switched off here, the radio set goes off at once: the tick only follows the adapter's
    // own changes. Switched on, it comes back with the tick that sees the radio on.
    if (IPageHost* dialog = OwnerDialog())
        dialog->EnableRadioSet(RadioOn != 0);
}

void CLinkInfoPage::OnRadioTimer()
{
    StopTimer(RadioTimerId);
    uint32_t radio = 0;
    if (GetRadio(radio) && radio == RadioOn) {
        m_radioPending = false;
        m_radioButton.SetText(RadioButtonCaption(RadioOn != 0));
        EnableAfterOwnWait(IDC_LINK_RADIO);
        return;
    }
    StartTimer(RadioTimerId, RadioPollInterval);
}

void CLinkInfoPage::OnRescanClicked()
{
    if (RefuseChange())
        return;
    DisableForOwnWait(IDC_LINK_RESCAN);
    m_rescanPending = true;
    m_rescanCount = 0;
    // Applying the pending settings again makes the adapter search anew.
    RequestApply();
    StartTimer(RescanTimerId, RescanInterval);
}

void CLinkInfoPage::OnRescanTimer()
{
    StopTimer(RescanTimerId);
    if (!RescanTick(m_rescanCount)) {
        StartTimer(RescanTimerId, RescanInterval);
        return;
    }
    m_rescanPending = false;
    if (IPageHost* dialog = OwnerDialog())
        dialog->RefreshNetworkLists();
    // Not while the radio went off during the wait.
    EnableRadioControl(IDC_LINK_RESCAN);
}

bool CLinkInfoPage::OnTimer(UINT_PTR id)
{
    switch (id) {
    case RefreshTimerId:
        StopTimer(RefreshTimerId);
        RefreshLinkInfo();
        StartTimer(RefreshTimerId, RefreshInterval);
        return true;
    case RadioTimerId:
        OnRadioTimer();
        return true;
    case RescanTimerId:
        OnRescanTimer();
        return true;
    default:
        return false;
    }
}

HBRUSH CLinkInfoPage::OnCtlColor(HDC dc, HWND control, UINT type)
{
    if (!IsEditControl(control))
        return CWhiteBackground::OnCtlColor(dc, control, type);
    // The read-only values: blue on white, on the edit's own background brush.
    HBRUSH standard = CPageBase::OnCtlColor(dc, control, type);
    ::SetBkColor(dc, ThemeColour(ColourRole::PageBackground, White));
    ::SetTextColor(dc, ThemeColour(ColourRole::PageText, Blue));
    return standard;
}

std::span<const int> CLinkInfoPage::BusyControls() const
{
    if (m_rescanPending && m_radioPending)
        return {};
    if (m_rescanPending)
        return BusyIdsWithoutRescan;
    if (m_radioPending)
        return BusyIdsWithoutRadio;
    return BusyIds;
}

std::span<const int> CLinkInfoPage::RadioControls() const
{
    if (m_rescanPending)
        return {};
    return RadioIds;
}

int CLinkInfoPage::RadioButtonId() const
{
    return IDC_LINK_RADIO;
}
