#include "ui/frame/ConfigDlg.h"

#include "ui/about/AboutPage.h"
#include "ui/frame/ConfigDlgIds.h"
#include "ui/frame/OwnedWindows.h"
#include "ui/configuration/ConfigurationPage.h"
#include "ui/encryption/EncryptionPage.h"
#include "ui/linkinfo/LinkInfoPage.h"
#include "ui/survey/SiteSurveyPage.h"
#include "ui/linkinfo/StatisticsPage.h"

#include "res/resource.h"
#include "state/ProgramState.h"

#include "framework/IconOfSize.h"

#include <commctrl.h>

#include <algorithm>

namespace {
const COLORREF LabelGrey = RGB(128, 128, 128);
const COLORREF LabelBlack = RGB(0, 0, 0);
const COLORREF LabelHover = RGB(0, 0, 255);

template <class Page>
std::unique_ptr<CPageBase> MakePage()
{
    return std::make_unique<Page>();
}

struct PageEntry {
    int LabelId;
    const char* LabelText;
    std::unique_ptr<CPageBase> (*Make)();
};

// The dialog's pages: labelled ones in the side labels' order, then the unlabelled.
constexpr PageEntry Pages[] = {
    {IDC_LABEL_LINK_INFO, "Link Info.", &MakePage<CLinkInfoPage>},
    {IDC_LABEL_CONFIGURATION, "Configuration", &MakePage<CConfigPage>},
    {IDC_LABEL_ENCRYPTION, "Encryption", &MakePage<CEncryptionPage>},
    {IDC_LABEL_SITE_SURVEY, "SiteSurvey", &MakePage<CSiteSurveyPage>},
    {IDC_LABEL_ABOUT, "About", &MakePage<CAboutPage>},
    {0, nullptr, &MakePage<CStatisticsPage>},
};

constexpr int LabelledPageCount()
{
    int count = 0;
    for (const PageEntry& entry : Pages)
        count += entry.LabelId != 0 ? 1 : 0;
    return count;
}
static_assert(LabelledPageCount() == PageCount, "every side label selects one page");

}  // namespace

CConfigDlg::CConfigDlg() : CDialog(IDD_CONFIG_DIALOG)
{
    for (const PageEntry& entry : Pages) {
        PageSlot slot{entry.LabelId, entry.LabelText, entry.Make(), nullptr};
        if (slot.LabelId != 0)
            slot.Label = std::make_unique<CTabLabel>();
        m_pages.push_back(std::move(slot));
    }
}

CConfigDlg::~CConfigDlg() = default;

CConfigDlg::PageSlot* CConfigDlg::SlotOfPage(int index)
{
    if (index < 0 || index >= PageCount)
        return nullptr;
    return &m_pages[static_cast<size_t>(index)];
}

void CConfigDlg::DoDataExchange()
{
    for (PageSlot& slot : m_pages)
        if (slot.Label)
            BindControl(*slot.Label, slot.LabelId);
    BindControl(m_hideLabel, IDC_LABEL_HIDE);
    BindControl(m_tab, IDC_PAGE_TAB);
}

