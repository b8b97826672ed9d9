#include "ui/survey/SiteSurveyPage.h"

#include "ui/common/ListViewRows.h"
#include "ui/survey/ProfileDlg.h"
#include "ui/common/InputWarning.h"
#include "ui/common/PendingApply.h"
#include "ui/survey/SiteSurveyPageIds.h"
#include "ui/survey/SurveyRows.h"

#include "adapter/AdapterWrappers.h"
#include "state/ProgramState.h"
#include "controls/DpiScale.h"
#include "controls/PointFont.h"
#include "res/resource.h"
#include "settings/ProfileNames.h"
#include "settings/ProfileStore.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
constexpr int RadioIds[] = {IDC_SURVEY_REFRESH, IDC_SURVEY_CONNECT, IDC_SURVEY_ADD, IDC_SURVEY_REMOVE,
                            IDC_SURVEY_PROPERTIES};

const COLORREF CaptionNavy = RGB(0, 0, 128);
const COLORREF FrameGrey = RGB(128, 128, 128);
const COLORREF ImageMask = RGB(0, 128, 128);
constexpr int LinkInfoPageIndex = 0;

void ShowCaption(CGroupFrame& group, const std::string& caption)
{
    if (caption != group.Caption())
        group.SetCaption(caption.c_str(), true);
}

std::vector<std::string> CellVector(const NetworkRow& row)
{
    return std::vector<std::string>(row.Cells.begin(), row.Cells.end());
}
}  // namespace

CSiteSurveyPage::CSiteSurveyPage() : CWhiteBackground(IDD_SITE_SURVEY_PAGE) {}

CListViewView CSiteSurveyPage::NetworkListView() const
{
    return CListViewView(Item(IDC_SURVEY_NETWORK_LIST));
}

CListViewView CSiteSurveyPage::ProfileListView() const
{
    return CListViewView(Item(IDC_SURVEY_PROFILE_LIST));
}

std::span<const int> CSiteSurveyPage::RadioControls() const
{
    return RadioIds;
}

void CSiteSurveyPage::DoDataExchange()
{
    BindControl(m_networkGroup, IDC_SURVEY_NETWORK_GROUP);
    BindControl(m_profileGroup, IDC_SURVEY_PROFILE_GROUP);
    BindControl(m_refreshButton, IDC_SURVEY_REFRESH);
    BindControl(m_connectButton, IDC_SURVEY_CONNECT);
    BindControl(m_addButton, IDC_SURVEY_ADD);
    BindControl(m_removeButton, IDC_SURVEY_REMOVE);
    BindControl(m_propertiesButton, IDC_SURVEY_PROPERTIES);
}

bool CSiteSurveyPage::OnInitDialog()
{
    m_networkGroup.SetCaption("Available Network", false);
    m_profileGroup.SetCaption("Profile", false);
    m_refreshButton.SetText("Refresh");
    m_connectButton.SetText("Connect");
    m_addButton.SetText("Add");
    m_removeButton.SetText("Remove");
    m_propertiesButton.SetText("Properties");

    SetUpGroups();
    // The lists' columns, images and rows wait for the page's first showing: every opening
    // creates the page, but few look at it.
    m_listsReady = false;
    m_scanWait = 0;
    return true;
}

void CSiteSurveyPage::OnShown()
{
    PrepareLists();
    OnNetworksChanged();
}

void CSiteSurveyPage::PrepareLists()
{
    if (m_listsReady || !IsWindow())
        return;
    // The fills size the columns, once each.
    SetUpColumns(NetworkListView(), std::vector<const char*>(std::begin(NetworkColumnHeaders),
                                                         std::end(NetworkColumnHeaders)));
    SetUpColumns(ProfileListView(), {"Profile Name"});
    SetUpImages();
    m_listsReady = true;
}

void CSiteSurveyPage::SetUpGroups()
{
    const LOGFONTA captionFont = MakePointLogFont("Arial", 100, FW_BOLD);
    for (CGroupFrame* group : {&m_networkGroup, &m_profileGroup}) {
        group->SetCaptionColour(CaptionNavy, true);
        group->SetFrameColours(FrameGrey, FrameGrey, false);
        group->SetCaptionFont(captionFont);
    }
}

void CSiteSurveyPage::OnDpiChanged()
{
    if (!m_listsReady)
        return;
    SetUpImages();
    for (const CListViewView& list : {NetworkListView(), ProfileListView()})
        AutoSizeColumns(list);
}

void CSiteSurveyPage::SetUpImages()
{
    // Lists without images still list; the rows only lose their pictures. The images take
    // the lists' small-icon size, so they grow with the screen's scale like the text does.
    const SurveyStrip strip = SurveyStripFor(SystemMetricForDpi(SM_CXSMICON, WindowDpi(m_hWnd)));
    m_images.Load(strip.BitmapId, strip.Size, ImageMask);
    for (const CListViewView& list : {NetworkListView(), ProfileListView()})
        list.SetImageList(m_images.Get());
}

