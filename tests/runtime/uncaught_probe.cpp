// A compiled program in miniature: prints a line, then lets a runtime
// TypeError ("type") or a thrown text ("text") leave main, or recurses
// without end ("recurse").
#include "js_globals.h"

#include <stdexcept>
#include <string>

JsOwned recurse(JsOwned n) {
    if (js_truthy(js_lt(n.borrow(), JS_NUM(1e18)))) return recurse(JsOwned::from_value(js_add(n.borrow(), JS_NUM(1))));
    return n;
}

int main(int argc, char** argv) {
    js_process_init(argc, argv);
    js_console_log(1, JS_STR("before"));
    if (argc > 1 && std::string(argv[1]) == "type") js_obj_get_q(JS_UNDEFINED(), "x");
    if (argc > 1 && std::string(argv[1]) == "recurse") recurse(JsOwned::from_value(JS_NUM(0)));
    throw std::runtime_error("boom");
}
