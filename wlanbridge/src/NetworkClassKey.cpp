#include "NetworkClassKey.h"

#include "record/HexText.h"

#include <cstdio>
#include <cstring>

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
    // "{" 8 "-" 4 "-" 4 "-" 4 "-" 12 "}", every other character a hex digit.
    constexpr size_t Length = 38;
    if (!text || std::strlen(text) != Length || text[0] != '{' || text[Length - 1] != '}')
        return false;
    unsigned char bytes[16];
    size_t count = 0;
    for (size_t i = 1; i + 1 < Length; ++i) {
        if (i == 9 || i == 14 || i == 19 || i == 24) {
            if (text[i] != '-')
                return false;
            continue;
        }
        const int high = HexDigitValue(text[i]);
        const int low = HexDigitValue(text[i + 1]);
        if (high < 0 || low < 0 || i + 2 == Length)
            return false;
        bytes[count++] = static_cast<unsigned char>(high << 4 | low);
        ++i;
    }
    guid.Data1 = static_cast<unsigned long>(bytes[0]) << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3];
    guid.Data2 = static_cast<unsigned short>(bytes[4] << 8 | bytes[5]);
    guid.Data3 = static_cast<unsigned short>(bytes[6] << 8 | bytes[7]);
    std::memcpy(guid.Data4, bytes + 8, 8);
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
