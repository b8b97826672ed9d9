#include "ZeroConfigFlags.h"

#include "adapter/AdapterHandle.h"
#include "adapter/ZeroConfig.h"

#include <gtest/gtest.h>

namespace {
constexpr const char* ServiceKey = "SOFTWARE\\Microsoft\\WZCSVC";
}

CZeroConfigFlags::CZeroConfigFlags()
{
    HKEY key = nullptr;
    m_serviceExisted = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, ServiceKey, 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (key)
        ::RegCloseKey(key);
}

CZeroConfigFlags::~CZeroConfigFlags()
{
    if (!m_serviceExisted)
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, ServiceKey);
    else if (!m_written.empty())
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, m_written.c_str());
}

void CZeroConfigFlags::Write(DWORD flags)
{
    ASSERT_STRNE("", AdapterInstanceId) << "the interface key needs the adapter's identifier";
    m_written = std::string(ZeroConfigInterfacesKey) + AdapterInstanceId;
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, m_written.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                               nullptr, &key, nullptr));
    ::RegSetValueExA(key, "ControlFlags", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags), sizeof flags);
    ::RegCloseKey(key);
}
