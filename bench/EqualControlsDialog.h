// The configuration dialog's equal in standard controls: the program's own frame and page
// templates, created in the same order and nesting, with dialog procedures that do nothing.
// Same size, same child dialogs, same number and kinds of controls; none of them bound,
// subclassed, filled or drawn by the program.
#ifndef SKYLOOK_BENCH_EQUAL_CONTROLS_DIALOG_H
#define SKYLOOK_BENCH_EQUAL_CONTROLS_DIALOG_H

#include <windows.h>

#include <vector>

class CEqualControlsDialog {
public:
    // Runs the dialog modally; returns when Close is called.
    void DoModal(HWND owner);
    HWND Handle() const { return m_window; }
    // Hides the first page and shows the About page, as a click on its label would.
    void ShowAboutPage();
    void Close();

    // The template of each page and embedded page, in the order they are created.
    static const std::vector<UINT>& CreationOrder();
    static const char* PageName(UINT templateId);

private:
    static INT_PTR CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CreatePages();

    HWND m_window = nullptr;
    HWND m_firstPage = nullptr;
    HWND m_aboutPage = nullptr;
};

#endif
