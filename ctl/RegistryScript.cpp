#include "ctl/RegistryScript.h"

#include "record/HexText.h"

#include <cctype>
#include <cstdio>

namespace {

constexpr const char* Header = "REGEDIT4";
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

bool ReadValue(const std::string& text, int line, ScriptValue& value, ScriptError& error)
{
    size_t position = 0;
    if (!ReadQuotedName(text, position, value.Name))
        return Fail(error, line, "the value name has no closing quote.");
    if (value.Name.find('\0') != std::string::npos)
        return Fail(error, line, "the value name holds a zero byte, which no registry name can hold.");
    if (position >= text.size() || text[position] != '=')
        return Fail(error, line, "\"=\" must follow the value name \"" + value.Name + "\".");
    const std::string data = text.substr(position + 1);
    std::string list;
    if (data.compare(0, 4, "hex:") == 0) {
        value.Type = RegistryBinaryType;
        list = data.substr(4);
    } else if (data.compare(0, 4, "hex(") == 0 && data.find("):") != std::string::npos) {
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
    } else {
        return Fail(error, line, "value \"" + value.Name + "\" is not written as hex bytes (\"hex:\").");
    }
    if (!ReadBytes(list, value.Bytes))
        return Fail(error, line, "value \"" + value.Name + "\" holds something that is not a hex byte.");
    value.Line = line;
    return true;
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

bool ParseRegistryScript(const std::string& text, std::vector<ScriptKey>& keys, ScriptError& error)
{
    keys.clear();
    std::string body = text;
    if (body.compare(0, 3, "\xEF\xBB\xBF") == 0)
        body.erase(0, 3);
    const std::vector<std::string> lines = SplitLines(body);
    bool headerSeen = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string line = TrimLeft(lines[i]);
        if (line.empty() || line[0] == ';')
            continue;
        if (!headerSeen) {
            if (line != Header)
                return Fail(error, number, "the file does not begin with \"REGEDIT4\"; it is not a registry script.");
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
            key.Line = number;
            keys.push_back(std::move(key));
            continue;
        }
        if (line[0] == '@')
            return Fail(error, number, "the script sets a key's default value, which holds no setting.");
        if (line[0] != '"')
            return Fail(error, number, "the line is neither a key in brackets nor a \"name\"=hex: value.");
        if (keys.empty())
            return Fail(error, number, "the value comes before any key.");
        std::string logical = line;
        while (!logical.empty() && logical.back() == '\\' && i + 1 < lines.size()) {
            logical.pop_back();
            logical += TrimLeft(lines[++i]);
        }
        ScriptValue value;
        if (!ReadValue(logical, number, value, error))
            return false;
        keys.back().Values.push_back(std::move(value));
    }
    if (!headerSeen)
        return Fail(error, 1, "the file is empty; it is not a registry script.");
    return true;
}
