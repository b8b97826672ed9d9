#include "AdapterTestSupport.h"

#include <cstdio>
#include <cstring>

std::string Hex(const unsigned char* bytes, size_t count)
{
    std::string text;
    char pair[3];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(pair, sizeof(pair), "%02X", bytes[i]);
        text += pair;
    }
    return text;
}

void CopyText(char* field, size_t fieldSize, const char* text)
{
    std::memset(field, 0, fieldSize);
    std::strncpy(field, text, fieldSize - 1);
}

void AdapterTest::SetUp()
{
    ASSERT_EQ(0, VexaSimReset());
    ASSERT_EQ(0, VexaSimSetJoinDelay(0));
    ASSERT_EQ(0, Vexa5200OpenAdapter(&AdapterHandle));
    ASSERT_EQ(0, VexaSimClearJournal());
}

void AdapterTest::TearDown()
{
    Vexa5200CloseAdapter(&AdapterHandle);
}
