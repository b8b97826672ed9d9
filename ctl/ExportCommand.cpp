#include "ctl/Commands.h"
#include "ctl/ImportPlan.h"
#include "ctl/ImportWriter.h"
#include "ctl/RegistryScript.h"
#include "ctl/ScriptFiles.h"
#include "ctl/SkylookCtl.h"

#include "record/PrintableText.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileNames.h"
#include "settings/ProfileStore.h"
#include "settings/StoredValues.h"

#include <windows.h>

#include <ostream>
#include <set>

namespace {

// The stored values of one key in the store's order, names, bytes and types as the registry
// holds them; values that are no setting are left out.
ScriptKey ReadStoredKey(const std::string& path, const std::string& scriptPath)
{
    ScriptKey key;
    key.Path = scriptPath;
    std::vector<StoredRegistryValue> values;
    ReadKeyValues(path, values);
    for (const StoredValue& stored : StoredValues) {
        for (StoredRegistryValue& value : values) {
            if (FindStoredValue(value.Name.c_str()) != &stored)
                continue;
            ScriptValue written;
            written.Name = value.Name;
            written.Type = value.Type;
            written.Bytes = std::move(value.Bytes);
            key.Values.push_back(std::move(written));
            break;
        }
    }
    return key;
}

std::string ProfilePath(const std::string& name)
{
    return std::string(ProfileRootPath) + name;
}

// The profiles to export under their stored names, each once; false after a message when a
// name is not stored or the store cannot be listed.
bool ChooseProfiles(const std::vector<std::string>& asked, std::vector<std::string>& names, std::ostream& err)
{
    std::set<std::string, RegistryNameLess> chosen;
    for (const std::string& name : asked) {
        std::string stored;
        if (!FindStoredProfileName(name, stored) || stored.size() > ProfileNameMaxLength) {
            ReportMissingProfile(name, err);
            return false;
        }
        if (chosen.insert(stored).second)
            names.push_back(stored);
    }
    if (!asked.empty())
        return true;
    std::vector<std::string> all;
    if (!ListStoredProfileNames(all)) {
        err << "skylookctl: the profiles in the registry cannot be read. Run the tool as a user who may\n"
               "read HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60.\n";
        return false;
    }
    for (const std::string& name : all) {
        // A key name no profile can have would not import again: said, and left out.
        if (name.size() > ProfileNameMaxLength)
            err << "skylookctl: the key \"" << EscapeControlBytes(name) << "\" under the profile root is longer than "
                << ProfileNameMaxLength << " characters, which no profile can be; it is not exported.\n";
        else if (chosen.insert(name).second)
            names.push_back(name);
    }
    return true;
}

}  // namespace

int RunExport(const CommandLine& command)
{
    const std::string& file = command.Operands[0];
    std::vector<std::string> names;
    if (!ChooseProfiles({command.Operands.begin() + 1, command.Operands.end()}, names, command.Err))
        return ExitFailed;

    std::vector<ScriptKey> keys;
    if (command.Defaults)
        keys.push_back(ReadStoredKey(DefaultSettingsPath, DefaultSettingsScriptPath()));
    for (const std::string& name : names)
        keys.push_back(ReadStoredKey(ProfilePath(name), ProfileScriptPath(name)));
    if (!WriteScriptFile(file, WriteRegistryScript(keys), command.Err))
        return ExitFailed;
    command.Out << "Exported " << names.size() << (names.size() == 1 ? " profile" : " profiles")
                << (command.Defaults ? " and the default settings" : "") << " to \"" << file << "\".\n";
    return ExitOk;
}
