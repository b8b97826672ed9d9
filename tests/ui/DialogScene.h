// The scene of the configuration dialog tests: a reset adapter whose joins complete at once,
// the program-wide state as before start-up, no stored settings; and ways to look into the
// one dialog of the process while its modal run is driven by a CModalScript.
#ifndef SKYLOOK_TESTS_UI_DIALOG_SCENE_H
#define SKYLOOK_TESTS_UI_DIALOG_SCENE_H

#include "ModalScript.h"

#include "app/MainFrame.h"
#include "ui/frame/ConfigDlg.h"

#include <gtest/gtest.h>

const COLORREF LabelBlack = RGB(0, 0, 0);
const COLORREF LabelGrey = RGB(128, 128, 128);

// Label ids in page order.
const int PageLabels[PageCount] = {1039, 1040, 1041, 1042, 1043};

class DialogScene : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// The dialog window while a run is in progress, else null.
HWND DialogWindow();
bool DialogShown();
// The window of page index (0-4), or of the statistics page for StatisticsPageIndex.
constexpr int StatisticsPageIndex = -1;
HWND PageWindow(int index);
// The one visible page, -1 for none, -2 for more than one.
int ShownPage();
// Shows each page once, so that every page window exists, and returns to the page shown before.
void MakeEveryPage();
COLORREF LabelColour(int id);
// A click on a side label as the mouse gives it.
void ClickLabel(int id);
// The first message box or dialog that the configuration dialog owns, at any depth.
HWND OwnedDialog();

// Starts the script and runs the dialog modally until its run ends.
void RunConfigDialog(CModalScript& script, HWND owner = nullptr);

class CTestFrame;
// Ends the script by closing the dialog, runs it (from the frame's tray icon when one is
// given) and expects every step to have run.
void RunAndClose(CModalScript& script, CTestFrame* frame = nullptr);

// The program's main frame, with ticks counted and, on request, served only when the test
// asks (ManualTick) and an OS version of Windows XP.
class CTestFrame : public CMainFrame {
public:
    int ticks = 0;
    bool manualTicks = false;
    bool windowsXp = false;

    void ManualTick();
    // The tray's double-click; returns when the dialog's run ends.
    void DoubleClick();

protected:
    bool OnTimer(UINT_PTR id) override;

private:
    bool ReadOsVersion(OSVERSIONINFOA& version) override;
};

#endif
