// What the user is told when settings could not be written to the registry: that they
// last only until the program ends, and what gives them a store they may write.
#ifndef SKYLOOK_SETTINGS_NOT_STORED_TEXT_H
#define SKYLOOK_SETTINGS_NOT_STORED_TEXT_H

// The dialog's "Warning" box, for every Apply, OK, Connect and use of a profile.
constexpr const char SettingsNotStoredText[] =
    "The settings are used now but could not be stored, so they will be lost when Skylook restarts.\n"
    "Run the Skylook setup program again, or run Skylook as an administrator.";

// The advice alone, where the program says in its own words what could not be stored.
constexpr const char StoreAdviceText[] = "Run the Skylook setup program again, or run Skylook as an administrator.";

// The companion's advice on standard error, ahead of exit status 1, and its sentence when
// settings it applied could not be stored.
constexpr const char StoreAdviceToolText[] =
    "Run the Skylook setup program again, or run skylookctl as an administrator.";
constexpr const char SettingsNotStoredToolText[] =
    "skylookctl: the settings could not be stored, so they will be lost when Skylook restarts.\n"
    "Run the Skylook setup program again, or run skylookctl as an administrator.\n";

#endif
