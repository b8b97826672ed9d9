// The tool run in this process, and the settings part of the registry taken whole.
#ifndef SKYLOOK_TESTS_CTL_RUN_H
#define SKYLOOK_TESTS_CTL_RUN_H

#include "record/AdapterSettings.h"

#include <string>
#include <vector>

struct CtlResult {
    int Status;
    std::string Out;
    std::string Err;
};

CtlResult RunCtl(const std::vector<std::string>& arguments);

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

#endif
