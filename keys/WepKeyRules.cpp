#include "keys/WepKeyRules.h"

#include "record/HexText.h"
#include "record/WepKeySlots.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

uint32_t WepKeySizeForLengthIndex(int lengthIndex)
{
    return lengthIndex == 0 ? WepKeySize64 : WepKeySize128;
}

size_t RequiredWepKeyChars(uint32_t keySize, uint32_t format)
{
    return format == WepKeyFormatHex ? size_t{keySize} * 2 : size_t{keySize};
}

WepKeyCheck ValidateWepKeys(const WepKeyTexts& keys, uint32_t txKey, uint32_t keySize, uint32_t format)
{
    WepKeyCheck check;
    const size_t required = RequiredWepKeyChars(keySize, format);
    for (int i = 0; i < WepKeyCount; ++i) {
        const std::string& key = keys[i];
        if (key.size() == required)
            continue;
        if (key.empty() && txKey != static_cast<uint32_t>(i))
            continue;
        char message[80];
        std::snprintf(message, sizeof message, "WEP key %d size mistake!\n Need %d characters", i + 1,
                      static_cast<int>(required));
        check.Passed = false;
        check.FailedKey = i + 1;
        check.RequiredChars = required;
        check.Message = message;
        return check;
    }
    return check;
}

void WepKeyTextToSlot(const std::string& text, uint32_t format, unsigned char* slot)
{
    if (format == WepKeyFormatHex) {
        // A key the user emptied must not keep its old bytes: it becomes an empty key, as
        // an emptied ASCII key does.
        if (text.empty())
            std::memset(slot, 0, WepKeySlotSize);
        HexPairsToBytes(text.data(), text.size(), slot, WepKeySlotSize);
        return;
    }
    const size_t count = std::min(text.size(), WepKeySlotSize - 1);
    std::memcpy(slot, text.data(), count);
    slot[count] = 0;
}

void StoreWepKeyTexts(const WepKeyTexts& keys, int lengthIndex, uint32_t format, AdapterSettings& settings)
{
    for (int i = 0; i < WepKeyCount; ++i)
        WepKeyTextToSlot(keys[i], format, WepKeySlot(settings, i));
    settings.WepKeySize = WepKeySizeForLengthIndex(lengthIndex);
    settings.WepKeyFormat = format;
}

std::string WepKeySlotToText(const unsigned char* slot, uint32_t keySize, uint32_t format)
{
    const size_t count = std::min<size_t>(keySize, WepKeySlotSize);
    if (format == WepKeyFormatHex)
        return BytesToHexText(slot, count);
    // "%c" of a zero byte ends the text the edit control receives.
    const unsigned char* end = std::find(slot, slot + count, 0);
    return std::string(slot, end);
}
