#include "keys/WepKeyRules.h"

#include "record/WepKeySlots.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

TEST(WepKeyRules, RequiredCharactersBySizeAndFormat)
{
    EXPECT_EQ(WepKeySizeForLengthIndex(0), 5u);
    EXPECT_EQ(WepKeySizeForLengthIndex(1), 13u);
    EXPECT_EQ(RequiredWepKeyChars(5, WepKeyFormatAscii), 5u);
    EXPECT_EQ(RequiredWepKeyChars(5, WepKeyFormatHex), 10u);
    EXPECT_EQ(RequiredWepKeyChars(13, WepKeyFormatAscii), 13u);
    EXPECT_EQ(RequiredWepKeyChars(13, WepKeyFormatHex), 26u);
}

TEST(WepKeyRules, HexKeysOf128BitsNeed26Digits)
{
    const std::string good(26, 'a');
    EXPECT_TRUE(ValidateWepKeys({good, good, good, good}, 0, 13, WepKeyFormatHex).Passed);

    const WepKeyCheck check = ValidateWepKeys({good, std::string(25, 'b'), "", ""}, 0, 13, WepKeyFormatHex);
    EXPECT_FALSE(check.Passed);
    EXPECT_EQ(check.FailedKey, 2);
    EXPECT_EQ(check.RequiredChars, 26u);
    EXPECT_EQ(check.Message, "WEP key 2 size mistake!\n Need 26 characters");
}

TEST(WepKeyRules, EmptyKeysPassUnlessTheyTransmit)
{
    EXPECT_TRUE(ValidateWepKeys({"abcde", "", "", ""}, 0, 5, WepKeyFormatAscii).Passed);
    EXPECT_TRUE(ValidateWepKeys({"abcde", "12345", "", "!@#$%"}, 0, 5, WepKeyFormatAscii).Passed);

    const WepKeyCheck transmitEmpty = ValidateWepKeys({"", "", "", ""}, 0, 5, WepKeyFormatAscii);
    EXPECT_FALSE(transmitEmpty.Passed);
    EXPECT_EQ(transmitEmpty.Message, "WEP key 1 size mistake!\n Need 5 characters");

    const WepKeyCheck fourth = ValidateWepKeys({"abcde", "", "", ""}, 3, 5, WepKeyFormatAscii);
    EXPECT_EQ(fourth.FailedKey, 4);
    EXPECT_EQ(fourth.Message, "WEP key 4 size mistake!\n Need 5 characters");
}

TEST(WepKeyRules, ValidationStopsAtTheFirstFailure)
{
    const WepKeyCheck check = ValidateWepKeys({"abcde", "abc", "", "toolong"}, 0, 5, WepKeyFormatAscii);
    EXPECT_EQ(check.FailedKey, 2);
    const WepKeyCheck longKey = ValidateWepKeys({"abcde", "", "abcdef", "abc"}, 0, 5, WepKeyFormatAscii);
    EXPECT_EQ(longKey.FailedKey, 3);
    EXPECT_EQ(longKey.Message, "WEP key 3 size mistake!\n Need 5 characters");
}

TEST(WepKeyRules, HexTextGivesTheSameBytesInEitherCase)
{
    unsigned char lower[WepKeySlotSize];
    unsigned char upper[WepKeySlotSize];
    std::memset(lower, 0x55, sizeof lower);
    std::memset(upper, 0x55, sizeof upper);
    WepKeyTextToSlot("0a1b2c3d4ef9", WepKeyFormatHex, lower);
    WepKeyTextToSlot("0A1B2C3D4EF9", WepKeyFormatHex, upper);
    EXPECT_EQ(0, std::memcmp(lower, upper, sizeof lower));
    EXPECT_EQ(Bytes(lower, lower + 7), (Bytes{0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0xF9, 0x55}));
    EXPECT_EQ(WepKeySlotToText(lower, 6, WepKeyFormatHex), "0A1B2C3D4EF9");
}

