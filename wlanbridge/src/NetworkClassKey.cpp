#include "NetworkClassKey.h"

#include <cstdio>

std::string GuidText(const GUID& g)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2],
                  g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}

bool GuidFromText(const char* text, GUID& guid)
{
    unsigned long d1 = 0;
    unsigned int d2 = 0, d3 = 0, b[8] = {};
    char end = 0;
    if (!text || std::sscanf(text, "{%8lx-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x}%c", &d1, &d2, &d3, &b[0], &b[1], &b[2],
                             &b[3], &b[4], &b[5], &b[6], &b[7], &end) != 11)
        return false;
    guid.Data1 = d1;
    guid.Data2 = static_cast<unsigned short>(d2);
    guid.Data3 = static_cast<unsigned short>(d3);
    for (int i = 0; i < 8; ++i)
        guid.Data4[i] = static_cast<unsigned char>(b[i]);
    return true;
}

std::string NetworkClassKeyPath(HKEY root, const char* classPath, const GUID& iface)
{
    const std::string wanted = GuidText(iface);
    HKEY classKey = nullptr;
    if (RegOpenKeyExA(root, classPath, 0, KEY_ENUMERATE_SUB_KEYS, &classKey) != ERROR_SUCCESS)
        return classPath;
    std::string found;
    char name[256];
    for (DWORD index = 0; found.empty(); ++index) {
        DWORD length = sizeof name;
        const LONG result = RegEnumKeyExA(classKey, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS)
            continue;
        // Some subkeys ("Properties") refuse a standard user; they are not adapters anyway.
        char id[64] = {};
        DWORD size = sizeof id - 1;
        if (RegGetValueA(classKey, name, "NetCfgInstanceId", RRF_RT_REG_SZ, nullptr, id, &size) == ERROR_SUCCESS &&
            lstrcmpiA(id, wanted.c_str()) == 0)
            found = std::string(classPath) + "\\" + name;
    }
    RegCloseKey(classKey);
    return found.empty() ? std::string(classPath) : found;
}
