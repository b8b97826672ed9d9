#include "ctl/Commands.h"
#include "ctl/ImportPlan.h"
#include "ctl/RegistryScript.h"
#include "ctl/ScriptFiles.h"
#include "ctl/SkylookCtl.h"

#include "framework/Handles.h"
#include "settings/DefaultSettings.h"
#include "settings/NotStoredText.h"
#include "settings/ProfileSelection.h"
#include "settings/ProfileStore.h"
#include "settings/RegistryTree.h"
#include "settings/StoredValues.h"

#include <windows.h>

#include <memory>
#include <ostream>

namespace {

constexpr const char* SettingsParentPath = "SOFTWARE\\KT60";
constexpr const char* DefaultSettingsKeyName = "DEFAULT";

// The stored values of one key in the store's order, bytes and type as the registry holds them.
ScriptKey ReadStoredKey(const std::string& path, const std::string& scriptPath)
{
    ScriptKey key;
    key.Path = scriptPath;
    CRegistryKey handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, handle.Receive()) != ERROR_SUCCESS)
        return key;
    for (const StoredValue& stored : StoredValues) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(handle, stored.Name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            continue;
        ScriptValue value;
        value.Name = stored.Name;
        value.Type = type;
        value.Bytes.assign(size, 0);
        if (RegQueryValueExA(handle, stored.Name, nullptr, &type, value.Bytes.data(), &size) != ERROR_SUCCESS)
            continue;
        value.Bytes.resize(size);
        key.Values.push_back(std::move(value));
    }
    return key;
}

std::string ProfilePath(const std::string& name)
{
    return std::string(ProfileRootPath) + name;
}

bool CreateMachineKey(const std::string& path)
{
    CRegistryKey key;
    return RegCreateKeyA(HKEY_LOCAL_MACHINE, path.c_str(), key.Receive()) == ERROR_SUCCESS;
}

// The stored key is replaced whole, so that it holds exactly the file's values afterwards.
// False, naming what failed, when the registry refused a write.
bool WriteTarget(const ImportTarget& target, std::string& failure)
{
    std::string path;
    if (target.Defaults) {
        CRegistryKey parent;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SettingsParentPath, 0, KEY_READ, parent.Receive()) ==
            ERROR_SUCCESS)
            DeleteKeyTree(parent, DefaultSettingsKeyName);
        path = DefaultSettingsPath;
    } else {
        DeleteProfile(target.Profile.c_str());
        path = ProfilePath(target.Profile);
    }
    if (!CreateMachineKey(path)) {
        failure = "the key HKEY_LOCAL_MACHINE\\" + path + " could not be created";
        return false;
    }
    for (const ScriptValue& value : target.Key->Values) {
        if (!WriteStoredBytes(path.c_str(), value.Name.c_str(), value.Bytes.data(),
                              static_cast<unsigned long>(value.Bytes.size()))) {
            failure = "the value \"" + value.Name + "\" could not be written (line " + std::to_string(value.Line) + ")";
            return false;
        }
    }
    return true;
}

}  // namespace

int RunExport(const CommandLine& command)
{
    const std::string& file = command.Operands[0];
    std::vector<std::string> names(command.Operands.begin() + 1, command.Operands.end());
    for (const std::string& name : names) {
        if (!ProfileExists(name.c_str()))
            return ReportMissingProfile(name, command.Err);
    }
    if (names.empty()) {
        auto list = std::make_unique<ProfileList>();
        EnumerateProfiles(*list);
        for (int i = 0; i < list->Count; ++i) {
            if (ProfileExists(list->Names[i]))
                names.push_back(list->Names[i]);
        }
    }

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

int RunImport(const CommandLine& command)
{
    const std::string& file = command.Operands[0];
    std::string text;
    if (!ReadScriptFile(file, text, command.Err))
        return ExitFailed;
    std::vector<ScriptKey> keys;
    std::vector<ImportTarget> targets;
    ScriptError error;
    if (!ParseRegistryScript(text, keys, error) || !PlanImport(keys, command.Defaults, targets, error)) {
        command.Err << file << ":" << error.Line << ": " << error.Message << "\nskylookctl: nothing was imported.\n";
        return ExitFailed;
    }
    for (const ImportTarget& target : targets) {
        if (!target.Defaults && !command.Replace && ProfileExists(target.Profile.c_str())) {
            command.Err << file << ":" << target.Key->Line << ": profile \"" << target.Profile
                        << "\" exists already; add --replace to overwrite it.\nskylookctl: nothing was imported.\n";
            return ExitFailed;
        }
    }
    int profiles = 0;
    for (size_t written = 0; written < targets.size(); ++written) {
        const ImportTarget& target = targets[written];
        std::string failure;
        if (!WriteTarget(target, failure)) {
            // A profile key the failed write left half filled is no stored profile.
            if (!target.Defaults)
                DeleteProfile(target.Profile.c_str());
            command.Err << "skylookctl: " << failure << "; the import stopped after " << written << " of "
                        << targets.size() << " keys; the rest could not be stored.\n"
                        << StoreAdviceToolText << " Then import again with --replace.\n";
            return ExitFailed;
        }
        profiles += target.Defaults ? 0 : 1;
    }
    const bool defaults = static_cast<size_t>(profiles) != targets.size();
    command.Out << "Imported " << profiles << (profiles == 1 ? " profile" : " profiles")
                << (defaults ? " and the default settings" : "") << " from \"" << file << "\".\n";
    return ExitOk;
}
