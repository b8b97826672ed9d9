// The commands of skylookctl, each a function of the parsed command line.
#ifndef SKYLOOK_CTL_COMMANDS_H
#define SKYLOOK_CTL_COMMANDS_H

#include <iosfwd>
#include <string>
#include <vector>

struct CommandLine {
    std::vector<std::string> Operands;
    bool Json = false;
    bool Secrets = false;
    bool Defaults = false;
    bool Replace = false;
    bool IfNoDefaults = false;
    std::ostream& Out;
    std::ostream& Err;
};

int RunStatus(const CommandLine& command);
int RunScan(const CommandLine& command);
int RunProfiles(const CommandLine& command);
int RunShow(const CommandLine& command);
int RunUse(const CommandLine& command);
int RunExport(const CommandLine& command);
int RunImport(const CommandLine& command);
int RunOption(const CommandLine& command);
int RunGrantSettingsAccess(const CommandLine& command);
int RunImportWindowsProfiles(const CommandLine& command);
int RunRemoveSettings(const CommandLine& command);

// The message for a profile name that is not stored; returns ExitFailed.
int ReportMissingProfile(const std::string& name, std::ostream& err);
// The message for a stored value of "what" (a profile, the default settings) that the
// adapter library did not read; returns ExitFailed.
int ReportUnreadStore(const std::string& what, const std::string& value, std::ostream& err);

#endif
