#include "ui/configuration/ConfigurationPage.h"

#include "ui/configuration/ConfigurationPageIds.h"
#include "ui/common/ComboFill.h"
#include "record/TextField.h"
#include "ui/common/InputWarning.h"
#include "ui/common/PendingApply.h"

#include "framework/StandardControls.h"
#include "settings/DefaultsInUse.h"

namespace {
constexpr int RadioIds[] = {IDC_CONFIG_APPLY, IDC_CONFIG_CANCEL};
constexpr int SsidLength = sizeof(AdapterSettings::DesiredSSID) - 1;
// What the page shows for an empty stored network name; stored as it stands when applied.
constexpr char AnyNetwork[] = "Any";

constexpr DialogItemText Labels[] = {
    {IDC_CONFIG_SSID_LABEL, "&SSID"},         {IDC_CONFIG_NETWORK_TYPE_LABEL, "&BSS Type"},
    {IDC_CONFIG_CHANNEL_LABEL, "&Channel"},   {IDC_CONFIG_RATE_LABEL, "&TxRate"},
    {IDC_CONFIG_PREAMBLE_LABEL, "&Preamble"}, {IDC_CONFIG_POWER_MODE_LABEL, "Po&wer Mode"},
    {IDC_CONFIG_APPLY, "Apply"},             {IDC_CONFIG_CANCEL, "Cancel"},
};
}  // namespace

CConfigPage::CConfigPage() : CWhiteBackground(IDD_CONFIGURATION_PAGE) {}

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
    CEditView(Item(IDC_CONFIG_SSID)).LimitText(SsidLength);
    SetItemTexts(Labels);
    FillComboBox(List(IDC_CONFIG_NETWORK_TYPE), NetworkTypeItems);
    FillComboBox(List(IDC_CONFIG_RATE), RateItems());
    FillComboBox(List(IDC_CONFIG_PREAMBLE), PreambleItems);
    FillComboBox(List(IDC_CONFIG_POWER_MODE), PowerModeItems);
    return false;
}

void CConfigPage::LoadSettings()
{
    if (!IsWindow())
        return;
    const AdapterSettings settings = DefaultSettingsInUse();

    m_channels = AdapterChannelRange();
    FillComboBox(List(IDC_CONFIG_CHANNEL), ChannelItems(m_channels));
    List(IDC_CONFIG_CHANNEL).SetCurSel(ChannelItemIndex(m_channels, settings.Channel));

    List(IDC_CONFIG_NETWORK_TYPE).SetCurSel(static_cast<int>(settings.NetworkMode));
    List(IDC_CONFIG_RATE).SetCurSel(settings.DataRate[0]);
    List(IDC_CONFIG_PREAMBLE).SetCurSel(static_cast<int>(settings.Preamble));
    List(IDC_CONFIG_POWER_MODE).SetCurSel(static_cast<int>(settings.PowerMode));

    const std::string ssid = FieldString(settings.DesiredSSID);
    SetItemText(IDC_CONFIG_SSID, ssid.empty() ? AnyNetwork : ssid);

    EnableChannelList();
}

bool CConfigPage::ApplySettings()
{
    if (RefuseChange())
        return false;
    AdapterSettings settings = DefaultSettingsInUse();

    // A list without a selection stores its no-selection index, and the channel list 0.
    settings.Channel = ChannelFromItemText(SelectedText(List(IDC_CONFIG_CHANNEL)));
    settings.NetworkMode = static_cast<uint32_t>(List(IDC_CONFIG_NETWORK_TYPE).CurSel());
    settings.PowerMode = static_cast<uint32_t>(List(IDC_CONFIG_POWER_MODE).CurSel());
    settings.Preamble = static_cast<uint32_t>(List(IDC_CONFIG_PREAMBLE).CurSel());
    settings.DataRate[0] = static_cast<unsigned char>(List(IDC_CONFIG_RATE).CurSel());

    const std::string ssid = ItemText(IDC_CONFIG_SSID);
    if (ssid.empty()) {
        ShowInputWarning(m_hWnd, "SSID cannot be empty !");
        return false;
    }
    CopyFieldText(settings.DesiredSSID, ssid.c_str());

    const bool stored = SaveAndRequestApply(settings);
    if (!stored)
        ShowSettingsNotStored(m_hWnd);
    if (IPageHost* dialog = OwnerDialog())
        dialog->ShowPage(0);
    return true;
}

void CConfigPage::EnableChannelList()
{
    EnableItem(IDC_CONFIG_CHANNEL,
               List(IDC_CONFIG_NETWORK_TYPE).CurSel() != static_cast<int>(NetworkModeInfrastructure));
}

CComboBoxView CConfigPage::List(int id) const
{
    return CComboBoxView(Item(id));
}

bool CConfigPage::OnButtonClicked(WORD id)
{
    if (id == IDC_CONFIG_APPLY)
        ApplySettings();
    else if (id == IDC_CONFIG_CANCEL)
        LoadSettings();
    else
        return false;
    return true;
}

bool CConfigPage::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_CONFIG_NETWORK_TYPE && code == CBN_SELCHANGE) {
        EnableChannelList();
        return true;
    }
    return CPageBase::OnCommand(id, code, control);
}