bool CConfigDlg::OnInitDialog()
{
    PreviousLinkState = -1;

    m_background = RGB(198, 216, 241);
    m_backgroundBrush = MakeSolidBrush(m_background);

    if (IsEnabled())
        ::SetForegroundWindow(m_hWnd);

    SetCaptionIcons(m_hWnd, IDI_SKYLOOK);

    // Tab walks on into the shown page, whose parent is the tab control.
    ::SetWindowLongPtrA(m_tab.Handle(), GWL_EXSTYLE,
                        ::GetWindowLongPtrA(m_tab.Handle(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    m_busySetEnabled = true;
    // Only the unlabelled page now; a labelled one is made the first time it is shown, so
    // an opening builds the page it shows rather than all of them.
    for (PageSlot& slot : m_pages)
        if (slot.LabelId == 0)
            CreatePage(slot);
    SetUpLabels();
    // Opened with the radio off, by the user's choice or by the switch while the dialog was
    // closed: off from the start, before any tick.
    if (!RadioSetUsable())
        EnableRadioSet(false);
    m_pageKeys.Install(m_hWnd, [this](PageStep step) { return SwitchPageByKey(step); });

    m_focusReturn.Forget();
    m_currentPage = -1;
    ShowPage(0);
    // The system gives the focus to the first tab stop: the shown page's label.
    return true;
}

bool CConfigDlg::CreatePage(PageSlot& slot)
{
    CPageBase& page = *slot.Page;
    if (page.IsWindow())
        return true;
    page.SetOwnerDialog(this);
    // A page that cannot be created is simply absent.
    if (!page.Create(m_tab.Handle()))
        return false;
    // A reader names a page by its window text: the label that selects it.
    if (slot.LabelText)
        page.SetText(slot.LabelText);
    ::SetWindowPos(page.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    // The dialog's sets were switched before this page existed: it joins them as they stand.
    page.AllowChanges(m_changesAllowed);
    if (!m_changesAllowed || !m_busySetEnabled)
        page.EnableItems(page.BusyControls(), false);
    if (!RadioSetUsable())
        page.EnableItems(page.RadioControls(), false);
    return true;
}

void CConfigDlg::SetUpLabels()
{
    HCURSOR hand = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_CURSOR));
    auto setUp = [&](CColorLabel& label, bool underline) {
        label.SetBackgroundColour(m_background);
        label.SetHoverCursor(hand);
        label.SetHoverHighlight(true, LabelHover);
        label.SetTextColour(LabelBlack);
        if (underline)
            label.SetUnderline(true);
    };
    for (PageSlot& slot : m_pages)
        if (slot.Label)
            setUp(*slot.Label, true);
    setUp(m_hideLabel, false);
}

void CConfigDlg::ShowPage(int index)
{
    if (index == m_currentPage)
        return;
    m_currentPage = index;
    const HWND focusBefore = ::GetFocus();

    for (int page = 0; page < PageCount; ++page) {
        CPageBase& object = *m_pages[static_cast<size_t>(page)].Page;
        if (object.IsWindow())
            object.Show(SW_HIDE);
    }
    m_tab.Send(TCM_SETCURSEL, static_cast<WPARAM>(index));

    // Each label gets its final colour at once: a label repaints only when it changes.
    for (int page = 0; page < PageCount; ++page) {
        PageSlot& slot = m_pages[static_cast<size_t>(page)];
        slot.Label->SetSelected(page == index);
        slot.Label->SetTextColour(page == index ? LabelBlack : LabelGrey);
        slot.Label->SetBold(true);
        slot.Label->SetLabelText(slot.LabelText);
    }

    PageSlot* chosen = SlotOfPage(index);
    if (!chosen)
        return;
    CreatePage(*chosen);
    CPageBase& page = *chosen->Page;
    page.OnShowing();
    if (page.IsWindow())
        page.Show(SW_SHOW);
    page.OnShown();
    KeepFocusInView(focusBefore);
}

void CConfigDlg::KeepFocusInView(HWND focusBefore)
{
    HWND label = ShownLabel();
    if (!label || !IsVisible())
        return;
    // On the strip, the focus follows the selection, as on a tab control. A control that had
    // it and went with its page, or was disabled by a reload, would leave it on the hidden
    // page or on the container, where nothing shows it.
    HWND focus = ::GetFocus();
    const bool lost = focusBefore && ::IsChild(m_hWnd, focusBefore) &&
                      (!focus || !::IsWindowVisible(focus) || !::IsWindowEnabled(focus) || focus == m_tab.Handle());
    if (lost || (IsSideLabel(focus) && focus != label))
        Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(label), TRUE);
}

bool CConfigDlg::SwitchPageByKey(PageStep step)
{
    // Not while a message box or sub-dialog of the dialog is up.
    if (!IsEnabled())
        return false;
    const int target = PageAfterStep(m_currentPage, step, PageCount);
    PageSlot* slot = SlotOfPage(target);
    // The labels are disabled while an apply settles: the keys obey the same rule.
    if (!slot || target == m_currentPage || !slot->Label->IsEnabled())
        return true;
    const bool onLabel = IsSideLabel(::GetFocus());
    ShowPage(target);
    m_focusReturn.Forget();
    // The focus must not stay on a control of the page just hidden; on the labels it moves
    // along with the selection, as on a tab strip.
    HWND page = slot->Page->Handle();
    HWND first = page && !onLabel ? ::GetNextDlgTabItem(page, nullptr, FALSE) : nullptr;
    if (first && ::IsChild(page, first) && ::IsWindowVisible(first) && ::IsWindowEnabled(first))
        Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    else
        Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(slot->Label->Handle()), TRUE);
    return true;
}

