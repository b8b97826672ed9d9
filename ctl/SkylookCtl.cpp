#include "ctl/SkylookCtl.h"

#include "ctl/Commands.h"

#include <exception>
#include <ostream>

namespace {

enum Flag : unsigned {
    FlagJson = 1,
    FlagSecrets = 2,
    FlagDefaults = 4,
    FlagReplace = 8,
    FlagIfNoDefaults = 16,
};

struct CommandEntry {
    const char* Name;
    int (*Run)(const CommandLine&);
    unsigned Flags;
    size_t LeastOperands;
    size_t MostOperands;
    const char* Usage;
    const char* Help;
};

constexpr size_t AnyNumber = static_cast<size_t>(-1);

const CommandEntry Commands[] = {
    {"status", RunStatus, FlagJson, 0, 0, "status [--json]",
     "Shows the link as the tray icon sees it: state, network, BSSID, channel, rate, signal and\n"
     "link quality, radio, the stored default network, which session's skylook.exe manages\n"
     "the card (this one's, another user's, none), and this user's two options.\n"
     "Exit status: 0 associated, 1 not associated (or radio off), 3 no adapter.\n"},
    {"scan", RunScan, FlagJson, 0, 0, "scan [--json]",
     "Scans and lists the networks heard, strongest first: BSSID, SSID, security (open, WEP,\n"
     "WPA), infrastructure or ad-hoc, channel and signal strength.\n"},
    {"profiles", RunProfiles, FlagJson, 0, 0, "profiles [--json]",
     "Lists the stored profiles with their network, mode and security.\n"},
    {"show", RunShow, FlagJson | FlagSecrets, 1, 1, "show NAME [--secrets] [--json]",
     "Shows every setting of one profile. WEP keys and the passphrase are masked unless\n"
     "--secrets is given.\n"},
    {"use", RunUse, 0, 1, 1, "use NAME",
     "Makes the profile the default settings and applies it. When skylook.exe runs, it applies\n"
     "the profile on its next tick; otherwise this tool applies it to the adapter itself.\n"
     "Nothing changes while the radio is off or the card is missing, or while skylook.exe in\n"
     "another user's session manages the card (exit status 1).\n"},
    {"export", RunExport, FlagDefaults, 1, AnyNumber, "export FILE [NAME...] [--defaults]",
     "Writes the named profiles (all of them when none is named), and with --defaults the\n"
     "default settings, to FILE as a REGEDIT4 registry script that Windows' \"reg import\" reads.\n"},
    {"import", RunImport, FlagDefaults | FlagReplace, 1, 1, "import FILE [--replace] [--defaults]",
     "Reads profiles from a registry script written by export, or by the registry editor in\n"
     "either of its formats. Every value is checked first; when one is wrong nothing is\n"
     "written. A profile that exists is replaced only with --replace; default settings in the\n"
     "file are imported only with --defaults. A section without values changes nothing.\n"},
    {"import-windows-profiles", RunImportWindowsProfiles, FlagIfNoDefaults, 0, 0, "import-windows-profiles [--if-no-defaults]",
     "Takes the wireless profiles Windows keeps. When no default settings are stored, the profile\n"
     "of the connection that is up becomes them, so that Skylook's start stays on that network;\n"
     "the other profiles (all of them when default settings are stored) become Skylook profiles\n"
     "of their names, numbered when a different Skylook profile has the name: none is\n"
     "overwritten. Open, WEP and WPA/WPA2-Personal networks are taken; the others are listed\n"
     "with the reason. Windows gives the keys only to an administrator.\n"
     "  --if-no-defaults  do nothing when default settings are stored (the setup program's use)\n"},
    {"option", RunOption, 0, 2, 2, "option notifications|switch-to-profiles on|off",
     "Sets one of this user's options, as the tray menu's check items do; a running skylook.exe\n"
     "follows at once.\n"
     "  notifications       balloons when the link is made or lost, the card is removed or\n"
     "                      inserted, or the radio switch is turned (on when never set)\n"
     "  switch-to-profiles  when the default settings do not connect, apply a stored profile\n"
     "                      whose network is in range (off when never set)\n"},
    {"grant-settings-access", RunGrantSettingsAccess, 0, 0, 0, "grant-settings-access",
     "Lets the Users group read and write the settings under HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60\n"
     "(creating the key when it is missing), so that Skylook keeps them when it runs without\n"
     "administrator rights. The setup program runs it; it needs administrator rights itself.\n"},
    {"remove-settings", RunRemoveSettings, 0, 0, 0, "remove-settings",
     "Removes the default settings and every profile (HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60 with all\n"
     "below it). A registry link among the profiles is removed itself, never what it points at.\n"
     "The uninstaller runs it when asked to remove the settings; it needs administrator rights.\n"},
};

constexpr const char* OptionNames[] = {"--json", "--secrets", "--defaults", "--replace", "--if-no-defaults"};

void PrintOverview(std::ostream& stream)
{
    stream << "Usage: skylookctl COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const CommandEntry& entry : Commands)
        stream << "  skylookctl " << entry.Usage << "\n";
    stream << "\nskylookctl COMMAND --help describes one command.\n";
}

void PrintCommandHelp(const CommandEntry& entry, std::ostream& stream)
{
    stream << "Usage: skylookctl " << entry.Usage << "\n\n" << entry.Help;
}

const CommandEntry* FindCommand(const std::string& name)
{
    for (const CommandEntry& entry : Commands) {
        if (name == entry.Name)
            return &entry;
    }
    return nullptr;
}

int UsageError(const std::string& message, const char* helpCommand, std::ostream& err)
{
    err << "skylookctl: " << message << "\nRun \"skylookctl " << helpCommand << "\" for the usage.\n";
    return ExitUsage;
}

}  // namespace

