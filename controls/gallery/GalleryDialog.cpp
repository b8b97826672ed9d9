#include "GalleryDialog.h"

#include "GalleryIds.h"
#include "controls/DpiScale.h"
#include "controls/PointFont.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

namespace {
const UINT_PTR CloseTimer = 1;
const UINT ShowHoverMessage = WM_APP + 1;
const COLORREF Blue = RGB(0, 0, 255);
const COLORREF Navy = RGB(0, 0, 128);
const COLORREF Grey = RGB(128, 128, 128);

// A throughput figure on the graphs' logarithmic scale, as the Link Info page feeds it.
uint32_t GraphValue(double kilobitsPerSecond)
{
    double value = kilobitsPerSecond > 0 ? 25.0 * std::log10(kilobitsPerSecond) : 0.0;
    return value > 0 ? static_cast<uint32_t>(value) : 0;
}
}  // namespace

CGalleryDialog::CGalleryDialog(UINT closeAfter) : CDialog(IDD_GALLERY), m_closeAfter(closeAfter) {}

void CGalleryDialog::DoDataExchange()
{
    // Group boxes first: their frames are read before anything else is laid out.
    BindControl(m_rateGroup, IDC_GROUP_RATE);
    BindControl(m_levelGroup, IDC_GROUP_LEVELS);
    BindControl(m_buttonGroup, IDC_GROUP_BUTTONS);
    BindControl(m_disabledGroup, IDC_GROUP_DISABLED);
    BindControl(m_labelGroup, IDC_GROUP_LABELS);
    BindControl(m_editGroup, IDC_GROUP_EDITS);
    BindControl(m_transmitGraph, IDC_GRAPH_TRANSMIT);
    BindControl(m_receiveGraph, IDC_GRAPH_RECEIVE);
    BindControl(m_emptyBar, IDC_BAR_EMPTY);
    BindControl(m_solidBar, IDC_BAR_SOLID);
    BindControl(m_blueRampBar, IDC_BAR_BLUE_RAMP);
    BindControl(m_threeStopBar, IDC_BAR_THREE_STOPS);
    BindControl(m_defaultBar, IDC_BAR_DEFAULT);
    BindControl(m_normalButton, IDC_BUTTON_NORMAL);
    BindControl(m_hoverButton, IDC_BUTTON_HOVER);
    BindControl(m_pressedButton, IDC_BUTTON_PRESSED);
    BindControl(m_checkedButton, IDC_BUTTON_CHECKED);
    BindControl(m_disabledButton, IDC_BUTTON_DISABLED);
    BindControl(m_defaultButton, IDC_BUTTON_DEFAULT);
    BindControl(m_flatButton, IDC_BUTTON_FLAT);
    BindControl(m_uncheckedButton, IDC_BUTTON_UNCHECKED);
    BindControl(m_firstRadio, IDC_RADIO_FIRST);
    BindControl(m_secondRadio, IDC_RADIO_SECOND);
    BindControl(m_hoveredLabel, IDC_LABEL_HOVERED);
    BindControl(m_selectedLabel, IDC_LABEL_SELECTED);
    BindControl(m_plainLabel, IDC_LABEL_PLAIN);
    BindControl(m_scaleLow, IDC_SCALE_LOW);
    BindControl(m_scaleMiddle, IDC_SCALE_MIDDLE);
    BindControl(m_scaleHigh, IDC_SCALE_HIGH);
    BindControl(m_statusEdit, IDC_EDIT_STATUS);
    BindControl(m_maskedKey, IDC_KEY_MASKED);
    BindControl(m_plainKey, IDC_KEY_PLAIN);
    BindControl(m_picture, IDC_PICTURE);
}

bool CGalleryDialog::OnInitDialog()
{
    SetUpGroups();
    SetUpGraphs();
    SetUpLevelBars();
    SetUpButtons();
    SetUpLabels();
    SetUpEdits();
    SetUpPicture();
    if (m_closeAfter)
        StartTimer(CloseTimer, m_closeAfter);
    Post(ShowHoverMessage);
    ::SetFocus(m_plainKey);
    return false;
}

void CGalleryDialog::SetUpGroups()
{
    LOGFONTA captionFont = MakePointLogFont("Arial", 100, FW_BOLD);
    for (CGroupFrame* group : {&m_rateGroup, &m_levelGroup}) {
        group->SetCaptionFont(captionFont);
        group->SetCaptionColour(Navy, true);
        group->SetFrameColours(Grey, Grey, false);
    }
    // Colours that a disabled frame must not show.
    m_disabledGroup.SetCaptionColour(Navy, false);
    m_disabledGroup.SetFrameColours(RGB(255, 0, 0), RGB(255, 0, 0), false);
    m_labelGroup.SetCaptionColour(RGB(128, 0, 0), false);
}

