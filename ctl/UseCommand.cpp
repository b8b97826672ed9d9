#include "ctl/AdapterSession.h"
#include "ctl/Commands.h"
#include "ctl/SkylookCtl.h"

#include "adapter/AdapterStatus.h"
#include "adapter/ApplySettings.h"
#include "protocol/ManagingMarker.h"
#include "protocol/ProfileRequest.h"
#include "protocol/ProgramWindow.h"
#include "settings/NotStoredText.h"
#include "settings/ProfileSelection.h"

#include <cstring>
#include <ostream>

namespace {

// The program's tick would count a request out without applying it while the radio is off or
// the card is missing, so the tool refuses then, with or without the program.
int CheckAdapterTakesSettings(const CAdapterSession& session, const CommandLine& command)
{
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
    return ExitOk;
}

}  // namespace

int RunUse(const CommandLine& command)
{
    const std::string& name = command.Operands[0];
    if (!ProfileExists(name.c_str()))
        return ReportMissingProfile(name, command.Err);

    // Held while this tool applies by itself, so that no copy starts managing the card meanwhile;
    // a copy that starts then waits at the gate and finds the marker free once the tool is done.
    CMarkerGate gate;
    CManagingMarker marker;
    const CardManager manager = FindCardManager(gate, marker);
    if (manager == CardManager::OtherSession) {
        command.Err << "skylookctl: the wireless card is managed by skylook.exe in another user's session; "
                       "change it there. Nothing was changed.\n";
        return ExitFailed;
    }
    if (manager == CardManager::ForeignHolder) {
        command.Err << "skylookctl: " << ForeignMarkerHolderText << ". Nothing was changed.\n";
        return ExitFailed;
    }

    CAdapterSession session;
    const int adapter = CheckAdapterTakesSettings(session, command);
    if (adapter != ExitOk)
        return adapter;

    if (manager == CardManager::ThisSession) {
        const HWND program = FindRunningProgram();
        const ProfileRequestAnswer answer = SendProfileRequest(program, name.c_str());
        if (answer == ProfileRequestAnswer::Refused) {
            command.Err << "skylookctl: skylook.exe did not take profile \"" << name
                        << "\". It may be busy or have just ended; try again.\n";
            return ExitFailed;
        }
        if (answer == ProfileRequestAnswer::TakenNotStored) {
            command.Out << "skylook.exe applies profile \"" << name << "\" on its next tick.\n";
            command.Err << SettingsNotStoredToolText;
            return ExitFailed;
        }
        command.Out << "Profile \"" << name
                    << "\" is now the default settings; skylook.exe applies it on its next tick.\n";
        return ExitOk;
    }

    // Without the program the tool stands in for its tick, with the same apply procedures.
    AdapterSettings settings;
    const ProfileUse choice = MakeProfileDefault(name.c_str(), settings);
    if (choice == ProfileUse::Unreadable)
        return ReportUnreadStore("profile \"" + name + "\"", "", command.Err);
    if (choice == ProfileUse::Missing) {
        return ReportMissingProfile(name, command.Err);
    }
    ApplyPendingSettings(settings);
    if (choice == ProfileUse::NotStored) {
        command.Out << "Profile \"" << name << "\" was applied; the adapter joins \"" << settings.DesiredSSID
                    << "\".\n";
        command.Err << SettingsNotStoredToolText;
        return ExitFailed;
    }
    command.Out << "Profile \"" << name << "\" is now the default settings and was applied; the adapter joins \""
                << settings.DesiredSSID << "\".\n";
    return ExitOk;
}
