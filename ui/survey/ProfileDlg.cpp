#include "ui/survey/ProfileDlg.h"

#include "ui/encryption/AuthModeControls.h"
#include "ui/common/ComboFill.h"
#include "ui/common/InputWarning.h"
#include "ui/survey/ProfileDlgIds.h"
#include "ui/encryption/SecurityChoice.h"
#include "ui/common/SettingsLists.h"

#include "record/TextField.h"

namespace {
constexpr int NameLength = 32;
constexpr int SsidLength = 32;
// Where the embedded pages sit, in dialog units: over the key rows they replace.
constexpr RECT PskPagePlace = {8, 156, 0, 0};
constexpr RECT EapPagePlace = {4, 154, 0, 0};


// Shown for the WEP modes only; the passphrase row generates WEP keys.
constexpr int WepControlIds[] = {
    IDC_PROFILE_DEFAULT_KEY_1,    IDC_PROFILE_DEFAULT_KEY_2,      IDC_PROFILE_DEFAULT_KEY_3,
    IDC_PROFILE_DEFAULT_KEY_4,    IDC_PROFILE_KEY_1,              IDC_PROFILE_KEY_2,
    IDC_PROFILE_KEY_3,            IDC_PROFILE_KEY_4,              IDC_PROFILE_KEY_LENGTH,
    IDC_PROFILE_KEY_FORMAT,       IDC_PROFILE_DEFAULT_KEY_LABEL,  IDC_PROFILE_KEY_FORMAT_LABEL,
    IDC_PROFILE_KEY_LENGTH_LABEL, IDC_PROFILE_PASSPHRASE_LABEL,   IDC_PROFILE_PASSPHRASE,
    IDC_PROFILE_GENERATE,
};

// Enabled only while "Data Encryption" is checked.
constexpr int KeyControlIds[] = {
    IDC_PROFILE_DEFAULT_KEY_1, IDC_PROFILE_DEFAULT_KEY_2,    IDC_PROFILE_DEFAULT_KEY_3,
    IDC_PROFILE_DEFAULT_KEY_4, IDC_PROFILE_KEY_1,            IDC_PROFILE_KEY_2,
    IDC_PROFILE_KEY_3,         IDC_PROFILE_KEY_4,            IDC_PROFILE_KEY_LENGTH,
    IDC_PROFILE_KEY_LENGTH_2,  IDC_PROFILE_KEY_LENGTH_3,     IDC_PROFILE_KEY_LENGTH_4,
    IDC_PROFILE_KEY_FORMAT,    IDC_PROFILE_PASSPHRASE_LABEL, IDC_PROFILE_PASSPHRASE,
    IDC_PROFILE_GENERATE,
};

const WepKeyControlIds KeyControls = {
    {IDC_PROFILE_KEY_1, IDC_PROFILE_KEY_2, IDC_PROFILE_KEY_3, IDC_PROFILE_KEY_4},
    {IDC_PROFILE_DEFAULT_KEY_1, IDC_PROFILE_DEFAULT_KEY_2, IDC_PROFILE_DEFAULT_KEY_3, IDC_PROFILE_DEFAULT_KEY_4},
    {IDC_PROFILE_KEY_LENGTH, IDC_PROFILE_KEY_LENGTH_2, IDC_PROFILE_KEY_LENGTH_3, IDC_PROFILE_KEY_LENGTH_4},
    IDC_PROFILE_KEY_FORMAT,
    IDC_PROFILE_DEFAULT_KEY_LIST,
    IDC_PROFILE_PASSPHRASE,
    IDC_PROFILE_GENERATE,
    WepControlIds,
    KeyControlIds,
};

constexpr DialogItemText Labels[] = {
    {IDC_PROFILE_NAME_LABEL, "Profile &Name"},      {IDC_PROFILE_BSS_TYPE_LABEL, "&BSS Type"},
    {IDC_PROFILE_CHANNEL_LABEL, "&Channel"},        {IDC_PROFILE_TX_RATE_LABEL, "&TxRate"},
    {IDC_PROFILE_PREAMBLE_LABEL, "&Preamble"},      {IDC_PROFILE_POWER_MODE_LABEL, "Po&wer Mode"},
    {IDC_PROFILE_AUTH_MODE_LABEL, "&Auth. Mode"},   {IDC_PROFILE_DEFAULT_KEY_LABEL, "Default &Key"},
    {IDC_PROFILE_KEY_LENGTH_LABEL, "Key &Length"},  {IDC_PROFILE_KEY_FORMAT_LABEL, "Key &Format"},
    {IDC_PROFILE_ENCRYPTION, "&Data Encryption"},   {IDOK, "Apply"},
    {IDCANCEL, "Cancel"},
};
}  // namespace

