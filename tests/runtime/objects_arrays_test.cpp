// Objects (key order, property errors) and Array.prototype methods taking
// native and compiled functions; expectations from node on the same code.
#include "runtime_support.h"

#include <cstdio>
#include <cstring>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
JsOwned doubled(JsOwned x) { return JsOwned::from_value(js_mul(x.borrow(), JS_NUM(2))); }
JsOwned isOdd(JsOwned x) { return JsOwned::from_value(js_mod(x.borrow(), JS_NUM(2))); }
JsOwned sum(JsOwned a, JsOwned b) { return JsOwned::from_value(js_add(a.borrow(), b.borrow())); }
JsOwned above1(JsOwned x) { return JsOwned::from_value(js_gt(x.borrow(), JS_NUM(1))); }
JsValue numericOrder(int argc, JsValue* argv) { return argc > 1 ? js_sub(argv[0], argv[1]) : JS_NUM(0); }
}  // namespace

TEST(Objects, KeysFollowJavaScriptOrder) {
    JsValue o = js_obj_new();
    for (const char* k : {"b", "10", "a", "2", "-1", "01"}) js_obj_set(&o, k, JS_NUM(1));
    EXPECT_EQ(inspect(js_jsc_cm1(Object, JS_STR("keys"), o)), "[ '2', '10', 'b', 'a', '-1', '01' ]");
    js_obj_set(&o, "b", JS_NUM(2));  // reassigning keeps the position
    EXPECT_EQ(logLine(o), "{ '2': 1, '10': 1, b: 2, a: 1, '-1': 1, '01': 1 }");
    // a large object switches to an index and keeps its order
    JsValue big = js_obj_new();
    for (int i = 0; i < 40; ++i) js_obj_set(&big, ("k" + std::to_string(39 - i)).c_str(), JS_NUM(i));
    js_obj_set(&big, "7", JS_NUM(-1));
    EXPECT_EQ(str(js_obj_get_q(big, "k0")), "39");
    EXPECT_EQ(str(jsrt_array_get(js_jsc_cm1(Object, JS_STR("keys"), big), 0)), "7");
    EXPECT_EQ(str(jsrt_array_get(js_jsc_cm1(Object, JS_STR("keys"), big), 40)), "k0");
}

TEST(Objects, EntriesValuesAssignAndHasOwnProperty) {
    EXPECT_EQ(inspect(js_jsc_cm1(Object, JS_STR("entries"), json("{\"x\":1,\"y\":[2]}"))), "[ [ 'x', 1 ], [ 'y', [ 2 ] ] ]");
    EXPECT_EQ(inspect(js_jsc_cm1(Object, JS_STR("values"), json("{\"x\":1,\"y\":\"2\"}"))), "[ 1, '2' ]");
    JsValue target = json("{\"a\":1}");
    JsValue r = js_jsc_cm4(Object, JS_STR("assign"), target, json("{\"b\":2}"), JS_NULL(), json("{\"a\":3}"));
    EXPECT_EQ(inspect(target), "{ a: 3, b: 2 }");
    EXPECT_TRUE(js_truthy(js_eq(r, target)));
    EXPECT_EQ(str(method(target, "hasOwnProperty", JS_STR("b"))), "true");
    EXPECT_EQ(str(method(target, "hasOwnProperty", JS_STR("c"))), "false");
    EXPECT_EQ(thrownText([] { js_jsc_cm1(Object, JS_STR("keys"), JS_UNDEFINED()); }),
              "TypeError: Cannot convert undefined or null to object");
}

TEST(Objects, NodeErrorTextsForBadAccess) {
    EXPECT_EQ(thrownText([] { js_obj_get_q(JS_UNDEFINED(), "x"); }),
              "TypeError: Cannot read properties of undefined (reading 'x')");
    EXPECT_EQ(thrownText([] { js_obj_get(JS_NULL(), JS_NUM(0)); }),
              "TypeError: Cannot read properties of null (reading '0')");
    EXPECT_EQ(thrownText([] { js_jsc_cm0(JS_NULL(), JS_STR("foo")); }),
              "TypeError: Cannot read properties of null (reading 'foo')");
    EXPECT_EQ(thrownText([] { JsValue u; js_obj_set(&u, "x", JS_NUM(1)); }),
              "TypeError: Cannot set properties of undefined (setting 'x')");
    EXPECT_EQ(thrownText([] { js_jsc_cm0(js_obj_new(), JS_STR("foo")); }),
              "TypeError: (intermediate value).foo is not a function");
    EXPECT_EQ(str(js_obj_get_q(JS_NUM(1), "x")), "undefined");
}

