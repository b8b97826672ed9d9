#include "EqualControlsDialog.h"

#include "ui/about/AboutPageIds.h"
#include "ui/configuration/ConfigurationPageIds.h"
#include "ui/encryption/EapPageIds.h"
#include "ui/encryption/EncryptionPageIds.h"
#include "ui/encryption/PskPageIds.h"
#include "ui/frame/ConfigDlgIds.h"
#include "ui/linkinfo/LinkInfoPageIds.h"
#include "ui/linkinfo/StatisticsPageIds.h"
#include "ui/survey/SiteSurveyPageIds.h"

#include <algorithm>

namespace {
// The pages the dialog creates itself, and the pages the Encryption page embeds.
constexpr UINT FramePages[] = {IDD_LINK_INFO_PAGE, IDD_CONFIGURATION_PAGE, IDD_ENCRYPTION_PAGE,
                               IDD_SITE_SURVEY_PAGE, IDD_ABOUT_PAGE, IDD_STATISTICS_PAGE};
constexpr UINT EmbeddedInEncryption[] = {IDD_PSK_PAGE, IDD_EAP_PAGE};

HWND CreatePage(HWND parent, UINT templateId);

// Does nothing but embed the Encryption page's two pages, inside its WM_INITDIALOG as the
// program's page does.
INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    if (static_cast<UINT>(lParam) == IDD_ENCRYPTION_PAGE)
        for (UINT embedded : EmbeddedInEncryption)
            if (HWND inner = CreatePage(window, embedded))
                ::ShowWindow(inner, SW_HIDE);
    return TRUE;
}

HWND CreatePage(HWND parent, UINT templateId)
{
    return ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), parent, &PageProc,
                                static_cast<LPARAM>(templateId));
}

std::vector<UINT> SortedFramePages()
{
    std::vector<UINT> order(std::begin(FramePages), std::end(FramePages));
    std::sort(order.begin(), order.end());
    return order;
}
}  // namespace

const std::vector<UINT>& CEqualControlsDialog::CreationOrder()
{
    static const std::vector<UINT> order = [] {
        std::vector<UINT> all;
        for (UINT page : SortedFramePages()) {
            all.push_back(page);
            if (page == IDD_ENCRYPTION_PAGE)
                all.insert(all.end(), std::begin(EmbeddedInEncryption), std::end(EmbeddedInEncryption));
        }
        return all;
    }();
    return order;
}

const char* CEqualControlsDialog::PageName(UINT templateId)
{
    switch (templateId) {
    case IDD_LINK_INFO_PAGE: return "Link Info";
    case IDD_CONFIGURATION_PAGE: return "Configuration";
    case IDD_STATISTICS_PAGE: return "Statistics";
    case IDD_SITE_SURVEY_PAGE: return "Site Survey";
    case IDD_ABOUT_PAGE: return "About";
    case IDD_ENCRYPTION_PAGE: return "Encryption";
    case IDD_PSK_PAGE: return "Encryption: PSK";
    case IDD_EAP_PAGE: return "Encryption: 802.1X";
    default: return "?";
    }
}

void CEqualControlsDialog::DoModal(HWND owner)
{
    ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CONFIG_DIALOG), owner, &FrameProc,
                      reinterpret_cast<LPARAM>(this));
    m_window = nullptr;
}

void CEqualControlsDialog::CreatePages()
{
    HWND tab = ::GetDlgItem(m_window, IDC_PAGE_TAB);
    ::SetWindowLongPtrA(tab, GWL_EXSTYLE, ::GetWindowLongPtrA(tab, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    m_firstPage = m_aboutPage = nullptr;
    for (UINT templateId : SortedFramePages()) {
        HWND page = CreatePage(tab, templateId);
        if (!page)
            continue;
        ::SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        if (templateId == IDD_LINK_INFO_PAGE)
            m_firstPage = page;
        if (templateId == IDD_ABOUT_PAGE)
            m_aboutPage = page;
    }
    ::ShowWindow(m_firstPage, SW_SHOW);
}

void CEqualControlsDialog::ShowAboutPage()
{
    ::ShowWindow(m_firstPage, SW_HIDE);
    ::ShowWindow(m_aboutPage, SW_SHOW);
}

void CEqualControlsDialog::Close()
{
    if (m_window)
        ::EndDialog(m_window, IDOK);
}

INT_PTR CALLBACK CEqualControlsDialog::FrameProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* dialog = reinterpret_cast<CEqualControlsDialog*>(lParam);
    dialog->m_window = window;
    dialog->CreatePages();
    return TRUE;
}
