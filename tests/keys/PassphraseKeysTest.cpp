#include "keys/PassphraseKeys.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <io.h>
#include <sstream>

namespace {

// Standard output of one call, through a temporary file in place of descriptor 1.
template <typename Call>
std::string CapturedOutput(Call call)
{
    char directory[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(sizeof directory, directory);
    GetTempFileNameA(directory, "sko", 0, path);

    std::fflush(stdout);
    const int saved = _dup(_fileno(stdout));
    FILE* file = std::fopen(path, "wb");
    _dup2(_fileno(file), _fileno(stdout));
    call();
    std::fflush(stdout);
    _dup2(saved, _fileno(stdout));
    _close(saved);
    std::fclose(file);

    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    DeleteFileA(path);
    return text.str();
}

TEST(Wep64Keys, KnownPassphraseGivesKnownKeysAndTrace)
{
    WepKeyTexts keys;
    bool generated = false;
    const std::string output = CapturedOutput([&] { generated = GenerateWep64Keys("wireless", keys); });
    ASSERT_TRUE(generated);
    EXPECT_EQ(keys, (WepKeyTexts{"ABAF068766", "D6D0B579FF", "69EA1B9A55", "298EEE9112"}));
    EXPECT_EQ(output,
              "rand 16010c1b \n"
              "randNumber = 29aba672 key 0 = ab \n"
              "randNumber = eaff36d key 1 = af \n"
              "randNumber = 6b06b87c key 2 = 6 \n"
              "randNumber = b187654f key 3 = 87 \n"
              "randNumber = 12666ad6 key 4 = 66 \n"
              "randNumber = 3dd63641 key 4 = d6 \n"
              "randNumber = cfd04000 key 5 = d0 \n"
              "randNumber = a1b5dec3 key 6 = b5 \n"
              "randNumber = 679ce7a key 7 = 79 \n"
              "randNumber = b2ff9b55 key 8 = ff \n"
              "randNumber = 9e6960c4 key 8 = 69 \n"
              "randNumber = 44ea8c77 key 9 = ea \n"
              "randNumber = 241b955e key 10 = 1b \n"
              "randNumber = a79ad6a9 key 11 = 9a \n"
              "randNumber = ae55fec8 key 12 = 55 \n"
              "randNumber = c929c26b key 12 = 29 \n"
              "randNumber = 38ec382 key 13 = 8e \n"
              "randNumber = 2beedc3d key 14 = ee \n"
              "randNumber = 83913e0c key 15 = 91 \n"
              "randNumber = c412149f key 16 = 12 \n");
}

TEST(Wep64Keys, PassphrasesFoldingToOneSeedGiveTheSameKeys)
{
    WepKeyTexts first;
    WepKeyTexts again;
    WepKeyTexts swapped;
    WepKeyTexts other;
    CapturedOutput([&] {
        GenerateWep64Keys("kelbr", first);
        GenerateWep64Keys("kelbr", again);
        GenerateWep64Keys("relbk", swapped);  // positions 0 and 4 fold into the same seed byte
        GenerateWep64Keys("kelbs", other);
    });
    EXPECT_EQ(first, again);
    EXPECT_EQ(first, swapped);
    EXPECT_NE(first, other);
    for (const std::string& key : first)
        EXPECT_EQ(key.size(), 10u);
}

TEST(Wep64Keys, HighCharactersFoldAsBytes)
{
    WepKeyTexts keys;
    const std::string output = CapturedOutput([&] { GenerateWep64Keys("\xFF\x80", keys); });
    EXPECT_EQ(output.substr(0, 12), "rand 80ff \nr");
}

TEST(Wep128Keys, KeysAreTheMd5OfTheRepeatedPassphrase)
{
    WepKeyTexts keys;
    ASSERT_TRUE(GenerateWep128Keys("wireless", keys));
    EXPECT_EQ(keys, (WepKeyTexts{"954F7EAEBC6EC1DA786A3FD087", "6CE7C31BE0B1CAA9898BA837B5",
                                 "2AF431F1EBF5728F21B82C1CEB", "EAE00EFF0B31C601AF5DCF2D90"}));
}

TEST(Wep128Keys, OnlyTheFirst64CharactersCount)
{
    WepKeyTexts keys;
    WepKeyTexts longer;
    ASSERT_TRUE(GenerateWep128Keys(std::string(70, 'A'), keys));
    ASSERT_TRUE(GenerateWep128Keys(std::string(64, 'A') + "different tail", longer));
    EXPECT_EQ(keys, longer);
    EXPECT_EQ(keys[0], "D289A97565BC2D27AC8B8545A5");
}

TEST(PassphraseKeys, EmptyPassphraseDoesNothing)
{
    WepKeyTexts keys = {"a", "b", "c", "d"};
    const std::string output = CapturedOutput([&] {
        EXPECT_FALSE(GenerateWepKeys("", 0, keys));
        EXPECT_FALSE(GenerateWepKeys("", 1, keys));
    });
    EXPECT_EQ(output, "");
    EXPECT_EQ(keys, (WepKeyTexts{"a", "b", "c", "d"}));
}

TEST(PassphraseKeys, LengthIndexSelectsTheMethod)
{
    WepKeyTexts short64;
    WepKeyTexts long128;
    CapturedOutput([&] { GenerateWepKeys("wireless", 0, short64); });
    GenerateWepKeys("wireless", 1, long128);
    EXPECT_EQ(short64[0], "ABAF068766");
    EXPECT_EQ(long128[0], "954F7EAEBC6EC1DA786A3FD087");
}

}  // namespace