bool NeedsAdapterLibrary(const std::vector<std::string>& arguments)
{
    const CommandEntry* entry = arguments.empty() ? nullptr : FindCommand(arguments[0]);
    // The setup program's commands touch the registry alone and run before (or after) any
    // library is there.
    return entry && entry->Run != RunGrantSettingsAccess && entry->Run != RunRemoveSettings;
}

int RunSkylookCtl(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.empty())
        return UsageError("no command given.", "--help", err);
    const std::string& name = arguments[0];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintOverview(out);
        return ExitOk;
    }
    const CommandEntry* entry = FindCommand(name);
    if (!entry)
        return UsageError("unknown command \"" + name + "\".", "--help", err);

    const std::string helpCommand = name + " --help";
    CommandLine command{{}, false, false, false, false, false, out, err};
    bool optionsEnded = false;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // After "--" every argument is a name or file, for a profile whose name begins with "--".
        if (optionsEnded || argument == "--") {
            if (optionsEnded)
                command.Operands.push_back(argument);
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            PrintCommandHelp(*entry, out);
            return ExitOk;
        }
        if (argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            command.Operands.push_back(argument);
            continue;
        }
        unsigned flag = 0;
        for (unsigned bit = 0; bit < sizeof OptionNames / sizeof OptionNames[0]; ++bit) {
            if (argument == OptionNames[bit])
                flag = 1u << bit;
        }
        if ((flag & entry->Flags) == 0)
            return UsageError("\"" + name + "\" takes no option \"" + argument + "\".", helpCommand.c_str(), err);
        command.Json |= flag == FlagJson;
        command.Secrets |= flag == FlagSecrets;
        command.Defaults |= flag == FlagDefaults;
        command.Replace |= flag == FlagReplace;
        command.IfNoDefaults |= flag == FlagIfNoDefaults;
    }
    if (command.Operands.size() < entry->LeastOperands)
        return UsageError("\"" + name + "\" needs " + (entry->LeastOperands == 1 ? "an argument." : "more arguments."),
                          helpCommand.c_str(), err);
    if (command.Operands.size() > entry->MostOperands)
        return UsageError("too many arguments for \"" + name + "\".", helpCommand.c_str(), err);
    // Nothing the commands call is expected to throw; should it happen (memory, say), the
    // user gets a sentence rather than an abort.
    try {
        return entry->Run(command);
    } catch (const std::exception& error) {
        err << "skylookctl: \"" << name << "\" stopped: " << error.what() << ". Nothing more was done.\n";
        return ExitFailed;
    }
}
