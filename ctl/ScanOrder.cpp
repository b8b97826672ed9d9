#include "ctl/ScanOrder.h"

#include <algorithm>

std::vector<int> StrongestFirst(const ScanList& list)
{
    const int count = list.Count < 0 ? 0 : std::min(list.Count, ScanListCapacity);
    std::vector<int> order(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        order[static_cast<size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return list.Entries[a].SignalStrength > list.Entries[b].SignalStrength;
    });
    return order;
}
