#include "DialogScene.h"
#include "MachineRegistry.h"
#include "Waiting.h"

#include "adapter/AdapterHandle.h"
#include "app/TickState.h"
#include "app/TrayNotify.h"
#include "state/ProgramState.h"
#include "ui/about/AboutPage.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "ui/configuration/ConfigurationPage.h"
#include "ui/encryption/EncryptionPage.h"
#include "ui/linkinfo/LinkInfoPage.h"
#include "ui/survey/SiteSurveyPage.h"
#include "ui/linkinfo/StatisticsPage.h"

#include <Vexa5200Control.h>

namespace {

constexpr const char* SettingsKey = "SOFTWARE\\KT60";

template <class Page>
HWND FindPage()
{
    HWND dialog = DialogWindow();
    if (!dialog)
        return nullptr;
    HWND tab = ::GetDlgItem(dialog, 1000);
    for (HWND child = ::GetWindow(tab, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (dynamic_cast<Page*>(CWindow::FromHandle(child)))
            return child;
    return nullptr;
}

}  // namespace

void DialogScene::SetUp()
{
    ASSERT_EQ(0, VexaSimReset());
    ASSERT_EQ(0, VexaSimSetJoinDelay(0));
    DeleteKeyTree(SettingsKey);
    ResetProgramState();
    RadioOn = 1;
}

void DialogScene::TearDown()
{
    if (HWND dialog = DialogWindow())
        ::DestroyWindow(dialog);
    if (AdapterHandle)
        Vexa5200CloseAdapter(&AdapterHandle);
    PumpMessages();
    DeleteKeyTree(SettingsKey);
    ResetProgramState();
    VexaSimClearFailures();
}

HWND DialogWindow()
{
    CConfigDlg& dialog = ConfigDialog();
    return dialog.IsWindow() ? dialog.Handle() : nullptr;
}

bool DialogShown()
{
    HWND dialog = DialogWindow();
    return dialog && ::IsWindowVisible(dialog);
}

HWND PageWindow(int index)
{
    switch (index) {
    case 0: return FindPage<CLinkInfoPage>();
    case 1: return FindPage<CConfigPage>();
    case 2: return FindPage<CEncryptionPage>();
    case 3: return FindPage<CSiteSurveyPage>();
    case 4: return FindPage<CAboutPage>();
    case StatisticsPageIndex: return FindPage<CStatisticsPage>();
    default: return nullptr;
    }
}

int ShownPage()
{
    int shown = -1;
    for (int index = StatisticsPageIndex; index < PageCount; ++index) {
        HWND page = PageWindow(index);
        if (page && ::IsWindowVisible(page))
            shown = shown == -1 ? index : -2;
    }
    return shown;
}

void MakeEveryPage()
{
    const int shown = ConfigDialog().CurrentPage();
    for (int index = 0; index < PageCount; ++index)
        ConfigDialog().ShowPage(index);
    ConfigDialog().ShowPage(shown);
}

COLORREF LabelColour(int id)
{
    auto* label = dynamic_cast<CColorLabel*>(CWindow::FromHandle(::GetDlgItem(DialogWindow(), id)));
    EXPECT_NE(nullptr, label) << "label " << id << " is not a colour label";
    return label ? label->TextColour() : RGB(255, 0, 255);
}

void ClickLabel(int id)
{
    HWND label = ::GetDlgItem(DialogWindow(), id);
    ASSERT_NE(nullptr, label);
    RECT area = {};
    ::GetClientRect(label, &area);
    LPARAM centre = MAKELPARAM(area.right / 2, area.bottom / 2);
    ::SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    ::SendMessageA(label, WM_LBUTTONUP, 0, centre);
}

HWND OwnedDialog()
{
    for (HWND window : WindowsOwnedBy(DialogWindow())) {
        char name[16] = {};
        ::GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "#32770")
            return window;
    }
    return nullptr;
}

void RunConfigDialog(CModalScript& script, HWND owner)
{
    script.Start();
    OpenConfigDialog(owner);
}

void RunAndClose(CModalScript& script, CTestFrame* frame)
{
    script.Do("close", [] { ConfigDialog().CloseConfigDialog(); });
    if (frame) {
        script.Start();
        frame->DoubleClick();
    } else {
        RunConfigDialog(script);
    }
    EXPECT_TRUE(script.Finished()) << script.Position();
}

void CTestFrame::ManualTick()
{
    ++ticks;
    Monitor().Tick(TickTimerId);
}

void CTestFrame::DoubleClick()
{
    Send(TrayCallbackMessage(), TrayIconUid, WM_LBUTTONDBLCLK);
}

bool CTestFrame::OnTimer(UINT_PTR id)
{
    if (manualTicks)
        return true;
    ++ticks;
    return CMainFrame::OnTimer(id);
}

bool CTestFrame::ReadOsVersion(OSVERSIONINFOA& version)
{
    version.dwOSVersionInfoSize = sizeof version;
    if (!::GetVersionExA(&version))
        return false;
    if (windowsXp) {
        version.dwMajorVersion = 5;
        version.dwMinorVersion = 1;
    }
    return true;
}
