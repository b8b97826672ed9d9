// The keys that switch the configuration dialog's pages as a property sheet's do: Ctrl+Tab
// and Ctrl+PageDown go to the next page, Ctrl+Shift+Tab and Ctrl+PageUp to the previous
// one, round the ends. The dialog runs in the system's modal loop, which would take Ctrl+Tab
// for a plain Tab, so the keys are caught by a message hook of the thread while the dialog
// exists.
#ifndef SKYLOOK_UI_PAGE_SWITCH_KEYS_H
#define SKYLOOK_UI_PAGE_SWITCH_KEYS_H

#include <windows.h>

#include <functional>

enum class PageStep { None, Next, Previous };

PageStep PageStepForKey(UINT key, bool control, bool shift);

// The page one step from current among count pages, round the ends; current itself for
// no step or when no page is shown.
int PageAfterStep(int current, PageStep step, int count);

class CPageSwitchKeys {
public:
    // Returns true when the key was taken (it then goes no further).
    using Handler = std::function<bool(PageStep)>;

    CPageSwitchKeys() = default;
    ~CPageSwitchKeys() { Remove(); }
    CPageSwitchKeys(const CPageSwitchKeys&) = delete;
    CPageSwitchKeys& operator=(const CPageSwitchKeys&) = delete;

    // Watches the key presses meant for window or its descendants; one watch at a time.
    bool Install(HWND window, Handler handler);
    void Remove();

private:
    static LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam);
    bool Take(MSG& message);

    HHOOK m_hook = nullptr;
    HWND m_window = nullptr;
    Handler m_handler;
};

#endif
