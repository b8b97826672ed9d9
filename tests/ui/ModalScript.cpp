#include "ModalScript.h"

#include <gtest/gtest.h>

namespace {

// Far beyond any step's needs; it only keeps a hang from stopping the whole run.
constexpr ULONGLONG GuardMilliseconds = 15000;
constexpr UINT PeriodMilliseconds = 10;

CModalScript* ActiveScript = nullptr;

bool IsOwnedBy(HWND window, HWND owner)
{
    for (HWND up = ::GetWindow(window, GW_OWNER); up; up = ::GetWindow(up, GW_OWNER))
        if (up == owner)
            return true;
    return false;
}

struct OwnedSearch {
    HWND owner;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<OwnedSearch*>(context);
    if (IsOwnedBy(window, search->owner))
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK EndIfDialog(HWND window, LPARAM)
{
    char name[16] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770")
        ::EndDialog(window, -1);
    return TRUE;
}

}  // namespace

std::vector<HWND> WindowsOwnedBy(HWND owner)
{
    OwnedSearch search{owner, {}};
    if (owner)
        ::EnumThreadWindows(::GetCurrentThreadId(), &CollectOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

CModalScript::CModalScript() = default;

CModalScript::~CModalScript()
{
    if (m_timer)
        ::KillTimer(nullptr, m_timer);
    if (ActiveScript == this)
        ActiveScript = nullptr;
}

CModalScript& CModalScript::WaitFor(std::string what, std::function<bool()> condition)
{
    m_steps.push_back({std::move(what), true, std::move(condition), nullptr});
    return *this;
}

CModalScript& CModalScript::Do(std::string what, std::function<void()> action)
{
    m_steps.push_back({std::move(what), false, nullptr, std::move(action)});
    return *this;
}

void CModalScript::Start()
{
    ActiveScript = this;
    m_deadline = ::GetTickCount64() + GuardMilliseconds;
    m_timer = ::SetTimer(nullptr, 0, PeriodMilliseconds, &CModalScript::OnTimer);
}

std::string CModalScript::Position() const
{
    if (Finished())
        return "after the last step";
    return "at step " + std::to_string(m_next + 1) + " (" + m_steps[m_next].what + ")";
}

void CALLBACK CModalScript::OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    CModalScript* script = ActiveScript;
    if (!script || script->m_timer != timer) {
        ::KillTimer(nullptr, timer);
        return;
    }
    script->RunNext();
}

void CModalScript::RunNext()
{
    if (::GetTickCount64() > m_deadline) {
        FireGuard();
        return;
    }
    // A timer message comes only when the queue holds nothing else, so a wait that holds
    // lets the steps after it go on at once, as they would on the next timer message: only
    // an action has to leave the queue to the windows before the script looks again.
    while (!Finished()) {
        // Copied, so that a nested run of this function cannot pull the step away.
        const size_t index = m_next;
        if (m_steps[index].wait) {
            std::function<bool()> condition = m_steps[index].condition;
            if (!condition())
                return;
            m_next = index + 1;
            continue;
        }
        // Counted before it runs: an action that blocks lets the next steps run meanwhile.
        m_next = index + 1;
        std::function<void()> action = m_steps[index].action;
        action();
        return;
    }
}

void CModalScript::FireGuard()
{
    if (m_guardFired)
        return;
    m_guardFired = true;
    ::KillTimer(nullptr, m_timer);
    m_timer = 0;
    ADD_FAILURE() << "the modal run hung " << Position();
    ::EnumThreadWindows(::GetCurrentThreadId(), &EndIfDialog, 0);
}
