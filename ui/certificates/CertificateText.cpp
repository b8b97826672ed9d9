#include "ui/certificates/CertificateText.h"

#include <cstdio>

namespace {
const char* const MonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* CutMark = "...";
constexpr size_t CutMarkLength = 3;
// "XX " per byte.
constexpr size_t CharsPerByte = 3;
}  // namespace

std::string FormatCalendarDate(const SYSTEMTIME& date)
{
    const char* month = date.wMonth >= 1 && date.wMonth <= 12 ? MonthNames[date.wMonth - 1] : "???";
    char text[32] = {};
    std::snprintf(text, sizeof text, "%s %d, %d", month, static_cast<int>(date.wDay), static_cast<int>(date.wYear));
    return text;
}

std::string FormatCertificateDate(const FILETIME& time)
{
    SYSTEMTIME date = {};
    if (!::FileTimeToSystemTime(&time, &date))
        return {};
    return FormatCalendarDate(date);
}

std::string FormatCertificateVersion(DWORD versionField)
{
    char text[16] = {};
    std::snprintf(text, sizeof text, "V%lu", static_cast<unsigned long>(versionField) + 1);
    return text;
}

std::string FormatSerialNumber(const BYTE* bytes, size_t count)
{
    return FormatHexBytes(bytes, count, count * CharsPerByte);
}

std::string FormatHexBytes(const BYTE* bytes, size_t count, size_t maxChars)
{
    if (!bytes)
        return {};
    const bool cut = count * CharsPerByte > maxChars;
    if (cut && maxChars < CutMarkLength)
        return {};
    const size_t shown = cut ? (maxChars - CutMarkLength) / CharsPerByte : count;
    std::string text;
    text.reserve(shown * CharsPerByte + CutMarkLength);
    for (size_t index = 0; index < shown; ++index) {
        char pair[4] = {};
        std::snprintf(pair, sizeof pair, "%02X ", bytes[index]);
        text += pair;
    }
    if (cut)
        text += CutMark;
    return text;
}

std::string WithoutOidPrefix(const char* objectId)
{
    static const std::string prefix = "szOID_";
    std::string text = objectId ? objectId : "";
    for (size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at))
        text.erase(at, prefix.size());
    return text;
}
