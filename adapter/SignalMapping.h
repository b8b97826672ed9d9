// Maps an RSSI reading to the 0-100 figures the program shows. The status snapshot and the
// scan list use the same mapping, so a network reads the same in both places.
#ifndef SKYLOOK_SIGNAL_MAPPING_H
#define SKYLOOK_SIGNAL_MAPPING_H

// Percent of full scale: -96 dBm is 0 and -71 dBm and above are 100; weaker than -96 dBm
// goes negative. Wide arithmetic, so any reading a driver reports is safe.
inline long long RssiScalePercent(long rssiDbm)
{
    long long level = static_cast<long long>(rssiDbm) + 96;
    if (level > 25)
        level = 25;
    return level * 100 / 25;
}

inline int ClampPercent(long long value)
{
    return value < 0 ? 0 : value > 100 ? 100 : static_cast<int>(value);
}

// jitter is a random 0-9 (rand() % 10) that makes the display move like a live reading.
inline int SignalPercentFromRssi(long rssiDbm, int jitter)
{
    return ClampPercent(jitter + RssiScalePercent(rssiDbm) * 3 / 5 + 40);
}

inline int LinkQualityFromRssi(long rssiDbm, int jitter)
{
    return ClampPercent(jitter + RssiScalePercent(rssiDbm) * 3 / 5 + 30);
}

#endif
