#include "ctl/Commands.h"
#include "ctl/ImportPlan.h"
#include "ctl/KeyValues.h"
#include "ctl/RegistryScript.h"
#include "ctl/ScriptFiles.h"
#include "ctl/SkylookCtl.h"
#include "ctl/SystemMessage.h"

#include "framework/Handles.h"
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
// holds them (texts in the code page, as the store reads them); values that are no setting
// are left out. ERROR_SUCCESS, or the error of the read, which leaves the key unusable.
LONG ReadStoredKey(const std::string& path, ScriptKey& key)
{
    CRegistryKey opened;
    LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, opened.Receive());
    std::vector<WideValue> values;
    if (result == ERROR_SUCCESS)
        result = ReadWideValues(opened, values);
    for (const StoredValue& stored : StoredValues) {
        for (const WideValue& value : values) {
            // Every setting is named in plain letters, which any code page spells.
            std::string name;
            if (result != ERROR_SUCCESS || !CodePageName(value.Name, name) || FindStoredValue(name.c_str()) != &stored)
                continue;
            ScriptValue written;
            written.Name = name;
            DWORD type = 0;
            result = ReadCodePageValue(opened, name, type, written.Bytes);
            written.Type = type;
            key.Values.push_back(std::move(written));
            break;
        }
    }
    return result;
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

    // Default settings never stored get no section: an empty one would say there were none
    // to keep. A profile's section left empty would hide a profile that could not be read:
    // that fails the export.
    struct Source {
        std::string Path;
        std::string ScriptPath;
        std::string Told;
        bool MayBeMissing;
    };
    std::vector<Source> sources;
    if (command.Defaults)
        sources.push_back({DefaultSettingsPath, DefaultSettingsScriptPath(), "the default settings", true});
    for (const std::string& name : names)
        sources.push_back(
            {ProfilePath(name), ProfileScriptPath(name), "profile \"" + EscapeControlBytes(name) + "\"", false});
    std::vector<ScriptKey> keys;
    bool defaultsWritten = false;
    for (const Source& source : sources) {
        ScriptKey key;
        key.Path = source.ScriptPath;
        const LONG result = ReadStoredKey(source.Path, key);
        if (result != ERROR_SUCCESS && !(source.MayBeMissing && result == ERROR_FILE_NOT_FOUND)) {
            command.Err << "skylookctl: " << source.Told << " could not be read (" << SystemMessage(result) << "); \""
                        << file << "\" was not written.\n";
            return ExitFailed;
        }
        if (source.MayBeMissing && key.Values.empty())
            continue;
        defaultsWritten = defaultsWritten || source.MayBeMissing;
        keys.push_back(std::move(key));
    }
    if (!WriteScriptFile(file, WriteRegistryScript(keys), command.Err))
        return ExitFailed;
    command.Out << "Exported " << names.size() << (names.size() == 1 ? " profile" : " profiles")
                << (defaultsWritten ? " and the default settings" : "") << " to \"" << file << "\".\n";
    if (command.Defaults && !defaultsWritten)
        command.Out << "No default settings are stored, so the file holds none.\n";
    return ExitOk;
}
