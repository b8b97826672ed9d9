// Registry scripts, the text form that Windows' "reg import" and the registry editor read:
// key sections in brackets, each followed by its values. The tool writes REGEDIT4 with
// values of raw bytes ("name"=hex:..), which hold any stored value exactly; it reads that
// and the registry editor's own "Windows Registry Editor Version 5.00" (ScriptEncoding.h
// has how each spells its texts), with texts ("name"="text") and numbers (dword:) too.
#ifndef SKYLOOK_CTL_REGISTRY_SCRIPT_H
#define SKYLOOK_CTL_REGISTRY_SCRIPT_H

#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t RegistryTextType = 1;            // REG_SZ, "text" or hex(1):
constexpr uint32_t RegistryExpandableTextType = 2;  // REG_EXPAND_SZ, hex(2):
constexpr uint32_t RegistryBinaryType = 3;          // REG_BINARY, written as plain "hex:"
constexpr uint32_t RegistryNumberType = 4;          // REG_DWORD, dword: or hex(4):
constexpr uint32_t RegistryTextListType = 7;        // REG_MULTI_SZ, hex(7):

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

// Reads the file's bytes, a script written by WriteRegistryScript, by the registry editor or
// by hand, with its texts in the code page as the store keeps them. Blank lines and comments
// (";") are skipped. False, with the line and what is wrong, for anything else: a missing
// header, a value outside a key, a value neither text, dword nor hex bytes, a key deletion,
// a malformed byte, a letter the code page cannot spell.
bool ParseRegistryScript(const std::string& bytes, std::vector<ScriptKey>& keys, ScriptError& error);

#endif
