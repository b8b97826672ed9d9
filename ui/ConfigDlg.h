// The configuration dialog: side labels that select pages, a tab control that holds them.
// One object lives for the whole process and is run modally again at each opening.
#ifndef SKYLOOK_UI_CONFIG_DLG_H
#define SKYLOOK_UI_CONFIG_DLG_H

#include "AboutPage.h"
#include "ConfigurationPage.h"
#include "EncryptionPage.h"
#include "LinkInfoPage.h"
#include "SiteSurveyPage.h"
#include "StatisticsPage.h"
#include "controls/ColorLabel.h"
#include "framework/Control.h"
#include "framework/Gdi.h"

constexpr int PageCount = 5;

class CConfigDlg : public CDialog {
public:
    CConfigDlg();

    // Shows page index (0 Link Info, 1 Configuration, 2 Encryption, 3 Site Survey, 4 About).
    void ShowPage(int index);
    int CurrentPage() const { return m_currentPage; }

    // Ends the modal run and closes every window the dialog owns, at any depth.
    void CloseConfigDialog();

    // The seven controls kept disabled while an apply settles.
    void EnableBusySet(bool enable);
    // The page buttons that act on the adapter; off while the radio is off.
    void EnableRadioSet(bool enable);

    CLinkInfoPage& LinkInfoPage() { return m_linkInfo; }
    CSiteSurveyPage& SiteSurveyPage() { return m_siteSurvey; }

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    CConfigPageBase* PageByIndex(int index);
    void CreatePages();
    void SetUpLabels();

    COLORREF m_background = RGB(198, 216, 241);
    int m_currentPage = -1;
    HICON m_icon = nullptr;

    CLinkInfoPage m_linkInfo;
    CConfigPage m_configuration;
    CStatisticsPage m_statistics;
    CSiteSurveyPage m_siteSurvey;
    CAboutPage m_about;
    CEncryptionPage m_encryption;

    CBrush m_backgroundBrush;
    // Bound to Hide, About, SiteSurvey, Encryption, Configuration, Link Info.
    CColorLabel m_labels[6];
    CControl m_tab;
};

#endif
