// A translation unit written the way the generator writes one, for a program
// of two modules (counter.js and main.js, quoted in the comments). It uses
// every value form: module statics that share handles, entry statics, compiled
// functions taken as values, function-expression natives, the dispatcher,
// try/catch and switch. The tests run it and compare with node's output.
//
// counter.js:
//   var cache = null;
//   var alias = cache;
//   function remember(v) { cache = v; return cache; }
//   function get() { return cache; }
//   module.exports = { remember: remember, get: get };
#include "js_value.hpp"
#include "js_node.h"
#include "js_globals.h"
#include <stdexcept>

static JsValue __jsc_fe_1(int argc, JsValue* argv);
static JsValue __jsc_fe_2(int argc, JsValue* argv);

static JsValue jsc_g_console;
static JsValue jsc_g_process;
static JsValue jsc_g_Buffer;
static JsValue jsc_g_globalThis;
static JsValue jsc_g_Orvan;
static JsValue jsc_g_Math;
static JsValue jsc_g_JSON;
/* === module: counter.js === */

static JsValue mod_counter_exports;
static JsValue mod_counter_cache;
static JsValue mod_counter_alias;

static JsOwned mod_counter_remember(JsOwned v) {
    (void)v;
    mod_counter_cache = v.borrow();
    return JsOwned::from_value(js_clone_value(mod_counter_cache));
}

static JsOwned mod_counter_get() {
    return JsOwned::from_value(js_clone_value(mod_counter_cache));
}

static void mod_counter_init(void) {
    static int _done = 0; if (_done) return; _done = 1;
    mod_counter_cache = JS_NULL();
    mod_counter_alias = mod_counter_cache;
    mod_counter_exports = ([&](){ JsValue __obj = js_obj_new(); js_obj_set(&__obj, "remember", js_clone_value(mod_counter_remember)); js_obj_set(&__obj, "get", js_clone_value(mod_counter_get)); return __obj; })();
}

static JsOwned basename;
static JsOwned counter;
static JsOwned f;
static JsOwned index;
static JsOwned lens;
static JsOwned n;
static JsOwned obj;
static JsOwned s;
static JsOwned total;
static JsOwned words;

JsOwned square(JsOwned x) {
    (void)x;
    return JsOwned::from_value(js_mul(x.borrow(), x.borrow()));
}

JsOwned describe(JsOwned o) {
    (void)o;
    return JsOwned::from_value(js_add(JsOwned::from_value(JS_STR("keys: ")).borrow(), js_jsc_cm1(js_jsc_cm1(JsOwned::from_value(js_clone_value(Object)).borrow(), JS_STR("keys"), o.borrow()), JS_STR("join"), JsOwned::from_value(JS_STR(",")).borrow())));
}

static JsValue __orvan_hybrid_call_aot(const char* name, const char* json) {
    if (!name || !*name) return JS_UNDEFINED();
    JsOwned __payload = JsOwned::from_value(JS_STR(json ? json : ""));
    if (strcmp(name, "square") == 0) {
        JsOwned __ret = square(__payload.clone());
        return js_clone_value(__ret.borrow());
    }
    if (strcmp(name, "describe") == 0) {
        JsOwned __ret = describe(__payload.clone());
        return js_clone_value(__ret.borrow());
    }
    if (strcmp(name, "f") == 0) {
        JsOwned __ret = f(__payload.clone());
        return js_clone_value(__ret.borrow());
    }
    return JS_UNDEFINED();
}