TEST(Objects, ComputedKeysInInstanceofDeleteAndUndeclaredNames) {
    JsValue c = js_obj_new();
    js_obj_set_computed(&c, js_add(JS_STR("k"), JS_NUM(1)), JS_NUM(2));
    js_obj_set_computed(&c, JS_NUM(5), JS_NUM(1));
    EXPECT_EQ(logLine(c), "{ '5': 1, k1: 2 }");
    JsValue a = json("[1,2]");
    js_obj_set_computed(&a, JS_NUM(3), JS_STR("x"));
    EXPECT_EQ(logLine(a), "[ 1, 2, undefined, 'x' ]");
    JsValue o = json("{\"a\":1,\"b\":2,\"c\":3}");
    EXPECT_EQ(str(js_delete(o, JS_STR("b"))), "true");
    EXPECT_EQ(logLine(o), "{ a: 1, c: 3 }");
    EXPECT_EQ(str(js_in(JS_STR("a"), o)), "true");
    EXPECT_EQ(str(js_in(JS_STR("b"), o)), "false");
    EXPECT_EQ(str(js_in(JS_NUM(1), json("[5,6]"))), "true");
    EXPECT_EQ(str(js_in(JS_STR("length"), json("[]"))), "true");
    EXPECT_EQ(thrownText([] { js_in(JS_STR("k"), JS_NUM(5)); }), "TypeError: Cannot use 'in' operator to search for 'k' in 5");
    EXPECT_EQ(thrownText([] { js_in(JS_STR("k"), JS_STR("abc")); }), "TypeError: Cannot use 'in' operator to search for 'k' in abc");
    EXPECT_EQ(str(js_instanceof(json("[]"), Array)), "true");
    EXPECT_EQ(str(js_instanceof(json("[]"), Object)), "true");
    EXPECT_EQ(str(js_instanceof(TypeError(JsOwned(JS_STR("x"))).borrow(), Error)), "true");
    EXPECT_EQ(str(js_instanceof(Error(JsOwned(JS_STR("x"))).borrow(), TypeError)), "false");
    EXPECT_EQ(str(js_instanceof(JS_STR("s"), String)), "false");
    EXPECT_EQ(thrownText([] { js_instanceof(js_obj_new(), JS_NUM(5)); }), "TypeError: Right-hand side of 'instanceof' is not an object");
    EXPECT_EQ(thrownText([] { js_instanceof(js_obj_new(), js_obj_new()); }), "TypeError: Right-hand side of 'instanceof' is not callable");
    EXPECT_EQ(thrownText([] { js_not_defined("nope"); }), "ReferenceError: nope is not defined");
}

// Lookups remember where a key pointer was found; a key whose text changes
// under the same address (a reused buffer) must still find its own property.
TEST(Objects, KeyTextAtAReusedAddressIsLookedUpAfresh) {
    char key[8] = "ab";
    JsValue o = json("{\"ab\":1,\"cd\":2}");
    JsValue twin = json("{\"ab\":10,\"cd\":20}");
    EXPECT_EQ(str(js_obj_get_q(o, key)), "1");
    std::strcpy(key, "cd");
    EXPECT_EQ(str(js_obj_get_q(o, key)), "2");
    js_obj_set(&twin, key, JS_NUM(21));
    std::strcpy(key, "ab");
    js_obj_set(&twin, key, JS_NUM(11));
    EXPECT_EQ(logLine(twin), "{ ab: 11, cd: 21 }");
    // adding keys: the step remembered for "ab" must not be taken for "abc"
    JsValue p = js_obj_new();
    js_obj_set(&p, key, JS_NUM(1));
    std::strcpy(key, "abc");
    JsValue q = js_obj_new();
    js_obj_set(&q, key, JS_NUM(2));
    EXPECT_EQ(logLine(p) + " " + logLine(q), "{ ab: 1 } { abc: 2 }");
    // an object that leaves the shared layout keeps answering by text
    js_delete(twin, JS_STR("ab"));
    EXPECT_EQ(str(js_obj_get_q(twin, "ab")) + " " + str(js_obj_get_q(twin, "cd")), "undefined 21");
    EXPECT_EQ(str(js_obj_get_q(o, "ab")) + " " + str(js_obj_get_q(o, "cd")), "1 2");
}

// Objects built alike on two threads at once share layouts through one tree.
TEST(Objects, ThreadsBuildingAlikeObjectsAtOnce) {
    auto build = [](const char* tag, JsValue* last, double* sum) {
        for (int i = 0; i < 20000; ++i) {
            JsValue o = js_obj_new();
            js_obj_set(&o, "id", JS_NUM(i));
            js_obj_set(&o, tag, JS_NUM(1));
            js_obj_set_computed(&o, jsrt_string("k" + std::to_string(i % 50)), JS_NUM(2));
            *sum += js_to_num(js_obj_get_q(o, "id")) + js_to_num(js_obj_get_q(o, tag));
            *last = o;
        }
    };
    JsValue a, b;
    double sum_a = 0, sum_b = 0;
    std::thread other(build, "left", &a, &sum_a);
    build("right", &b, &sum_b);
    other.join();
    EXPECT_EQ(logLine(a, JS_NUM(sum_a)), "{ id: 19999, left: 1, k49: 2 } 200010000");
    EXPECT_EQ(logLine(b, JS_NUM(sum_b)), "{ id: 19999, right: 1, k49: 2 } 200010000");
}

