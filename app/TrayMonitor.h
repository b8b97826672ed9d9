// The tray icon and the one-second tick, apart from the window that owns them: the window
// hands over its timer messages and lends the tray, the timer and the OS version read
// through ITrayHost.
#ifndef SKYLOOK_TRAY_MONITOR_H
#define SKYLOOK_TRAY_MONITOR_H

#include "state/ConfigDialogLink.h"
#include "LinkWatch.h"
#include "SharedDefaultsWatch.h"
#include "TrayPresentation.h"

#include "protocol/MarkerDecision.h"

#include <windows.h>
#include <string>

class ITrayHost {
public:
    virtual ~ITrayHost() = default;
    // Shell_NotifyIconA with NIM_ADD, NIM_MODIFY or NIM_DELETE; iconId 0 for no icon.
    virtual bool NotifyTray(DWORD action, int iconId, const char* tooltip) = 0;
    // A balloon on the icon there is, with the program's own icon; false where the shell
    // has none.
    virtual bool ShowBalloon(const char* title, const char* text) = 0;
    virtual bool ReadOsVersion(OSVERSIONINFOA& version) = 0;
    virtual void StopTickTimer() = 0;
    virtual void StartTickTimer() = 0;
    // Takes the machine-wide marker of the copy that manages the card; Manage once this copy
    // holds it. Asked on every tick while this copy does not manage the card.
    virtual MarkerVerdict ClaimAdapter() = 0;
};

constexpr UINT_PTR TickTimerId = 100;
constexpr UINT TickMilliseconds = 1000;

class CTrayMonitor {
public:
    CTrayMonitor(ITrayHost& host, IConfigDialogLink& dialog);

    // Adds the icon that the program starts with and starts the tick.
    void Start();
    void Tick(UINT_PTR timerId);
    // PBT_APMSUSPEND freezes the ticks, PBT_APMRESUMESUSPEND lets them go on.
    void OnPowerEvent(WPARAM event);
    // Deletes the tray icon if there is one.
    void RemoveIcon();
    // The shell's notification area was created anew (the shell restarted): the icon it
    // had is gone, so the last one sent is added again.
    void OnTrayRecreated();

    bool UpdateTrayIcon(int iconId, const char* tooltip);

    bool Suspended() const { return m_suspended; }
    int IconId() const { return m_iconId; }
    const std::string& Tooltip() const { return m_tooltip; }

private:
    // While this copy does not manage the card: once the marker is free, this copy manages it
    // from this tick on; until then the tooltip and the dialog say who keeps it from that.
    void TakeOverWhenFree();
    void TrayStep(TooltipForm form);
    void NoAdapterStep(TooltipForm form);

    ITrayHost& m_host;
    IConfigDialogLink& m_dialog;
    int m_iconId;
    int m_previousIconId;
    std::string m_tooltip;
    std::string m_previousTooltip;
    bool m_suspended = false;
    // What the tray shows now, for adding it again after the shell restarts.
    int m_shownIconId = 0;
    std::string m_shownTooltip;
    CLinkWatch m_linkWatch;
    CSharedDefaultsWatch m_defaultsWatch;
};

#endif
