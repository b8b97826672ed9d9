#include "MainFrame.h"

#include "IncomingProfileRequest.h"
#include "TrayMenu.h"
#include "TickState.h"
#include "TrayNotify.h"

#include "adapter/AdapterLifetime.h"
#include "settings/DefaultsInUse.h"
#include "framework/Handles.h"
#include "state/ProgramState.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "res/resource.h"

#include <cstdlib>
#include <ctime>

UINT TrayCallbackMessage()
{
    static const UINT message = ::RegisterWindowMessageA("MONITOR_ICON_PRESSED2");
    return message;
}

namespace {
// Registered before start-up, so the value is fixed for the life of the process.
const UINT RegisteredAtStart = TrayCallbackMessage();

// Sent to every top-level window when the shell's taskbar is created, after a shell restart too.
UINT TaskbarCreatedMessage()
{
    static const UINT message = ::RegisterWindowMessageA("TaskbarCreated");
    return message;
}

HICON LoadTrayIcon(int iconId)
{
    // The taskbar may sit on a monitor of another scale than the dialog: asked at every update.
    return TrayIconForDpi(static_cast<UINT>(iconId), NotificationAreaDpi());
}
}  // namespace

CMainFrame::CMainFrame() : m_monitor(*this, m_dialogLink)
{
    RadioOn = 1;
    // The status query's jitter draws from this generator.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // Before the card is touched: dropping the association would cut the link of the copy in
    // another session that manages it.
    const MarkerVerdict verdict = m_marker.Claim();
    ManagesAdapter = verdict == MarkerVerdict::Manage ? 1 : 0;
    ForeignMarkerHolder = verdict == MarkerVerdict::ForeignHolder ? 1 : 0;
    if (ManagesAdapter)
        OpenAdapterAtStart(DefaultSettingsInUse().DesiredSSID);
    else
        OpenUsableAdapter();
}

CMainFrame::~CMainFrame()
{
    if (IsWindow())
        DestroyWindow();
    CloseAdapterAtEnd();
}

bool CMainFrame::Create()
{
    HICON appIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SKYLOOK));
    return CFrameWindow::Create(MainFrameClassName, StartingCaption, WS_OVERLAPPEDWINDOW, 0, nullptr, appIcon);
}

bool CMainFrame::DestroyWindow()
{
    m_monitor.RemoveIcon();
    return CFrameWindow::DestroyWindow();
}

bool CMainFrame::OnCreate(CREATESTRUCTA*)
{
    if (ManagesAdapter)
        MarkManagingFrame(m_hWnd);
    m_monitor.Start();
    return true;
}

void CMainFrame::OnDestroy()
{
    // Also when the system destroys the window without asking.
    m_monitor.RemoveIcon();
    StopTickTimer();
    UnmarkManagingFrame(m_hWnd);
}

bool CMainFrame::OnTimer(UINT_PTR id)
{
    m_monitor.Tick(id);
    return true;
}

bool CMainFrame::OnCommand(WORD id, WORD, HWND)
{
    if (ToggleTrayOption(id, m_hWnd))
        return true;
    if (id != ID_TRAY_EXIT)
        return false;
    Send(WM_CLOSE);
    return true;
}

bool CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == TrayCallbackMessage()) {
        OnTrayMouse(lParam);
        result = 0;
        return true;
    }
    if (message == TaskbarCreatedMessage() && message != 0) {
        m_monitor.OnTrayRecreated();
        result = 0;
        return true;
    }
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        // Not applied behind the copy in another session that manages the card.
        result = data && ManagesAdapter ? AcceptProfileRequest(*data, m_dialogLink) : ProfileRequestRefused;
        return true;
    }
    if (message == WM_POWERBROADCAST) {
        m_monitor.OnPowerEvent(wParam);
        result = static_cast<LRESULT>(wParam);
        return true;
    }
    return false;
}

void CMainFrame::OnTrayMouse(LPARAM mouseMessage)
{
    if (mouseMessage == WM_LBUTTONDBLCLK)
        OpenConfigDialog(m_hWnd, ManagesAdapter != 0);
    else if (mouseMessage == WM_RBUTTONUP)
        ShowTrayMenu();
}

void CMainFrame::ShowTrayMenu()
{
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    const CMenu menu = BuildTrayMenu();
    if (!menu)
        return;
    // Without the foreground the menu would not close when the user clicks elsewhere.
    ::SetForegroundWindow(m_hWnd);
    ::TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, m_hWnd, nullptr);
    Post(WM_NULL);
}

bool CMainFrame::NotifyTray(DWORD action, int iconId, const char* tooltip)
{
    NOTIFYICONDATAA record;
    FillTrayRecord(record, m_hWnd, TrayCallbackMessage(), iconId ? LoadTrayIcon(iconId) : nullptr, tooltip);
    return ::Shell_NotifyIconA(action, &record) != FALSE;
}

bool CMainFrame::ShowBalloon(const char* title, const char* text)
{
    NOTIFYICONDATAA record;
    FillBalloonRecord(record, m_hWnd, LoadTrayIcon(IDI_SKYLOOK), title, text);
    return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

bool CMainFrame::ReadOsVersion(OSVERSIONINFOA& version)
{
    version.dwOSVersionInfoSize = sizeof version;
    return ::GetVersionExA(&version) != FALSE;
}

void CMainFrame::StopTickTimer()
{
    StopTimer(TickTimerId);
}

void CMainFrame::StartTickTimer()
{
    StartTimer(TickTimerId, TickMilliseconds);
}

MarkerVerdict CMainFrame::ClaimAdapter()
{
    const MarkerVerdict verdict = m_marker.Claim();
    if (verdict == MarkerVerdict::Manage)
        MarkManagingFrame(m_hWnd);
    return verdict;
}
