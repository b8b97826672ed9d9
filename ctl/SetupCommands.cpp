// The two commands the setup program runs as an administrator: the grant at install and the
// removal of the settings at uninstall.
#include "ctl/Commands.h"
#include "ctl/SkylookCtl.h"
#include "ctl/SystemMessage.h"
#include "ctl/WindowsProfileSource.h"

#include "EapProfileRecord.h"
#include "SystemWlanApi.h"
#include "settings/RegistryTree.h"
#include "settings/SettingsKeyAccess.h"

#include <windows.h>

#include <memory>
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

namespace {

// The EAP-TLS profile the Windows Wi-Fi library stored in Windows for this user goes too.
void RemoveStoredWindowsProfile(const CommandLine& command)
{
    DWORD error = ERROR_SUCCESS;
    const std::unique_ptr<IWlanApi> wlan = CreateSystemWlanApi();
    const std::wstring removed = RemoveRememberedEapProfile(*wlan, error);
    if (!removed.empty())
        command.Out << "The Windows wireless profile \"" << Utf8(removed) << "\" that Skylook stored was removed.\n";
    if (error != ERROR_SUCCESS && error != ERROR_SERVICE_NOT_ACTIVE && error != ERROR_PROC_NOT_FOUND)
        command.Err << "skylookctl: the Windows wireless profile that Skylook stored could not be removed ("
                    << SystemMessage(error) << "); remove \"Skylook <network>\" in Windows' Wi-Fi settings.\n";
}

}  // namespace

int RunRemoveSettings(const CommandLine& command)
{
    RemoveStoredWindowsProfile(command);
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
