// The tool run in this process, and the settings part of the registry taken whole.
#ifndef SKYLOOK_TESTS_CTL_RUN_H
#define SKYLOOK_TESTS_CTL_RUN_H

#include "record/AdapterSettings.h"

#include <map>
#include <string>
#include <vector>

struct CtlResult {
    int Status;
    std::string Out;
    std::string Err;
};

CtlResult RunCtl(const std::vector<std::string>& arguments);

// Every value below HKEY_LOCAL_MACHINE\SOFTWARE\KT60: "key path|value name" to its type
// (as a decimal prefix "3:") and bytes.
using RegistrySnapshot = std::map<std::string, std::string>;
RegistrySnapshot SnapshotSettings();

constexpr const char* SettingsRoot = "SOFTWARE\\KT60";

// A file in the temporary folder that is removed with the object.
class CTempFile {
public:
    explicit CTempFile(const char* name);
    ~CTempFile();
    const std::string& Path() const { return m_path; }
    std::string Read() const;
    void Write(const std::string& text) const;

private:
    std::string m_path;
};

// A record as the dialog would store it: WPA-PSK by default.
AdapterSettings PskRecord(const char* ssid, const char* passphrase);

#endif
