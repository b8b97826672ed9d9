#include "CtlRun.h"

#include "ctl/SkylookCtl.h"
#include "framework/Handles.h"

#include <windows.h>

#include <cstring>
#include <fstream>
#include <sstream>

CtlResult RunCtl(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunSkylookCtl(arguments, out, err);
    return {status, out.str(), err.str()};
}

namespace {

void SnapshotKey(const std::string& path, RegistrySnapshot& snapshot)
{
    CRegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return;
    snapshot[path + "|"] = "key";
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        unsigned char data[4096];
        DWORD size = sizeof data;
        DWORD type = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS)
            break;
        snapshot[path + "|" + name] = std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), size);
    }
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        SnapshotKey(path + "\\" + name, snapshot);
    }
}

}  // namespace

RegistrySnapshot SnapshotSettings()
{
    RegistrySnapshot snapshot;
    SnapshotKey(SettingsRoot, snapshot);
    return snapshot;
}

CTempFile::CTempFile(const char* name)
{
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    m_path = std::string(folder) + name;
    ::DeleteFileA(m_path.c_str());
}

CTempFile::~CTempFile()
{
    ::DeleteFileA(m_path.c_str());
}

std::string CTempFile::Read() const
{
    std::ifstream file(m_path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void CTempFile::Write(const std::string& text) const
{
    std::ofstream(m_path, std::ios::binary) << text;
}

AdapterSettings PskRecord(const char* ssid, const char* passphrase)
{
    AdapterSettings settings;
    std::memset(&settings, 0, sizeof settings);
    std::strcpy(settings.DesiredSSID, ssid);
    settings.NetworkMode = NetworkModeInfrastructure;
    settings.Channel = 11;
    settings.AuthMode = AuthModeWpaPsk;
    settings.WepStatus = WepStatusOff;
    std::strcpy(settings.PskPassphrase, passphrase);
    return settings;
}
