// The order in which the tool lists a scan: strongest signal first.
#ifndef SKYLOOK_CTL_SCAN_ORDER_H
#define SKYLOOK_CTL_SCAN_ORDER_H

#include "adapter/ScanList.h"

#include <vector>

// Indexes of the list's Count entries, strongest first; equal strengths keep the adapter's order.
std::vector<int> StrongestFirst(const ScanList& list);

#endif
