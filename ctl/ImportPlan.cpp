#include "ctl/ImportPlan.h"

#include "settings/DefaultSettings.h"
#include "settings/ProfileNames.h"
#include "settings/ProfileStore.h"
#include "settings/StoredValues.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace {

constexpr const char* MachineRoot = "HKEY_LOCAL_MACHINE\\";

std::string WithoutTrailingBackslash(std::string path)
{
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

// Registry paths are compared without regard to case, as the registry does.
std::string Folded(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool Fail(ScriptError& error, int line, std::string message)
{
    error.Line = line;
    error.Message = std::move(message);
    return false;
}

bool CheckValues(const ScriptKey& key, ScriptError& error)
{
    std::set<const StoredValue*> seen;
    for (const ScriptValue& value : key.Values) {
        const StoredValue* known = FindStoredValue(value.Name.c_str());
        if (!known)
            return Fail(error, value.Line, "\"" + value.Name + "\" is not a value of the settings.");
        // The registry keeps one value for names that differ only in case.
        if (!seen.insert(known).second)
            return Fail(error, value.Line, "\"" + value.Name + "\" is given twice in this key.");
        const std::string problem = CheckStoredBytes(*known, value.Bytes.data(), value.Bytes.size());
        if (!problem.empty())
            return Fail(error, value.Line, problem + ".");
    }
    return true;
}

}  // namespace

std::string DefaultSettingsScriptPath()
{
    return MachineRoot + WithoutTrailingBackslash(DefaultSettingsPath);
}

std::string ProfileScriptPath(const std::string& name)
{
    return MachineRoot + std::string(ProfileRootPath) + name;
}

bool PlanImport(const std::vector<ScriptKey>& keys, bool allowDefaults, std::vector<ImportTarget>& targets,
                std::vector<ImportTarget>& leftAlone, ScriptError& error)
{
    targets.clear();
    leftAlone.clear();
    const std::string defaultsPath = Folded(DefaultSettingsScriptPath());
    const std::string profileRoot = Folded(ProfileScriptPath(""));
    std::set<std::string, RegistryNameLess> profiles;
    bool defaultsSeen = false;
    for (const ScriptKey& key : keys) {
        const std::string path = Folded(WithoutTrailingBackslash(key.Path));
        ImportTarget target;
        target.Key = &key;
        if (path == defaultsPath) {
            if (!allowDefaults)
                return Fail(error, key.Line, "the file holds the default settings; add --defaults to import them.");
            if (defaultsSeen)
                return Fail(error, key.Line, "the default settings are given twice.");
            defaultsSeen = true;
            target.Defaults = true;
        } else if (path + "\\" == profileRoot) {
            if (!key.Values.empty())
                return Fail(error, key.Line, "values directly under the profile root belong to no profile.");
            continue;
        } else if (path.compare(0, profileRoot.size(), profileRoot) == 0) {
            target.Profile = WithoutTrailingBackslash(key.Path).substr(profileRoot.size());
            if (target.Profile.find('\\') != std::string::npos)
                return Fail(error, key.Line, "profile names cannot hold a backslash (\"" + target.Profile + "\").");
            if (target.Profile.size() > ProfileNameMaxLength)
                return Fail(error, key.Line, "the profile name \"" + target.Profile + "\" is longer than " +
                                                 std::to_string(ProfileNameMaxLength) + " characters.");
            if (!profiles.insert(target.Profile).second)
                return Fail(error, key.Line, "profile \"" + target.Profile + "\" is given twice.");
        } else {
            return Fail(error, key.Line, "the key \"" + key.Path + "\" is neither a Skylook profile nor the default settings.");
        }
        if (!CheckValues(key, error))
            return false;
        (key.Values.empty() ? leftAlone : targets).push_back(std::move(target));
    }
    return true;
}