void CConfigDlg::StepToLabel(int step)
{
    const int target = m_currentPage + step;
    PageSlot* slot = SlotOfPage(target);
    // No wrapping round the ends, and not while an apply keeps the other labels disabled.
    if (!slot || !slot->Label->IsEnabled())
        return;
    // The focus, on the strip, follows the selection.
    ShowPage(target);
    m_focusReturn.Forget();
}

bool CConfigDlg::IsSideLabel(HWND window) const
{
    for (const PageSlot& slot : m_pages)
        if (window && slot.Label && slot.Label->Handle() == window)
            return true;
    return false;
}

HWND CConfigDlg::ShownLabel() const
{
    if (m_currentPage < 0 || m_currentPage >= PageCount)
        return nullptr;
    return m_pages[static_cast<size_t>(m_currentPage)].Label->Handle();
}

void CConfigDlg::ReturnFocus()
{
    if (IsWindow())
        m_focusReturn.ComeBack(m_hWnd);
}

void CConfigDlg::CloseConfigDialog()
{
    if (!IsWindow())
        return;
    // The standard OK processing, not the overridden handler that ignores Enter.
    CDialog::EndDialog(IDOK);
    CloseWindowsOwnedBy(m_hWnd);
}

void CConfigDlg::RefreshNetworkLists()
{
    for (PageSlot& slot : m_pages)
        slot.Page->OnNetworksChanged();
}

void CConfigDlg::ReloadShownPage()
{
    if (!IsWindow())
        return;
    if (PageSlot* slot = SlotOfPage(m_currentPage)) {
        const HWND focusBefore = ::GetFocus();
        slot->Page->OnShowing();
        KeepFocusInView(focusBefore);
    }
}

bool CConfigDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (code == CTabLabel::PreviousTabNotification || code == CTabLabel::NextTabNotification) {
        if (IsSideLabel(control))
            StepToLabel(code == CTabLabel::NextTabNotification ? 1 : -1);
        return true;
    }
    // The labels also notify when they are enabled or disabled (around every apply); only
    // a click (or Enter or Space on a label) selects.
    if (code != STN_CLICKED)
        return CDialog::OnCommand(id, code, control);
    for (int page = 0; page < PageCount; ++page) {
        if (id == m_pages[static_cast<size_t>(page)].LabelId) {
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
    // A side label paints on its own brush: in high contrast the selected one is highlighted.
    if (HBRUSH own = CDialog::OnCtlColor(dc, control, type); own && IsSideLabel(control))
        return own;
    ::SetBkColor(dc, ThemeColour(ColourRole::PanelBackground, m_background));
    return ThemeBrush(ColourRole::PanelBackground, m_backgroundBrush.Get());
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
    m_pageKeys.Remove();
    m_backgroundBrush.Reset();
    m_currentPage = -1;
}

void CConfigDlg::OnDpiChanged()
{
    SetCaptionIcons(m_hWnd, IDI_SKYLOOK);
}