TEST(WepKeyRules, HexOddLastCharacterIsIgnored)
{
    unsigned char slot[WepKeySlotSize] = {};
    WepKeyTextToSlot("123", WepKeyFormatHex, slot);
    EXPECT_EQ(Bytes(slot, slot + 2), (Bytes{0x12, 0}));
}

TEST(WepKeyRules, AnEmptiedKeyKeepsNoOldBytes)
{
    unsigned char slot[WepKeySlotSize];
    std::memset(slot, 0xAB, sizeof slot);
    WepKeyTextToSlot("", WepKeyFormatHex, slot);
    EXPECT_EQ(Bytes(slot, slot + WepKeySlotSize), Bytes(WepKeySlotSize, 0));

    std::memset(slot, 0xAB, sizeof slot);
    WepKeyTextToSlot("", WepKeyFormatAscii, slot);
    EXPECT_EQ(WepKeySlotToText(slot, 5, WepKeyFormatAscii), "");
}

TEST(WepKeyRules, AsciiTextIsCopiedWithATerminator)
{
    unsigned char slot[WepKeySlotSize];
    std::memset(slot, 'x', sizeof slot);
    WepKeyTextToSlot("Ab1!z", WepKeyFormatAscii, slot);
    EXPECT_EQ(Bytes(slot, slot + 7), (Bytes{'A', 'b', '1', '!', 'z', 0, 'x'}));
    EXPECT_EQ(WepKeySlotToText(slot, 5, WepKeyFormatAscii), "Ab1!z");
    EXPECT_EQ(WepKeySlotToText(slot, 5, WepKeyFormatHex), "416231217A");
}

TEST(WepKeyRules, LongTextStaysWithinTheSlot)
{
    struct {
        unsigned char Slot[WepKeySlotSize];
        unsigned char Guard[16];
    } frame;
    std::memset(&frame, 0xEE, sizeof frame);
    WepKeyTextToSlot(std::string(400, 'q'), WepKeyFormatAscii, frame.Slot);
    EXPECT_EQ(frame.Slot[WepKeySlotSize - 1], 0);
    WepKeyTextToSlot(std::string(400, 'f'), WepKeyFormatHex, frame.Slot);
    EXPECT_EQ(frame.Slot[WepKeySlotSize - 1], 0xFF);
    EXPECT_EQ(Bytes(frame.Guard, frame.Guard + 16), Bytes(16, 0xEE));

    EXPECT_EQ(WepKeySlotToText(frame.Slot, 100000, WepKeyFormatHex).size(), 2 * WepKeySlotSize);
}

TEST(WepKeyRules, AsciiDisplayEndsAtAZeroByte)
{
    const unsigned char slot[WepKeySlotSize] = {'a', 'b', 0, 'c', 'd'};
    EXPECT_EQ(WepKeySlotToText(slot, 5, WepKeyFormatAscii), "ab");
    EXPECT_EQ(WepKeySlotToText(slot, 5, WepKeyFormatHex), "6162006364");
}

TEST(WepKeyRules, StoringTextsSetsSizeFormatAndSlots)
{
    AdapterSettings settings{};
    std::memset(settings.WepKey3, 0x99, sizeof settings.WepKey3);
    StoreWepKeyTexts({"00112233445566778899AABBCC", "", "ff", ""}, 1, WepKeyFormatHex, settings);
    EXPECT_EQ(settings.WepKeySize, 13u);
    EXPECT_EQ(settings.WepKeyFormat, 1u);
    EXPECT_EQ(WepKeySlotToText(settings.WepKey1, 13, WepKeyFormatHex), "00112233445566778899AABBCC");
    EXPECT_EQ(Bytes(settings.WepKey3, settings.WepKey3 + 2), (Bytes{0xFF, 0x99}));

    StoreWepKeyTexts({"hello", "", "", ""}, 0, WepKeyFormatAscii, settings);
    EXPECT_EQ(settings.WepKeySize, 5u);
    EXPECT_EQ(settings.WepKeyFormat, 0u);
    EXPECT_STREQ(reinterpret_cast<const char*>(settings.WepKey1), "hello");
    EXPECT_EQ(settings.WepKey2[0], 0);
}

}  // namespace
