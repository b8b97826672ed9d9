#include "ui/about/VersionTexts.h"

#include <cstdio>
#include <cstring>

const char* const UtilityVersionText = "      1.0b14       ";

std::string DriverVersionText(const char* version, size_t size)
{
    return "   " + std::string(version, strnlen(version, size)) + "    ";
}

std::string FirmwareVersionText(uint32_t version)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", static_cast<int>(version >> 24), static_cast<int>((version >> 16) & 0xFF),
                  static_cast<int>((version >> 8) & 0xFF), static_cast<int>(version & 0xFF));
    return text;
}
