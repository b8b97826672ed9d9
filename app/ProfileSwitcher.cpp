#include "ProfileSwitcher.h"

#include "IncomingProfileRequest.h"
#include "ProfileChoice.h"
#include "TickState.h"

#include "adapter/AdapterWrappers.h"
#include "adapter/ScanList.h"
#include "settings/DefaultsInUse.h"
#include "settings/ProfileStore.h"
#include "settings/UserOptions.h"
#include "state/ProgramState.h"

#include <cstring>
#include <memory>

namespace {

// The count of ApplyRequest on the tick that pushed the settings.
constexpr int ApplyPushed = 2;

}  // namespace

bool CProfileSwitcher::Step(ProfileSwitch& used, IConfigDialogLink& dialog)
{
    // The copy that manages the card (in another session) decides which network it is on.
    if (!ManagesAdapter)
        return false;
    const int state = CurrentStatus.LinkState;
    if (state == LinkAssociated) {
        m_watch = Watch::Off;
        m_tried.clear();
        AutomaticApplyRequested = 0;
        return false;
    }
    if (AutomaticApplyRequested) {
        AutomaticApplyRequested = 0;
        m_watch = Watch::AwaitingApply;
        return false;
    }
    if (state == LinkNoAdapter || state == LinkRadioOff) {
        // Inserting the card or switching the radio on brings an automatic apply of its own.
        m_watch = Watch::Off;
        return false;
    }
    if (ApplyRequest == ApplyPushed) {
        // The apply that was awaited went out now; any other one is the user's own (a page,
        // the companion tool), and what the user chose is not second-guessed.
        m_watch = m_watch == Watch::AwaitingApply ? Watch::Counting : Watch::Off;
        m_ticks = 0;
        return false;
    }
    if (m_watch == Watch::Counting && ++m_ticks >= DefaultsWaitTicks) {
        m_watch = Watch::Searching;
        m_ticks = RescanTicks;  // the first search at once
    }
    if (m_watch != Watch::Searching || !Due() || ++m_ticks < RescanTicks)
        return false;
    m_ticks = 0;
    return ReadUserOption(UserOption::SwitchToProfiles) && TrySwitch(used, dialog);
}

bool CProfileSwitcher::Due() const
{
    return ApplyRequest == ApplyIdle && RadioOn && !ZeroConfigActive;
}

bool CProfileSwitcher::TrySwitch(ProfileSwitch& used, IConfigDialogLink& dialog)
{
    ScanList scan;
    std::memset(&scan, 0, sizeof scan);
    NetworkSecurity security[ScanListCapacity] = {};
    if (!StartScan() || !ReadScanList(scan, security))
        return false;
    // Large (every profile's record), so not on the stack.
    auto profiles = std::make_unique<ProfileList>();
    if (!EnumerateProfiles(*profiles))
        return false;
    const AdapterSettings defaults = DefaultSettingsInUse();
    const int index = ChooseProfileInRange(scan, security, *profiles, defaults, m_tried);
    if (index < 0)
        return false;
    const std::string name = profiles->Names[index];
    m_tried.insert(name);
    const ProfileUse use = UseStoredProfile(name.c_str(), dialog);
    if (use == ProfileUse::Missing || use == ProfileUse::Unreadable)
        return false;
    // The profile is the default settings now; should it not come up either, the next one.
    m_watch = Watch::AwaitingApply;
    used = {name, profiles->Settings[index].DesiredSSID, defaults.DesiredSSID, use == ProfileUse::Stored};
    return true;
}
