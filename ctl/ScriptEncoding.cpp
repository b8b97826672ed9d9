#include "ctl/ScriptEncoding.h"

#include "ctl/KeyValues.h"

#include <windows.h>

namespace {

bool WideToUtf8(const std::wstring& wide, std::string& text)
{
    text.clear();
    if (wide.empty())
        return true;
    // A lone surrogate is no letter: the conversion refuses it rather than guessing one.
    const int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return false;
    text.assign(static_cast<size_t>(length), '\0');
    return WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), static_cast<int>(wide.size()),
                               text.data(), length, nullptr, nullptr) == length;
}

}  // namespace

ScriptEncoding DetectScriptEncoding(const std::string& bytes)
{
    if (bytes.compare(0, 2, "\xFF\xFE") == 0)
        return ScriptEncoding::Utf16;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return ScriptEncoding::Utf8;
    return ScriptEncoding::CodePage;
}

bool ScriptText(const std::string& bytes, ScriptEncoding encoding, std::string& text, int& brokenLine)
{
    text.clear();
    if (encoding == ScriptEncoding::CodePage) {
        text = bytes;
        return true;
    }
    if (encoding == ScriptEncoding::Utf8) {
        text = bytes.substr(3);
        return true;
    }
    std::wstring wide((bytes.size() - 2) / 2, L'\0');
    for (size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                       static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
    // Line by line, so that a broken letter is named by its line.
    int line = 1;
    for (size_t start = 0; start <= wide.size(); ++line) {
        size_t end = wide.find(L'\n', start);
        if (end == std::wstring::npos)
            end = wide.size();
        std::string converted;
        if (!WideToUtf8(wide.substr(start, end - start), converted)) {
            brokenLine = line;
            return false;
        }
        text += converted;
        if (end < wide.size())
            text += '\n';
        start = end + 1;
    }
    // A last byte without its pair is half a letter, on the last line.
    if (bytes.size() % 2 != 0) {
        brokenLine = line - 1;
        return false;
    }
    return true;
}

bool Utf8ToCodePage(const std::string& text, std::string& spelled)
{
    spelled.clear();
    if (text.empty())
        return true;
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0);
    if (length <= 0)
        return false;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return CodePageName(wide, spelled);
}

bool Utf16BytesToCodePage(const std::vector<unsigned char>& bytes, std::vector<unsigned char>& spelled)
{
    spelled.clear();
    if (bytes.size() % 2 != 0)
        return false;
    std::wstring wide(bytes.size() / 2, L'\0');
    for (size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<wchar_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    std::string text;
    if (!CodePageName(wide, text))
        return false;
    spelled.assign(text.begin(), text.end());
    return true;
}

std::string CodePageRefusal()
{
    return "holds a letter that the settings' code page (" + std::to_string(GetACP()) + ") cannot spell";
}
