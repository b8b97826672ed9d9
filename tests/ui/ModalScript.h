// Drives a modal run from inside: a thread timer runs the script's steps one after the
// other while the run's message loop (and any loop nested in it) dispatches. A wait step is
// retried on every timer message until its condition holds; an action step runs once, and
// may itself block in a nested modal loop (a message box, a sub-dialog), during which the
// following steps go on running. If the script does not get through, the guard ends every
// dialog of the thread so that a broken close cannot hang the test.
#ifndef SKYLOOK_TESTS_UI_MODAL_SCRIPT_H
#define SKYLOOK_TESTS_UI_MODAL_SCRIPT_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CModalScript {
public:
    CModalScript();
    ~CModalScript();
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    CModalScript& WaitFor(std::string what, std::function<bool()> condition);
    CModalScript& Do(std::string what, std::function<void()> action);

    // Arms the timer; the steps start on the first timer message a message loop dispatches.
    void Start();

    // Every step has been started (a blocking action counts once it began).
    bool Finished() const { return m_next == m_steps.size(); }
    // The step the script stands at, for failure messages.
    std::string Position() const;
    bool GuardFired() const { return m_guardFired; }

private:
    struct Step {
        std::string what;
        bool wait;
        std::function<bool()> condition;
        std::function<void()> action;
    };

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD);
    void RunNext();
    void FireGuard();

    std::vector<Step> m_steps;
    size_t m_next = 0;
    UINT_PTR m_timer = 0;
    ULONGLONG m_deadline = 0;
    bool m_guardFired = false;
};

// The top-level windows of this thread whose chain of owners leads to owner.
std::vector<HWND> WindowsOwnedBy(HWND owner);

#endif
