#include "CommandWords.h"

#include <windows.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace vexa {

namespace {
constexpr DWORD MaxFileBytes = 1024 * 1024;
}  // namespace

bool ParseSigned(const std::string& text, long& value)
{
    if (text.empty() || std::strchr(" \t", text[0]))
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && *end == 0;
}

// Decimal, or hexadecimal with a 0x prefix.
bool ParseUnsigned(const std::string& text, unsigned long& value)
{
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0])))
        return false;
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    char* end = nullptr;
    errno = 0;
    unsigned long long v = std::strtoull(text.c_str() + (hex ? 2 : 0), &end, hex ? 16 : 10);
    if (errno != 0 || *end != 0 || v > 0xFFFFFFFFull || (hex && !std::isxdigit(static_cast<unsigned char>(text[2]))))
        return false;
    value = static_cast<unsigned long>(v);
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ParseHexBytes(const std::string& text, std::vector<unsigned char>& bytes)
{
    if (text.size() % 2)
        return false;
    bytes.clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        int high = HexDigit(text[i]), low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes.push_back(static_cast<unsigned char>(high * 16 + low));
    }
    return true;
}

// "00:1A:2B:3C:4D:5E" or "00-1A-2B-3C-4D-5E".
bool ParseBssid(const std::string& text, unsigned char bssid[6])
{
    if (text.size() != 17)
        return false;
    for (int i = 0; i < 6; ++i) {
        int high = HexDigit(text[i * 3]), low = HexDigit(text[i * 3 + 1]);
        if (high < 0 || low < 0 || (i < 5 && text[i * 3 + 2] != ':' && text[i * 3 + 2] != '-'))
            return false;
        bssid[i] = static_cast<unsigned char>(high * 16 + low);
    }
    return true;
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot open \"" + path + "\"";
        return false;
    }
    DWORD size = GetFileSize(file, nullptr);
    bool ok = size != INVALID_FILE_SIZE && size <= MaxFileBytes;
    if (ok) {
        bytes.assign(size, 0);
        DWORD read = 0;
        ok = size == 0 || (ReadFile(file, bytes.data(), size, &read, nullptr) && read == size);
    }
    CloseHandle(file);
    if (!ok)
        error = "cannot read \"" + path + "\" (at most " + std::to_string(MaxFileBytes) + " bytes)";
    return ok;
}

bool Expect(const Words& w, size_t count, std::string& error)
{
    if (w.size() < count) {
        error = w[0] + ": missing argument (see \"vexasim help\")";
        return false;
    }
    if (w.size() > count) {
        error = w[0] + ": unexpected argument \"" + w[count] + "\"";
        return false;
    }
    return true;
}

}  // namespace vexa
