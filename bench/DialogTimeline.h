// Where an opening spends its time, seen from outside the dialog code: thread hooks note when
// each dialog window (the frame and every page) starts to be created, when its
// WM_INITDIALOG starts and when it returns. A page's "window" share is its template's windows
// and controls; its "set-up" share is everything its dialog procedure does on
// WM_INITDIALOG (binding and subclassing the controls, fonts, lists, stored settings), less
// the pages created inside it.
#ifndef SKYLOOK_BENCH_DIALOG_TIMELINE_H
#define SKYLOOK_BENCH_DIALOG_TIMELINE_H

#include <windows.h>

#include <vector>

struct DialogSpan {
    HWND Window = nullptr;
    HWND Parent = nullptr;
    double Created = 0;    // the window's creation began
    double InitStart = 0;  // WM_INITDIALOG sent
    double InitEnd = 0;    // WM_INITDIALOG returned
    double NestedInInit = 0;  // spent creating child dialogs inside this one's WM_INITDIALOG

    double WindowMs() const { return (InitStart - Created) * 1e3; }
    double SetUpMs() const { return (InitEnd - InitStart - NestedInInit) * 1e3; }
};

// Records every dialog created on this thread between Start and Stop, in creation order.
class CDialogTimeline {
public:
    void Start();
    void Stop();
    const std::vector<DialogSpan>& Spans() const { return m_spans; }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK OnCall(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK OnCallReturn(int code, WPARAM wParam, LPARAM lParam);
    DialogSpan* Find(HWND window);

    std::vector<DialogSpan> m_spans;
    HHOOK m_hooks[3] = {};
};

#endif