int main(int argc, char** argv) {
    js_process_init(argc, argv);
    jsc_g_console = js_builtin_console();
    jsc_g_process = js_node_process();
    jsc_g_Buffer = js_builtin_buffer_namespace();
    jsc_g_globalThis = js_jsc_init_global_this(jsc_g_console, jsc_g_process, jsc_g_Buffer);
    {
        JsValue mkey = JS_STR("Math");
        jsc_g_Math = js_obj_get(jsc_g_globalThis, mkey);
        JsValue jkey = JS_STR("JSON");
        jsc_g_JSON = js_obj_get(jsc_g_globalThis, jkey);
        js_dispose_value(&mkey);
        js_dispose_value(&jkey);
    }
    {
        JsValue akey = JS_STR("Orvan");
        jsc_g_Orvan = js_obj_get(jsc_g_globalThis, akey);
        js_dispose_value(&akey);
    }
    jsc_hybrid_set_aot_dispatch(__orvan_hybrid_call_aot);
    mod_counter_init(); /* execute module: ./counter */
    counter = JsOwned::from_borrowed(mod_counter_exports);
    total = js_clone_value(JS_NUM(0));
    obj = ([&](){ JsValue __obj = js_obj_new(); js_obj_set(&__obj, "a", JS_NUM(1)); js_obj_set(&__obj, "b", JS_STR("two")); js_obj_set(&__obj, "nested", ([&](){ JsValue __obj = js_obj_new(); js_obj_set(&__obj, "list", JS_NULL()); return __obj; })()); return __obj; })();
    ([&](){ JsValue __o = obj.borrow(); js_obj_set(&__o, "extra", js_clone_value(square(JsOwned::from_value(JS_NUM(4))).borrow())); return js_clone_value(__o); })();
    for (JsOwned i = JS_NUM(0); js_truthy(js_lt(i.borrow(), JsOwned::from_value(JS_NUM(5)).borrow())); js_postinc(i.ptr())) {
        total = JsOwned::from_value(js_add(total.borrow(), square(JsOwned::from_borrowed(i.borrow())).borrow()));
    }
    js_jsc_cm1(counter.borrow(), JS_STR("remember"), obj.borrow());
    js_console_log(1, js_jsc_cm0(counter.borrow(), JS_STR("get")));
    words = js_jsc_cm1(JsOwned::from_value(JS_STR("the quick brown fox")).borrow(), JS_STR("split"), JsOwned::from_value(JS_STR(" ")).borrow());
    lens = js_jsc_cm1(words.borrow(), JS_STR("map"), js_native_fn(__jsc_fe_1));
    js_console_log(3, lens.borrow(), total.borrow(), JsOwned::from_value(js_typeof(JsOwned::from_value(js_clone_value(square)).borrow())).borrow());
    s = js_add(([&](){ char* __s = js_to_cstr(total.borrow()); JsValue __sv = js_str(__s ? __s : ""); free(__s); return __sv; }()), JsOwned::from_value(JS_STR("!")).borrow());
    js_console_log(2, js_jsc_cm2(s.borrow(), JS_STR("padStart"), JsOwned::from_value(JS_NUM(6)).borrow(), JsOwned::from_value(JS_STR("*")).borrow()), js_jsc_cm1(JsOwned::from_value(js_clone_value(jsc_g_JSON)).borrow(), JS_STR("stringify"), obj.borrow()));
    try {
        JsOwned u = js_clone_value(undefined);
        { JsValue __v = js_obj_get_q(u.borrow(), "x"); js_dispose_value(&__v); }
    }
    catch (const std::exception& __jsc_ex) {
        const char* __jw = __jsc_ex.what();
        JsOwned e = JsOwned::from_value(js_str(__jw ? __jw : ""));
        js_console_log(2, JsOwned::from_value(JS_STR("caught:")).borrow(), JsOwned::from_value(js_obj_get_q(e.borrow(), "message")).borrow());
    }
    f = js_clone_value(js_native_fn(__jsc_fe_2));
    js_console_log(3, f(JsOwned::from_value(JS_NUM(1)), JsOwned::from_value(JS_NUM(2))).borrow(), parseInt(JsOwned::from_value(JS_STR("42px"))).borrow(), describe(JsOwned::from_borrowed(obj.borrow())).borrow());
    {
        JsOwned __sw = JsOwned::from_value(js_clone_value(JsOwned::from_value(js_obj_get(words.borrow(), JsOwned::from_value(JS_NUM(1)).borrow())).borrow()));
        if (js_truthy(js_eq(__sw.borrow(), JsOwned::from_value(JS_STR("quick")).borrow()))) {
            js_console_log(1, JsOwned::from_value(JS_STR("fast")).borrow());
        }
        else {
            js_console_log(1, JsOwned::from_value(JS_STR("slow")).borrow());
        }
    }
    index = js_clone_value(js_jsc_cm1(words.borrow(), JS_STR("indexOf"), JsOwned::from_value(JS_STR("fox")).borrow()));
    basename = JS_STR("file.txt");
    js_console_log(2, index.borrow(), basename.borrow());
    n = js_clone_value(JS_NUM(10));
    while (js_truthy(js_gt(n.borrow(), JsOwned::from_value(JS_NUM(7)).borrow()))) {
        js_postdec(n.ptr());
    }
    js_console_log(3, n.borrow(), JsOwned::from_value(js_loose_eq(n.borrow(), JsOwned::from_value(JS_NULL()).borrow())).borrow(), JsOwned::from_value(js_loose_eq(JsOwned::from_value(JS_NULL()).borrow(), JsOwned::from_value(js_clone_value(undefined)).borrow())).borrow());
    js_console_log(2, JsOwned::from_value(js_clone_value(square)).borrow(), JsOwned::from_value(([&](){ JsValue __obj = js_obj_new(); js_obj_set(&__obj, "fn", js_clone_value(describe)); return __obj; })()).borrow());
    js_console_log(2, js_jsc_cm3(JsOwned::from_value(js_clone_value(jsc_g_Math)).borrow(), JS_STR("max"), JsOwned::from_value(JS_NUM(3)).borrow(), JsOwned::from_value(JS_NUM(9)).borrow(), JsOwned::from_value(JS_NUM(1)).borrow()), js_jsc_cm1(js_jsc_cm0(js_jsc_cm1(JsOwned::from_value(JS_STR("3,1,2")).borrow(), JS_STR("split"), JsOwned::from_value(JS_STR(",")).borrow()), JS_STR("sort")), JS_STR("join"), JsOwned::from_value(JS_STR("|")).borrow()));
    return 0;
}

static JsValue __jsc_fe_1(int argc, JsValue* argv) {
    JsOwned w = argc > 0 ? JsOwned::from_value(js_clone_value(argv[0])) : JsOwned();
    return js_clone_value(JsOwned::from_value(js_obj_get_q(w.borrow(), "length")).borrow());
}

static JsValue __jsc_fe_2(int argc, JsValue* argv) {
    JsOwned a = argc > 0 ? JsOwned::from_value(js_clone_value(argv[0])) : JsOwned();
    JsOwned b = argc > 1 ? JsOwned::from_value(js_clone_value(argv[1])) : JsOwned();
    return js_clone_value(JsOwned::from_value(js_add(a.borrow(), b.borrow())).borrow());
}
