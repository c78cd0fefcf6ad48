// Value handles and ownership in every shape the generated code writes:
// shared statics, clones and disposals, compiled functions as values, call
// operators, method calls, natives, thrown errors and the uncaught exit.
#include "runtime_support.h"

#include <malloc.h>
#include <pthread.h>
#include <stdexcept>
#include <sys/wait.h>

namespace {
JsOwned add(JsOwned a, JsOwned b) { return JsOwned::from_value(js_add(a.borrow(), b.borrow())); }
JsOwned answer() { return JsOwned::from_value(JS_NUM(42)); }
JsValue firstArg(int argc, JsValue* argv) { return js_clone_value(argc > 0 ? argv[0] : JS_UNDEFINED()); }

// A dependency module's statics, assigned the way its initialiser does.
JsValue mod_a_cache;
JsValue mod_a_alias;
JsOwned remember(JsOwned v) {
    mod_a_cache = v.borrow();  // `cache = v` inside a function: no clone written
    return JsOwned();
}
}  // namespace

TEST(Values, SharedHandlesOutliveTheirFirstOwner) {
    {
        JsOwned local = JsOwned::from_value(json("{\"k\":[1,2]}"));
        remember(JsOwned::from_borrowed(local.borrow()));
        mod_a_alias = mod_a_cache;  // `var alias = cache` at a module's top level
    }  // the parameter and the local are gone; the statics still hold the object
    EXPECT_EQ(logLine(mod_a_cache), "{ k: [ 1, 2 ] }");
    JsValue copy = js_clone_value(mod_a_alias);
    js_dispose_value(&copy);
    EXPECT_EQ(str(js_typeof(copy)), "undefined");
    js_dispose_value(&copy);  // a second release of the same handle is harmless
    EXPECT_EQ(logLine(mod_a_alias), "{ k: [ 1, 2 ] }");
    mod_a_cache = JsValue();
    mod_a_alias = JsValue();
}

TEST(Values, GeneratedStatementShapes) {
    // { JsValue __v = E(x); js_dispose_value(&__v); }
    { JsValue __v = js_add(JS_STR("a"), JS_NUM(1)); js_dispose_value(&__v); }
    // o.k = v through the assignment lambda
    JsOwned o = JsOwned::from_value(js_obj_new());
    JsValue r = ([&]() { JsValue __o = o.borrow(); js_obj_set(&__o, "k", js_clone_value(JS_NUM(7))); return js_clone_value(__o); })();
    EXPECT_EQ(logLine(o.borrow()), "{ k: 7 }");
    EXPECT_EQ(logLine(r), "{ k: 7 }");
    // x += 1 on an owned name
    JsOwned x = JsOwned::from_value(JS_NUM(1));
    x = JsOwned::from_value(js_add(x.borrow(), JS_NUM(1)));
    EXPECT_EQ(str(x.borrow()), "2");
    // String(x) as row 5 writes it
    JsValue s = ([&]() { char* __s = js_to_cstr(o.borrow()); JsValue __sv = js_str(__s ? __s : ""); free(__s); return __sv; }());
    EXPECT_EQ(str(s), "[object Object]");
    // the switch copy and comparison
    JsOwned __sw = JsOwned::from_value(js_clone_value(JS_STR("b")));
    EXPECT_TRUE(js_truthy(js_eq(__sw.borrow(), JS_STR("b"))));
    // Number(x) and Boolean(x)
    EXPECT_EQ(str(JS_NUM(js_to_num(JS_STR("12")))), "12");
    EXPECT_EQ(str(JS_BOOL(js_truthy(JS_STR("")))), "false");
}

