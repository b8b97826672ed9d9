// Registry access for the settings tests that bypasses the store: raw values as another
// copy of the program (or a damaged registry) would leave them.
#ifndef SKYLOOK_TESTS_REGISTRY_SCRATCH_H
#define SKYLOOK_TESTS_REGISTRY_SCRATCH_H

#include "MachineRegistry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// Paths below HKEY_LOCAL_MACHINE, without a trailing backslash.
inline const char* const ProductKey = "SOFTWARE\\KT60";
inline const char* const DefaultKey = "SOFTWARE\\KT60\\DEFAULT";
inline const char* const ProfileKey = "SOFTWARE\\KT60\\PROFILE";

Bytes Text(const std::string& text, size_t size);  // text, zero-filled to size bytes
Bytes RawText(const std::string& text);              // the characters without a terminator
inline Bytes Character(char c)                       // one character in a four-byte value
{
    return Number(static_cast<unsigned char>(c));
}

// Every test starts from no SOFTWARE\KT60 at all and a reset adapter.
class CleanRegistry : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

#endif
