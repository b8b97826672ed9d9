// WEP key sizes and formats, validation of the four typed keys, typed text to key bytes and
// stored key bytes back to text. Free of windows: the editors show the messages.
#ifndef SKYLOOK_WEP_KEY_RULES_H
#define SKYLOOK_WEP_KEY_RULES_H

#include "record/AdapterSettings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

using WepKeyTexts = std::array<std::string, 4>;

// "Key Length" index 0 gives 5 bytes, any other 13.
uint32_t WepKeySizeForLengthIndex(int lengthIndex);

// Characters a key of keySize bytes takes when typed in format (doubled for HEX).
size_t RequiredWepKeyChars(uint32_t keySize, uint32_t format);

struct WepKeyCheck {
    bool Passed = true;
    int FailedKey = 0;         // 1-4, 0 when all passed
    size_t RequiredChars = 0;  // what the failed key needs
    std::string Message;       // for the "Warning" box; empty when all passed
};

// Keys 1 to 4 in order, stopping at the first failure: a key passes when it has exactly the
// required count of characters, or when it is empty and not the transmit key (txKey 0-3).
WepKeyCheck ValidateWepKeys(const WepKeyTexts& keys, uint32_t txKey, uint32_t keySize, uint32_t format);

// HEX: each pair of characters from the start gives one byte and replaces the start of the
// slot (the rest keeps its content), and an empty text clears the slot; ASCII: the characters
// and a terminating zero. Never writes past the slot's WepKeySlotSize bytes.
void WepKeyTextToSlot(const std::string& text, uint32_t format, unsigned char* slot);

// Puts four validated key texts into the record with the size chosen by lengthIndex and
// the format.
void StoreWepKeyTexts(const WepKeyTexts& keys, int lengthIndex, uint32_t format, AdapterSettings& settings);

// The first keySize bytes of the slot, one character each in ASCII (ending at a zero byte)
// or two upper-case digits each in HEX.
std::string WepKeySlotToText(const unsigned char* slot, uint32_t keySize, uint32_t format);

#endif