TEST(Values, CompiledFunctionsAsValues) {
    JsValue f = add;  // plain name where a JsValue is expected
    EXPECT_EQ(str(js_typeof(f)), "function");
    EXPECT_TRUE(js_truthy(js_eq(f, js_clone_value(add))));  // one value per function
    EXPECT_FALSE(js_truthy(js_eq(f, js_clone_value(answer))));
    EXPECT_EQ(str(js_call(js_clone_value(add), 2, JS_NUM(1), JS_NUM(2))), "3");
    EXPECT_EQ(str(js_call(JsOwned::from_value(js_clone_value(add)).borrow(), 1, JS_STR("a"))), "aundefined");
    JsOwned g = JsOwned::from_borrowed(answer);
    EXPECT_EQ(str(g().borrow()), "42");
    JsValue obj = js_obj_new();
    js_obj_set(&obj, "add", js_clone_value(add));
    EXPECT_EQ(str(js_jsc_cm2(obj, JS_STR("add"), JS_NUM(2), JS_NUM(3))), "5");
    // add(1, x) as a direct call, its result borrowed or passed on
    JsOwned xv = JsOwned::from_value(JS_NUM(4));
    EXPECT_EQ(str(add(JsOwned::from_value(JS_NUM(1)), JsOwned::from_borrowed(xv.borrow())).borrow()), "5");
    EXPECT_EQ(str(add(add(JsOwned::from_value(JS_NUM(1)), JsOwned(JS_NUM(1))), JsOwned(JS_NUM(1))).borrow()), "3");
}

TEST(Values, CallOperatorsOnValuesAndOwners) {
    JsOwned fe = JsOwned::from_value(js_native_fn(firstArg));
    EXPECT_EQ(str(fe(JsOwned::from_value(JS_STR("x"))).borrow()), "x");
    EXPECT_EQ(str(fe().borrow()), "undefined");
    JsOwned payload = JsOwned::from_value(JS_STR("{}"));
    EXPECT_EQ(str(fe(payload.clone()).borrow()), "{}");
    JsValue notFn = JS_NUM(5);
    EXPECT_EQ(thrownText([&] { notFn(JsOwned()); }), "TypeError: 5 is not a function");
    EXPECT_EQ(thrownText([] { js_call(JS_UNDEFINED(), 0); }), "TypeError: undefined is not a function");
    // natives receive their own copies of the arguments
    JsValue keep = js_native_fn([](int argc, JsValue* argv) {
        if (argc > 0) argv[0] = JS_NUM(0);
        return JS_UNDEFINED();
    });
    JsValue arg = JS_STR("kept");
    js_call(keep, 1, arg);
    EXPECT_EQ(str(arg), "kept");
}

TEST(Values, ThrowAndCatchAsTheGeneratedCodeDoes) {
    // throw "boom": text through js_to_cstr, caught back with js_str
    std::string caught;
    try {
        { char* __jt = js_to_cstr(JS_STR("boom")); std::runtime_error __jr(__jt ? __jt : ""); if (__jt) free(__jt); throw __jr; }
    } catch (const std::exception& __jsc_ex) {
        const char* __jw = __jsc_ex.what();
        JsOwned e = JsOwned::from_value(js_str(__jw ? __jw : ""));
        caught = str(e.borrow());
    }
    EXPECT_EQ(caught, "boom");
    // a runtime error is caught as the error object itself
    try {
        js_obj_get_q(JS_UNDEFINED(), "x");
    } catch (const std::exception& __jsc_ex) {
        const char* __jw = __jsc_ex.what();
        JsOwned e = JsOwned::from_value(js_str(__jw ? __jw : ""));
        EXPECT_EQ(str(js_obj_get_q(e.borrow(), "message")), "Cannot read properties of undefined (reading 'x')");
        EXPECT_EQ(str(js_obj_get_q(e.borrow(), "name")), "TypeError");
        EXPECT_EQ(str(js_add(JS_STR(""), e.borrow())), "TypeError: Cannot read properties of undefined (reading 'x')");
    }
    EXPECT_EQ(str(js_str("plain")), "plain");  // outside a catch block js_str makes a string
    // throw { code: 42 } and a rethrown error are caught as the objects themselves
    JsValue thrownObject = json("{\"code\":42}");
    for (const JsValue& thrown : {thrownObject, jsrt_make_error("RangeError", "again")}) {
        try {
            { char* __jt = js_to_cstr(thrown); std::runtime_error __jr(__jt ? __jt : ""); if (__jt) free(__jt); throw __jr; }
        } catch (const std::exception& __jsc_ex) {
            const char* __jw = __jsc_ex.what();
            JsOwned e = JsOwned::from_value(js_str(__jw ? __jw : ""));
            EXPECT_TRUE(js_truthy(js_eq(e.borrow(), thrown)));
        }
    }
}