namespace {
// Bytes of memory the process holds now.
long resident_bytes() {
    long size = 0, pages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &size, &pages) != 2) pages = 0;
        std::fclose(f);
    }
    return pages * sysconf(_SC_PAGESIZE);
}
JsValue record(int i) {
    JsValue o = js_obj_new();
    js_obj_set(&o, "id", JS_NUM(i));
    JsValue inner = js_obj_new();
    js_obj_set(&inner, "name", jsrt_string("r" + std::to_string(i)));
    js_obj_set(&o, "inner", inner);
    return o;
}
}  // namespace

// Threads that come and go make objects that another thread frees, wave after
// wave: the values stay intact, and the memory is used again rather than left
// with threads that have ended or piled up on the thread that frees.
TEST(Objects, ObjectsFreedByAnotherThreadInWaves) {
    long settled = 0;
    for (int wave = 0; wave < 150; ++wave) {
        std::vector<JsValue> made(5000);
        std::thread maker([&made, wave] {
            for (int i = 0; i < (int)made.size(); ++i) made[i] = record(wave + i);
            for (int i = 0; i < 1000; ++i) record(i);  // and some it frees itself
        });
        maker.join();
        JsValue last = js_obj_get_q(made.back(), "inner");
        ASSERT_EQ(str(js_obj_get_q(made[7], "id")) + " " + str(js_obj_get_q(last, "name")),
                  std::to_string(wave + 7) + " r" + std::to_string(wave + 4999));
        made.clear();
        for (int i = 0; i < 2000; ++i) record(i);  // the freeing thread makes its own too
        if (wave == 10) settled = resident_bytes();
    }
#if !defined(__SANITIZE_ADDRESS__)
    // Stranded, each wave would keep about a megabyte and a half.
    EXPECT_LT(resident_bytes() - settled, 48L << 20);
#else
    (void)settled;  // the sanitizer holds freed memory back on purpose
#endif
}

namespace {
int g_host_frees = 0;
void count_host_free(void*) { ++g_host_frees; }
}  // namespace

// Releasing small objects releases what their values hold exactly once, at
// the last reference: objects with native state, objects with values outside
// the cell, and long chains of small objects in between.
TEST(Objects, ReleasingObjectsReleasesTheirValuesOnce) {
    g_host_frees = 0;
    JsValue stateful = js_obj_new();
    jsrt_set_host(stateful, &g_host_frees, count_host_free);
    JsValue chain = js_obj_new();
    js_obj_set(&chain, "state", stateful);
    for (int i = 0; i < 200000; ++i) {
        JsValue link = js_obj_new();
        js_obj_set(&link, "next", chain);
        js_obj_set(&link, "n", JS_NUM(i));
        chain = link;
    }
    JsValue wide = js_obj_new();  // more values than fit in the cell
    for (const char* k : {"a", "b", "c", "d", "e", "f"}) js_obj_set(&wide, k, stateful);
    JsValue holder = js_obj_new();
    js_obj_set(&holder, "wide", wide);
    js_obj_set(&holder, "chain", chain);
    wide.reset();
    chain.reset();
    holder.reset();
    EXPECT_EQ(g_host_frees, 0);  // still held here
    EXPECT_EQ(jsrt_get_host(stateful), &g_host_frees);
    stateful.reset();
    EXPECT_EQ(g_host_frees, 1);
}

TEST(Arrays, MutatingMethods) {
    JsValue a = json("[1,2,3,4,5]");
    EXPECT_EQ(inspect(method(a, "splice", JS_NUM(1), JS_NUM(2), JS_STR("x"), JS_STR("y"), JS_STR("z"))), "[ 2, 3 ]");
    EXPECT_EQ(inspect(a), "[ 1, 'x', 'y', 'z', 4, 5 ]");
    EXPECT_EQ(str(method(a, "push", JS_NUM(6))), "7");
    EXPECT_EQ(str(method(a, "pop")), "6");
    EXPECT_EQ(str(method(a, "shift")), "1");
    EXPECT_EQ(str(method(a, "unshift", JS_NUM(0))), "6");
    EXPECT_EQ(inspect(method(a, "reverse")), "[ 5, 4, 'z', 'y', 'x', 0 ]");
    JsValue b = json("[1,2,3]");
    method(b, "splice", JS_NUM(-1));
    EXPECT_EQ(inspect(b), "[ 1, 2 ]");
    js_obj_set(&b, "length", JS_NUM(1));
    EXPECT_EQ(inspect(b), "[ 1 ]");
    js_obj_set(&b, "3", JS_STR("d"));
    EXPECT_EQ(inspect(b), "[ 1, undefined, undefined, 'd' ]");
    EXPECT_EQ(str(method(json("[]"), "pop")), "undefined");
}

