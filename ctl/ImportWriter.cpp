#include "ctl/ImportWriter.h"

#include "ctl/SystemMessage.h"
#include "framework/Handles.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"
#include "settings/RegistryNames.h"
#include "settings/RegistryTree.h"
#include "settings/StoredValues.h"

#include <windows.h>

namespace {

constexpr const char* SettingsParentPath = "SOFTWARE\\KT60";
constexpr const char* DefaultSettingsKeyName = "DEFAULT";

std::string RegistryRefused(LONG code)
{
    std::string cause = "the registry refused it (" + SystemMessage(code) + ")";
    if (code == ERROR_ACCESS_DENIED)
        cause += "; run the tool as a user who may write HKEY_LOCAL_MACHINE\\SOFTWARE\\KT60";
    return cause;
}

// The library answers a failed write with a bare failure. When the registry itself would
// take a write to the key, the refusal was the library's, which it gives while another
// process holds it busy.
std::string LibraryRefused(const std::string& path)
{
    CRegistryKey key;
    const LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_SET_VALUE, key.Receive());
    if (opened != ERROR_SUCCESS)
        return RegistryRefused(opened);
    return "the adapter library did not store it, as it does while another program holds it busy (one stuck "
           "inside it, such as a hung skylook.exe); end that program, or restart Windows, and import again";
}

bool SameValueName(const std::string& a, const std::string& b)
{
    return CompareRegistryNames(a, b) == 0;
}

LONG SetValue(HKEY key, const StoredRegistryValue& value)
{
    return RegSetValueExA(key, value.Name.c_str(), 0, value.Type, value.Bytes.data(),
                          static_cast<DWORD>(value.Bytes.size()));
}

}  // namespace

bool ReadKeyValues(const std::string& path, std::vector<StoredRegistryValue>& values)
{
    values.clear();
    CRegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS)
        return false;
    DWORD longestName = 0;
    DWORD longestData = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName, &longestData,
                     nullptr, nullptr);
    for (DWORD index = 0;; ++index) {
        std::vector<char> name(longestName + 2);
        std::vector<unsigned char> data(longestData + 1);
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const LONG result = RegEnumValueA(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &size);
        if (result == ERROR_MORE_DATA) {
            // Grown since the query: ask again with room for it.
            RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                             &longestData, nullptr, nullptr);
            --index;
            continue;
        }
        if (result != ERROR_SUCCESS)
            break;
        data.resize(size);
        values.push_back({std::string(name.data(), nameLength), type, std::move(data)});
    }
    return true;
}

bool CImportWriter::Write(const ImportTarget& target, std::string& failure)
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
    previous.Existed = ReadWideValues(previous.Path, previous.Values);
    m_previous.push_back(previous);

    CRegistryKey key;
    const LONG created = RegCreateKeyExA(HKEY_LOCAL_MACHINE, previous.Path.c_str(), 0, nullptr, 0,
                                         KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, key.Receive(), nullptr);
    if (created != ERROR_SUCCESS) {
        failure = "the key HKEY_LOCAL_MACHINE\\" + previous.Path + " could not be created: " + RegistryRefused(created);
        return false;
    }
    for (const ScriptValue& value : target.Key->Values) {
        std::string cause;
        if (value.Type == REG_BINARY) {
            if (!WriteStoredBytes(previous.Path.c_str(), value.Name.c_str(), value.Bytes.data(),
                                  static_cast<unsigned long>(value.Bytes.size())))
                cause = LibraryRefused(previous.Path);
        } else if (const LONG result = SetValue(key, {value.Name, value.Type, value.Bytes}); result != ERROR_SUCCESS) {
            cause = RegistryRefused(result);
        }
        if (!cause.empty()) {
            failure = "the value \"" + value.Name + "\" (line " + std::to_string(value.Line) +
                      ") could not be written: " + cause;
            return false;
        }
    }
    // What the key held and the file does not give goes, so the key holds the file's values.
    std::vector<StoredRegistryValue> held;
    ReadKeyValues(previous.Path, held);
    for (const StoredRegistryValue& old : held) {
        bool inFile = false;
        for (const ScriptValue& value : target.Key->Values)
            inFile = inFile || SameValueName(value.Name, old.Name);
        if (inFile)
            continue;
        if (const LONG result = RegDeleteValueA(key, old.Name.c_str()); result != ERROR_SUCCESS) {
            failure = "the stored value \"" + old.Name + "\" of HKEY_LOCAL_MACHINE\\" + previous.Path +
                      " could not be removed: " + RegistryRefused(result);
            return false;
        }
    }
    return true;
}

bool CImportWriter::ReadWideValues(const std::string& path, std::vector<WideValue>& values)
{
    values.clear();
    CRegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS)
        return false;
    for (DWORD index = 0;; ++index) {
        DWORD longestName = 0;
        DWORD longestData = 0;
        RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                         &longestData, nullptr, nullptr);
        std::vector<wchar_t> name(longestName + 2);
        std::vector<unsigned char> data(longestData + 1);
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &size);
        if (result == ERROR_MORE_DATA) {
            --index;  // grown since the query: ask again with room for it
            continue;
        }
        if (result != ERROR_SUCCESS)
            break;
        data.resize(size);
        values.push_back({std::wstring(name.data(), nameLength), type, std::move(data)});
    }
    return true;
}

bool CImportWriter::PutBack(const Previous& previous, std::string& problem)
{
    CRegistryKey key;
    LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, previous.Path.c_str(), 0, KEY_SET_VALUE | KEY_QUERY_VALUE,
                                key.Receive());
    std::vector<WideValue> now;
    if (result == ERROR_SUCCESS)
        ReadWideValues(previous.Path, now);
    for (const WideValue& value : now) {
        bool kept = false;
        for (const WideValue& old : previous.Values)
            kept = kept || CompareStringOrdinal(old.Name.c_str(), -1, value.Name.c_str(), -1, TRUE) == CSTR_EQUAL;
        if (result == ERROR_SUCCESS && !kept)
            result = RegDeleteValueW(key, value.Name.c_str());
    }
    for (const WideValue& value : previous.Values)
        if (result == ERROR_SUCCESS)
            result = RegSetValueExW(key, value.Name.c_str(), 0, value.Type, value.Bytes.data(),
                                    static_cast<DWORD>(value.Bytes.size()));
    if (result == ERROR_SUCCESS)
        return true;
    problem += "\n  HKEY_LOCAL_MACHINE\\" + previous.Path + " could not be put back: " + SystemMessage(result);
    return false;
}

bool CImportWriter::Undo(std::string& problem)
{
    bool restored = true;
    for (auto previous = m_previous.rbegin(); previous != m_previous.rend(); ++previous) {
        if (previous->Existed) {
            restored = PutBack(*previous, problem) && restored;
            continue;
        }
        CRegistryKey parent;
        LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, previous->Parent.c_str(), 0, KEY_READ, parent.Receive());
        if (result == ERROR_SUCCESS)
            result = DeleteKeyTree(parent, previous->Name.c_str());
        if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
            problem += "\n  HKEY_LOCAL_MACHINE\\" + previous->Path + " (new) could not be removed: " +
                       SystemMessage(result);
            restored = false;
        }
    }
    m_previous.clear();
    return restored;
}
