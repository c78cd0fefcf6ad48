// Helpers for the Node module tests: load a module, call its members, read
// results and thrown errors back as C++ values.
#pragma once

#include "js_globals.h"
#include "js_node.h"
#include "runtime/jsc_rt_internal.h"

#include <gtest/gtest.h>

#include <string>

inline JsValue nodeModule(const char* name) { return js_node_require(JS_STR(name)); }

// module.member(args...)
template <class... A>
JsValue callMember(const char* module, const char* member, const A&... args) {
    return js_call(js_obj_get_q(nodeModule(module), member), (int)sizeof...(A), args...);
}

inline std::string text(const JsValue& v) { return jsrt_to_string(v); }
inline std::string prop(const JsValue& v, const char* key) { return jsrt_to_string(jsrt_get(v, key)); }

// The value a call throws; a test failure when it returns normally.
template <class F>
JsValue thrownBy(F&& f) {
    try {
        f();
    } catch (const JsThrow& t) {
        return t.value();
    }
    ADD_FAILURE() << "expected a JavaScript exception";
    return JsValue();
}

inline std::string thrownMessage(const JsValue& error) { return prop(error, "message"); }

// The first line an uncaught exception prints (after "Uncaught ").
template <class F>
std::string uncaughtLine(F&& f) {
    try {
        f();
    } catch (const JsThrow& t) {
        return t.what();
    }
    ADD_FAILURE() << "expected a JavaScript exception";
    return "";
}
