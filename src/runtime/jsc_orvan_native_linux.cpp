// Members of the `Orvan` object in web-view builds: the compiled program's
// way to talk to the page of the window that window.open has open.
//
//   Orvan.emit(payload) / Orvan.emit(name, payload)
//       dispatches the DOM CustomEvent "orvan-backend" on the page's window;
//       its detail holds payloadB64 (Base64 of the payload's UTF-8 text; a
//       payload that is not a string is sent as its JSON) and, with two
//       arguments, name.
//   Orvan.eval(js)   runs a script in the page.
//   Orvan.close()    closes the window.
//
// Each returns true when a window was open to receive it, false otherwise, so
// a timer that fires after the window closed does no harm.

// Built installations carry this source as assembly, made once at build time.
#if __has_include("prebuilt/jsc_orvan_native_linux.select.inc")
#include "prebuilt/jsc_orvan_native_linux.select.inc"
#endif
#ifndef JSC_RUNTIME_ASSEMBLED
#include <glib.h>

#include "runtime/jsc_rt_internal.h"
#include "runtime/webview/webview.h"

namespace {

std::string payloadText(const JsValue& v) {
    if (jsrt_is_string(v)) return jsrt_str(v);
    bool undefinedResult = false;
    std::string json = jsrt_json_stringify(v, &undefinedResult);
    return undefinedResult ? std::string() : json;
}

std::string base64(const std::string& bytes) {
    gchar* enc = g_base64_encode(reinterpret_cast<const guchar*>(bytes.data()), bytes.size());
    std::string out = enc;
    g_free(enc);
    return out;
}

// A JavaScript string literal of `text` (JSON's string form is one).
std::string jsLiteral(const std::string& text) {
    bool undefinedResult = false;
    return jsrt_json_stringify(jsrt_string(text), &undefinedResult);
}

JsValue orvanEmit(const JsValue&, int argc, const JsValue* argv) {
    std::string detail = "{";
    JsValue payload = jsrt_arg(argc, argv, 0);
    if (argc >= 2) {
        detail += "name:" + jsLiteral(jsrt_to_string(argv[0])) + ",";
        payload = argv[1];
    }
    detail += "payloadB64:" + jsLiteral(base64(payloadText(payload))) + "}";
    return jsrt_bool(jsrt_webview_run_script(
        "window.dispatchEvent(new CustomEvent('orvan-backend',{detail:" + detail + "}));"));
}

JsValue orvanEval(const JsValue&, int argc, const JsValue* argv) {
    JsValue js = jsrt_arg(argc, argv, 0);
    if (!jsrt_is_string(js))
        jsrt_throw_error("TypeError", "Orvan.eval expects the script as a string. Received " + jsrt_inspect(js));
    return jsrt_bool(jsrt_webview_run_script(jsrt_str(js)));
}

JsValue orvanClose(const JsValue&, int, const JsValue*) { return jsrt_bool(jsrt_webview_close()); }

}  // namespace

void jsc_orvan_native_install(const JsValue& orvan) {
    jsrt_set(orvan, "emit", jsrt_native("emit", orvanEmit));
    jsrt_set(orvan, "eval", jsrt_native("eval", orvanEval));
    jsrt_set(orvan, "close", jsrt_native("close", orvanClose));
}

#endif  // JSC_RUNTIME_ASSEMBLED