void CSiteSurveyPage::FillNetworkList()
{
    if (!IsWindow())
        return;
    const CListViewView list = NetworkListView();
    const CListRedrawPause pause(list);
    if (ListLastScan(list))
        list.SelectOnly(0);
    // On every path: a list that was never filled still shows its headers in full.
    AutoSizeColumns(list);
}

bool CSiteSurveyPage::ListLastScan(const CListViewView& list)
{
    // Read into a scan of its own first: a failed read leaves both the list and the
    // program's last scan as they were.
    std::vector<HeardNetwork> networks;
    if (!ReadHeardNetworks(networks))
        return false;
    auto scan = std::make_unique<ScanList>();
    *scan = {};
    ListStrongest(networks, *scan);
    LastScan = *scan;
    // A profile is in range when its network was heard, though the list had no row for it.
    m_heardNames = HeardNames(networks);
    // More networks than rows: the list keeps the strongest, and says so, so that a user in
    // a crowded building knows why a network he hears elsewhere is missing.
    const size_t heard = LastScan.Heard > 0 ? static_cast<size_t>(LastScan.Heard) : 0;
    ShowCaption(m_networkGroup, GroupCaption("Available Network", LastScan.Count, heard));

    list.DeleteAllItems();
    m_shownNetworks.clear();
    if (CurrentStatus.LinkState == LinkRadioOff)
        return false;

    for (const NetworkRow& row : BuildNetworkRows(LastScan, CurrentStatus)) {
        m_shownNetworks.push_back(LastScan.Entries[row.ScanIndex]);
        AppendRow(list, row.Image, CellVector(row), static_cast<LPARAM>(m_shownNetworks.size() - 1));
    }
    return true;
}

void CSiteSurveyPage::FillProfileList()
{
    if (!IsWindow())
        return;
    auto profiles = std::make_unique<ProfileList>();
    std::memset(profiles.get(), 0, sizeof *profiles);
    EnumerateProfiles(*profiles);
    // The list holds ProfileListCapacity profiles; a fuller store is said in the caption.
    std::vector<std::string> stored;
    if (profiles->Count == ProfileListCapacity)
        ListStoredProfileNames(stored);
    ShowCaption(m_profileGroup, GroupCaption("Profile", profiles->Count, stored.size()));

    const CListViewView list = ProfileListView();
    const CListRedrawPause pause(list);
    list.DeleteAllItems();
    m_shownProfiles.clear();
    for (const ProfileRow& row : BuildProfileRows(*profiles, m_heardNames, CurrentStatus)) {
        m_shownProfiles.push_back(row);
        AppendRow(list, row.Image, {row.Name}, static_cast<LPARAM>(m_shownProfiles.size() - 1));
    }
    AutoSizeColumns(list);
}

void CSiteSurveyPage::OnNetworksChanged()
{
    // Lists never shown are filled, from the newest scan, when the page first shows.
    if (!m_listsReady)
        return;
    FillNetworkList();
    FillProfileList();
}

bool CSiteSurveyPage::OnButtonClicked(WORD id)
{
    switch (id) {
    case IDC_SURVEY_REFRESH: OnRefresh(); return true;
    case IDC_SURVEY_CONNECT: OnConnect(); return true;
    case IDC_SURVEY_ADD: OnAdd(); return true;
    case IDC_SURVEY_PROPERTIES: OnProperties(); return true;
    case IDC_SURVEY_REMOVE: OnRemove(); return true;
    default: return false;
    }
}

bool CSiteSurveyPage::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->code != NM_DBLCLK)
        return false;
    if (header->idFrom == IDC_SURVEY_NETWORK_LIST) {
        OnConnect();
        result = 0;
        return true;
    }
    if (header->idFrom == IDC_SURVEY_PROFILE_LIST) {
        OnUseProfile();
        result = 0;
        return true;
    }
    return false;
}

void CSiteSurveyPage::OnRefresh()
{
    DisableForOwnWait(IDC_SURVEY_REFRESH);
    StartScan();
    m_scanWait = 0;
    StartTimer(RefreshTimerId, RefreshTimerPeriod);
}

bool CSiteSurveyPage::OnTimer(UINT_PTR id)
{
    if (id == RefreshTimerId) {
        StopTimer(RefreshTimerId);
        if (m_scanWait < RefreshWaitTicks) {
            ++m_scanWait;
            StartTimer(RefreshTimerId, RefreshTimerPeriod);
        } else {
            FillNetworkList();
            FillProfileList();
            // The radio may have gone off while the scan ran; Refresh then stays off with
            // the rest of the radio's controls.
            EnableRadioControl(IDC_SURVEY_REFRESH);
        }
    }
    return false;
}

bool CSiteSurveyPage::RunProfileDialog(CProfileDlg& dialog)
{
    return dialog.DoModal(m_hWnd) == IDOK;
}

