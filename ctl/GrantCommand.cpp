#include "ctl/Commands.h"
#include "ctl/SkylookCtl.h"
#include "ctl/SystemMessage.h"

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
