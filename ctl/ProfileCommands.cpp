#include "ctl/Commands.h"
#include "ctl/JsonOutput.h"
#include "ctl/ProfileText.h"
#include "ctl/SkylookCtl.h"
#include "ctl/TextTable.h"

#include "settings/ProfileSelection.h"
#include "settings/ProfileStore.h"


#include <cstring>
#include <memory>
#include <ostream>

int ReportMissingProfile(const std::string& name, std::ostream& err)
{
    err << "skylookctl: there is no profile named \"" << name
        << "\". Run \"skylookctl profiles\" to list the stored profiles.\n";
    return ExitFailed;
}

int RunProfiles(const CommandLine& command)
{
    auto list = std::make_unique<ProfileList>();
    if (!EnumerateProfiles(*list)) {
        command.Err << "skylookctl: the profiles in the registry cannot be read. Run the tool as a user who may\n"
                       "read HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60.\n";
        return ExitFailed;
    }
    if (command.Json) {
        nlohmann::json profiles = nlohmann::json::array();
        for (int i = 0; i < list->Count; ++i) {
            const AdapterSettings& settings = list->Settings[i];
            profiles.push_back({{"name", list->Names[i]},
                                {"network", settings.DesiredSSID},
                                {"mode", ModeText(settings)},
                                {"security", SecurityText(settings)}});
        }
        WriteJson(command.Out, profiles);
        return ExitOk;
    }
    if (list->Count == 0) {
        command.Out << "No profiles stored.\n";
        return ExitOk;
    }
    CTextTable table;
    table.AddRow({"Name", "Network", "Mode", "Security"});
    for (int i = 0; i < list->Count; ++i) {
        const AdapterSettings& settings = list->Settings[i];
        table.AddRow({list->Names[i], settings.DesiredSSID, ModeText(settings), SecurityText(settings)});
    }
    table.Print(command.Out);
    return ExitOk;
}

int RunShow(const CommandLine& command)
{
    const std::string& name = command.Operands[0];
    if (!ProfileExists(name.c_str()))
        return ReportMissingProfile(name, command.Err);
    AdapterSettings settings;
    std::memset(&settings, 0, sizeof settings);
    LoadProfile(name.c_str(), settings);
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
