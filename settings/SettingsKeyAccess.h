// Who may write the settings. They live below HKEY_LOCAL_MACHINE, which only administrators
// may change by default, while the program runs as the signed-in user; so the setup program
// (elevated) lets the Users group keep settings there, and no more than that.
#ifndef SKYLOOK_SETTINGS_KEY_ACCESS_H
#define SKYLOOK_SETTINGS_KEY_ACCESS_H

#include <windows.h>

// Below HKEY_LOCAL_MACHINE: the key above the default settings and the profiles.
constexpr const char SettingsRootPath[] = "SOFTWARE\\KT60";

// What the Users group gets on each key, as much as its use needs: the settings key is only
// read; the default settings are read and written; profiles are made below the profile key,
// and each profile key is read, written and deleted (a profile removed, an import that
// replaces one). Nothing lets a user change a key's access list or owner, or delete the
// settings key, the default settings or the profile key.
constexpr ACCESS_MASK UsersRootAccess = KEY_READ;
constexpr ACCESS_MASK UsersDefaultsAccess = KEY_READ | KEY_SET_VALUE;
constexpr ACCESS_MASK UsersProfileRootAccess = KEY_READ | KEY_CREATE_SUB_KEY;
constexpr ACCESS_MASK UsersProfileAccess = KEY_READ | KEY_SET_VALUE | DELETE;

// Creates the settings key, the default settings key and the profile key when they are
// missing and sets the Users group's entries in their access lists to the rights above,
// keeping every other entry; profile keys that exist already get theirs too. A key's owner
// (a user who made a profile) is held to the same rights by an OWNER RIGHTS entry, so that
// it cannot give itself more. A registry link among the profile keys is left alone, and so
// is its target. Running it again changes nothing. Returns a Windows error code
// (ERROR_SUCCESS when done; ERROR_ACCESS_DENIED for a caller who is not an administrator).
DWORD GrantUsersSettingsAccess();

#endif
