#include "ctl/Commands.h"
#include "ctl/SkylookCtl.h"
#include "ctl/SystemMessage.h"
#include "ctl/WindowsProfileImport.h"

#include "adapter/AdapterStatus.h"
#include "record/PrintableText.h"
#include "settings/DefaultSettings.h"
#include "settings/NotStoredText.h"
#include "wlanbridge/native/SystemWlanApi.h"
#include "wlanbridge/src/BridgeSessions.h"

#include <ostream>

namespace {

std::string Quoted(const std::string& name)
{
    std::string quoted(1, '"');
    quoted += EscapeControlBytes(name);
    quoted += '"';
    return quoted;
}

void ReportOutcome(const ImportOutcome& outcome, std::ostream& out)
{
    const std::string windows = Quoted(outcome.WindowsName);
    switch (outcome.Fate) {
    case ImportFate::Defaults:
        out << "Default settings: " << windows << ", the profile of the connection that is up.\n";
        break;
    case ImportFate::Stored:
        out << "Stored " << windows << " as Skylook profile " << Quoted(outcome.SkylookName)
            << (outcome.Note.empty() ? "" : ": " + EscapeControlBytes(outcome.Note)) << ".\n";
        break;
    case ImportFate::AlreadyStored:
        out << windows << " is stored already as Skylook profile " << Quoted(outcome.SkylookName) << ".\n";
        break;
    case ImportFate::Skipped:
        out << "Skipped " << windows << ": " << EscapeControlBytes(outcome.Note) << ".\n";
        break;
    case ImportFate::Refused:
        out << "Could not read " << windows << ": " << EscapeControlBytes(outcome.Note) << ".\n";
        break;
    case ImportFate::NotStored:
        out << "Could not store " << windows << " as Skylook profile " << Quoted(outcome.SkylookName)
            << (outcome.Note.empty() ? "" : ": " + EscapeControlBytes(outcome.Note)) << ".\n";
        break;
    case ImportFate::DefaultsNotStored:
        out << "Could not store " << windows << " as the default settings.\n";
        break;
    }
}

bool DefaultsTaken(const std::vector<ImportOutcome>& outcomes)
{
    for (const ImportOutcome& outcome : outcomes) {
        if (outcome.Current && outcome.Fate == ImportFate::Defaults)
            return true;
    }
    return false;
}

// Whether a connection is up (or Windows would not say): the program's start would leave it.
bool ConnectionMayBeUp(const WindowsProfileSet& set)
{
    return set.CurrentError != ERROR_SUCCESS || !set.CurrentProfile.empty();
}

// Why the program's start would still drop the user's connection, when the import could not
// give it default settings for it.
void ReportDefaultsNotTaken(const WindowsProfileSet& set, std::ostream& err)
{
    err << "skylookctl: no default settings were taken from Windows: ";
    if (set.CurrentError == ERROR_ACCESS_DENIED)
        err << LocationAccessAdvice << ", then run \"skylookctl import-windows-profiles\" again.\n";
    else if (set.CurrentError != ERROR_SUCCESS)
        err << "Windows did not say which network is connected (" << SystemMessage(static_cast<long>(set.CurrentError))
            << ").\n";
    else if (set.CurrentProfile.empty())
        err << "no wireless connection is up.\n";
    else
        err << "the connection that is up uses no stored profile Skylook can take (see above).\n";
    if (ConnectionMayBeUp(set))
        err << "Until default settings are stored, Skylook's start leaves this network for the open network "
               "\"Wireless\".\nChoose the network on Skylook's Site Survey page, or run this command again.\n";
    else
        err << "Until default settings are stored, Skylook's start tries the open network \"Wireless\".\n"
               "Choose your network on Skylook's Site Survey page, or run this command while connected.\n";
}

}  // namespace

int ImportWindowsProfiles(IWlanApi& wlan, const GUID* preferred, bool onlyWithoutDefaults, std::ostream& out,
                          std::ostream& err)
{
    const bool defaultsStored = DefaultSettingsStored();
    if (onlyWithoutDefaults && defaultsStored) {
        out << "Default settings are stored already; no Windows profile was imported.\n";
        return ExitOk;
    }
    WindowsProfileSet set;
    const DWORD read = ReadWindowsProfiles(wlan, preferred, set);
    if (read == ERROR_NOT_FOUND) {
        err << "skylookctl: Windows reports no wireless card; no profile was imported.\n";
        return ExitNoCard;
    }
    if (read != ERROR_SUCCESS) {
        err << "skylookctl: Windows' wireless service did not list its profiles ("
            << SystemMessage(static_cast<long>(read)) << "); no profile was imported.\n";
        return ExitFailed;
    }
    const std::vector<ImportOutcome> outcomes = ImportWindowsProfileSet(set);
    int stored = 0;
    int failed = 0;
    for (const ImportOutcome& outcome : outcomes) {
        ReportOutcome(outcome, out);
        stored += outcome.Fate == ImportFate::Stored ? 1 : 0;
        failed += outcome.Fate == ImportFate::NotStored || outcome.Fate == ImportFate::DefaultsNotStored ? 1 : 0;
    }
    out << stored << (stored == 1 ? " profile" : " profiles") << " of " << outcomes.size() << " imported.\n";
    const bool defaultsMissed = !defaultsStored && !DefaultsTaken(outcomes);
    if (defaultsMissed)
        ReportDefaultsNotTaken(set, err);
    if (failed > 0) {
        err << "skylookctl: " << failed << " of the settings could not be stored. " << StoreAdviceToolText << "\n";
        return ExitFailed;
    }
    // Not connected, there is nothing the start could cut; connected, the user must hear of it.
    return defaultsMissed && ConnectionMayBeUp(set) ? ExitFailed : ExitOk;
}

int RunImportWindowsProfiles(const CommandLine& command)
{
    const std::unique_ptr<IWlanApi> wlan = CreateSystemWlanApi();
    GUID preferred{};
    const bool hasPreferred = PreferredInterface(preferred);
    return ImportWindowsProfiles(*wlan, hasPreferred ? &preferred : nullptr, command.IfNoDefaults, command.Out,
                                 command.Err);
}
