#include "frontend/engine_heap.h"

#include <malloc.h>
#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>

namespace {

constexpr std::size_t kPageShift = 16;
constexpr std::size_t kPageSize = std::size_t(1) << kPageShift;
// Address space only: pages are made usable a few at a time as heaps ask for
// them. Sixteen times what Babel holds for a 100 000-line program, and small
// enough for tools that limit a process's address space (valgrind).
constexpr std::size_t kReservedBytes = std::size_t(16) << 30;
constexpr std::size_t kPageCount = kReservedBytes >> kPageShift;
constexpr std::size_t kPagesPerCommit = 16;

// Eight-byte steps up to 128 bytes, where most engine blocks fall, then eight
// classes per doubling, so a block wastes at most an eighth of its size.
struct SizeClasses {
    std::array<std::uint32_t, EngineHeap::kClassCount> size{};
    std::array<std::uint8_t, EngineHeap::kLargestSmallBlock / 8 + 1> byEighths{};

    constexpr SizeClasses() {
        std::size_t c = 0, bytes = 0;
        for (std::size_t step = 8; c < size.size(); step *= 2) {
            for (int i = 0; i < (step == 8 ? 16 : 8); ++i) size[c++] = static_cast<std::uint32_t>(bytes += step);
        }
        for (std::size_t i = 0, cls = 0; i < byEighths.size(); ++i) {
            while (size[cls] < i * 8) ++cls;
            byEighths[i] = static_cast<std::uint8_t>(cls);
        }
    }
};
constexpr SizeClasses kClasses;
static_assert(kClasses.size[EngineHeap::kClassCount - 1] == EngineHeap::kLargestSmallBlock);

std::size_t classFor(std::size_t size) { return kClasses.byEighths[(size + 7) >> 3]; }

// What a heap knows of each of its pages, kept apart from the pages so that
// blocks need no room for it.
struct PageRecord {
    void* freeBlocks;
    std::uint32_t nextWaiting;
    std::uint16_t freeCount;
    std::uint8_t cls;
    bool listed;  // the class's current page or on its stack of pages with free blocks
};

// Set by the pool as it is made (which every heap waits for before it hands out
// a block), and read on every free and size query.
char* rangeBase = nullptr;
PageRecord* rangeRecords = nullptr;

// One reservation for the whole process, so that any block's class can be
// found from its address alone (the engine asks a block's size without saying
// whose it is). Heaps take pages from here and give them back when they end.
struct PagePool {
    char* base = nullptr;  // null when the reservation failed: every block then comes from malloc
    PageRecord* records = nullptr;
    std::mutex lock;
    std::size_t used = 0;       // pages handed out at least once
    std::size_t committed = 0;  // pages made readable and writable
    std::vector<std::uint32_t> returned;

