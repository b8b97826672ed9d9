// Falling back on a stored profile: every apply of the default settings that the program
// made by itself is watched, and when the link is not up ten ticks after it went out, and the
// user has asked for it, the program scans and applies a stored profile whose network is in
// range; while none is, it scans again now and then until the link is up.
#ifndef SKYLOOK_PROFILE_SWITCHER_H
#define SKYLOOK_PROFILE_SWITCHER_H

#include <set>
#include <string>

class IConfigDialogLink;

// Ticks are at least a second apart, so this many ticks give the defaults ten seconds.
constexpr int DefaultsWaitTicks = 10;
// While the link stays down after that, a scan this often: a user who carries the computer
// from one network to the next finds the profile of the next when he gets there.
constexpr int RescanTicks = 30;

struct ProfileSwitch {
    std::string Profile;
    std::string ProfileSsid;
    std::string DefaultSsid;  // the network of the defaults that did not come up
    bool Stored = true;       // false: used now, but the default settings could not be written
};

class CProfileSwitcher {
public:
    // Once per tick, after the scheduling steps. True, with what it did, when a profile was
    // made the default settings (an open dialog is told) and handed over for the apply.
    bool Step(ProfileSwitch& used, IConfigDialogLink& dialog);

private:
    // Whether the switcher may act on this tick: it scans and switches only then.
    bool MayAct(const IConfigDialogLink& dialog) const;
    bool TrySwitch(ProfileSwitch& used, IConfigDialogLink& dialog);

    enum class Watch { Off, Counting, Searching };
    Watch m_watch = Watch::Off;
    int m_ticks = 0;
    // The user made an apply and the link has not been up since: what he chose is not
    // second-guessed, not even by the re-applies of his settings after it failed.
    bool m_userChoiceStands = false;
    // Profiles applied since the link was last up: each is tried once, so two profiles that
    // both fail do not take turns for ever.
    std::set<std::string> m_tried;
};

#endif
