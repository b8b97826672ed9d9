#include "ConfigurationPage.h"

#include "ConfigDlg.h"
#include "ConfigurationPageIds.h"
#include "DialogItems.h"
#include "record/TextField.h"
#include "InputWarning.h"
#include "PendingApply.h"

#include "settings/DefaultSettings.h"

namespace {
constexpr int RadioIds[] = {IDC_CONFIG_APPLY, IDC_CONFIG_CANCEL};
const COLORREF PageWhite = RGB(255, 255, 255);
constexpr int SsidLength = sizeof(AdapterSettings::DesiredSSID) - 1;
// What the page shows for an empty stored network name; stored as it stands when applied.
constexpr char AnyNetwork[] = "Any";

struct LabelText {
    int Id;
    const char* Text;
};
constexpr LabelText Labels[] = {
    {IDC_CONFIG_SSID_LABEL, "SSID"},         {IDC_CONFIG_NETWORK_TYPE_LABEL, "BSS Type"},
    {IDC_CONFIG_CHANNEL_LABEL, "Channel"},   {IDC_CONFIG_RATE_LABEL, "TxRate"},
    {IDC_CONFIG_PREAMBLE_LABEL, "Preamble"}, {IDC_CONFIG_POWER_MODE_LABEL, "Power Mode"},
    {IDC_CONFIG_APPLY, "Apply"},             {IDC_CONFIG_CANCEL, "Cancel"},
};

AdapterSettings StoredSettings()
{
    AdapterSettings settings{};
    LoadDefaultSettings(settings);
    return settings;
}
}  // namespace

CConfigPage::CConfigPage() : CPageBase(IDD_CONFIGURATION_PAGE) {}

std::span<const int> CConfigPage::RadioControls() const
{
    return RadioIds;
}

void CConfigPage::DoDataExchange()
{
    BindControl(m_apply, IDC_CONFIG_APPLY);
    BindControl(m_cancel, IDC_CONFIG_CANCEL);
}

bool CConfigPage::OnInitDialog()
{
    LimitItemText(m_hWnd, IDC_CONFIG_SSID, SsidLength);
    for (const LabelText& label : Labels)
        SetItemText(label.Id, label.Text);
    m_background = MakeSolidBrush(PageWhite);
    FillComboList(m_hWnd, IDC_CONFIG_NETWORK_TYPE, NetworkTypeItems);
    FillComboList(m_hWnd, IDC_CONFIG_RATE, RateItems());
    FillComboList(m_hWnd, IDC_CONFIG_PREAMBLE, PreambleItems);
    FillComboList(m_hWnd, IDC_CONFIG_POWER_MODE, PowerModeItems);
    return false;
}

void CConfigPage::LoadSettings()
{
    if (!IsWindow())
        return;
    const AdapterSettings settings = StoredSettings();

    m_channels = AdapterChannelRange();
    FillComboList(m_hWnd, IDC_CONFIG_CHANNEL, ChannelItems(m_channels));
    SelectComboItem(m_hWnd, IDC_CONFIG_CHANNEL, ChannelItemIndex(m_channels, settings.Channel));

    SelectComboItem(m_hWnd, IDC_CONFIG_NETWORK_TYPE, static_cast<int>(settings.NetworkMode));
    SelectComboItem(m_hWnd, IDC_CONFIG_RATE, settings.DataRate[0]);
    SelectComboItem(m_hWnd, IDC_CONFIG_PREAMBLE, static_cast<int>(settings.Preamble));
    SelectComboItem(m_hWnd, IDC_CONFIG_POWER_MODE, static_cast<int>(settings.PowerMode));

    const std::string ssid = FieldString(settings.DesiredSSID);
    SetItemText(IDC_CONFIG_SSID, ssid.empty() ? AnyNetwork : ssid);

    EnableChannelList();
}

bool CConfigPage::ApplySettings()
{
    AdapterSettings settings = StoredSettings();

    // A list without a selection stores its no-selection index, and the channel list 0.
    settings.Channel = ChannelFromItemText(ComboSelectionText(m_hWnd, IDC_CONFIG_CHANNEL));
    settings.NetworkMode = static_cast<uint32_t>(ComboSelection(m_hWnd, IDC_CONFIG_NETWORK_TYPE));
    settings.PowerMode = static_cast<uint32_t>(ComboSelection(m_hWnd, IDC_CONFIG_POWER_MODE));
    settings.Preamble = static_cast<uint32_t>(ComboSelection(m_hWnd, IDC_CONFIG_PREAMBLE));
    settings.DataRate[0] = static_cast<unsigned char>(ComboSelection(m_hWnd, IDC_CONFIG_RATE));

    const std::string ssid = ItemText(IDC_CONFIG_SSID);
    if (ssid.empty()) {
        ShowInputWarning(m_hWnd, "SSID cannot be empty !");
        return false;
    }
    CopyFieldText(settings.DesiredSSID, ssid.c_str());

    SaveAndRequestApply(settings);
    if (CConfigDlg* dialog = OwnerDialog())
        dialog->ShowPage(0);
    return true;
}

void CConfigPage::EnableChannelList()
{
    EnableItem(IDC_CONFIG_CHANNEL,
               ComboSelection(m_hWnd, IDC_CONFIG_NETWORK_TYPE) != static_cast<int>(NetworkModeInfrastructure));
}

bool CConfigPage::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_CONFIG_APPLY && code == BN_CLICKED) {
        ApplySettings();
        return true;
    }
    if (id == IDC_CONFIG_CANCEL && code == BN_CLICKED) {
        LoadSettings();
        return true;
    }
    if (id == IDC_CONFIG_NETWORK_TYPE && code == CBN_SELCHANGE) {
        EnableChannelList();
        return true;
    }
    return CPageBase::OnCommand(id, code, control);
}

HBRUSH CConfigPage::OnCtlColor(HDC dc, HWND control, UINT type)
{
    CPageBase::OnCtlColor(dc, control, type);
    ::SetBkColor(dc, PageWhite);
    return m_background.Get();
}

void CConfigPage::OnDestroy()
{
    m_background.Reset();
}
