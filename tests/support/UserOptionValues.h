// This user's stored options removed, so that a test starts from their defaults and leaves
// none behind. Header only: the test executables that use it link the settings themselves.
#ifndef SKYLOOK_TESTS_USER_OPTION_VALUES_H
#define SKYLOOK_TESTS_USER_OPTION_VALUES_H

#include "settings/UserOptions.h"

#include <windows.h>

#include <initializer_list>

inline void ForgetUserOptions()
{
    for (UserOption option : {UserOption::Notifications, UserOption::SwitchToProfiles})
        ::RegDeleteKeyValueA(HKEY_CURRENT_USER, UserOptionsPath, UserOptionValueName(option));
}

#endif
