#include "state/ProgramState.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Only XP steps aside for the Zero Configuration service: its neighbours by number do not.
TEST(WindowsVersion, OnlyVersion5Point1IsWindowsXp)
{
    const struct {
        DWORD major;
        DWORD minor;
        bool xp;
    } cases[] = {
        {5, 1, true},   // XP
        {5, 0, false},  // 2000
        {5, 2, false},  // XP x64, Server 2003
        {6, 1, false},  // 7
        {4, 1, false},  // 98
        {10, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.major) + "." + std::to_string(c.minor));
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
        version.dwMajorVersion = c.major;
        version.dwMinorVersion = c.minor;
        EXPECT_EQ(c.xp, IsWindowsXp(version));
    }
}

}  // namespace
