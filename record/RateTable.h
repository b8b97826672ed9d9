// Transmit rates: the index kept in AdapterSettings::DataRate[0], the 802.11 rate code in
// units of 500 kbit/s that the adapter takes, and the text stored in the registry.
#ifndef SKYLOOK_RECORD_RATE_TABLE_H
#define SKYLOOK_RECORD_RATE_TABLE_H

#include <cstdint>

constexpr unsigned RateIndexCount = 13;  // index 0 is Auto
constexpr uint32_t RateCodeAuto = 255;

struct RateEntry {
    uint32_t Code;
    const char* StoredText;
    const char* Label;  // in Mbit/s
};

inline constexpr RateEntry RateTable[RateIndexCount] = {
    {255, "FF", "Auto"}, {2, "2", "1"},    {4, "4", "2"},    {11, "B", "5.5"}, {12, "C", "6"},
    {18, "12", "9"},     {22, "16", "11"}, {24, "18", "12"}, {36, "24", "18"}, {48, "30", "24"},
    {72, "48", "36"},    {96, "60", "48"}, {108, "6C", "54"},
};

// Auto and any index outside 1-12 give 255.
constexpr uint32_t RateCodeForIndex(unsigned index)
{
    return (index >= 1 && index < RateIndexCount) ? RateTable[index].Code : RateCodeAuto;
}

#endif
