#include "AdapterFixture.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* Path = "SOFTWARE\\VexaRegistryTest\\";

class RegistryTest : public AdapterTest {
protected:
    void SetUp() override
    {
        AdapterTest::SetUp();
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\VexaRegistryTest");
    }
    void TearDown() override
    {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\VexaRegistryTest");
        AdapterTest::TearDown();
    }
};

// Reads a value as text into a buffer of the size, checking that nothing lands beyond it.
std::string ReadText(const char* name, unsigned long size)
{
    std::vector<char> buffer(size + 1, 'x');
    EXPECT_EQ(0, Vexa5200QueryRegistry(Path, name, buffer.data(), size)) << name;
    EXPECT_EQ('x', buffer[size]) << "written beyond " << size << " bytes";
    return std::string(buffer.begin(), std::find(buffer.begin(), buffer.begin() + size, '\0'));
}

}  // namespace

TEST_F(RegistryTest, TextReadsBackTerminatedWithinCallersSize)
{
    ASSERT_EQ(0, Vexa5200SetRegistry(Path, "Name", "HomeNet", 8, 0));
    EXPECT_EQ("HomeNet", ReadText("Name", 33));
    EXPECT_EQ("Hom", ReadText("Name", 4));  // truncated and still terminated
    EXPECT_EQ("", ReadText("Name", 1));
    char none[1] = {'x'};
    EXPECT_NE(0, Vexa5200QueryRegistry(Path, "Name", none, 0));

    // Stored without a terminator, read back with one.
    ASSERT_EQ(0, Vexa5200SetRegistry(Path, "Raw", "ABCDEF", 6, 0));
    EXPECT_EQ("ABCDEF", ReadText("Raw", 16));
}

TEST_F(RegistryTest, BytesOfAnyLengthUpToTheCallersSizeComeBackUnchanged)
{
    unsigned char bytes[128];
    for (int i = 0; i < 128; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 1);  // no zero byte
    ASSERT_EQ(0, Vexa5200SetRegistry(Path, "Key", bytes, 127, 0));
    char buffer[128];
    ASSERT_EQ(0, Vexa5200QueryRegistry(Path, "Key", buffer, sizeof buffer));
    EXPECT_EQ(0, std::memcmp(buffer, bytes, 127));
    EXPECT_EQ(0, buffer[127]);

    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\VexaRegistryTest", 0, KEY_READ, &key));
    DWORD type = 0, size = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "Key", nullptr, &type, nullptr, &size));
    RegCloseKey(key);
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    EXPECT_EQ(127u, size);
}

TEST_F(RegistryTest, FourByteReadGivesTheFirstBytesZeroFilled)
{
    const unsigned char channel[4] = {'1', '1', 0, 0};
    ASSERT_EQ(0, Vexa5200SetRegistry(Path, "Channel", channel, 4, 0));
    unsigned long value = 0;
    ASSERT_EQ(0, Vexa5200QueryRegistry(Path, "Channel", &value));
    EXPECT_EQ(0x3131u, value);

    ASSERT_EQ(0, Vexa5200SetRegistry(Path, "Short", "AB", 2, 0));
    value = 0xFFFFFFFF;
    ASSERT_EQ(0, Vexa5200QueryRegistryDword(Path, "Short", &value));
    EXPECT_EQ(0x4241u, value);

    ASSERT_EQ(0, Vexa5200SetRegistry(Path, "Long", "WXYZ-and-more", 13, 0));
    ASSERT_EQ(0, Vexa5200QueryRegistryDword(Path, "Long", &value));
    EXPECT_EQ(0x5A595857u, value);
}

TEST_F(RegistryTest, AbsentValuesAndKeysFail)
{
    char buffer[16] = "unchanged";
    unsigned long value = 7;
    EXPECT_NE(0, Vexa5200QueryRegistry(Path, "Missing", buffer, sizeof buffer));
    EXPECT_NE(0, Vexa5200QueryRegistryDword(Path, "Missing", &value));
    EXPECT_NE(0, Vexa5200QueryRegistry("SOFTWARE\\NoSuchVexaKey\\", "Name", buffer, sizeof buffer));
    EXPECT_STREQ("unchanged", buffer);
    EXPECT_EQ(7u, value);
}

TEST_F(RegistryTest, RegistryNeedsNoAdapterAndHonoursTheFailSwitch)
{
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    ASSERT_EQ(0, Vexa5200SetRegistry(Path, "Mode", "1\0\0\0", 4, 0));
    unsigned long value = 0;
    EXPECT_EQ(0, Vexa5200QueryRegistryDword(Path, "Mode", &value));
    ASSERT_EQ(0, VexaSimSetFailure("QueryRegistryDword", 1));
    EXPECT_NE(0, Vexa5200QueryRegistryDword(Path, "Mode", &value));
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));
    EXPECT_NE(0, Vexa5200SetRegistry(Path, "Other", "x", 1, 0));
    char buffer[4];
    EXPECT_NE(0, Vexa5200QueryRegistry(Path, "Other", buffer, sizeof buffer));
}
