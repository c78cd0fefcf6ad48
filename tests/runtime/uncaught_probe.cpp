// A compiled program in miniature: prints a line, then lets a runtime
// TypeError ("type"), a thrown text ("text") or a thrown object ("object")
// leave main, or recurses without end ("recurse").
#include "js_globals.h"

#include <stdexcept>
#include <string>

JsOwned recurse(JsOwned n) {
    js_stack_check();
    if (js_truthy(js_lt(n.borrow(), JS_NUM(1e18)))) return recurse(JsOwned::from_value(js_add(n.borrow(), JS_NUM(1))));
    return n;
}

int main(int argc, char** argv) {
    js_process_init(argc, argv);
    js_console_log(1, JS_STR("before"));
    if (argc > 1 && std::string(argv[1]) == "type") js_obj_get_q(JS_UNDEFINED(), "x");
    if (argc > 1 && std::string(argv[1]) == "recurse") recurse(JsOwned::from_value(JS_NUM(0)));
    if (argc > 1 && std::string(argv[1]) == "object") {
        // throw { code: 7 } as the generator writes it
        JsValue o = js_obj_new();
        js_obj_set(&o, "code", JS_NUM(7));
        char* __jt = js_to_cstr(o);
        std::runtime_error __jr(__jt ? __jt : "");
        if (__jt) free(__jt);
        throw __jr;
    }
    throw std::runtime_error("boom");
}
