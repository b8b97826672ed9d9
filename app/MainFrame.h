// The program's hidden main window: it owns the adapter for the life of the process, the
// tray icon with its menu, and the one-second tick. It is never shown.
#ifndef SKYLOOK_MAIN_FRAME_H
#define SKYLOOK_MAIN_FRAME_H

#include "ConfigDialogBridge.h"
#include "TrayMonitor.h"

#include "framework/FrameWindow.h"
#include "protocol/ManagingMarker.h"
#include "protocol/ProgramWindow.h"

constexpr const char* StartingCaption = "TempName";

// The tray icon's callback message, registered once per process.
UINT TrayCallbackMessage();

class CMainFrame : public CFrameWindow, private ITrayHost {
public:
    // Claims the marker of the copy that manages the card, then opens the adapter; holding the
    // marker, it drops any association the card has, else it only reads the card.
    CMainFrame();
    // Closes the adapter.
    ~CMainFrame() override;

    // Creates the hidden window, which adds the tray icon and starts the tick.
    bool Create();

    bool DestroyWindow() override;

    CTrayMonitor& Monitor() { return m_monitor; }

protected:
    bool OnCreate(CREATESTRUCTA* create) override;
    void OnDestroy() override;
    bool OnTimer(UINT_PTR id) override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnTrayMouse(LPARAM mouseMessage);
    void ShowTrayMenu();

    bool NotifyTray(DWORD action, int iconId, const char* tooltip) override;
    bool ShowBalloon(const char* title, const char* text) override;
    bool ReadOsVersion(OSVERSIONINFOA& version) override;
    void StopTickTimer() override;
    void StartTickTimer() override;
    MarkerVerdict ClaimAdapter() override;

    // Let go only after the destructor closed the adapter.
    CManagingMarker m_marker;
    CConfigDialogBridge m_dialogLink;
    CTrayMonitor m_monitor;
};

#endif