TEST(Arrays, SortWithAndWithoutComparator) {
    EXPECT_EQ(inspect(method(json("[3,1,10,2]"), "sort")), "[ 1, 10, 2, 3 ]");
    EXPECT_EQ(inspect(method(json("[3,1,10,2]"), "sort", js_native_fn(numericOrder))), "[ 1, 2, 3, 10 ]");
    EXPECT_EQ(inspect(method(json("[\"b\",null,\"a\"]"), "sort")), "[ 'a', 'b', null ]");
    JsValue thrower = js_native_fn([](int, JsValue*) -> JsValue { jsrt_throw_error("Error", "stop"); });
    JsValue c = json("[2,1]");
    EXPECT_EQ(thrownText([&] { method(c, "sort", thrower); }), "Error: stop");
    EXPECT_EQ(inspect(c), "[ 2, 1 ]");  // nothing lost when the comparator throws
}

TEST(Arrays, SearchingJoiningAndCopying) {
    EXPECT_EQ(str(method(json("[1,2,3]"), "join", JS_STR("-"))), "1-2-3");
    EXPECT_EQ(str(method(json("[1,null,null,[2,3]]"), "join")), "1,,,2,3");
    EXPECT_EQ(str(method(json("[1,2,3]"), "indexOf", JS_NUM(2))), "1");
    JsValue nan = jsrt_array_from({JS_NUM(NAN)});
    EXPECT_EQ(str(method(nan, "indexOf", JS_NUM(NAN))), "-1");
    EXPECT_EQ(str(method(nan, "includes", JS_NUM(NAN))), "true");
    EXPECT_EQ(inspect(method(json("[1]"), "concat", json("[2,3]"), JS_NUM(4))), "[ 1, 2, 3, 4 ]");
    EXPECT_EQ(inspect(method(json("[1,2,3]"), "slice", JS_NUM(-2))), "[ 2, 3 ]");
    EXPECT_EQ(str(method(json("[1,2,3]"), "at", JS_NUM(-1))), "3");
    EXPECT_EQ(str(js_obj_get_q(json("[1,2,3]"), "length")), "3");
    EXPECT_EQ(str(js_obj_get(json("[1,2,3]"), JS_NUM(1))), "2");
    EXPECT_EQ(str(js_obj_get(json("[1,2,3]"), JS_STR("2"))), "3");
}

TEST(Arrays, CallbackMethodsTakeNativeAndCompiledFunctions) {
    JsValue a = json("[1,2,3]");
    EXPECT_EQ(inspect(method(a, "map", doubled)), "[ 2, 4, 6 ]");
    EXPECT_EQ(inspect(method(json("[1,2,3,4]"), "filter", isOdd)), "[ 1, 3 ]");
    EXPECT_EQ(str(method(a, "reduce", sum)), "6");
    EXPECT_EQ(str(method(a, "reduce", sum, JS_NUM(10))), "16");
    EXPECT_EQ(str(method(a, "some", above1)), "true");
    EXPECT_EQ(str(method(a, "every", above1)), "false");
    EXPECT_EQ(str(method(a, "find", above1)), "2");
    EXPECT_EQ(str(method(a, "findIndex", JsValue(above1))), "1");
    JsValue seen = json("[]");
    static JsValue* log;
    log = &seen;
    method(a, "forEach", js_native_fn([](int argc, JsValue* argv) {
        jsrt_array_push(*log, js_add(argv[0], argc > 1 ? argv[1] : JS_NUM(0)));
        return JS_UNDEFINED();
    }));
    EXPECT_EQ(inspect(seen), "[ 1, 3, 5 ]");
    EXPECT_EQ(thrownText([] { method(json("[]"), "reduce", sum); }),
              "TypeError: Reduce of empty array with no initial value");
    EXPECT_EQ(thrownText([] { method(json("[1]"), "map", JS_NUM(5)); }), "TypeError: 5 is not a function");
}

TEST(Arrays, CallbackThatGrowsTheArrayIsSafe) {
    static JsValue* arr;
    JsValue a = json("[1,2]");
    arr = &a;
    JsValue r = method(a, "map", js_native_fn([](int, JsValue* argv) {
        for (int i = 0; i < 100; ++i) jsrt_array_push(*arr, JS_NUM(i));  // forces reallocation
        return argv[0];
    }));
    EXPECT_EQ(inspect(r), "[ 1, 2 ]");
    EXPECT_EQ(jsrt_array_length(a), 202u);
}
