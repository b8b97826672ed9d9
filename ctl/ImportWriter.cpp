#include "ctl/ImportWriter.h"

#include "ctl/SystemMessage.h"
#include "framework/Handles.h"
#include "settings/ProfileStore.h"
#include "settings/RegistryNames.h"
#include "settings/RegistryTree.h"
#include "settings/StoredValues.h"

#include <windows.h>

namespace {

constexpr const char* SettingsParentPath = "SOFTWARE\\KT60";
constexpr const char* DefaultSettingsKeyName = "DEFAULT";

WriteFailure RegistryRefused(const std::string& what, LONG code)
{
    return {what + ": the registry refused it (" + SystemMessage(code) + ")",
            code == ERROR_ACCESS_DENIED ? WriteCause::AccessDenied : WriteCause::Registry};
}

// The library answers a failed write with a bare failure. When the registry itself would
// take a write to the key, the refusal was the library's, which it gives while another
// process holds it busy.
WriteFailure LibraryRefused(const std::string& what, const std::string& path)
{
    CRegistryKey key;
    const LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_SET_VALUE, key.Receive());
    if (opened != ERROR_SUCCESS)
        return RegistryRefused(what, opened);
    return {what + ": the adapter library did not store it, as it does while another program holds it busy (one "
                   "stuck inside it, such as a hung skylook.exe)",
            WriteCause::LibraryBusy};
}

std::string KeyText(const std::string& path)
{
    return "HKEY_LOCAL_MACHINE\\" + path;
}

}  // namespace

bool CImportWriter::Write(const ImportTarget& target, WriteFailure& failure)
{
    Previous previous;
    if (target.Defaults) {
        previous.Parent = SettingsParentPath;
        previous.Name = DefaultSettingsKeyName;
    } else {
        std::string root = ProfileRootPath;
        root.pop_back();
        previous.Parent = root;
        previous.Name = target.Profile;
    }
    previous.Path = previous.Parent + "\\" + previous.Name;
    // What the key holds is kept before anything is written; a key that cannot be read in
    // full is not written, as it could not be put back.
    const LONG read = ReadWideValues(previous.Path, previous.Values);
    if (read != ERROR_SUCCESS && read != ERROR_FILE_NOT_FOUND) {
        failure = RegistryRefused("the values of " + KeyText(previous.Path) + " could not be read to keep them", read);
        return false;
    }
    previous.Existed = read == ERROR_SUCCESS;
    m_previous.push_back(previous);

    CRegistryKey key;
    DWORD disposition = 0;
    const LONG created = RegCreateKeyExA(HKEY_LOCAL_MACHINE, previous.Path.c_str(), 0, nullptr, 0,
                                         KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, key.Receive(), &disposition);
    if (created != ERROR_SUCCESS) {
        failure = RegistryRefused("the key " + KeyText(previous.Path) +
                                      (previous.Existed ? " could not be opened for writing" : " could not be created"),
                                  created);
        return false;
    }
    m_previous.back().Changed = disposition == REG_CREATED_NEW_KEY;
    return WriteValues(target, key, m_previous.back(), failure);
}

bool CImportWriter::WriteValues(const ImportTarget& target, HKEY key, Previous& previous, WriteFailure& failure)
{
    for (const ScriptValue& value : target.Key->Values) {
        const std::string what = "the value \"" + value.Name + "\" (line " + std::to_string(value.Line) + ") could not be written";
        if (value.Type == REG_BINARY) {
            if (!WriteStoredBytes(previous.Path.c_str(), value.Name.c_str(), value.Bytes.data(),
                                  static_cast<unsigned long>(value.Bytes.size()))) {
                failure = LibraryRefused(what, previous.Path);
                return false;
            }
        } else if (const LONG result = RegSetValueExA(key, value.Name.c_str(), 0, value.Type, value.Bytes.data(),
                                                      static_cast<DWORD>(value.Bytes.size()));
                   result != ERROR_SUCCESS) {
            failure = RegistryRefused(what, result);
            return false;
        }
        previous.Changed = true;
    }
    // What the key held and the file does not give goes, so the key holds the file's values.
    std::vector<WideValue> held;
    if (const LONG result = ReadWideValues(key, held); result != ERROR_SUCCESS) {
        failure = RegistryRefused("the values of " + KeyText(previous.Path) + " could not be read again", result);
        return false;
    }
    for (const WideValue& old : held) {
        bool inFile = false;
        for (const ScriptValue& value : target.Key->Values)
            inFile = inFile || SameValueName(value.Name, old.Name);
        if (inFile)
            continue;
        if (const LONG result = RegDeleteValueW(key, old.Name.c_str()); result != ERROR_SUCCESS) {
            std::string name;
            if (!CodePageName(old.Name, name))
                name = "(a name the code page cannot spell)";
            failure = RegistryRefused("the stored value \"" + name + "\" of " + KeyText(previous.Path) +
                                          " could not be removed",
                                      result);
            return false;
        }
        previous.Changed = true;
    }
    return true;
}

bool CImportWriter::WroteAnything() const
{
    for (const Previous& previous : m_previous)
        if (previous.Changed)
            return true;
    return false;
}

bool CImportWriter::PutBack(const Previous& previous, std::string& problem)
{
    CRegistryKey key;
    LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, previous.Path.c_str(), 0, KEY_SET_VALUE | KEY_QUERY_VALUE,
                                key.Receive());
    std::vector<WideValue> now;
    if (result == ERROR_SUCCESS)
        result = ReadWideValues(key, now);
    // Values the import added go; those it changed or removed come back.
    for (const WideValue& value : now) {
        bool kept = false;
        for (const WideValue& old : previous.Values)
            kept = kept || CompareRegistryNames(old.Name, value.Name) == 0;
        if (result == ERROR_SUCCESS && !kept)
            result = RegDeleteValueW(key, value.Name.c_str());
    }
    for (const WideValue& value : previous.Values)
        if (result == ERROR_SUCCESS)
            result = RegSetValueExW(key, value.Name.c_str(), 0, value.Type, value.Bytes.data(),
                                    static_cast<DWORD>(value.Bytes.size()));
    if (result == ERROR_SUCCESS)
        return true;
    problem += "\n  " + KeyText(previous.Path) + " could not be put back: " + SystemMessage(result);
    return false;
}

bool CImportWriter::Undo(std::string& problem)
{
    bool restored = true;
    for (auto previous = m_previous.rbegin(); previous != m_previous.rend(); ++previous) {
        if (!previous->Changed)
            continue;
        if (previous->Existed) {
            restored = PutBack(*previous, problem) && restored;
            continue;
        }
        CRegistryKey parent;
        LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, previous->Parent.c_str(), 0, KEY_READ, parent.Receive());
        if (result == ERROR_SUCCESS)
            result = DeleteKeyTree(parent, previous->Name.c_str());
        if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
            problem += "\n  " + KeyText(previous->Path) + " (new) could not be removed: " + SystemMessage(result);
            restored = false;
        }
    }
    m_previous.clear();
    return restored;
}