void CGalleryDialog::SetUpGraphs()
{
    m_transmitGraph.SetRange(0, 100);
    m_receiveGraph.SetRange(0, 100);
    for (int i = 0; i < 80; ++i) {
        double transmit = 600.0 + 550.0 * std::sin(i / 6.0) + (i % 7) * 40.0;
        double receive = i % 19 < 4 ? 0.0 : std::pow(10.0, 1.0 + 3.0 * (0.5 + 0.5 * std::cos(i / 9.0)));
        m_transmitGraph.SetPos(GraphValue(transmit));
        m_receiveGraph.SetPos(GraphValue(receive));
    }
}

void CGalleryDialog::SetUpLevelBars()
{
    struct Bar {
        CLevelBar* bar;
        int position;
    };
    for (Bar item : {Bar{&m_emptyBar, 0}, Bar{&m_solidBar, 35}, Bar{&m_blueRampBar, 70}, Bar{&m_threeStopBar, 100},
                     Bar{&m_defaultBar, 50}}) {
        item.bar->Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        item.bar->Send(PBM_SETSTEP, 1);
        item.bar->Send(PBM_SETPOS, item.position);
        if (item.bar != &m_defaultBar)
            item.bar->Send(PBM_SETBKCOLOR, 0, RGB(255, 255, 255));
    }
    m_emptyBar.SetColourStops({Blue, Blue});
    m_solidBar.SetColourStops({Blue, Blue});
    m_blueRampBar.SetColourStops({RGB(0, 0, 0), Blue});
    m_threeStopBar.SetColourStops({RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 160, 0)});
}

void CGalleryDialog::SetUpButtons()
{
    m_pressedButton.Send(BM_SETSTATE, TRUE);
    m_checkedButton.Send(BM_SETCHECK, BST_CHECKED);
    m_firstRadio.Send(BM_SETCHECK, BST_CHECKED);
}

void CGalleryDialog::SetUpLabels()
{
    HCURSOR hand = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    for (CColorLabel* label : {static_cast<CColorLabel*>(&m_hoveredLabel), &m_selectedLabel, &m_plainLabel}) {
        label->SetBackgroundColour(face);
        label->SetHoverCursor(hand);
        label->SetHoverHighlight(true, Blue);
        label->SetTextColour(Grey);
        label->SetBold(true);
        label->SetUnderline(true);
    }
    m_selectedLabel.SetTextColour(RGB(0, 0, 0));
    for (CColorLabel* scale : {&m_scaleLow, &m_scaleMiddle, &m_scaleHigh}) {
        scale->SetBackgroundColour(face);
        scale->SetFaceName("Arial");
        scale->SetFontHeight(10);
        scale->SetTextColour(Blue);
    }
}

void CGalleryDialog::SetUpEdits()
{
    m_statusEdit.SetTextColour(Blue);
    m_statusEdit.SetText("Associated BSSID=00:0A:3B:4C:5D:6E");
    m_maskedKey.SetHexadecimalOnly(true);
    m_maskedKey.SetText("0123456789");
    m_plainKey.SetHexadecimalOnly(true);
    m_plainKey.SetText("A1B2C3D4E5");
}

void CGalleryDialog::SetUpPicture()
{
    RECT client = {};
    ::GetClientRect(m_picture, &client);
    const int frames = 4;
    int width = client.right, height = client.bottom;
    CClientDC screen(m_picture);
    m_pictureFrames.Reset(::CreateCompatibleBitmap(screen, width * frames, height));
    HDC dc = ::CreateCompatibleDC(screen);
    if (!dc || !m_pictureFrames)
        return;
    {
        CSelectGuard bitmap(dc, m_pictureFrames);
        RECT all = {0, 0, width * frames, height};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        // Signal arcs: frame f lights the first f + 1 of them.
        for (int frame = 0; frame < frames; ++frame) {
            int cx = frame * width + width / 2, cy = height - 10;
            for (int arc = 0; arc < frames; ++arc) {
                int radius = 10 + arc * (std::min(width / 2, height) - 16) / (frames - 1);
                CPen pen = MakePen(PS_SOLID, 5, arc <= frame ? Navy : RGB(210, 210, 210));
                CSelectGuard selected(dc, pen);
                ::Arc(dc, cx - radius, cy - radius, cx + radius, cy + radius, cx + radius, cy - radius / 2,
                      cx - radius, cy - radius / 2);
            }
            CBrush dot = MakeSolidBrush(Navy);
            RECT base = {cx - 4, cy - 4, cx + 4, cy + 4};
            ::FillRect(dc, &base, dot);
        }
    }
    ::DeleteDC(dc);
    m_picture.SetPicture(m_pictureFrames);
    m_picture.StartAnimation(width, 700);
}

void CGalleryDialog::ShowHoveredStates()
{
    // The cursor goes out of the way; the pinned controls keep the hover they get here.
    ::SetCursorPos(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    m_hoverButton.Send(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    m_hoveredLabel.Send(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
}

bool CGalleryDialog::OnTimer(UINT_PTR id)
{
    if (id != CloseTimer)
        return false;
    StopTimer(CloseTimer);
    EndDialog(IDOK);
    return true;
}

bool CGalleryDialog::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result)
{
    if (message != ShowHoverMessage)
        return false;
    ShowHoveredStates();
    result = 0;
    return true;
}
