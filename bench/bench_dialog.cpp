// The configuration dialog's cost as the user meets it: from the tray double-click to the
// dialog fully painted on the Link Info page, and one page switch (Link Info to About)
// until painted. Each beside the equal-controls dialog (the same templates with standard
// controls and do-nothing dialog procedures) and a small plain dialog, in the same run.
// "Painted" is the modal loop's first idle moment with no paint pending.
//
// The first opening of a process is measured in fresh processes (this program started again
// with "first program" or "first equal"), each reporting where its opening went; the later
// openings and the page switch in this process.
#include "BaselineDialogIds.h"
#include "BenchClock.h"
#include "DialogTimeline.h"
#include "EqualControlsDialog.h"

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
#include <cstring>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int Rounds = 21;
constexpr int FreshProcesses = 7;
constexpr int AboutPage = 4;
constexpr double OpeningAim = 1.5;
constexpr double OpeningAimMs = 100;
constexpr double SwitchAim = 1.2;

double Median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

bool PaintPending()
{
    return (HIWORD(::GetQueueStatus(QS_PAINT)) & QS_PAINT) != 0;
}

// What the measurement does to one of the dialogs.
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
            paintedAt = now;
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
    double paintedAt = 0;

private:
    enum class Phase { Opening, Switching, Done };
    DialogUnderTest* m_dialog = nullptr;
    Phase m_phase = Phase::Done;
    double m_start = 0;
};

// The program's main frame, owner of the dialogs; its ticks are left out of the figures.
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

// A small plain dialog: the frame's size, two pages of standard controls.
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

DialogUnderTest ProgramDialog()
{
    return {[] { return ConfigDialog().IsWindow() ? ConfigDialog().Handle() : nullptr; },
            [] { ConfigDialog().ShowPage(AboutPage); }, [] { ConfigDialog().CloseConfigDialog(); }};
}

DialogUnderTest EqualDialog(CEqualControlsDialog& dialog)
{
    return {[&] { return dialog.Handle(); }, [&] { dialog.ShowAboutPage(); }, [&] { dialog.Close(); }};
}

bool SetUp(CBenchFrame& frame)
{
    VexaSimReset();
    VexaSimSetJoinDelay(0);
    RadioOn = 1;
    return frame.Create();
}

// ---- The first opening of a process, in a process of its own --------------------------

// Prints, for the parent to read, where this process's first opening went.
int RunFirstOpening(bool program)
{
    CBenchFrame frame;
    if (!SetUp(frame))
        return 1;
    CEqualControlsDialog equal;
    DialogUnderTest dialog = program ? ProgramDialog() : EqualDialog(equal);
    COpening opening;
    CDialogTimeline timeline;
    frame.opening = &opening;
    timeline.Start();
    opening.Begin(&dialog);
    const double start = Now();
    if (program) {
        frame.Send(TrayCallbackMessage(), TrayIconUid, WM_LBUTTONDBLCLK);
    } else {
        // The program loads the common controls at the opening too.
        EnsureCommonControls();
        equal.DoModal(frame.Handle());
    }
    timeline.Stop();
    const std::vector<DialogSpan>& spans = timeline.Spans();
    if (opening.opened.empty() || spans.empty())
        return 1;
    const DialogSpan& frameSpan = spans.front();
    std::printf("total %f\n", opening.opened.front());
    std::printf("before %f\n", (frameSpan.Created - start) * 1e3);
    std::printf("frame-window %f\n", frameSpan.WindowMs());
    std::printf("frame-setup %f\n", frameSpan.SetUpMs());
    std::printf("paint %f\n", (opening.paintedAt - frameSpan.InitEnd) * 1e3);
    const std::vector<UINT>& order = CEqualControlsDialog::CreationOrder();
    for (size_t i = 1; i < spans.size() && i - 1 < order.size(); ++i) {
        std::printf("window:%u %f\n", order[i - 1], spans[i].WindowMs());
        std::printf("setup:%u %f\n", order[i - 1], spans[i].SetUpMs());
    }
    std::printf("dialogs %u\n", static_cast<unsigned>(spans.size()));
    std::fflush(stdout);
    frame.DestroyWindow();
    return 0;
}

using Figures = std::map<std::string, std::vector<double>>;

// Starts this program again with arguments and gathers the figures it prints.
bool RunChild(const char* arguments, Figures& figures)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = std::string("\"") + path + "\" " + arguments;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return false;
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    const bool started = ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                          &startup, &process) != FALSE;
    ::CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char buffer[512];
        DWORD got = 0;
        while (::ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            output.append(buffer, got);
        ::WaitForSingleObject(process.hProcess, INFINITE);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
    }
    ::CloseHandle(readEnd);
    std::istringstream lines(output);
    std::string key;
    double value = 0;
    bool any = false;
    while (lines >> key >> value) {
        figures[key].push_back(value);
        any = true;
    }
    return any;
}

