#include "ApplyScheduling.h"

#include "ProgramState.h"

#include "adapter/ApplySettings.h"
#include "adapter/ZeroConfig.h"
#include "settings/DefaultSettings.h"

#include <cstring>

namespace {

constexpr int ApplyRequested = 1;
constexpr int ApplyDue = 2;
constexpr int ApplySettled = 4;
constexpr int ReapplyLimit = 3;
constexpr uint32_t InfrastructureMode = 1;
constexpr uint32_t AdHocMode = 0;

bool IsWindowsXp()
{
    return OsVersion.dwMajorVersion == 5 && OsVersion.dwMinorVersion == 1;
}

// The stored defaults, ready to be pushed whole.
void LoadDefaultsIntoPending()
{
    std::memset(&PendingSettings, 0, sizeof PendingSettings);
    LoadDefaultSettings(PendingSettings);
    PendingSettings.ApplyScope = ApplyScopeAll;
}

}  // namespace

void ApplyStep(IConfigDialogLink& dialog)
{
    if (ApplyRequest != 0)
        ++ApplyRequest;
    // A request made while the radio is off is counted out without reaching the adapter.
    if (ApplyRequest == ApplyDue && RadioOn) {
        if (ConfigDialogOpen)
            dialog.EnableBusySet(false);
        ApplyPendingSettings(PendingSettings);
    }
    if (ApplyRequest == ApplySettled) {
        ApplyRequest = 0;
        if (ConfigDialogOpen)
            dialog.EnableBusySet(true);
    }
}

void ZeroConfigWatch(IConfigDialogLink& dialog)
{
    if (IsWindowsXp() && CurrentStatus.LinkState != LinkNoAdapter) {
        bool managing = IsZeroConfigManaging();
        if (managing != (ZeroConfigActive != 0)) {
            // Asked twice so that a passing registry state does not flip the program's role.
            ZeroConfigActive = IsZeroConfigManaging() ? 1 : 0;
            DefaultsApplied = 0;
        }
    }
    if (ConfigDialogOpen && ZeroConfigActive)
        dialog.Close();
}

void StateChangeStep(IConfigDialogLink& dialog)
{
    const int state = CurrentStatus.LinkState;
    // The hardware switch gave the radio back. Without this the step would end below on
    // every tick from now on, and the program would never apply or reconnect by itself; the
    // state change that follows switches the open dialog back to radio-on.
    if (!RadioOn && RadioOffByAdapter && state != LinkRadioOff && state != LinkNoAdapter) {
        RadioOn = 1;
        RadioOffByAdapter = 0;
    }
    if (!RadioOn) {
        PreviousLinkState = state;
        return;
    }
    if (state == PreviousLinkState || state == LinkNoAdapter)
        return;

    const int previous = PreviousLinkState;
    if (CurrentStatus.Ssid[0] == '\0' && CurrentStatus.NetworkMode == AdHocMode)
        DefaultsApplied = 0;

    if (ConfigDialogOpen && (previous == LinkAssociated || state == LinkAssociated))
        dialog.RefreshSiteSurvey();

    if (previous == LinkAssociated)
        ReapplyCount = 1;

    if (state == LinkAssociated) {
        ReapplyCount = 0;
    } else if (ReapplyCount >= 1 && ReapplyCount <= ReapplyLimit && ApplyRequest == 0 && !ZeroConfigActive) {
        ++ReapplyCount;
        LoadDefaultsIntoPending();
        // An ad-hoc network is not chased after it was lost.
        if (PendingSettings.NetworkMode == InfrastructureMode)
            ApplyRequest = ApplyRequested;
    }

    if (ConfigDialogOpen) {
        if (state == LinkRadioOff) {
            RadioOn = 0;
            RadioOffByAdapter = 1;
            dialog.SwitchRadioSet(false);
        } else if (previous == LinkRadioOff || previous == LinkNoAdapter) {
            RadioOn = 1;
            dialog.SwitchRadioSet(true);
        }
    }
    PreviousLinkState = state;
}

void IdleApply()
{
    const int state = CurrentStatus.LinkState;
    if (ZeroConfigActive || DefaultsApplied)
        return;
    if (state != LinkNotAssociated && state != LinkNotAssociatedAdHoc)
        return;
    DefaultsApplied = 1;
    LoadDefaultsIntoPending();
    ApplyRequest = ApplyRequested;
}