TEST(Values, UncaughtErrorExitsWithNodeFirstLine) {
    int status = 0;
    EXPECT_EQ(runProgram(RUNTIME_UNCAUGHT_PROBE " type", &status), "before\nUncaught TypeError: Cannot read properties of undefined (reading 'x')\n");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_EQ(runProgram(RUNTIME_UNCAUGHT_PROBE " text", &status), "before\nUncaught boom\n");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_EQ(runProgram(RUNTIME_UNCAUGHT_PROBE " object", &status), "before\nUncaught { code: 7 }\n");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    // The depth check, not the stack's end, stops the recursion, with or without sanitizers.
    EXPECT_EQ(runProgram(RUNTIME_UNCAUGHT_PROBE " recurse", &status),
              "before\nUncaught RangeError: Maximum call stack size exceeded\n");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
}

// Start-up finds where the main thread's stack ends without reading the
// process's memory map; the depth floor must still keep the room for throwing
// the RangeError between itself and that end, as the thread's attributes give it.
TEST(Values, StackFloorLeavesTheReserveAboveTheStacksEnd) {
    pthread_attr_t attr;
    ASSERT_EQ(pthread_getattr_np(pthread_self(), &attr), 0);
    void* lowest = nullptr;
    std::size_t size = 0;
    ASSERT_EQ(pthread_attr_getstack(&attr, &lowest, &size), 0);
    pthread_attr_destroy(&attr);
#if defined(__SANITIZE_ADDRESS__)
    const std::ptrdiff_t reserve = std::ptrdiff_t(1) << 20;
#else
    const std::ptrdiff_t reserve = std::ptrdiff_t(256) << 10;
#endif
    const char* floor = jsc_stack_floor;
    EXPECT_LT(floor, static_cast<const char*>(__builtin_frame_address(0)));
    EXPECT_GE(floor - static_cast<const char*>(lowest), reserve);
}

TEST(Values, ProgramOfEveryValueFormMatchesNode) {
    int status = 0;
    EXPECT_EQ(runProgram(RUNTIME_VALUE_FORMS_PROGRAM, &status),
              "{ a: 1, b: 'two', nested: { list: null }, extra: 16 }\n"
              "[ 3, 5, 5, 3 ] 30 function\n"
              "***30! {\"a\":1,\"b\":\"two\",\"nested\":{\"list\":null},\"extra\":16}\n"
              "caught: Cannot read properties of undefined (reading 'x')\n"
              "3 42 keys: a,b,nested,extra\n"
              "fast\n"
              "3 file.txt\n"
              "7 false true\n"
              "[Function: square] { fn: [Function: describe] }\n"
              "9 1|2|3\n");
    EXPECT_EQ(status, 0);
}

TEST(Values, LoopsReleaseWhatTheyAllocate) {
    auto run = [] {
        JsOwned acc = JsOwned::from_value(js_obj_new());
        for (JsOwned i = JS_NUM(0); js_truthy(js_lt(i.borrow(), JsOwned::from_value(JS_NUM(2000)).borrow())); js_postinc(i.ptr())) {
            JsOwned s = JsOwned::from_value(js_add(JsOwned::from_value(JS_STR("item ")).borrow(), i.borrow()));
            JsOwned parts = js_jsc_cm1(s.borrow(), JS_STR("split"), JsOwned::from_value(JS_STR(" ")).borrow());
            ([&]() { JsValue __o = acc.borrow(); js_obj_set(&__o, "last", js_clone_value(parts.borrow())); return js_clone_value(__o); })();
            { JsValue __v = js_add(s.borrow(), JS_STR("!")); js_dispose_value(&__v); }
        }
    };
    run();  // warm up allocator caches
    std::size_t before = mallinfo2().uordblks;
    run();
    std::size_t after = mallinfo2().uordblks;
    EXPECT_LE(after, before + 1024);
}
