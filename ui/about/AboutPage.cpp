#include "ui/about/AboutPage.h"

#include "ui/about/AboutPageIds.h"
#include "ui/about/VersionTexts.h"

#include "adapter/AdapterWrappers.h"
#include "controls/DpiScale.h"
#include "controls/PointFont.h"

namespace {

const COLORREF Navy = RGB(0, 0, 128);
const COLORREF FrameGrey = RGB(128, 128, 128);

constexpr const char* Banner = "Kelbrin 802.11g Skylook Wireless LAN Utility";
constexpr unsigned long DriverVersionSize = 50;

}  // namespace

CAboutPage::CAboutPage() : CWhiteBackground(IDD_ABOUT_PAGE) {}

void CAboutPage::DoDataExchange()
{
    BindControl(m_versionFrame, IDC_ABOUT_VERSION_FRAME);
    BindControl(m_picture, IDC_ABOUT_PICTURE);
}

bool CAboutPage::OnInitDialog()
{
    SetItemText(IDC_ABOUT_BANNER, Banner);
    SetItemText(IDC_ABOUT_FIRMWARE_LABEL, "Firmware Version");
    SetItemText(IDC_ABOUT_UTILITY_LABEL, "Utility Version");
    m_versionFrame.SetCaption("Version Information", false);
    m_versionFrame.SetCaptionFont(MakePointLogFont("Arial", 100, FW_BOLD));
    m_versionFrame.SetCaptionColour(Navy, true);
    m_versionFrame.SetFrameColours(FrameGrey, FrameGrey, false);
    FillVersionTexts();
    ScalePicture();
    return false;
}

void CAboutPage::ScalePicture()
{
    // The picture is drawn for 96 dpi; at another scale it grows with the page around it,
    // and after a move back to 96 dpi it is shown as drawn again.
    const int dpi = WindowDpi(m_hWnd);
    if (dpi == DefaultDpi && m_picture.PictureSize().cx == 0)
        return;
    HBITMAP drawn = reinterpret_cast<HBITMAP>(SendItem(IDC_ABOUT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info = {};
    if (!drawn || !::GetObjectA(drawn, sizeof info, &info))
        return;
    const SIZE shown = {ScaleForDpi(info.bmWidth, dpi), ScaleForDpi(info.bmHeight, dpi)};
    if (m_picture.SetPicture(drawn, shown))
        ::SetWindowPos(m_picture.Handle(), nullptr, 0, 0, shown.cx, shown.cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CAboutPage::FillVersionTexts()
{
    SetItemText(IDC_ABOUT_UTILITY_VERSION, UtilityVersionText);

    char driver[DriverVersionSize] = {};
    if (GetDriverVersion(driver, sizeof driver))
        SetItemText(IDC_ABOUT_DRIVER_VERSION, DriverVersionText(driver, sizeof driver));

    uint32_t firmware = 0;
    if (GetFirmwareVersion(firmware))
        SetItemText(IDC_ABOUT_FIRMWARE_VERSION, FirmwareVersionText(firmware));
}

void CAboutPage::OnDestroy()
{
    // The picture static loaded the template's bitmap itself and does not free it when it
    // goes: one bitmap would be lost at every opening. Taken back, it is deleted here.
    CBitmap picture(reinterpret_cast<HBITMAP>(SendItem(IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, 0)));
}
