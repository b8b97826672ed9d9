#include "DialogTimeline.h"

#include "BenchClock.h"

namespace {
CDialogTimeline* Active = nullptr;

bool IsDialogClass(LPCSTR className)
{
    // The dialog class arrives as its atom or as its name.
    constexpr ULONG_PTR DialogAtom = 0x8002;
    if (!HIWORD(reinterpret_cast<ULONG_PTR>(className)))
        return reinterpret_cast<ULONG_PTR>(className) == DialogAtom;
    return ::lstrcmpA(className, "#32770") == 0;
}
}  // namespace

void CDialogTimeline::Start()
{
    m_spans.clear();
    Active = this;
    const DWORD thread = ::GetCurrentThreadId();
    m_hooks[0] = ::SetWindowsHookExA(WH_CBT, &OnCbt, nullptr, thread);
    m_hooks[1] = ::SetWindowsHookExA(WH_CALLWNDPROC, &OnCall, nullptr, thread);
    m_hooks[2] = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &OnCallReturn, nullptr, thread);
}

void CDialogTimeline::Stop()
{
    for (HHOOK& hook : m_hooks) {
        if (hook)
            ::UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
    Active = nullptr;
}

DialogSpan* CDialogTimeline::Find(HWND window)
{
    for (DialogSpan& span : m_spans)
        if (span.Window == window)
            return &span;
    return nullptr;
}

LRESULT CALLBACK CDialogTimeline::OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && Active) {
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (IsDialogClass(create->lpszClass)) {
            DialogSpan span;
            span.Window = reinterpret_cast<HWND>(wParam);
            span.Parent = create->hwndParent;
            span.Created = Now();
            Active->m_spans.push_back(span);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CDialogTimeline::OnCall(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && Active && call->message == WM_INITDIALOG)
        if (DialogSpan* span = Active->Find(call->hwnd))
            span->InitStart = Now();
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CDialogTimeline::OnCallReturn(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && Active && call->message == WM_INITDIALOG) {
        if (DialogSpan* span = Active->Find(call->hwnd)) {
            span->InitEnd = Now();
            // The nearest dialog above this one whose WM_INITDIALOG is still running made it.
            for (HWND above = span->Parent; above; above = ::GetParent(above)) {
                DialogSpan* outer = Active->Find(above);
                if (outer && outer->InitStart != 0 && outer->InitEnd == 0) {
                    outer->NestedInInit += span->InitEnd - span->Created;
                    break;
                }
            }
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
