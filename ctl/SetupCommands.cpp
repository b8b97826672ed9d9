// The two commands the setup program runs as an administrator: the grant at install and the
// removal of the settings at uninstall.
#include "ctl/Commands.h"
#include "ctl/SkylookCtl.h"
#include "ctl/SystemMessage.h"

#include "settings/RegistryTree.h"
#include "settings/SettingsKeyAccess.h"

#include <windows.h>

#include <ostream>

int RunGrantSettingsAccess(const CommandLine& command)
{
    const DWORD result = GrantUsersSettingsAccess();
    if (result != ERROR_SUCCESS) {
        command.Err << "skylookctl: the permissions of HKEY_LOCAL_MACHINE\\" << SettingsRootPath
                    << " could not be changed (" << SystemMessage(result)
                    << ").\nRun skylookctl as an administrator.\n";
        return ExitFailed;
    }
    command.Out << "Members of Users may now store settings and profiles under HKEY_LOCAL_MACHINE\\"
                << SettingsRootPath << ".\n";
    return ExitOk;
}

int RunRemoveSettings(const CommandLine& command)
{
    // Users may have made the keys below, and a registry link among them would lead an
    // administrator's removal anywhere in HKEY_LOCAL_MACHINE: links go as links.
    const LONG result = DeleteKeyTree(HKEY_LOCAL_MACHINE, SettingsRootPath);
    if (result == ERROR_FILE_NOT_FOUND) {
        command.Out << "No settings or profiles are stored under HKEY_LOCAL_MACHINE\\" << SettingsRootPath << ".\n";
        return ExitOk;
    }
    if (result != ERROR_SUCCESS) {
        command.Err << "skylookctl: the settings and profiles under HKEY_LOCAL_MACHINE\\" << SettingsRootPath
                    << " could not all be removed (" << SystemMessage(result)
                    << ").\nRun skylookctl as an administrator.\n";
        return ExitFailed;
    }
    command.Out << "The default settings and every profile were removed from HKEY_LOCAL_MACHINE\\"
                << SettingsRootPath << ".\n";
    return ExitOk;
}
