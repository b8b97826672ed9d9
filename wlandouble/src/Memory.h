// Memory handed to callers, freed only by WlanFreeMemory; the double counts what is still
// out, so that a test sees a leak.
#ifndef WLANDOUBLE_MEMORY_H
#define WLANDOUBLE_MEMORY_H

#include <cstddef>

namespace wdouble {

// Zeroed; null when out of memory.
void* Allocate(size_t size);
// Ignores null and anything this module did not hand out.
void Free(void* memory);
long Outstanding();

}  // namespace wdouble

#endif