void Row(const char* what, double program, double equal)
{
    std::printf("  %-36s %8.2f ms   %8.2f ms\n", what, program, equal);
}

void ReportFirstOpening()
{
    Figures program;
    Figures equal;
    for (int i = 0; i < FreshProcesses; ++i) {
        if (!RunChild("first program", program) || !RunChild("first equal", equal)) {
            std::printf("a fresh process did not report its first opening\n");
            return;
        }
    }
    auto median = [](Figures& figures, const std::string& key) { return Median(figures[key]); };
    std::printf("first opening of a process, median of %d fresh processes each; where it goes:\n", FreshProcesses);
    std::printf("  %-36s %11s   %11s\n", "", "program", "equal ctrls");
    Row("before the frame (objects, libraries)", median(program, "before"), median(equal, "before"));
    Row("frame: window and controls", median(program, "frame-window"), median(equal, "frame-window"));
    Row("frame: set-up other than pages", median(program, "frame-setup"), median(equal, "frame-setup"));
    for (UINT page : CEqualControlsDialog::CreationOrder()) {
        const std::string id = std::to_string(page);
        const std::string name = CEqualControlsDialog::PageName(page);
        Row((name + ": window and controls").c_str(), median(program, "window:" + id), median(equal, "window:" + id));
        Row((name + ": set-up").c_str(), median(program, "setup:" + id), median(equal, "setup:" + id));
    }
    Row("shown and first paint", median(program, "paint"), median(equal, "paint"));
    const double ours = median(program, "total");
    const double plain = median(equal, "total");
    std::printf("  %-36s %8.2f ms   %8.2f ms   ratio %.2f (aim <= %.1f and < %.0f ms)%s\n",
                "double-click to Link Info painted", ours, plain, ours / plain, OpeningAim, OpeningAimMs,
                ours / plain > OpeningAim || ours >= OpeningAimMs ? " above the aim" : "");
    if (median(program, "dialogs") != median(equal, "dialogs"))
        std::printf("  (the program created %.0f dialogs, the equal-controls dialog %.0f)\n",
                    median(program, "dialogs"), median(equal, "dialogs"));
}

// ---- Later openings, in this process ----------------------------------------------------

void Report(const char* what, const std::vector<double>& measured, const char* baselineName,
            const std::vector<double>& baseline, double aim)
{
    const double ours = Median(measured);
    const double plain = Median(baseline);
    std::printf("  %-34s %8.2f ms   %-17s %8.2f ms   ratio %.2f", what, ours, baselineName, plain, ours / plain);
    if (aim > 0)
        std::printf(" (aim <= %.1f)%s", aim, ours / plain > aim ? " above the aim" : "");
    std::printf("\n");
}

int RunLaterOpenings()
{
    EnsureCommonControls();
    CBenchFrame frame;
    if (!SetUp(frame)) {
        std::printf("the main frame could not be created\n");
        return 1;
    }
    DialogUnderTest configuration = ProgramDialog();
    CEqualControlsDialog equalDialog;
    DialogUnderTest equal = EqualDialog(equalDialog);
    CBaselineDialog smallDialog;
    DialogUnderTest small{[&] { return smallDialog.IsWindow() ? smallDialog.Handle() : nullptr; },
                          [&] { smallDialog.ShowSecondPage(); }, [&] { smallDialog.EndDialog(IDOK); }};

    COpening ours;
    COpening equalOpening;
    COpening smallOpening;
    // One round unmeasured: this process's first openings are measured apart.
    for (int round = 0; round <= Rounds; ++round) {
        frame.opening = &ours;
        ours.Begin(&configuration);
        frame.Send(TrayCallbackMessage(), TrayIconUid, WM_LBUTTONDBLCLK);

        frame.opening = &equalOpening;
        equalOpening.Begin(&equal);
        equalDialog.DoModal(frame.Handle());

        frame.opening = &smallOpening;
        smallOpening.Begin(&small);
        smallDialog.DoModal(frame.Handle());
        if (round == 0)
            for (COpening* opening : {&ours, &equalOpening, &smallOpening})
                opening->opened.clear(), opening->switched.clear();
    }
    frame.opening = nullptr;
    frame.DestroyWindow();

    for (COpening* opening : {&ours, &equalOpening, &smallOpening})
        if (opening->opened.size() != Rounds || opening->switched.size() != Rounds) {
            std::printf("not every opening was measured\n");
            return 1;
        }
    std::printf("later openings, medians of %d\n", Rounds);
    Report("double-click to Link Info painted", ours.opened, "equal controls", equalOpening.opened, OpeningAim);
    Report("", ours.opened, "small plain dialog", smallOpening.opened, 0);
    Report("page switch to About painted", ours.switched, "equal controls", equalOpening.switched, SwitchAim);
    Report("", ours.switched, "small plain dialog", smallOpening.switched, 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "first") == 0)
        return RunFirstOpening(std::strcmp(argv[2], "program") == 0);
    ReportFirstOpening();
    return RunLaterOpenings();
}
