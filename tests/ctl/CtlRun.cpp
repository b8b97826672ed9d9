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
