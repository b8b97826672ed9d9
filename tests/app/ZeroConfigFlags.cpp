#include "ZeroConfigFlags.h"

#include "MachineRegistry.h"

#include "adapter/AdapterHandle.h"
#include "adapter/ZeroConfig.h"

#include <gtest/gtest.h>

namespace {
constexpr const char* ServiceKey = "SOFTWARE\\Microsoft\\WZCSVC";
}

CZeroConfigFlags::CZeroConfigFlags() : m_serviceExisted(KeyExists(ServiceKey)) {}

CZeroConfigFlags::~CZeroConfigFlags()
{
    if (!m_serviceExisted)
        DeleteKeyTree(ServiceKey);
    else if (!m_written.empty())
        DeleteKeyTree(m_written);
}

void CZeroConfigFlags::Write(DWORD flags)
{
    ASSERT_STRNE("", AdapterInstanceId) << "the interface key needs the adapter's identifier";
    m_written = std::string(ZeroConfigInterfacesKey) + AdapterInstanceId;
    WriteValue(m_written, "ControlFlags", Number(flags), REG_DWORD);
}