void CSiteSurveyPage::OnConnect()
{
    if (RefuseChange())
        return;
    const CListViewView list = NetworkListView();
    const int row = list.SelectedItem();
    if (row < 0)
        return;
    const LPARAM shown = list.ItemData(row);
    if (shown < 0 || static_cast<size_t>(shown) >= m_shownNetworks.size())
        return;
    const ScanEntry network = m_shownNetworks[static_cast<size_t>(shown)];

    auto dialog = std::make_unique<CProfileDlg>();
    dialog->Mode = ProfileModeConnect;
    dialog->EditSettings = SettingsForNetwork(network);
    const std::string name = ProfileNameForNetwork(network);
    std::snprintf(dialog->ProfileName, sizeof dialog->ProfileName, "%.32s", name.c_str());
    if (!RunProfileDialog(*dialog))
        return;

    FillProfileList();
    const bool profileStored = SaveProfile(dialog->ProfileName, dialog->EditSettings);
    const bool stored = SaveAndRequestApply(dialog->EditSettings) && profileStored;
    ::SetFocus(Item(IDC_SURVEY_REFRESH));
    if (!stored)
        ShowSettingsNotStored(m_hWnd);
    ShowLinkInfo();
}

void CSiteSurveyPage::OnAdd()
{
    if (RefuseChange())
        return;
    auto dialog = std::make_unique<CProfileDlg>();
    dialog->Mode = ProfileModeAdd;
    dialog->EditSettings = NewProfileSettings();
    if (!RunProfileDialog(*dialog))
        return;
    ApplyProfileFromDialog(*dialog, dialog->ProfileName);
}

void CSiteSurveyPage::OnProperties()
{
    ProfileRow profile;
    if (!SelectedProfile(profile))
        return;
    auto dialog = std::make_unique<CProfileDlg>();
    // A profile that no longer loads is not offered for editing as an empty record.
    if (!LoadShownProfile(profile, dialog->EditSettings))
        return;
    dialog->Mode = ProfileModeEdit;
    std::snprintf(dialog->ProfileName, sizeof dialog->ProfileName, "%.32s", profile.Name.c_str());
    if (!RunProfileDialog(*dialog))
        return;
    // The name cannot be changed here: the profile stays under its own key, however long.
    ApplyProfileFromDialog(*dialog, profile.KeyName);
}

void CSiteSurveyPage::ApplyProfileFromDialog(const CProfileDlg& dialog, const std::string& keyName)
{
    // Properties shows a stored profile to anyone; only its OK would change something.
    if (RefuseChange())
        return;
    const bool defaultsStored = SaveAndRequestApply(dialog.EditSettings);
    const bool stored = SaveProfile(keyName.c_str(), dialog.EditSettings) && defaultsStored;
    FillProfileList();
    if (!stored)
        ShowSettingsNotStored(m_hWnd);
    ShowLinkInfo();
}

bool CSiteSurveyPage::LoadShownProfile(const ProfileRow& profile, AdapterSettings& settings)
{
    if (LoadProfile(profile.KeyName.c_str(), settings))
        return true;
    // Removed meanwhile, it leaves the list, which says so; still listed, it is there but
    // cannot be read under the name the registry gave, and nothing else would say why.
    FillProfileList();
    if (IsProfileShown(profile.KeyName))
        ShowInputWarning(m_hWnd, ProfileKeyProblemMessage("opened", profile.Name));
    return false;
}

bool CSiteSurveyPage::IsProfileShown(const std::string& keyName) const
{
    for (const ProfileRow& shown : m_shownProfiles) {
        if (shown.KeyName == keyName)
            return true;
    }
    return false;
}

void CSiteSurveyPage::OnUseProfile()
{
    if (RefuseChange())
        return;
    ProfileRow profile;
    if (!SelectedProfile(profile))
        return;
    AdapterSettings settings{};
    // An all-zero record would send an empty ad-hoc network to the adapter.
    if (!LoadShownProfile(profile, settings))
        return;
    if (!SaveAndRequestApply(settings))
        ShowSettingsNotStored(m_hWnd);
    ShowLinkInfo();
}

void CSiteSurveyPage::OnRemove()
{
    if (RefuseChange())
        return;
    ProfileRow profile;
    if (!SelectedProfile(profile))
        return;
    DeleteProfile(profile.KeyName.c_str());
    FillProfileList();
    if (IsProfileShown(profile.KeyName))
        ShowInputWarning(m_hWnd, ProfileKeyProblemMessage("removed", profile.Name));
}

bool CSiteSurveyPage::SelectedProfile(ProfileRow& profile) const
{
    const CListViewView list = ProfileListView();
    const int row = list.SelectedItem();
    if (row < 0)
        return false;
    const LPARAM shown = list.ItemData(row);
    if (shown < 0 || static_cast<size_t>(shown) >= m_shownProfiles.size())
        return false;
    profile = m_shownProfiles[static_cast<size_t>(shown)];
    return true;
}

void CSiteSurveyPage::ShowLinkInfo()
{
    if (IPageHost* owner = OwnerDialog())
        owner->ShowPage(LinkInfoPageIndex);
}

void CSiteSurveyPage::OnDestroy()
{
    StopTimer(RefreshTimerId);
    m_scanWait = 0;
    // The lists share the images and do not own them (LVS_SHAREIMAGELISTS).
    for (const CListViewView& list : {NetworkListView(), ProfileListView()})
        list.SetImageList(nullptr);
    m_images.Reset();
    CWhiteBackground::OnDestroy();
}
