#include "ConfigDlg.h"

#include <commctrl.h>

#include "state/ProgramState.h"
#include "res/dialog_ids.h"
#include "res/resource.h"

namespace {
const COLORREF LabelGrey = RGB(128, 128, 128);
const COLORREF LabelBlack = RGB(0, 0, 0);
const COLORREF LabelHover = RGB(0, 0, 255);

// Side label ids in page order; the hidden "Hide" label follows them.
const int PageLabelIds[PageCount] = {IDC_LABEL_LINK_INFO, IDC_LABEL_CONFIGURATION, IDC_LABEL_ENCRYPTION,
                                     IDC_LABEL_SITE_SURVEY, IDC_LABEL_ABOUT};
const char* const PageLabelTexts[PageCount] = {"Link Info.", "Configuration", "Encryption", "SiteSurvey", "About"};

// The labels are bound from "Hide" down to "Link Info.", so page n's label sits at 5 - n.
int LabelSlotForPage(int page)
{
    return PageCount - page;
}

struct CloseOwnedContext {
    HWND Dialog;
};

bool IsOwnedBy(HWND window, HWND dialog)
{
    for (HWND owner = ::GetWindow(window, GW_OWNER); owner; owner = ::GetWindow(owner, GW_OWNER)) {
        if (owner == dialog)
            return true;
    }
    return false;
}

BOOL CALLBACK CloseIfOwned(HWND window, LPARAM context)
{
    HWND dialog = reinterpret_cast<CloseOwnedContext*>(context)->Dialog;
    if (window != dialog && IsOwnedBy(window, dialog))
        ::PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}
}  // namespace

CConfigDlg::CConfigDlg() : CDialog(IDD_CONFIG_DIALOG) {}

void CConfigDlg::DoDataExchange()
{
    const int labelIds[6] = {IDC_LABEL_HIDE,       IDC_LABEL_ABOUT,         IDC_LABEL_SITE_SURVEY,
                             IDC_LABEL_ENCRYPTION, IDC_LABEL_CONFIGURATION, IDC_LABEL_LINK_INFO};
    for (int i = 0; i < 6; ++i)
        BindControl(m_labels[i], labelIds[i]);
    BindControl(m_tab, IDC_PAGE_TAB);
}

bool CConfigDlg::OnInitDialog()
{
    PreviousLinkState = -1;

    m_background = RGB(198, 216, 241);
    m_backgroundBrush = MakeSolidBrush(m_background);

    if (IsEnabled())
        ::SetForegroundWindow(m_hWnd);

    m_icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SKYLOOK));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));

    CreatePages();
    SetUpLabels();

    m_currentPage = -1;
    ShowPage(0);
    return true;
}

CConfigPageBase* CConfigDlg::PageByIndex(int index)
{
    switch (index) {
    case 0: return &m_linkInfo;
    case 1: return &m_configuration;
    case 2: return &m_encryption;
    case 3: return &m_siteSurvey;
    case 4: return &m_about;
    default: return nullptr;
    }
}

void CConfigDlg::CreatePages()
{
    CConfigPageBase* const inCreationOrder[] = {&m_linkInfo, &m_configuration, &m_statistics,
                                                &m_siteSurvey, &m_about, &m_encryption};
    for (CConfigPageBase* page : inCreationOrder) {
        page->SetOwnerDialog(this);
        // A page that cannot be created is simply absent.
        if (!page->Create(m_tab.Handle()))
            continue;
        ::SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void CConfigDlg::SetUpLabels()
{
    HCURSOR hand = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_CURSOR));
    for (int i = 0; i < 6; ++i) {
        CColorLabel& label = m_labels[i];
        label.SetBackgroundColour(m_background);
        label.SetHoverCursor(hand);
        label.SetHoverHighlight(true, LabelHover);
        label.SetTextColour(LabelBlack);
        if (i != 0)
            label.SetUnderline(true);
    }
}

