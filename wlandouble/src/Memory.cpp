#include "Memory.h"

#include <cstdlib>
#include <mutex>
#include <unordered_set>

namespace wdouble {

namespace {

// The blocks out: a pointer this module did not hand out (or one freed twice) is never
// passed to the heap.
struct Blocks {
    std::mutex Lock;
    std::unordered_set<void*> Live;
};

Blocks& TheBlocks()
{
    static Blocks* blocks = new Blocks;  // never destroyed: callers may free after static destruction
    return *blocks;
}

}  // namespace

void* Allocate(size_t size)
{
    void* memory = std::calloc(1, size ? size : 1);
    if (!memory)
        return nullptr;
    Blocks& blocks = TheBlocks();
    std::lock_guard<std::mutex> guard(blocks.Lock);
    blocks.Live.insert(memory);
    return memory;
}

void Free(void* memory)
{
    if (!memory)
        return;
    Blocks& blocks = TheBlocks();
    {
        std::lock_guard<std::mutex> guard(blocks.Lock);
        if (blocks.Live.erase(memory) == 0)
            return;
    }
    std::free(memory);
}

long Outstanding()
{
    Blocks& blocks = TheBlocks();
    std::lock_guard<std::mutex> guard(blocks.Lock);
    return static_cast<long>(blocks.Live.size());
}

}  // namespace wdouble
