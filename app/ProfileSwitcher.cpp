#include "ProfileSwitcher.h"

#include "IncomingProfileRequest.h"
#include "ProfileChoice.h"
#include "TickState.h"

#include "adapter/AdapterWrappers.h"
#include "adapter/ScanList.h"
#include "record/TextField.h"
#include "settings/DefaultsInUse.h"
#include "settings/ProfileStore.h"
#include "settings/UserOptions.h"
#include "state/ConfigDialogLink.h"
#include "state/ProgramState.h"

#include <memory>
#include <vector>

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
    if (ApplyRequest == ApplyPushed) {
        // Judged when the record goes out, not when it was asked for: a request raised after
        // the program's own and before its push replaced the record, and the origin with it.
        // The status of this tick may still show the link that the apply is replacing.
        if (ApplyRequestOrigin == ApplyOrigin::User)
            m_userChoiceStands = true;
        m_watch = m_userChoiceStands ? Watch::Off : Watch::Counting;
        m_ticks = 0;
        return false;
    }
    if (state == LinkAssociated) {
        m_watch = Watch::Off;
        m_userChoiceStands = false;
        m_tried.clear();
        return false;
    }
    if (state == LinkNoAdapter || state == LinkRadioOff) {
        // Inserting the card or switching the radio on brings an automatic apply of its own.
        m_watch = Watch::Off;
        return false;
    }
    if (m_watch == Watch::Counting && ++m_ticks >= DefaultsWaitTicks) {
        m_watch = Watch::Searching;
        m_ticks = RescanTicks;  // the first search at once
    }
    if (m_watch != Watch::Searching || !MayAct(dialog) || ++m_ticks < RescanTicks)
        return false;
    m_ticks = 0;
    return ReadUserOption(UserOption::SwitchToProfiles) && TrySwitch(used, dialog);
}

bool CProfileSwitcher::MayAct(const IConfigDialogLink& dialog) const
{
    // Not under the user's eyes: the dialog's pages would reload with the new defaults over
    // what he is typing. Closing the dialog only hides it, so hidden counts as closed.
    return ApplyRequest == ApplyIdle && RadioOn && !ZeroConfigActive && !dialog.IsShown();
}

bool CProfileSwitcher::TrySwitch(ProfileSwitch& used, IConfigDialogLink& dialog)
{
    // Large (every profile's record), so not on the stack.
    auto profiles = std::make_unique<ProfileList>();
    if (!EnumerateProfiles(*profiles))
        return false;
    const AdapterSettings defaults = DefaultSettingsInUse();
    // A scan only when it could lead somewhere: with no profile left to try, one every half
    // minute for as long as the link stays down would disturb the card for nothing.
    if (!AnyProfileToTry(*profiles, defaults, m_tried))
        return false;
    std::vector<HeardNetwork> heard;
    if (!StartScan() || !ReadHeardNetworks(heard))
        return false;
    const int index = ChooseProfileInRange(heard, *profiles, defaults, m_tried);
    if (index < 0)
        return false;
    m_tried.insert(profiles->Names[index]);
    // A profile under a name longer than the list's opens under its own key, and the balloon
    // names it as stored.
    const std::string keyName = FieldString(profiles->KeyNames[index]);
    const std::string name = keyName.empty() ? FieldString(profiles->Names[index]) : keyName;
    const ProfileUse use = UseStoredProfile(name.c_str(), dialog, ApplyOrigin::Program);
    if (use == ProfileUse::Missing || use == ProfileUse::Unreadable)
        return false;
    used = {name, profiles->Settings[index].DesiredSSID, defaults.DesiredSSID, use == ProfileUse::Stored};
    return true;
}
