#include "TrayMonitor.h"

#include "ApplyScheduling.h"
#include "TickState.h"

#include "adapter/AdapterLifetime.h"
#include "adapter/AdapterWrappers.h"
#include "state/ProgramState.h"
#include "res/resource.h"
#include "settings/DefaultsInUse.h"

#include <cstring>

namespace {

constexpr uint32_t ReceiveAntennaSetting = 2;

std::string ShownTooltip(TooltipForm form, const std::string& tooltip)
{
    if (ManagesAdapter)
        return tooltip;
    return ForeignMarkerHolder ? ForeignHolderTooltip(form) : ManagedElsewhereTooltip(form, tooltip);
}

}  // namespace

CTrayMonitor::CTrayMonitor(ITrayHost& host, IConfigDialogLink& dialog)
    : m_host(host),
      m_dialog(dialog),
      m_iconId(IDI_NOT_CONNECTED),
      m_previousIconId(IDI_NOT_CONNECTED),
      m_linkWatch(host, dialog)
{
}

void CTrayMonitor::Start()
{
    TrayIconAdded = 0;
    m_iconId = IDI_NOT_CONNECTED;
    m_previousIconId = IDI_NOT_CONNECTED;
    UpdateTrayIcon(IDI_NOT_CONNECTED, PlainTooltip);
    TrayIconAdded = 1;
    m_host.StartTickTimer();
}

bool CTrayMonitor::UpdateTrayIcon(int iconId, const char* tooltip)
{
    DWORD action = NIM_DELETE;
    if (iconId) {
        action = TrayIconAdded ? NIM_MODIFY : NIM_ADD;
        TrayIconAdded = 1;
    } else {
        TrayIconAdded = 0;
    }
    m_shownIconId = iconId;
    m_shownTooltip = tooltip ? tooltip : "";
    return m_host.NotifyTray(action, iconId, tooltip);
}

void CTrayMonitor::OnTrayRecreated()
{
    if (!TrayIconAdded || !m_shownIconId)
        return;
    TrayIconAdded = 0;
    const std::string tooltip = m_shownTooltip;
    UpdateTrayIcon(m_shownIconId, tooltip.c_str());
}

void CTrayMonitor::RemoveIcon()
{
    if (TrayIconAdded)
        UpdateTrayIcon(0, "123");
}

void CTrayMonitor::OnPowerEvent(WPARAM event)
{
    if (event == PBT_APMSUSPEND)
        m_suspended = true;
    else if (event == PBT_APMRESUMESUSPEND)
        m_suspended = false;
}

void CTrayMonitor::Tick(UINT_PTR timerId)
{
    if (m_suspended)
        return;

    TakeOverWhenFree();
    const bool radioOnAtStart = RadioOn != 0;
    ApplyStep(m_dialog);

    if (timerId == TickTimerId) {
        // Killed while the tick works, so ticks never overlap and the period runs from the
        // end of one tick.
        m_host.StopTickTimer();

        std::memset(&CurrentStatus, 0, sizeof CurrentStatus);
        QueryAdapterStatus(CurrentStatus);
        CurrentStatus.LinkState = ReportedLinkState(CurrentStatus.LinkState, ApplyRequest);

        std::memset(&OsVersion, 0, sizeof OsVersion);
        OsVersion.dwOSVersionInfoSize = sizeof OsVersion;
        if (!m_host.ReadOsVersion(OsVersion)) {
            // Polling stops for good.
            if (m_dialog.IsOpen())
                m_dialog.Close();
            return;
        }

        RecheckKeptDefaultSettings();
        ZeroConfigWatch(m_dialog);
        // A copy that does not manage the card requests no apply of its own (no idle apply, no
        // re-apply, no switch to a profile) and its dialog refuses the user's, so nothing
        // reaches the card from it; it only reads the status, and its dialog follows the
        // link and the defaults the managing copy stores.
        if (ManagesAdapter) {
            StateChangeStep(m_dialog);
        } else {
            WatchingStateChangeStep(m_dialog);
            m_defaultsWatch.Step(m_dialog);
        }
        TrayStep(TooltipFormFor(OsVersion));
        m_linkWatch.Step(radioOnAtStart);
    }

    m_host.StartTickTimer();
}

void CTrayMonitor::TakeOverWhenFree()
{
    if (ManagesAdapter)
        return;
    const MarkerVerdict verdict = m_host.ClaimAdapter();
    ForeignMarkerHolder = verdict == MarkerVerdict::ForeignHolder ? 1 : 0;
    if (verdict != MarkerVerdict::Manage)
        return;
    // From now on as if the program had just started (the idle apply, the antenna and the
    // re-applies were never armed meanwhile), except that the card is not disassociated: a link
    // that is up is on a network the other copy chose, and the idle apply brings the defaults
    // only when the link is down.
    ManagesAdapter = 1;
    if (m_dialog.IsOpen()) {
        m_dialog.AllowChanges(true);
        // The other copy may have stored new defaults after this copy's last look: the shown
        // page reads them, as after a switch, before its Apply can be pressed.
        m_dialog.StoredDefaultsChanged();
    }
}

void CTrayMonitor::NoAdapterStep(TooltipForm form)
{
    ReopenAdapter();
    DefaultsApplied = 0;
    AntennaSet = 0;
    m_iconId = 0;
    if (m_iconId == m_previousIconId)
        return;
    // Sent on every tick without an adapter, and the dialog cannot stay open meanwhile.
    TrayPicture picture = NoCardPicture(form);
    m_tooltip = ShownTooltip(form, picture.Tooltip);
    m_iconId = picture.IconId;
    UpdateTrayIcon(m_iconId, m_tooltip.c_str());
    TrayIconAdded = 1;
    m_previousIconId = m_iconId;
    if (m_dialog.IsOpen())
        m_dialog.Close();
}

void CTrayMonitor::TrayStep(TooltipForm form)
{
    if (CurrentStatus.LinkState == LinkNoAdapter) {
        NoAdapterStep(form);
        return;
    }

    if (ManagesAdapter) {
        if (!AntennaSet) {
            AntennaSet = 1;
            SetReceiveAntenna(ReceiveAntennaSetting);
        }
        IdleApply();
    }

    TrayPicture picture = ChooseTrayPicture(CurrentStatus, form);
    m_tooltip = ShownTooltip(form, picture.Tooltip);
    if (picture.IconId)
        m_iconId = picture.IconId;

    if (m_iconId && (m_iconId != m_previousIconId || m_tooltip != m_previousTooltip)) {
        UpdateTrayIcon(m_iconId, m_tooltip.c_str());
        TrayIconAdded = 1;
        m_previousIconId = m_iconId;
        m_previousTooltip = m_tooltip;
    }
}
