// The four WEP key fields of AdapterSettings addressed by index 0-3.
#ifndef SKYLOOK_RECORD_WEP_KEY_SLOTS_H
#define SKYLOOK_RECORD_WEP_KEY_SLOTS_H

#include "record/AdapterSettings.h"

#include <cstddef>

constexpr int WepKeyCount = 4;
constexpr size_t WepKeySlotSize = sizeof(AdapterSettings::WepKey1);

// The longest key whose HEX text with its terminating zero still fits a key slot.
constexpr uint32_t MaxWepKeySize = (WepKeySlotSize - 1) / 2;

inline unsigned char* WepKeySlot(AdapterSettings& settings, int index)
{
    unsigned char* slots[WepKeyCount] = {settings.WepKey1, settings.WepKey2, settings.WepKey3, settings.WepKey4};
    return slots[index];
}

inline const unsigned char* WepKeySlot(const AdapterSettings& settings, int index)
{
    return WepKeySlot(const_cast<AdapterSettings&>(settings), index);
}

#endif
