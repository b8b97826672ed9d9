// Who may write the settings. They live below HKEY_LOCAL_MACHINE, which only administrators
// may change by default, while the program runs as the signed-in user; so the setup program
// (elevated) lets the Users group keep settings there.
#ifndef SKYLOOK_SETTINGS_KEY_ACCESS_H
#define SKYLOOK_SETTINGS_KEY_ACCESS_H

#include <windows.h>

// Below HKEY_LOCAL_MACHINE: the key above the default settings and the profiles.
constexpr const char SettingsRootPath[] = "SOFTWARE\\KT60";

// What the Users group gets on the settings key and, inherited, on every key below it:
// reading, setting values and creating subkeys. Keys below it may also be deleted (a profile
// removed, an import that replaces one); the settings key itself may not.
constexpr ACCESS_MASK UsersSettingsAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
constexpr ACCESS_MASK UsersSubkeyAccess = DELETE;

// Creates the settings key when it is missing and merges the two grants above into its
// access list, keeping every entry it holds; keys below it that exist already get them
// too. Running it again changes nothing. Returns a Windows error code (ERROR_SUCCESS when done;
// ERROR_ACCESS_DENIED for a caller who is not an administrator).
DWORD GrantUsersSettingsAccess();

#endif
