#include "UserOptionValues.h"

#include "settings/UserOptions.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>

namespace {

class UserOptions : public testing::Test {
protected:
    void SetUp() override { ForgetUserOptions(); }
    void TearDown() override { ForgetUserOptions(); }
    static void Store(UserOption option, DWORD type, const void* bytes, DWORD size)
    {
        ASSERT_EQ(ERROR_SUCCESS,
                  ::RegSetKeyValueA(HKEY_CURRENT_USER, UserOptionsPath, UserOptionValueName(option), type, bytes, size));
    }
};

TEST_F(UserOptions, AValueThatIsNoDwordReadsAsTheDefaultAndAStoredChoiceReadsBack)
{
    EXPECT_TRUE(ReadUserOption(UserOption::Notifications)) << "on until turned off";
    EXPECT_FALSE(ReadUserOption(UserOption::SwitchToProfiles)) << "off until turned on";

    const DWORD zero = 0, seven = 7;
    const uint64_t wide = 1;
    const struct {
        const char* what;
        DWORD type;
        const void* bytes;
        DWORD size;
        bool notifications, switchToProfiles;
    } cases[] = {
        {"text", REG_SZ, "0", 2, true, false},
        {"four bytes, not a DWORD", REG_BINARY, &zero, 4, true, false},
        {"a QWORD", REG_QWORD, &wide, 8, true, false},
        {"a DWORD too short", REG_DWORD, &seven, 2, true, false},
        {"a DWORD of 0", REG_DWORD, &zero, 4, false, false},
        {"any other number", REG_DWORD, &seven, 4, true, true},
    };
    for (const auto& c : cases) {
        Store(UserOption::Notifications, c.type, c.bytes, c.size);
        Store(UserOption::SwitchToProfiles, c.type, c.bytes, c.size);
        EXPECT_EQ(c.notifications, ReadUserOption(UserOption::Notifications)) << c.what;
        EXPECT_EQ(c.switchToProfiles, ReadUserOption(UserOption::SwitchToProfiles)) << c.what;
    }

    ASSERT_TRUE(WriteUserOption(UserOption::Notifications, false));
    ASSERT_TRUE(WriteUserOption(UserOption::SwitchToProfiles, true));
    EXPECT_FALSE(ReadUserOption(UserOption::Notifications));
    EXPECT_TRUE(ReadUserOption(UserOption::SwitchToProfiles));
}

}  // namespace