CProfileDlg::CProfileDlg() : CWhiteBackground(IDD_PROFILE_DIALOG), m_keyControls(KeyControls, m_keys) {}

CProfileDlg::~CProfileDlg() = default;

std::string CProfileDlg::TitleFor(int32_t mode, const char* profileName)
{
    std::string title;
    switch (mode) {
    case ProfileModeAdd: return "Add New Profile";
    case ProfileModeEdit: title = "Profile: "; break;
    case ProfileModeConnect: title = "Connect: "; break;
    default: return "Profile";
    }
    return title.append(profileName);
}

void CProfileDlg::DoDataExchange()
{
    BindControl(m_apply, IDOK);
    BindControl(m_cancel, IDCANCEL);
    for (int i = 0; i < WepKeyCount; ++i)
        BindControl(m_keys[static_cast<size_t>(i)], KeyControls.Keys[static_cast<size_t>(i)]);
}

bool CProfileDlg::OnInitDialog()
{
    CEditView(Item(IDC_PROFILE_NAME)).LimitText(NameLength);
    CEditView(Item(IDC_PROFILE_SSID)).LimitText(SsidLength);
    SetItemTexts(Labels);
    FillLists();
    CreateSubPages();
    LoadControls();
    ApplyMode();
    return true;
}

void CProfileDlg::FillLists()
{
    FillComboBox(CComboBoxView(Item(IDC_PROFILE_BSS_TYPE)), NetworkTypeItems);
    FillComboBox(CComboBoxView(Item(IDC_PROFILE_TX_RATE)), RateItems());
    FillComboBox(CComboBoxView(Item(IDC_PROFILE_PREAMBLE)), PreambleItems);
    FillComboBox(CComboBoxView(Item(IDC_PROFILE_POWER_MODE)), PowerModeItems);
    FillComboBox(CComboBoxView(Item(IDC_PROFILE_AUTH_MODE)), AuthModeItems);
    m_keyControls.SetUp(m_hWnd);
}

