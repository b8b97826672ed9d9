#include "MessageLog.h"

#include <cstdio>
#include <sstream>

namespace {
CMessageLog* ActiveLog = nullptr;
}

CMessageLog::CMessageLog(std::initializer_list<HWND> windows, std::set<UINT> filter)
    : m_windows(windows), m_filter(std::move(filter))
{
    ActiveLog = this;
    DWORD thread = ::GetCurrentThreadId();
    m_sentHook = ::SetWindowsHookExA(WH_CALLWNDPROC, &CMessageLog::SentHook, nullptr, thread);
    m_queueHook = ::SetWindowsHookExA(WH_GETMESSAGE, &CMessageLog::QueueHook, nullptr, thread);
}

CMessageLog::~CMessageLog()
{
    if (m_sentHook)
        ::UnhookWindowsHookEx(m_sentHook);
    if (m_queueHook)
        ::UnhookWindowsHookEx(m_queueHook);
    if (ActiveLog == this)
        ActiveLog = nullptr;
}

size_t CMessageLog::Count(HWND window, UINT message) const
{
    size_t count = 0;
    for (const RecordedMessage& recorded : m_messages)
        count += recorded.window == window && recorded.message == message;
    return count;
}

void CMessageLog::Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool posted)
{
    if (!m_windows.count(window))
        return;
    if (!m_filter.empty() && !m_filter.count(message))
        return;
    m_messages.push_back({window, message, wParam, lParam, posted});
}

LRESULT CALLBACK CMessageLog::SentHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && ActiveLog) {
        const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        ActiveLog->Record(sent->hwnd, sent->message, sent->wParam, sent->lParam, false);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CMessageLog::QueueHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE && ActiveLog) {
        const MSG* queued = reinterpret_cast<const MSG*>(lParam);
        ActiveLog->Record(queued->hwnd, queued->message, queued->wParam, queued->lParam, true);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string MessageName(UINT message)
{
    switch (message) {
#define NAME(m) \
    case m:     \
        return #m;
        NAME(WM_COMMAND) NAME(WM_NOTIFY) NAME(WM_DRAWITEM) NAME(WM_LBUTTONDOWN) NAME(WM_LBUTTONUP)
        NAME(WM_LBUTTONDBLCLK) NAME(WM_MOUSEMOVE) NAME(WM_MOUSELEAVE) NAME(WM_KEYDOWN) NAME(WM_KEYUP) NAME(WM_CHAR)
        NAME(WM_SETFOCUS) NAME(WM_KILLFOCUS) NAME(WM_CAPTURECHANGED) NAME(WM_PAINT) NAME(WM_ERASEBKGND)
        NAME(WM_SETTEXT) NAME(WM_ENABLE) NAME(BM_SETSTATE) NAME(BM_GETSTATE) NAME(BM_SETCHECK) NAME(BM_GETCHECK)
        NAME(BM_SETSTYLE) NAME(WM_CTLCOLORSTATIC) NAME(WM_CTLCOLORBTN) NAME(WM_CTLCOLOREDIT) NAME(WM_SETCURSOR)
        NAME(EM_SETPASSWORDCHAR)
#undef NAME
    default: {
        char text[32];
        std::snprintf(text, sizeof text, "0x%04X", message);
        return text;
    }
    }
}

namespace {
std::string Describe(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool posted)
{
    std::ostringstream line;
    char values[96];
    std::snprintf(values, sizeof values, "%p %s wp=%08llx lp=%08llx", static_cast<void*>(window), posted ? "posted" : "sent",
                  static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam));
    line << "  " << MessageName(message) << " " << values << "\n";
    return line.str();
}

bool Matches(const ExpectedMessage& expected, const RecordedMessage& actual)
{
    if (expected.window != actual.window || expected.message != actual.message)
        return false;
    if ((expected.flags & Posted) && !actual.posted)
        return false;
    if ((expected.flags & MatchWParam) && expected.wParam != actual.wParam)
        return false;
    if ((expected.flags & MatchLParam) && expected.lParam != actual.lParam)
        return false;
    return true;
}
}  // namespace

testing::AssertionResult MatchesSequence(const CMessageLog& log, const std::vector<ExpectedMessage>& expected)
{
    const std::vector<RecordedMessage>& actual = log.Messages();
    size_t e = 0, a = 0;
    bool ok = true;
    while (e < expected.size() || a < actual.size()) {
        if (e < expected.size() && a < actual.size() && Matches(expected[e], actual[a])) {
            ++e;
            ++a;
        } else if (e < expected.size() && (expected[e].flags & Optional)) {
            ++e;
        } else {
            ok = false;
            break;
        }
    }
    if (ok)
        return testing::AssertionSuccess();
    std::string text = "message sequence differs (first difference at expected " + std::to_string(e) +
                       ", actual " + std::to_string(a) + ")\nexpected:\n";
    for (const ExpectedMessage& message : expected)
        text += Describe(message.window, message.message, message.wParam, message.lParam, message.flags & Posted) +
                ((message.flags & Optional) ? "    (optional)\n" : "");
    text += "actual:\n";
    for (const RecordedMessage& message : actual)
        text += Describe(message.window, message.message, message.wParam, message.lParam, message.posted);
    return testing::AssertionFailure() << text;
}
