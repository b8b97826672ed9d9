#include "ctl/Commands.h"
#include "ctl/SkylookCtl.h"

#include "settings/UserOptions.h"

#include <ostream>

namespace {

struct OptionName {
    const char* Name;  // as the command line spells it
    UserOption Option;
};

const OptionName OptionNames[] = {
    {"notifications", UserOption::Notifications},
    {"switch-to-profiles", UserOption::SwitchToProfiles},
};

}  // namespace

int RunOption(const CommandLine& command)
{
    const std::string& name = command.Operands[0];
    const std::string& value = command.Operands[1];
    const OptionName* found = nullptr;
    for (const OptionName& entry : OptionNames) {
        if (name == entry.Name)
            found = &entry;
    }
    if (!found) {
        command.Err << "skylookctl: there is no option \"" << name
                    << "\"; the options are notifications and switch-to-profiles.\n";
        return ExitUsage;
    }
    if (value != "on" && value != "off") {
        command.Err << "skylookctl: an option is set \"on\" or \"off\", not \"" << value << "\".\n";
        return ExitUsage;
    }
    if (!WriteUserOption(found->Option, value == "on")) {
        command.Err << "skylookctl: the option could not be stored in HKEY_CURRENT_USER\\" << UserOptionsPath
                    << "; it stays as it was.\n";
        return ExitFailed;
    }
    command.Out << found->Name << ": " << value << "\n";
    return ExitOk;
}
