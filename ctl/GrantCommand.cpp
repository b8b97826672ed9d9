#include "ctl/Commands.h"
#include "ctl/SkylookCtl.h"

#include "settings/SettingsKeyAccess.h"

#include <windows.h>

#include <ostream>
#include <string>

namespace {

// The system's own sentence for an error code, without its line end.
std::string SystemMessage(DWORD error)
{
    char text[512] = {};
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                          0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ' ||
                                message.back() == '.'))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(error) : message;
}

}  // namespace

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
