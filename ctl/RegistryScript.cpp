#include "ctl/RegistryScript.h"

#include "ctl/ScriptEncoding.h"
#include "record/HexText.h"

#include <cctype>
#include <cstdio>

namespace {

constexpr const char* Header = "REGEDIT4";
// The registry editor's later format: the same grammar, with texts in UTF-16 (the file's
// own and those listed in hex).
constexpr const char* Version5Header = "Windows Registry Editor Version 5.00";
// Lines are kept under 80 characters, as the registry editor writes them.
constexpr size_t LineLimit = 76;

std::string QuotedName(const std::string& name)
{
    std::string text = "\"";
    for (char c : name) {
        if (c == '"' || c == '\\')
            text += '\\';
        text += c;
    }
    return text + "\"";
}

std::string ValueLine(const ScriptValue& value)
{
    std::string line = QuotedName(value.Name) + "=";
    if (value.Type == RegistryBinaryType) {
        line += "hex:";
    } else {
        char type[16];
        std::snprintf(type, sizeof type, "hex(%x):", static_cast<unsigned>(value.Type));
        line += type;
    }
    size_t lineStart = 0;
    for (size_t i = 0; i < value.Bytes.size(); ++i) {
        // Lower case, as the registry editor writes its scripts.
        std::string byte = BytesToHexText(&value.Bytes[i], 1);
        for (char& c : byte)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (i + 1 < value.Bytes.size())
            byte += ',';
        if (line.size() - lineStart + byte.size() > LineLimit) {
            line += "\\\r\n  ";
            lineStart = line.size() - 2;
        }
        line += byte;
    }
    return line + "\r\n";
}

std::string TrimRight(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.pop_back();
    return text;
}

std::string TrimLeft(const std::string& text)
{
    size_t start = text.find_first_not_of(" \t");
    return start == std::string::npos ? std::string() : text.substr(start);
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(TrimRight(text.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

bool Fail(ScriptError& error, int line, std::string message)
{
    error.Line = line;
    error.Message = std::move(message);
    return false;
}

// "name" at the start of text, with \" and \\ escapes; position moves past the closing quote.
bool ReadQuotedName(const std::string& text, size_t& position, std::string& name)
{
    name.clear();
    for (position = 1; position < text.size(); ++position) {
        char c = text[position];
        if (c == '"') {
            ++position;
            return true;
        }
        if (c == '\\' && position + 1 < text.size())
            c = text[++position];
        name += c;
    }
    return false;
}

bool ReadBytes(const std::string& list, std::vector<unsigned char>& bytes)
{
    bytes.clear();
    if (TrimLeft(list).empty())
        return true;
    size_t start = 0;
    for (;;) {
        size_t end = list.find(',', start);
        const std::string token = TrimRight(TrimLeft(list.substr(start, end == std::string::npos ? end : end - start)));
        if (token.empty() || token.size() > 2)
            return false;
        int value = 0;
        for (char c : token) {
            const int digit = HexDigitValue(c);
            if (digit < 0)
                return false;
            value = value * 16 + digit;
        }
        bytes.push_back(static_cast<unsigned char>(value));
        if (end == std::string::npos)
            return true;
        start = end + 1;
    }
}

// How the file spells its texts.
struct ScriptForm {
    bool TextsInUtf8 = false;     // names, paths and quoted texts; else in the code page already
    bool HexTextsInUtf16 = false;  // hex(1), hex(2) and hex(7) lists (the Version 5 format)
};

// A text of the file in the code page, as the store keeps it.
bool ToCodePage(const ScriptForm& form, std::string& text)
{
    std::string spelled;
    if (!form.TextsInUtf8)
        return true;
    if (!Utf8ToCodePage(text, spelled))
        return false;
    text = spelled;
    return true;
}

bool IsTextType(uint32_t type)
{
    return type == RegistryTextType || type == RegistryExpandableTextType || type == RegistryTextListType;
}

// "dword:" and up to eight hex digits, as REG_DWORD's four bytes, lowest first.
bool ReadDword(const std::string& digits, std::vector<unsigned char>& bytes)
{
    if (digits.empty() || digits.size() > 8)
        return false;
    uint32_t number = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return false;
        number = number * 16 + static_cast<uint32_t>(digit);
    }
    bytes = {static_cast<unsigned char>(number), static_cast<unsigned char>(number >> 8),
             static_cast<unsigned char>(number >> 16), static_cast<unsigned char>(number >> 24)};
    return true;
}

bool ReadHexValue(const std::string& data, int line, const ScriptForm& form, ScriptValue& value, ScriptError& error)
{
    std::string list;
    if (data.compare(0, 4, "hex:") == 0) {
        value.Type = RegistryBinaryType;
        list = data.substr(4);
    } else {
        const std::string type = data.substr(4, data.find("):") - 4);
        unsigned number = 0;
        for (char c : type) {
            const int digit = HexDigitValue(c);
            if (digit < 0 || type.size() > 8)
                return Fail(error, line, "value \"" + value.Name + "\" has a malformed type \"" + type + "\".");
            number = number * 16 + static_cast<unsigned>(digit);
        }
        value.Type = number;
        list = data.substr(data.find("):") + 2);
    }
    if (!ReadBytes(list, value.Bytes))
        return Fail(error, line, "value \"" + value.Name + "\" holds something that is not a hex byte.");
    if (form.HexTextsInUtf16 && IsTextType(value.Type)) {
        std::vector<unsigned char> spelled;
        if (value.Bytes.size() % 2 != 0)
            return Fail(error, line,
                        "value \"" + value.Name + "\" lists an odd number of bytes, which is no UTF-16 text.");
        if (!Utf16BytesToCodePage(value.Bytes, spelled))
            return Fail(error, line, "value \"" + value.Name + "\" " + CodePageRefusal() + ".");
        value.Bytes = spelled;
    }
    return true;
}

bool ReadValue(const std::string& text, int line, const ScriptForm& form, ScriptValue& value, ScriptError& error)
{
    size_t position = 0;
    if (!ReadQuotedName(text, position, value.Name))
        return Fail(error, line, "the value name has no closing quote.");
    if (value.Name.find('\0') != std::string::npos)
        return Fail(error, line, "the value name holds a zero byte, which no registry name can hold.");
    if (!ToCodePage(form, value.Name))
        return Fail(error, line, "a value name " + CodePageRefusal() + ".");
    if (position >= text.size() || text[position] != '=')
        return Fail(error, line, "\"=\" must follow the value name \"" + value.Name + "\".");
    const std::string data = text.substr(position + 1);
    value.Line = line;
    if (data.compare(0, 4, "hex:") == 0 || (data.compare(0, 4, "hex(") == 0 && data.find("):") != std::string::npos))
        return ReadHexValue(data, line, form, value, error);
    if (data.compare(0, 6, "dword:") == 0) {
        value.Type = RegistryNumberType;
        if (!ReadDword(data.substr(6), value.Bytes))
            return Fail(error, line, "value \"" + value.Name + "\" is not a dword of one to eight hex digits.");
        return true;
    }
    if (data.compare(0, 1, "\"") == 0) {
        // A text with the same escapes as a name, stored with its terminating zero as REG_SZ.
        std::string quoted;
        size_t end = 0;
        if (!ReadQuotedName(data, end, quoted))
            return Fail(error, line, "the text of value \"" + value.Name + "\" has no closing quote.");
        if (end != data.size())
            return Fail(error, line, "value \"" + value.Name + "\" has more after the closing quote of its text.");
        if (!ToCodePage(form, quoted))
            return Fail(error, line, "value \"" + value.Name + "\" " + CodePageRefusal() + ".");
        value.Type = RegistryTextType;
        value.Bytes.assign(quoted.begin(), quoted.end());
        value.Bytes.push_back(0);
        return true;
    }
    return Fail(error, line, "value \"" + value.Name + "\" is neither a \"text\", a dword: nor hex bytes (\"hex:\").");
}

}  // namespace

std::string WriteRegistryScript(const std::vector<ScriptKey>& keys)
{
    std::string text = std::string(Header) + "\r\n";
    for (const ScriptKey& key : keys) {
        text += "\r\n[" + key.Path + "]\r\n";
        for (const ScriptValue& value : key.Values)
            text += ValueLine(value);
    }
    return text;
}

bool ParseRegistryScript(const std::string& bytes, std::vector<ScriptKey>& keys, ScriptError& error)
{
    keys.clear();
    const ScriptEncoding encoding = DetectScriptEncoding(bytes);
    std::string body;
    int brokenLine = 0;
    if (!ScriptText(bytes, encoding, body, brokenLine))
        return Fail(error, brokenLine, "the file is UTF-16 text, but a letter here is broken off; save it again.");
    ScriptForm form;
    form.TextsInUtf8 = encoding != ScriptEncoding::CodePage;
    const std::vector<std::string> lines = SplitLines(body);
    bool headerSeen = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string line = TrimLeft(lines[i]);
        if (line.empty() || line[0] == ';')
            continue;
        if (!headerSeen) {
            if (line != Header && line != Version5Header)
                return Fail(error, number, "the file begins with neither \"REGEDIT4\" nor \"" +
                                               std::string(Version5Header) + "\"; it is not a registry script.");
            form.HexTextsInUtf16 = line == Version5Header;
            headerSeen = true;
            continue;
        }
        if (line[0] == '[') {
            if (line.back() != ']')
                return Fail(error, number, "the key has no closing bracket.");
            if (line.size() > 1 && line[1] == '-')
                return Fail(error, number, "the script deletes a key; only keys with values can be imported.");
            ScriptKey key;
            key.Path = line.substr(1, line.size() - 2);
            // The registry's names end at a zero byte: one inside would cut the name short.
            if (key.Path.find('\0') != std::string::npos)
                return Fail(error, number, "the key name holds a zero byte, which no registry name can hold.");
            if (!ToCodePage(form, key.Path))
                return Fail(error, number, "the key name " + CodePageRefusal() + ".");
            key.Line = number;
            keys.push_back(std::move(key));
            continue;
        }
        if (line[0] == '@')
            return Fail(error, number, "the script sets a key's default value, which holds no setting.");
        if (line[0] != '"')
            return Fail(error, number, "the line is neither a key in brackets nor a \"name\"= value.");
        if (keys.empty())
            return Fail(error, number, "the value comes before any key.");
        std::string logical = line;
        while (!logical.empty() && logical.back() == '\\' && i + 1 < lines.size()) {
            logical.pop_back();
            logical += TrimLeft(lines[++i]);
        }
        ScriptValue value;
        if (!ReadValue(logical, number, form, value, error))
            return false;
        keys.back().Values.push_back(std::move(value));
    }
    if (!headerSeen)
        return Fail(error, 1, "the file is empty; it is not a registry script.");
    return true;
}
