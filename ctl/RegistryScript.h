// Registry scripts of the REGEDIT4 kind, the text form that Windows' "reg import" and the
// registry editor read: key sections in brackets, each followed by its values. The tool
// writes and reads only values of raw bytes ("name"=hex:..), which hold any stored value
// exactly.
#ifndef SKYLOOK_CTL_REGISTRY_SCRIPT_H
#define SKYLOOK_CTL_REGISTRY_SCRIPT_H

#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t RegistryBinaryType = 3;  // REG_BINARY, written as plain "hex:"

struct ScriptValue {
    std::string Name;
    uint32_t Type = RegistryBinaryType;
    std::vector<unsigned char> Bytes;
    int Line = 0;  // where the value starts in the file, from 1
};

struct ScriptKey {
    std::string Path;  // full path, beginning with the root key's name
    int Line = 0;
    std::vector<ScriptValue> Values;
};

struct ScriptError {
    int Line = 0;
    std::string Message;
};

// The whole script, lines ending in CR LF, long byte lists continued on the next line.
std::string WriteRegistryScript(const std::vector<ScriptKey>& keys);

// Reads a script written by WriteRegistryScript or by hand in the same form. Blank lines and
// comments (";") are skipped. False, with the line and what is wrong, for anything else:
// a missing REGEDIT4 header, a value outside a key, a value not written as hex bytes, a key
// deletion, a malformed byte.
bool ParseRegistryScript(const std::string& text, std::vector<ScriptKey>& keys, ScriptError& error);

#endif
