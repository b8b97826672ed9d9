#ifndef SKYLOOK_UI_SITE_SURVEY_PAGE_H
#define SKYLOOK_UI_SITE_SURVEY_PAGE_H

#include "ui/survey/ImageStrip.h"
#include "ui/survey/SurveyRows.h"
#include "ui/frame/PageBase.h"
#include "ui/common/WhiteBackground.h"

#include "adapter/ScanList.h"
#include "controls/GroupFrame.h"
#include "controls/SkinButton.h"
#include "framework/Gdi.h"
#include "framework/StandardControls.h"

#include <string>
#include <vector>

class CProfileDlg;

// The networks of the last scan and the stored profiles: scan again, connect to a network,
// add, edit, use and remove profiles. Every connection ends in the same hand-over to the
// tick and a switch to the Link Info page.
class CSiteSurveyPage : public CWhiteBackground<CPageBase> {
public:
    // Period and timer of the wait for a scan to finish after Refresh.
    static constexpr UINT_PTR RefreshTimerId = 100;
    static constexpr UINT RefreshTimerPeriod = 1000;
    // Timer messages that pass before the lists are rebuilt: the seventh rebuilds them.
    static constexpr int RefreshWaitTicks = 6;

    CSiteSurveyPage();

    // Reads the last scan and lists its networks; a failed read leaves the list as it was.
    void FillNetworkList();
    // The last scan read anew into list; false when nothing could be listed.
    bool ListLastScan(const CListViewView& list);
    // Lists the stored profiles, marked by the last scan and the link.
    void FillProfileList();

    // The lists are filled after the page is shown, so that the user sees it at once.
    void OnShown() override;
    void OnNetworksChanged() override;
    std::span<const int> RadioControls() const override;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnButtonClicked(WORD id) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    bool OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    // The images at the size of the new DPI, the columns fitted to the text again.
    void OnDpiChanged() override;

private:
    void SetUpGroups();
    void SetUpImages();
    // The lists' columns and images, once per window.
    void PrepareLists();

    void OnRefresh();
    void OnConnect();
    void OnAdd();
    void OnProperties();
    void OnUseProfile();
    void OnRemove();

    // Runs the Profile dialog; true when it ended with OK.
    bool RunProfileDialog(CProfileDlg& dialog);
    // The profile list's first selected row; false when none is selected.
    bool SelectedProfile(ProfileRow& profile) const;
    // Loads the profile's record from its key. When it will not load, the list is filled
    // again; a profile that is still listed then cannot be read at all, and the user is told.
    bool LoadShownProfile(const ProfileRow& profile, AdapterSettings& settings);
    // True when the profile list shows a row for this key.
    bool IsProfileShown(const std::string& keyName) const;
    // Saves the dialog's record under the profile's key name, makes it the default settings
    // and has the tick apply it.
    void ApplyProfileFromDialog(const CProfileDlg& dialog, const std::string& keyName);
    void ShowLinkInfo();

    CListViewView NetworkListView() const;
    CListViewView ProfileListView() const;

    CImageStrip m_images;
    bool m_listsReady = false;
    CGroupFrame m_networkGroup;
    CGroupFrame m_profileGroup;
    CSkinButton m_refreshButton;
    CSkinButton m_connectButton;
    CSkinButton m_addButton;
    CSkinButton m_removeButton;
    CSkinButton m_propertiesButton;
    int m_scanWait = 0;

    // What the rows show, indexed by the number each row carries: the scan entries and
    // the profiles as they were when the lists were filled.
    std::vector<ScanEntry> m_shownNetworks;
    // The name of every network of the last scan read, also of those without a row.
    std::vector<std::string> m_heardNames;
    std::vector<ProfileRow> m_shownProfiles;
};

#endif
