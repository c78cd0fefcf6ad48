// A compiled program in miniature: prints a line, then lets a runtime
// TypeError ("type") or a thrown text ("text") leave main.
#include "js_globals.h"

#include <stdexcept>
#include <string>

int main(int argc, char** argv) {
    js_process_init(argc, argv);
    js_console_log(1, JS_STR("before"));
    if (argc > 1 && std::string(argv[1]) == "type") js_obj_get_q(JS_UNDEFINED(), "x");
    throw std::runtime_error("boom");
}
