#include "AdapterWrappers.h"

#include "AdapterHandle.h"

namespace {

bool Succeeded(int result)
{
    return result == 0;
}

bool QueryValue(int (*query)(VEXA5200_HANDLE, unsigned long*), uint32_t& out)
{
    unsigned long value = 0;
    if (!Succeeded(query(AdapterHandle, &value)))
        return false;
    out = static_cast<uint32_t>(value);
    return true;
}

}  // namespace

bool GetDriverVersion(char* text, unsigned long size)
{
    if (!text || size == 0)
        return false;
    text[0] = '\0';
    bool ok = Succeeded(Vexa5200QueryDriverVersion(AdapterHandle, text, size));
    text[size - 1] = '\0';
    return ok;
}

bool GetFirmwareVersion(uint32_t& version)
{
    return QueryValue(Vexa5200QueryFirmwareVersion, version);
}

bool GetRegionCode(uint32_t& region)
{
    return QueryValue(Vexa5200QueryRegionCode, region);
}

bool StartScan()
{
    return Succeeded(Vexa5200Scan(AdapterHandle));
}

bool GetAdapterInstanceId(char* text, unsigned long size)
{
    if (!text || size == 0)
        return false;
    text[0] = '\0';
    char path[128] = {};
    if (!Succeeded(Vexa5200QueryRegistryPath(AdapterHandle, path, sizeof path)))
        return false;
    path[sizeof path - 1] = '\0';
    if (!Succeeded(Vexa5200QueryRegistry(path, "NetCfgInstanceId", text, size))) {
        text[0] = '\0';
        return false;
    }
    text[size - 1] = '\0';
    return true;
}

bool SetRadio(uint32_t on)
{
    return Succeeded(Vexa5200SetRadioControl(AdapterHandle, on));
}

bool GetRadio(uint32_t& on)
{
    return QueryValue(Vexa5200QueryRadioControl, on);
}

bool SetReceiveAntenna(uint32_t antenna)
{
    return Succeeded(Vexa5200SetRxAntenna(AdapterHandle, antenna));
}
