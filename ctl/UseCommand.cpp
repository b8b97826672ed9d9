#include "ctl/AdapterSession.h"
#include "ctl/Commands.h"
#include "ctl/SkylookCtl.h"

#include "adapter/AdapterStatus.h"
#include "adapter/ApplySettings.h"
#include "app/ProfileRequest.h"
#include "settings/ProfileSelection.h"

#include <cstring>
#include <ostream>

namespace {

// Without the program the tool stands in for its tick: the same checks the apply step makes
// before it pushes a record, and the same apply procedures.
int ApplyWithoutProgram(const std::string& name, const CommandLine& command)
{
    CAdapterSession session;
    AdapterStatus status;
    std::memset(&status, 0, sizeof status);
    if (!session.Usable() || !QueryAdapterStatus(status)) {
        ReportNoCard(command.Err);
        return ExitNoCard;
    }
    if (status.LinkState == LinkRadioOff) {
        ReportRadioOff(command.Err);
        return ExitFailed;
    }
    AdapterSettings settings;
    if (!MakeProfileDefault(name.c_str(), settings))
        return ReportMissingProfile(name, command.Err);
    ApplyPendingSettings(settings);
    command.Out << "Profile \"" << name << "\" is now the default settings and was applied; the adapter joins \""
                << settings.DesiredSSID << "\".\n";
    return ExitOk;
}

}  // namespace

int RunUse(const CommandLine& command)
{
    const std::string& name = command.Operands[0];
    if (!ProfileExists(name.c_str()))
        return ReportMissingProfile(name, command.Err);

    const HWND program = FindRunningProgram();
    if (!program)
        return ApplyWithoutProgram(name, command);
    if (!SendProfileRequest(program, name.c_str())) {
        command.Err << "skylookctl: skylook.exe did not take profile \"" << name
                    << "\". It may be busy or have just ended; try again.\n";
        return ExitFailed;
    }
    command.Out << "Profile \"" << name << "\" is now the default settings; skylook.exe applies it on its next tick.\n";
    return ExitOk;
}
