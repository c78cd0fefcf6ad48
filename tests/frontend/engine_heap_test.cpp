#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "frontend/engine_heap.h"
#include "frontend/engine_host.h"

namespace {

struct Block {
    unsigned char* at;
    std::size_t size;
    unsigned char fill;
};

void fill(Block& b) { std::memset(b.at, b.fill, b.size); }

bool intact(const Block& b) {
    return std::all_of(b.at, b.at + b.size, [&](unsigned char c) { return c == b.fill; });
}

// Every live block keeps its bytes, and no two live blocks share a byte.
void expectSound(const std::vector<Block>& live) {
    std::vector<Block> byAddress = live;
    std::sort(byAddress.begin(), byAddress.end(), [](const Block& a, const Block& b) { return a.at < b.at; });
    for (std::size_t i = 0; i < byAddress.size(); ++i) {
        ASSERT_TRUE(intact(byAddress[i])) << "block of " << byAddress[i].size << " bytes";
        if (i + 1 < byAddress.size())
            ASSERT_LE(byAddress[i].at + EngineHeap::usableSize(byAddress[i].at), byAddress[i + 1].at);
    }
}

std::string evalToString(JSContext* ctx, const char* code) {
    JSValue v = JS_Eval(ctx, code, std::strlen(code), "<t>", 0);
    const char* text = JS_ToCString(ctx, v);
    std::string out = text ? text : "exception";
    JS_FreeCString(ctx, text);
    JS_FreeValue(ctx, v);
    return out;
}

}  // namespace

TEST(EngineHeap, BlocksOfEverySizeSurviveOddOrdersOfFreeingAndPagesGoingBack) {
    EngineHeap heap;
    std::vector<Block> live;
    unsigned char next = 1;
    auto add = [&](std::size_t size) {
        Block b{static_cast<unsigned char*>(heap.allocate(size)), size, next++};
        ASSERT_NE(b.at, nullptr);
        ASSERT_GE(EngineHeap::usableSize(b.at), size);
        // Small blocks are rounded to their class, by at most an eighth and a word.
        if (size <= EngineHeap::kLargestSmallBlock) ASSERT_LE(EngineHeap::usableSize(b.at), size + size / 8 + 8);
        fill(b);
        live.push_back(b);
    };
    auto drop = [&](std::size_t i) {
        heap.release(live[i].at);
        live[i] = live.back();
        live.pop_back();
    };
    for (int round = 0; round < 30; ++round)
        for (std::size_t size = 0; size <= EngineHeap::kLargestSmallBlock + 80; size += 1 + round % 3) add(size);
    expectSound(live);

    // Every third block, then from the back, then a stride that wanders over all pages.
    for (std::size_t i = 0; i < live.size(); i += 2) drop(i);
    for (std::size_t n = live.size() / 4; n > 0; --n) drop(live.size() - 1);
    for (std::size_t i = 0; live.size() > 2000; i = (i + 7919) % live.size()) drop(i);
    expectSound(live);

    // Resizing keeps the bytes the block had, whichever way it crosses a class or the large limit.
    for (std::size_t i = 0; i < live.size(); ++i) {
        Block& b = live[i];
        std::size_t size = i % 3 == 0 ? b.size / 2 : b.size * 2 + i % 50;
        b.at = static_cast<unsigned char*>(heap.resize(b.at, size));
        ASSERT_NE(b.at, nullptr);
        ASSERT_TRUE(intact(Block{b.at, std::min(size, b.size), b.fill}));
        b.size = size;
        fill(b);
    }
    expectSound(live);

    // Pages given back and taken again hold nothing of the blocks that stay.
    heap.returnEmptyPages();
    expectSound(live);
    for (std::size_t size = 8; size <= 600; size += 8) add(size);
    expectSound(live);
    while (!live.empty()) drop(live.size() / 2);
    heap.returnEmptyPages();
    for (std::size_t size = 1; size <= 300; ++size) add(size);
    expectSound(live);
    while (!live.empty()) drop(0);
}

// The front end's engine on its own heap: scripts that make and drop objects of
// many shapes, strings and maps (in cycles, so only a collection frees them)
// give the same answers after the collection has handed pages back, and the
// engine's count of its memory falls with it.
TEST(EngineHeap, FrontEndEngineCollectsAndReusesItsMemory) {
    QjsGuard guard;
    ASSERT_TRUE(guard.rt && guard.ctx);
    const char* build =
        "var keep = [], seen = new Map();"
        "function work(seedValue) {"
        "  var trash = [], sum = 0;"
        "  for (var i = 0; i < 20000; i++) {"
        "    var o = {}; for (var k = 0; k < i % 40; k++) o['p' + k] = k * seedValue;"
        "    var s = 'x'.repeat(i % 700) + i;"
        "    var a = new Array(i % 90).fill(i);"
        "    o.self = o; seen.set(o, s); trash.push([o, s, a]);"
        "    if (seedValue === 3 && i % 97 === 0) keep.push({ o: o, s: s, a: a });"
        "  }"
        "  trash.forEach(function (t) { sum += Object.keys(t[0]).length + t[1].length + t[2].length; });"
        "  trash = null; seen = new Map();"
        "  return sum;"
        "}"
        "var first = work(3);";
    ASSERT_EQ(evalToString(guard.ctx, build), "undefined");
    JSMemoryUsage before;
    JS_ComputeMemoryUsage(guard.rt, &before);
    collectEngineGarbage(guard.ctx, std::size_t(1) << 20);
    JSMemoryUsage after;
    JS_ComputeMemoryUsage(guard.rt, &after);
    EXPECT_LT(after.malloc_size, before.malloc_size / 2);
    EXPECT_EQ(evalToString(guard.ctx, "work(5) === first && work(7) === first"), "true");
    EXPECT_EQ(evalToString(guard.ctx,
                           "keep.every(function (k, n) { return Object.keys(k.o).length === (n * 97) % 40 + 1 &&"
                           " k.s === 'x'.repeat((n * 97) % 700) + n * 97 && k.a.length === (n * 97) % 90; })"),
              "true");
}
