// Names as the registry tells them apart: ordinal, without regard to case (non-ASCII letters
// included), after conversion from the system's code page. Key and value names that compare
// equal here are one key or one value in the registry.
#ifndef SKYLOOK_SETTINGS_REGISTRY_NAMES_H
#define SKYLOOK_SETTINGS_REGISTRY_NAMES_H

#include <string>

// Below zero, zero or above zero.
int CompareRegistryNames(const std::string& a, const std::string& b);
int CompareRegistryNames(const std::wstring& a, const std::wstring& b);

// A name of the code page in the registry's own wide letters.
std::wstring WideRegistryName(const std::string& name);

struct RegistryNameLess {
    bool operator()(const std::string& a, const std::string& b) const { return CompareRegistryNames(a, b) < 0; }
};

#endif
