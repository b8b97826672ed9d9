// The configuration dialog's cost as the user meets it: from the tray double-click to the
// dialog fully painted on the Link Info page, and one page switch (Link Info to About)
// until painted; each beside a plain dialog of the same size with standard controls, in the
// same run. "Painted" is the modal loop's first idle moment with no paint pending.
#include "BaselineDialogIds.h"
#include "BenchClock.h"

#include "app/MainFrame.h"
#include "app/TrayNotify.h"
#include "framework/CommonControls.h"
#include "framework/Dialog.h"
#include "state/ProgramState.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "ui/frame/ConfigDlg.h"

#include <Vexa5200Control.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Rounds = 21;
constexpr int AboutPage = 4;

double Median(std::vector<double> samples)
{
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

bool PaintPending()
{
    return (HIWORD(::GetQueueStatus(QS_PAINT)) & QS_PAINT) != 0;
}

// What the measurement does to one of the two dialogs.
struct DialogUnderTest {
    std::function<HWND()> window;
    std::function<void()> switchPage;
    std::function<void()> close;
};

// One opening: shown and painted, then one page switch painted, then closed. The dialog's
// modal loop tells its owner each time its queue runs empty.
class COpening {
public:
    void Begin(DialogUnderTest* dialog)
    {
        m_dialog = dialog;
        m_phase = Phase::Opening;
        m_start = Now();
    }

    void OnIdle()
    {
        if (!m_dialog || PaintPending())
            return;
        HWND window = m_dialog->window();
        if (!window || !::IsWindowVisible(window))
            return;
        const double now = Now();
        if (m_phase == Phase::Opening) {
            opened.push_back((now - m_start) * 1e3);
            m_phase = Phase::Switching;
            m_start = Now();
            m_dialog->switchPage();
        } else if (m_phase == Phase::Switching) {
            switched.push_back((now - m_start) * 1e3);
            m_phase = Phase::Done;
            m_dialog->close();
            m_dialog = nullptr;
        }
    }

    std::vector<double> opened;
    std::vector<double> switched;

private:
    enum class Phase { Opening, Switching, Done };
    DialogUnderTest* m_dialog = nullptr;
    Phase m_phase = Phase::Done;
    double m_start = 0;
};

// The program's main frame, owner of both dialogs; its ticks are left out of the figures.
class CBenchFrame : public CMainFrame {
public:
    COpening* opening = nullptr;

protected:
    bool OnTimer(UINT_PTR) override { return true; }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_ENTERIDLE && opening) {
            opening->OnIdle();
            result = 0;
            return true;
        }
        return CMainFrame::OnMessage(message, wParam, lParam, result);
    }
};

class CBaselinePage : public CDialog {
public:
    CBaselinePage() : CDialog(IDD_BASELINE_PAGE) {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};

class CBaselineDialog : public CDialog {
public:
    CBaselineDialog() : CDialog(IDD_BASELINE_DIALOG) {}

    void ShowSecondPage()
    {
        m_pages[0].Show(SW_HIDE);
        m_pages[1].Show(SW_SHOW);
    }

protected:
    bool OnInitDialog() override
    {
        HWND tab = Item(IDC_BASELINE_TAB);
        for (CBaselinePage& page : m_pages) {
            page.Create(tab);
            ::SetWindowPos(page.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        }
        m_pages[0].Show(SW_SHOW);
        return true;
    }

private:
    std::array<CBaselinePage, 2> m_pages;
};

void Report(const char* what, const std::vector<double>& measured, const std::vector<double>& baseline)
{
    const double ours = Median(measured);
    const double plain = Median(baseline);
    std::printf("%-40s %8.2f ms   plain dialog %8.2f ms   ratio %.2f\n", what, ours, plain, ours / plain);
}

}  // namespace

int main()
{
    EnsureCommonControls();
    VexaSimReset();
    VexaSimSetJoinDelay(0);
    RadioOn = 1;
    CBenchFrame frame;
    if (!frame.Create()) {
        std::printf("the main frame could not be created\n");
        return 1;
    }

    DialogUnderTest configuration{[] { return ConfigDialog().IsWindow() ? ConfigDialog().Handle() : nullptr; },
                                  [] { ConfigDialog().ShowPage(AboutPage); },
                                  [] { ConfigDialog().CloseConfigDialog(); }};
    CBaselineDialog baselineDialog;
    DialogUnderTest baseline{[&] { return baselineDialog.IsWindow() ? baselineDialog.Handle() : nullptr; },
                             [&] { baselineDialog.ShowSecondPage(); },
                             [&] { baselineDialog.EndDialog(IDOK); }};

    COpening ours;
    COpening plain;
    for (int round = 0; round < Rounds; ++round) {
        frame.opening = &ours;
        ours.Begin(&configuration);
        frame.Send(TrayCallbackMessage(), TrayIconUid, WM_LBUTTONDBLCLK);

        frame.opening = &plain;
        plain.Begin(&baseline);
        baselineDialog.DoModal(frame.Handle());
    }
    frame.opening = nullptr;

    if (ours.opened.size() != Rounds || plain.opened.size() != Rounds || ours.switched.size() != Rounds ||
        plain.switched.size() != Rounds) {
        std::printf("not every opening was measured\n");
        frame.DestroyWindow();
        return 1;
    }
    std::printf("medians of %d openings\n", Rounds);
    Report("double-click to Link Info painted", ours.opened, plain.opened);
    Report("page switch to About painted", ours.switched, plain.switched);
    frame.DestroyWindow();
    return 0;
}
