#include "ctl/Commands.h"
#include "ctl/JsonOutput.h"
#include "ctl/ProfileText.h"
#include "ctl/SkylookCtl.h"
#include "ctl/TextTable.h"

#include "settings/ProfileNames.h"
#include "settings/ProfileStore.h"

#include <cstring>
#include <ostream>

int ReportMissingProfile(const std::string& name, std::ostream& err)
{
    err << "skylookctl: there is no profile named \"" << name
        << "\". Run \"skylookctl profiles\" to list the stored profiles.\n";
    return ExitFailed;
}

int ReportUnreadStore(const std::string& what, const std::string& value, std::ostream& err)
{
    err << "skylookctl: the adapter library did not read " << (value.empty() ? "" : "the value \"" + value + "\" of ")
        << what << ", which is stored.\nAnother program may be holding the library busy (one stuck inside it, such as a hung\n"
           "skylook.exe); end it, or restart Windows, and try again.\n";
    return ExitFailed;
}

namespace {

struct NamedProfile {
    std::string Name;
    AdapterSettings Settings;
};

// Every stored profile, read through the library as the program reads it. Key names longer
// than a profile name can be are no profile of the program's: they are counted, not read.
int ReadAllProfiles(std::vector<NamedProfile>& profiles, size_t& overlong, std::ostream& err)
{
    std::vector<std::string> names;
    if (!ListStoredProfileNames(names)) {
        err << "skylookctl: the profiles in the registry cannot be read. Run the tool as a user who may\n"
               "read HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60.\n";
        return ExitFailed;
    }
    overlong = 0;
    for (const std::string& name : names) {
        if (name.size() > ProfileNameMaxLength) {
            ++overlong;
            continue;
        }
        NamedProfile profile{name, {}};
        std::string unread;
        const ProfileRead read = ReadProfileChecked(name.c_str(), profile.Settings, unread);
        if (read == ProfileRead::Unreadable)
            return ReportUnreadStore("profile \"" + name + "\"", unread, err);
        if (read == ProfileRead::Read)
            profiles.push_back(std::move(profile));
    }
    return ExitOk;
}

}  // namespace

int RunProfiles(const CommandLine& command)
{
    std::vector<NamedProfile> profiles;
    size_t overlong = 0;
    if (const int status = ReadAllProfiles(profiles, overlong, command.Err); status != ExitOk)
        return status;
    if (overlong != 0)
        command.Err << "skylookctl: " << overlong << (overlong == 1 ? " key" : " keys")
                    << " under the profile root " << (overlong == 1 ? "has a name" : "have names") << " longer than "
                    << ProfileNameMaxLength << " characters, which no profile can have; not listed.\n";
    if (command.Json) {
        nlohmann::json list = nlohmann::json::array();
        for (const NamedProfile& profile : profiles) {
            list.push_back({{"name", profile.Name},
                            {"network", profile.Settings.DesiredSSID},
                            {"mode", ModeText(profile.Settings)},
                            {"security", SecurityText(profile.Settings)}});
        }
        WriteJson(command.Out, list);
        return ExitOk;
    }
    if (profiles.empty()) {
        command.Out << "No profiles stored.\n";
        return ExitOk;
    }
    CTextTable table;
    table.AddRow({"Name", "Network", "Mode", "Security"});
    for (const NamedProfile& profile : profiles)
        table.AddRow({profile.Name, profile.Settings.DesiredSSID, ModeText(profile.Settings),
                      SecurityText(profile.Settings)});
    table.Print(command.Out);
    command.Out << profiles.size() << (profiles.size() == 1 ? " profile" : " profiles") << " stored.\n";
    return ExitOk;
}

int RunShow(const CommandLine& command)
{
    std::string name;
    if (!FindStoredProfileName(command.Operands[0], name) || name.size() > ProfileNameMaxLength)
        return ReportMissingProfile(command.Operands[0], command.Err);
    AdapterSettings settings;
    std::memset(&settings, 0, sizeof settings);
    std::string unread;
    const ProfileRead read = ReadProfileChecked(name.c_str(), settings, unread);
    if (read == ProfileRead::Missing)
        return ReportMissingProfile(command.Operands[0], command.Err);
    if (read == ProfileRead::Unreadable)
        return ReportUnreadStore("profile \"" + name + "\"", unread, command.Err);
    const auto lines = DescribeSettings(settings, command.Secrets);
    if (command.Json) {
        nlohmann::json json = {{"name", name}};
        for (const SettingLine& line : lines)
            json[line.JsonKey] = line.Text;
        WriteJson(command.Out, json);
        return ExitOk;
    }
    CTextTable table;
    table.AddRow({"Profile:", name});
    for (const SettingLine& line : lines)
        table.AddRow({std::string(line.Label) + ":", line.Text});
    table.Print(command.Out);
    return ExitOk;
}