void CProfileDlg::CreateSubPages()
{
    // Tab goes from the authentication list into an embedded page, then on to Apply.
    HWND after = Item(IDC_PROFILE_AUTH_MODE);
    RECT psk = PskPagePlace;
    ::MapDialogRect(m_hWnd, &psk);
    if (m_pskPage.Create(m_hWnd)) {
        ::SetWindowPos(m_pskPage.Handle(), after, psk.left, psk.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        m_pskPage.Show(SW_HIDE);
    }
    RECT eap = EapPagePlace;
    ::MapDialogRect(m_hWnd, &eap);
    if (m_eapPage.CreateAt(m_hWnd, {eap.left, eap.top}))
        ::SetWindowPos(m_eapPage.Handle(), after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void CProfileDlg::LoadControls()
{
    const AdapterSettings& settings = EditSettings;
    const ChannelRange range = AdapterChannelRange();
    FillComboBox(CComboBoxView(Item(IDC_PROFILE_CHANNEL)), ChannelItems(range));
    CComboBoxView(Item(IDC_PROFILE_CHANNEL)).SetCurSel(ChannelItemIndex(range, settings.Channel));

    CComboBoxView(Item(IDC_PROFILE_BSS_TYPE)).SetCurSel(static_cast<int>(settings.NetworkMode));
    CComboBoxView(Item(IDC_PROFILE_TX_RATE)).SetCurSel(settings.DataRate[0]);
    CComboBoxView(Item(IDC_PROFILE_PREAMBLE)).SetCurSel(static_cast<int>(settings.Preamble));
    CComboBoxView(Item(IDC_PROFILE_POWER_MODE)).SetCurSel(static_cast<int>(settings.PowerMode));
    const SecurityChoice choice = SecurityChoiceFor(settings);
    CComboBoxView(Item(IDC_PROFILE_AUTH_MODE)).SetCurSel(choice.AuthIndex);
    SetItemText(IDC_PROFILE_SSID, FieldString(settings.DesiredSSID));
    m_keyControls.Load(settings);
    CheckItem(IDC_PROFILE_ENCRYPTION, choice.Encryption);
    FollowEncryptionSwitch();
    ShowModeControls();

    m_eapPage.Load(settings);
    if (m_pskPage.IsWindow())
        m_pskPage.SetPassphrase(FieldString(settings.PskPassphrase));
}

void CProfileDlg::ApplyMode()
{
    if (Mode == ProfileModeAdd)
        CopyFieldText(ProfileName, FieldString(EditSettings.DesiredSSID).c_str());
    SetText(TitleFor(Mode, FieldString(ProfileName).c_str()).c_str());
    if (Mode == ProfileModeEdit)
        EnableItem(IDC_PROFILE_NAME, false);
    if (Mode == ProfileModeConnect) {
        // The network is the one of the scan; a hidden one's name is for the user to type.
        const bool hidden = EditSettings.DesiredSSID[0] == 0;
        EnableItem(IDC_PROFILE_SSID, hidden);
        for (int id : {IDC_PROFILE_CHANNEL, IDC_PROFILE_ENCRYPTION, IDC_PROFILE_BSS_TYPE})
            EnableItem(id, false);
    }
    SetItemText(IDC_PROFILE_NAME, FieldString(ProfileName));
}

bool CProfileDlg::EncryptionChecked() const
{
    return IsItemChecked(IDC_PROFILE_ENCRYPTION);
}

void CProfileDlg::EnableAuthList()
{
    EnableItem(IDC_PROFILE_AUTH_MODE,
               AuthListEnabled(EncryptionChecked(), CComboBoxView(Item(IDC_PROFILE_BSS_TYPE)).CurSel()));
}

void CProfileDlg::FollowEncryptionSwitch()
{
    const bool on = EncryptionChecked();
    EnableAuthList();
    if (!on) {
        CComboBoxView(Item(IDC_PROFILE_AUTH_MODE)).SetCurSel(static_cast<int>(AuthModeOpen));
        ShowModeControls();
    }
    m_keyControls.Enable(on);
}

void CProfileDlg::ShowModeControls()
{
    ShowAuthModeControls(CComboBoxView(Item(IDC_PROFILE_AUTH_MODE)).CurSel(), m_keyControls, m_pskPage, m_eapPage);
}

ProfileForm CProfileDlg::ReadForm() const
{
    ProfileForm form;
    form.Name = ItemText(IDC_PROFILE_NAME);
    form.Ssid = ItemText(IDC_PROFILE_SSID);
    form.AuthIndex = CComboBoxView(Item(IDC_PROFILE_AUTH_MODE)).CurSel();
    form.ChannelText = SelectedText(CComboBoxView(Item(IDC_PROFILE_CHANNEL)));
    form.NetworkMode = CComboBoxView(Item(IDC_PROFILE_BSS_TYPE)).CurSel();
    form.RateIndex = CComboBoxView(Item(IDC_PROFILE_TX_RATE)).CurSel();
    form.Preamble = CComboBoxView(Item(IDC_PROFILE_PREAMBLE)).CurSel();
    form.PowerMode = CComboBoxView(Item(IDC_PROFILE_POWER_MODE)).CurSel();
    form.Encryption = EncryptionChecked();
    form.CheckedKey = m_keyControls.CheckedDefaultKey();
    form.LengthIndex = m_keyControls.LengthSelection();
    form.FormatIndex = m_keyControls.FormatIndex();
    form.Keys = m_keyControls.Texts();
    if (m_pskPage.IsWindow()) {
        form.Passphrase = m_pskPage.Passphrase();
        form.Confirmation = m_pskPage.Confirmation();
    }
    form.WpaUserName = m_eapPage.UserName();
    form.WpaCertificate = m_eapPage.CertificateName();
    return form;
}

void CProfileDlg::OnOK()
{
    std::string name;
    const std::string refusal = ApplyProfileForm(ReadForm(), EditSettings, name);
    if (!refusal.empty()) {
        ShowInputWarning(m_hWnd, refusal);
        return;
    }
    CopyFieldText(ProfileName, name.c_str());
    EndDialog(IDOK);
}

bool CProfileDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (m_keyControls.OnCommand(id, code))
        return true;
    switch (id) {
    case IDC_PROFILE_ENCRYPTION:
        if (code == BN_CLICKED)
            FollowEncryptionSwitch();
        return true;
    case IDC_PROFILE_AUTH_MODE:
        if (code == CBN_SELCHANGE)
            ShowModeControls();
        return true;
    case IDC_PROFILE_BSS_TYPE:
        if (code == CBN_SELCHANGE)
            EnableAuthList();
        return true;
    default:
        return CWhiteBackground::OnCommand(id, code, control);
    }
}

