// What one update of each drawn control costs, beside the standard control of the same size
// that it replaces: the graph against a black-rectangle static, the level bar's 255-band ramp
// against the common progress bar, the skinned button against the standard push button.
#include "controls/LevelBar.h"
#include "controls/SkinButton.h"
#include "controls/ThroughputGraph.h"
#include "framework/CommonControls.h"
#include "framework/FrameWindow.h"

#include <commctrl.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace {
constexpr int Rounds = 101;
constexpr int Batch = 20;
// The drawn controls against the standard ones they replace: at most this ratio, aiming at
// the second.
constexpr double Limit = 1.2;
constexpr double Aim = 1.0;

// Microseconds per call over one batch of calls.
template <class Call>
double BatchMicroseconds(Call& call)
{
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int j = 0; j < Batch; ++j)
        call();
    ::GdiFlush();
    ::QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart) / Batch;
}

double Median(std::vector<double>& samples)
{
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

template <class Call>
double MedianMicroseconds(Call call)
{
    std::vector<double> samples;
    for (int i = 0; i < 20; ++i)
        call();
    for (int i = 0; i < Rounds; ++i)
        samples.push_back(BatchMicroseconds(call));
    return Median(samples);
}

// The two calls timed in alternating batches, so that a change in the machine's load
// falls on both alike; the medians of each.
template <class Ours, class Theirs>
std::pair<double, double> MedianMicrosecondsSideBySide(Ours ours, Theirs theirs)
{
    std::vector<double> oursSamples, theirSamples;
    for (int i = 0; i < 20; ++i) {
        ours();
        theirs();
    }
    for (int i = 0; i < Rounds; ++i) {
        oursSamples.push_back(BatchMicroseconds(ours));
        theirSamples.push_back(BatchMicroseconds(theirs));
    }
    return {Median(oursSamples), Median(theirSamples)};
}

void Report(const char* what, double measured, const char* baselineName, double baseline, bool aimed = false)
{
    if (baseline <= 0) {
        std::printf("%-34s %8.1f us\n", what, measured);
        return;
    }
    const double ratio = measured / baseline;
    std::printf("%-34s %8.1f us   %-24s %8.1f us   ratio %.2f", what, measured, baselineName, baseline, ratio);
    if (aimed)
        std::printf(" (at most %.1f, aim %.1f)%s", Limit, Aim, ratio > Limit ? " above the limit" : "");
    std::printf("\n");
}

class CBenchHost : public CFrameWindow {};

HWND AddChild(HWND parent, const char* className, DWORD style, int x, int y, int width, int height)
{
    return ::CreateWindowExA(0, className, "Radio Off", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
}
}  // namespace

int main()
{
    EnsureCommonControls();
    CBenchHost host;
    host.Create("SkylookControlBench", "bench", WS_POPUP | WS_VISIBLE);
    ::SetWindowPos(host, HWND_TOP, 20, 20, 500, 300, SWP_SHOWWINDOW);

    // Each control's repaint beside the repaint of the standard control it replaces; under
    // Wine the paint cycle itself dominates, so the off-screen drawing is also timed alone.
    auto repaint = [](HWND window) {
        return [window] {
            ::InvalidateRect(window, nullptr, TRUE);
            ::UpdateWindow(window);
        };
    };

    CThroughputGraph graph;
    graph.Subclass(AddChild(host, "Static", SS_BLACKRECT, 10, 10, 150, 45));
    graph.SetRange(0, 100);
    HWND blackRect = AddChild(host, "Static", SS_BLACKRECT, 170, 10, 150, 45);
    int value = 0;
    double sample = MedianMicroseconds([&] {
        graph.SetPos(static_cast<uint32_t>(value++ % 101));
        ::ValidateRect(graph, nullptr);
    });
    Report("graph: new sample, off-screen", sample, "", 0.0);
    {
        const auto [ours, theirs] = MedianMicrosecondsSideBySide(repaint(graph), repaint(blackRect));
        Report("graph: repaint", ours, "black-rectangle static", theirs);
    }

    CLevelBar bar;
    bar.Subclass(AddChild(host, PROGRESS_CLASSA, 0, 10, 70, 300, 14));
    HWND progress = AddChild(host, PROGRESS_CLASSA, 0, 10, 90, 300, 14);
    for (HWND window : {bar.Handle(), progress}) {
        ::SendMessageA(window, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        ::SendMessageA(window, PBM_SETPOS, 100, 0);
    }
    bar.SetColourStops({RGB(0, 0, 0), RGB(0, 0, 255)});
    {
        const auto [ours, theirs] = MedianMicrosecondsSideBySide(repaint(bar), repaint(progress));
        Report("level bar: 255-band ramp repaint", ours, "standard progress bar", theirs, true);
    }
    // A new position every time, as the tick gives it.
    int position = 0;
    auto moved = [&position](HWND window) {
        return [window, &position] {
            ::SendMessageA(window, PBM_SETPOS, static_cast<WPARAM>(position++ % 101), 0);
            ::UpdateWindow(window);
        };
    };
    {
        const auto [ours, theirs] = MedianMicrosecondsSideBySide(moved(bar), moved(progress));
        Report("level bar: new position painted", ours, "standard progress bar", theirs, true);
    }

    CSkinButton skinned;
    skinned.Subclass(AddChild(host, "Button", BS_PUSHBUTTON, 10, 120, 100, 25));
    HWND standard = AddChild(host, "Button", BS_PUSHBUTTON, 120, 120, 100, 25);
    {
        const auto [ours, theirs] = MedianMicrosecondsSideBySide(repaint(skinned), repaint(standard));
        Report("skinned button: repaint", ours, "standard push button", theirs, true);
    }
    // A new caption every time, as the radio switch gets it.
    int caption = 0;
    auto relabelled = [&caption](HWND window) {
        return [window, &caption] {
            ::SetWindowTextA(window, caption++ % 2 ? "Radio On" : "Radio Off");
            ::UpdateWindow(window);
        };
    };
    {
        const auto [ours, theirs] = MedianMicrosecondsSideBySide(relabelled(skinned), relabelled(standard));
        Report("skinned button: new caption painted", ours, "standard push button", theirs, true);
    }
    host.DestroyWindow();
    return 0;
}