    PagePool() {
        void* range = mmap(nullptr, kReservedBytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        records = static_cast<PageRecord*>(std::calloc(kPageCount, sizeof(PageRecord)));
        if (range == MAP_FAILED || !records) {
            if (range != MAP_FAILED) munmap(range, kReservedBytes);
            return;
        }
        base = static_cast<char*>(range);
        rangeBase = base;
        rangeRecords = records;
    }

    // The page's number, or -1 when the range is used up or memory is short.
    long take() {
        std::lock_guard<std::mutex> hold(lock);
        if (!returned.empty()) {
            std::uint32_t page = returned.back();
            returned.pop_back();
            return page;
        }
        if (used == committed) {
            std::size_t more = std::min(kPagesPerCommit, kPageCount - committed);
            if (!base || more == 0 ||
                mprotect(base + (committed << kPageShift), more << kPageShift, PROT_READ | PROT_WRITE) != 0)
                return -1;
            committed += more;
        }
        return static_cast<long>(used++);
    }

    // Hands a heap's pages back, their contents dropped so the memory leaves the process.
    void giveBack(std::vector<std::uint32_t>& pages) {
        std::sort(pages.begin(), pages.end());
        for (std::size_t i = 0; i < pages.size();) {
            std::size_t j = i + 1;
            while (j < pages.size() && pages[j] == pages[j - 1] + 1) ++j;
            madvise(base + (std::size_t(pages[i]) << kPageShift), (j - i) << kPageShift, MADV_DONTNEED);
            i = j;
        }
        std::lock_guard<std::mutex> hold(lock);
        returned.insert(returned.end(), pages.begin(), pages.end());
    }
};

PagePool& pagePool() {
    static PagePool pool;
    return pool;
}

std::uintptr_t offsetOf(const void* block) {
    return reinterpret_cast<std::uintptr_t>(block) - reinterpret_cast<std::uintptr_t>(rangeBase);
}

bool inRange(const void* block) { return rangeBase && offsetOf(block) < kReservedBytes; }

std::size_t pageOf(const void* block) { return offsetOf(block) >> kPageShift; }

std::size_t blocksPerPage(std::size_t cls) { return kPageSize / kClasses.size[cls]; }

EngineHeap& heapOf(JSMallocState* s) { return *static_cast<EngineHeap*>(s->opaque); }

// A small block's size follows from the request, without a look at its page.
std::size_t sizeOfNew(const void* block, std::size_t request) {
    return request <= EngineHeap::kLargestSmallBlock && inRange(block) ? kClasses.size[classFor(request)]
                                                                      : EngineHeap::usableSize(block);
}

void* engineMalloc(JSMallocState* s, std::size_t size) {
    if (s->malloc_size + size > s->malloc_limit) return nullptr;
    void* block = heapOf(s).allocate(size);
    if (!block) return nullptr;
    s->malloc_count++;
    s->malloc_size += sizeOfNew(block, size);
    return block;
}

void engineFree(JSMallocState* s, void* block) {
    if (!block) return;
    s->malloc_count--;
    s->malloc_size -= heapOf(s).release(block);
}

void* engineRealloc(JSMallocState* s, void* block, std::size_t size) {
    if (!block) return size == 0 ? nullptr : engineMalloc(s, size);
    std::size_t before = EngineHeap::usableSize(block);
    if (size == 0) {
        engineFree(s, block);
        return nullptr;
    }
    if (s->malloc_size + size - before > s->malloc_limit) return nullptr;
    void* moved = heapOf(s).resize(block, size, before);
    if (!moved) return nullptr;
    s->malloc_size += sizeOfNew(moved, size) - before;
    return moved;
}

}  // namespace

const JSMallocFunctions EngineHeap::functions = {engineMalloc, engineFree, engineRealloc, EngineHeap::usableSize};

EngineHeap::EngineHeap() { pagePool(); }

EngineHeap::~EngineHeap() {
    if (!pages_.empty()) pagePool().giveBack(pages_);
}

void EngineHeap::returnEmptyPages() {
    std::vector<std::uint32_t> emptied;
    for (std::size_t cls = 0; cls < kClassCount; ++cls) {
        std::uint32_t* link = &classes_[cls].waiting;
        while (*link != kNoPage) {
            PageRecord& page = rangeRecords[*link];
            if (page.freeCount == blocksPerPage(cls)) {
                emptied.push_back(*link);
                page.listed = false;
                *link = page.nextWaiting;
            } else {
                link = &page.nextWaiting;
            }
        }
    }
    if (emptied.empty()) return;
    std::sort(emptied.begin(), emptied.end());
    pages_.erase(std::remove_if(pages_.begin(), pages_.end(),
                                [&](std::uint32_t page) {
                                    return std::binary_search(emptied.begin(), emptied.end(), page);
                                }),
                 pages_.end());
    pagePool().giveBack(emptied);
}

// The current page has no free block left: it waits for frees off every list,
// and the next page with free blocks, or a new one, takes its place.
bool EngineHeap::nextPage(std::size_t cls) {
    ClassState& state = classes_[cls];
    if (state.current != kNoPage) rangeRecords[state.current].listed = false;
    state.current = kNoPage;
    if (state.waiting != kNoPage) {
        state.current = state.waiting;
        state.waiting = rangeRecords[state.current].nextWaiting;
        return true;
    }
    long fresh = pagePool().take();
    if (fresh < 0) return false;
    pages_.push_back(static_cast<std::uint32_t>(fresh));
    std::size_t bytes = kClasses.size[cls], count = blocksPerPage(cls);
    char* first = rangeBase + (static_cast<std::size_t>(fresh) << kPageShift);
    for (std::size_t i = 0; i + 1 < count; ++i) *reinterpret_cast<void**>(first + i * bytes) = first + (i + 1) * bytes;
    *reinterpret_cast<void**>(first + (count - 1) * bytes) = nullptr;
    rangeRecords[fresh] = PageRecord{first, kNoPage, static_cast<std::uint16_t>(count), static_cast<std::uint8_t>(cls), true};
    state.current = static_cast<std::uint32_t>(fresh);
    return true;
}

void* EngineHeap::allocate(std::size_t size) {
    if (size > kLargestSmallBlock || outOfPages_) return std::malloc(size);
    std::size_t cls = classFor(size);
    ClassState& state = classes_[cls];
    if ((state.current == kNoPage || !rangeRecords[state.current].freeBlocks) && !nextPage(cls)) {
        outOfPages_ = true;
        return std::malloc(size);
    }
    PageRecord& page = rangeRecords[state.current];
    void* block = page.freeBlocks;
    page.freeBlocks = *static_cast<void**>(block);
    --page.freeCount;
    return block;
}

std::size_t EngineHeap::release(void* block) {
    if (!inRange(block)) {
        std::size_t bytes = malloc_usable_size(block);
        std::free(block);
        return bytes;
    }
    std::size_t index = pageOf(block);
    PageRecord& page = rangeRecords[index];
    *static_cast<void**>(block) = page.freeBlocks;
    page.freeBlocks = block;
    ++page.freeCount;
    if (!page.listed) {
        page.listed = true;
        page.nextWaiting = std::exchange(classes_[page.cls].waiting, static_cast<std::uint32_t>(index));
    }
    return kClasses.size[page.cls];
}

void* EngineHeap::resize(void* block, std::size_t size) { return resize(block, size, usableSize(block)); }

void* EngineHeap::resize(void* block, std::size_t size, std::size_t held) {
    if (!inRange(block)) {
        if (size > kLargestSmallBlock) return std::realloc(block, size);
    } else if (size <= kLargestSmallBlock && kClasses.size[classFor(size)] == held) {
        return block;
    }
    void* moved = allocate(size);
    if (!moved) return nullptr;
    std::memcpy(moved, block, std::min(size, held));
    release(block);
    return moved;
}

std::size_t EngineHeap::usableSize(const void* block) {
    if (inRange(block)) return kClasses.size[rangeRecords[pageOf(block)].cls];
    return malloc_usable_size(const_cast<void*>(block));
}
