// Registry access for the settings tests that bypasses the store: raw values as another
// copy of the program (or a damaged registry) would leave them.
#ifndef SKYLOOK_TESTS_REGISTRY_SCRATCH_H
#define SKYLOOK_TESTS_REGISTRY_SCRATCH_H

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Paths below HKEY_LOCAL_MACHINE, without a trailing backslash.
inline const char* const DefaultKey = "SOFTWARE\\KT60\\DEFAULT";
inline const char* const ProfileKey = "SOFTWARE\\KT60\\PROFILE";

Bytes Text(const std::string& text, size_t size);  // text, zero-filled to size bytes
Bytes RawText(const std::string& text);              // the characters without a terminator

bool KeyExists(const std::string& path);
bool ValueExists(const std::string& path, const char* name);
Bytes ReadValue(const std::string& path, const char* name, DWORD* type = nullptr);
void WriteValue(const std::string& path, const char* name, const Bytes& bytes, DWORD type = REG_BINARY);
void CreateKeyPath(const std::string& path);
// Subkey names of a key in the order the registry enumerates them.
std::vector<std::string> SubkeyNames(const std::string& path);

// Every test starts from no SOFTWARE\KT60 at all and a reset adapter.
class CleanRegistry : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

#endif
