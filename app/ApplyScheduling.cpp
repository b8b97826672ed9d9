#include "ApplyScheduling.h"

#include "TickState.h"

#include "adapter/ApplySettings.h"
#include "adapter/ZeroConfig.h"
#include "settings/DefaultsInUse.h"
#include "state/ProgramState.h"

namespace {

// The counts of ApplyRequest after ApplyRequested: the tick that applies and the tick that
// lets the dialog go again.
constexpr int ApplyDue = 2;
constexpr int ApplySettled = 4;
constexpr int ReapplyLimit = 3;

// The defaults this run uses, ready to be pushed whole.
void LoadDefaultsIntoPending()
{
    PendingSettings = DefaultSettingsInUse();
    PendingSettings.ApplyScope = ApplyScopeAll;
}

// The open dialog's radio set goes off with the radio and comes back on its return.
void FollowRadioInDialog(IConfigDialogLink& dialog, int previous, int state)
{
    if (state == LinkRadioOff) {
        RadioOn = 0;
        RadioOffSeen = 1;
        dialog.SwitchRadioSet(false);
    } else if (previous == LinkRadioOff || previous == LinkNoAdapter) {
        RadioOn = 1;
        dialog.SwitchRadioSet(true);
    }
}

bool AssociationChanged(int previous, int state)
{
    return previous == LinkAssociated || state == LinkAssociated;
}

}  // namespace

int ReportedLinkState(int adapterState, int applyRequest)
{
    if (applyRequest == ApplyIdle)
        return adapterState;
    // No apply brings the link up without a radio or a card, so those stay as the adapter
    // says: reported as connecting they would switch an open dialog's radio set back on.
    switch (adapterState) {
    case LinkAssociated:
    case LinkRadioOff:
    case LinkNoAdapter:
        return adapterState;
    default:
        return LinkConnecting;
    }
}

void ApplyStep(IConfigDialogLink& dialog)
{
    if (ApplyRequest != ApplyIdle)
        ++ApplyRequest;
    // A request made while the radio is off is counted out without reaching the adapter.
    if (ApplyRequest == ApplyDue && RadioOn) {
        if (dialog.IsOpen())
            dialog.EnableBusySet(false);
        ApplyPendingSettings(PendingSettings);
    }
    if (ApplyRequest == ApplySettled) {
        ApplyRequest = ApplyIdle;
        if (dialog.IsOpen())
            dialog.EnableBusySet(true);
    }
}

void ZeroConfigWatch(IConfigDialogLink& dialog)
{
    if (IsWindowsXp(OsVersion) && CurrentStatus.LinkState != LinkNoAdapter) {
        bool managing = IsZeroConfigManaging();
        if (managing != (ZeroConfigActive != 0)) {
            // Asked twice so that a passing registry state does not flip the program's role.
            ZeroConfigActive = IsZeroConfigManaging() ? 1 : 0;
            DefaultsApplied = 0;
        }
    }
    if (dialog.IsOpen() && ZeroConfigActive)
        dialog.Close();
}

void StateChangeStep(IConfigDialogLink& dialog)
{
    const int state = CurrentStatus.LinkState;
    if (ReapplyPending && ApplyRequest == ApplyDue) {
        ReapplyPending = 0;
        // The re-apply of this tick was counted out with the radio off, or went out to a radio
        // or card that was gone by then: it reached no network, so its turn waits for the
        // radio's return.
        const bool reachedNoNetwork = !RadioOn || state == LinkRadioOff || state == LinkNoAdapter;
        if (reachedNoNetwork && ReapplyCount > 1)
            --ReapplyCount;
    }
    if (RadioOn)
        RadioOffSeen = 0;
    else if (state == LinkRadioOff)
        RadioOffSeen = 1;
    // The radio is back: the hardware switch, a card put in again, or another program switched
    // it on. Without this the step would end below on every tick from now on, the program
    // would never apply or reconnect by itself, and an open dialog would keep its radio set
    // disabled; the state change that follows switches the dialog back to radio-on.
    if (RadioOffSeen && state != LinkRadioOff && state != LinkNoAdapter) {
        RadioOn = 1;
        RadioOffSeen = 0;
    }
    if (!RadioOn) {
        PreviousLinkState = state;
        return;
    }
    if (state == PreviousLinkState || state == LinkNoAdapter)
        return;

    const int previous = PreviousLinkState;
    if (CurrentStatus.Ssid[0] == '\0' && CurrentStatus.NetworkMode == NetworkModeAdHoc)
        DefaultsApplied = 0;

    if (dialog.IsOpen() && AssociationChanged(previous, state))
        dialog.RefreshSiteSurvey();

    if (previous == LinkAssociated)
        ReapplyCount = 1;

    // No re-apply while the Zero Configuration service manages the adapter, as there is no
    // idle apply then: the service chooses and joins networks itself, and pushing the defaults
    // after each link it loses would undo its choice, up to three times over.
    if (state == LinkAssociated) {
        ReapplyCount = 0;
    } else if (ReapplyCount >= 1 && ReapplyCount <= ReapplyLimit && ApplyRequest == ApplyIdle && !ZeroConfigActive &&
               state != LinkRadioOff) {
        // With the radio off a re-apply could not reach the network; the turn waits for the
        // state change that brings the radio back.
        ++ReapplyCount;
        LoadDefaultsIntoPending();
        // An ad-hoc network is not chased after it was lost.
        if (PendingSettings.NetworkMode == NetworkModeInfrastructure) {
            RequestApply(ApplyOrigin::Program);
            ReapplyPending = 1;
        }
    }

    if (dialog.IsOpen())
        FollowRadioInDialog(dialog, previous, state);
    PreviousLinkState = state;
}

void WatchingStateChangeStep(IConfigDialogLink& dialog)
{
    const int state = CurrentStatus.LinkState;
    if (state == PreviousLinkState || state == LinkNoAdapter)
        return;
    const int previous = PreviousLinkState;
    PreviousLinkState = state;
    // Kept as the managing step keeps them, so that a takeover goes on from here.
    RadioOn = state == LinkRadioOff ? 0 : 1;
    RadioOffSeen = RadioOn ? 0 : 1;
    if (!dialog.IsOpen())
        return;
    if (AssociationChanged(previous, state))
        dialog.RefreshSiteSurvey();
    FollowRadioInDialog(dialog, previous, state);
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
    RequestApply(ApplyOrigin::Program);
}
