#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "frontend/engine_api.h"

// The memory of the front end's engine. Babel keeps millions of small blocks
// alive at once (nodes, paths, locations, their property arrays); the general
// allocator spends a header on each, rounds it up and consolidates on the way.
// Here small blocks come in size classes carved from 64 KiB pages of one class
// each, so a block's size follows from its address: no header, no coalescing.
// Each page keeps its own free blocks, so that a page whose blocks are all free
// is known without a search and can go back to the system. Larger blocks, and
// every block once the reserved address range is used up, come from malloc.
//
// Only the front end's runtime uses it: programs that embed the engine keep the
// ordinary allocator, so that checked builds still see every use after free.
class EngineHeap {
public:
    EngineHeap();
    ~EngineHeap();
    EngineHeap(const EngineHeap&) = delete;
    EngineHeap& operator=(const EngineHeap&) = delete;

    // For JS_NewRuntime2, with this heap as the opaque value.
    static const JSMallocFunctions functions;

    static constexpr std::size_t kLargestSmallBlock = 1024;
    static constexpr std::size_t kClassCount = 40;

    // Hands the pages whose blocks are all free back to the system. Run after a
    // collection: what the engine just freed can then serve the rest of the
    // compiler (which cannot use the engine's free blocks) instead of adding to the peak.
    void returnEmptyPages();

    void* allocate(std::size_t size);
    // Frees a block and says how many bytes it held.
    std::size_t release(void* block);
    void* resize(void* block, std::size_t size);
    // The same, for a caller that knows what the block holds (its usableSize):
    // objects grow their property arrays one slot at a time, a resize each.
    void* resize(void* block, std::size_t size, std::size_t held);
    // What a block can hold: its class's size, or malloc's answer for a large one.
    static std::size_t usableSize(const void* block);

private:
    static constexpr std::uint32_t kNoPage = UINT32_MAX;

    // Blocks come from the current page; the other pages of the class that have
    // free blocks wait in a stack linked through the pool's page records.
    struct ClassState {
        std::uint32_t current = kNoPage;
        std::uint32_t waiting = kNoPage;
    };

    bool nextPage(std::size_t cls);

    ClassState classes_[kClassCount];
    std::vector<std::uint32_t> pages_;
    // Set when no page could be had: asking again on every block would take the pool's lock each time.
    bool outOfPages_ = false;
};