void CConfigDlg::ShowPage(int index)
{
    if (index == m_currentPage)
        return;
    m_currentPage = index;

    for (int page = 0; page < PageCount; ++page) {
        CConfigPageBase* object = PageByIndex(page);
        if (object->IsWindow())
            object->Show(SW_HIDE);
    }
    m_tab.Send(TCM_SETCURSEL, static_cast<WPARAM>(index));

    for (int page = 0; page < PageCount; ++page) {
        CColorLabel& label = m_labels[LabelSlotForPage(page)];
        label.SetTextColour(LabelGrey);
        label.SetBold(true);
        label.SetLabelText(PageLabelTexts[page]);
    }

    CConfigPageBase* page = PageByIndex(index);
    if (!page)
        return;
    switch (index) {
    case 0: m_linkInfo.RefreshLinkInfo(); break;
    case 1: m_configuration.LoadSettings(); break;
    case 2: m_encryption.LoadSettings(); break;
    default: break;
    }
    if (page->IsWindow())
        page->Show(SW_SHOW);
    if (index == 3) {
        m_siteSurvey.FillNetworkList();
        m_siteSurvey.FillProfileList();
    }
    CColorLabel& chosen = m_labels[LabelSlotForPage(index)];
    chosen.SetTextColour(LabelBlack);
    chosen.SetBold(true);
}

void CConfigDlg::CloseConfigDialog()
{
    if (!IsWindow())
        return;
    // The standard OK processing, not the overridden handler that ignores Enter.
    CDialog::EndDialog(IDOK);
    CloseOwnedContext context{m_hWnd};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CloseIfOwned, reinterpret_cast<LPARAM>(&context));
}

void CConfigDlg::EnableBusySet(bool enable)
{
    if (!IsWindow())
        return;
    for (int id : PageLabelIds)
        if (HWND label = Item(id))
            ::EnableWindow(label, enable ? TRUE : FALSE);
    m_linkInfo.EnableItem(IDC_LINK_RESCAN, enable);
    m_linkInfo.EnableItem(IDC_LINK_RADIO, enable);
}

void CConfigDlg::EnableRadioSet(bool enable)
{
    if (!IsWindow())
        return;
    m_linkInfo.EnableItem(IDC_LINK_RESCAN, enable);
    m_configuration.EnableItem(IDC_PAGE_APPLY, enable);
    m_configuration.EnableItem(IDC_PAGE_CANCEL, enable);
    m_encryption.EnableItem(IDC_PAGE_APPLY, enable);
    m_encryption.EnableItem(IDC_PAGE_CANCEL, enable);
    for (int id : {IDC_SURVEY_REFRESH, IDC_SURVEY_CONNECT, IDC_SURVEY_ADD, IDC_SURVEY_REMOVE, IDC_SURVEY_PROPERTIES})
        m_siteSurvey.EnableItem(id, enable);
}

bool CConfigDlg::OnCommand(WORD id, WORD code, HWND control)
{
    // The labels also notify when they are enabled or disabled (around every apply); only
    // a click selects.
    if (code != STN_CLICKED)
        return CDialog::OnCommand(id, code, control);
    for (int page = 0; page < PageCount; ++page) {
        if (id == PageLabelIds[page]) {
            ShowPage(page);
            return true;
        }
    }
    if (id == IDC_LABEL_HIDE) {
        Post(WM_CLOSE);
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

bool CConfigDlg::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->idFrom == IDC_PAGE_TAB && header->code == TCN_SELCHANGE) {
        ShowPage(static_cast<int>(m_tab.Send(TCM_GETCURSEL)));
        result = 0;
        return true;
    }
    return false;
}

HBRUSH CConfigDlg::OnCtlColor(HDC dc, HWND control, UINT type)
{
    CDialog::OnCtlColor(dc, control, type);
    ::SetBkColor(dc, m_background);
    return m_backgroundBrush.Get();
}

bool CConfigDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message == WM_SYSCOMMAND) {
        UINT command = static_cast<UINT>(wParam & 0xFFF0);
        if (command == SC_CLOSE || command == SC_MINIMIZE) {
            Show(SW_HIDE);
            result = 0;
            return true;
        }
    }
    return false;
}

void CConfigDlg::OnDestroy()
{
    m_backgroundBrush.Reset();
    m_currentPage = -1;
}
