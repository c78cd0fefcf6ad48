// Helpers for the runtime tests: build values from JSON text, load Node
// modules and call their members, read results back as C++ strings, and catch
// thrown JavaScript errors.
#pragma once

#include "js_globals.h"
#include "js_node.h"
#include "runtime/jsc_rt_internal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

inline JsValue json(const char* text) { return jsrt_json_parse(text); }
inline std::string str(const JsValue& v) { return jsrt_to_string(v); }
inline std::string inspect(const JsValue& v) { return jsrt_inspect(v); }

// console.log's line for the arguments, without the line feed.
template <class... A>
std::string logLine(const A&... args) {
    const JsValue argv[sizeof...(A) + 1] = {JsValue(args)...};
    return jsrt_format((int)sizeof...(A), argv);
}

// "Name: message" of the JavaScript error a call throws ("" when it returns).
template <class F>
std::string thrownText(F&& f) {
    try {
        f();
    } catch (const JsThrow& t) {
        return t.what();
    }
    return "";
}

// obj.name(args...) through the generated code's method-call entry.
template <class... A>
JsValue method(const JsValue& obj, const char* name, const A&... args) {
    return js_jsc_cm8(obj, JS_STR(name), args...);
}

// Runs a command line through the shell; its standard output and error, and
// the wait status in *status.
inline std::string runProgram(const std::string& command, int* status) {
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    std::string out;
    char buf[256];
    std::size_t n;
    while (p && (n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    *status = p ? pclose(p) : -1;
    return out;
}

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
