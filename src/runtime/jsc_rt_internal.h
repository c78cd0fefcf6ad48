// Internal interface of the runtime library, shared by the core sources and the
// Node module sources. Generated code never includes this header.
//
// Values: every JsValue holds its own reference (see js_value.hpp); functions
// here take `const JsValue&` and return fresh JsValues. Strings are stored as
// UTF-8; JavaScript lengths and indices (UTF-16 code units) are computed by the
// core. This interface only grows: names are never changed or removed.
#pragma once

#include "js_value.hpp"
#include "js_globals.h"

#include <cstddef>
#include <exception>
#include <string>
#include <vector>

// ---- kinds of heap cells --------------------------------------------------------
enum JsCellKind : unsigned char {
    JSK_STRING = 1,
    JSK_OBJECT,
    JSK_ARRAY,
    JSK_FUNCTION,
    JSK_BUFFER,
};

// A native implemented by the runtime: `self` is the receiver of a method call
// (undefined for a plain call), argv holds argc values.
typedef JsValue (*JsRtNative)(const JsValue& self, int argc, const JsValue* argv);

// ---- making values ------------------------------------------------------------
JsValue jsrt_string(const std::string& utf8);
// Takes over the text of a string built for it (no copy).
JsValue jsrt_string(std::string&& utf8);
JsValue jsrt_string(const char* data, std::size_t len);
JsValue jsrt_number(double d);
JsValue jsrt_bool(bool b);
JsValue jsrt_object();
JsValue jsrt_array();
JsValue jsrt_array_from(std::vector<JsValue> items);
JsValue jsrt_array_of_strings(const std::vector<std::string>& items);
JsValue jsrt_buffer(std::vector<unsigned char> bytes);
JsValue jsrt_buffer(const unsigned char* data, std::size_t len);
// A function value; `name` shows in [Function: name] and error texts.
JsValue jsrt_native(const char* name, JsRtNative fn);
// A native that carries state of its own (a value of another engine, say):
// `data` is passed to every call and freed with the function by `free_fn`.
typedef JsValue (*JsRtHostedNative)(void* data, const JsValue& self, int argc, const JsValue* argv);
JsValue jsrt_native_hosted(const char* name, JsRtHostedNative fn, void* data, void (*free_fn)(void*));
// The data of a hosted native made with `expected`; null for any other value.
void* jsrt_hosted_data(const JsValue& fn, JsRtHostedNative expected);

// ---- inspecting values --------------------------------------------------------
bool jsrt_is_undefined(const JsValue& v);
bool jsrt_is_nullish(const JsValue& v);      // undefined or null
bool jsrt_is_number(const JsValue& v);
bool jsrt_is_bool(const JsValue& v);
bool jsrt_is_string(const JsValue& v);
bool jsrt_is_object(const JsValue& v);       // plain object (errors included), not array/function/buffer
bool jsrt_is_array(const JsValue& v);
bool jsrt_is_function(const JsValue& v);
bool jsrt_is_buffer(const JsValue& v);
bool jsrt_is_error(const JsValue& v);
double jsrt_to_number(const JsValue& v);     // ToNumber
std::string jsrt_to_string(const JsValue& v);  // ToString, UTF-8
// The UTF-8 text of a string value (empty for other values).
const std::string& jsrt_str(const JsValue& v);
// Bytes of a Buffer value; null for other values.
std::vector<unsigned char>* jsrt_buffer_bytes(const JsValue& v);
// JavaScript number to text (shortest round trip, 1e+21, -0 as "0").
std::string jsrt_number_to_string(double d);

// ---- arrays -----------------------------------------------------------------
void jsrt_array_push(const JsValue& arr, JsValue v);
std::size_t jsrt_array_length(const JsValue& arr);
JsValue jsrt_array_get(const JsValue& arr, std::size_t i);
// The element vector of an array value; null for other values.
std::vector<JsValue>* jsrt_array_items(const JsValue& arr);
// An array's keys that are no index (a.name = ...), in the order they were added.
std::vector<std::string> jsrt_array_names(const JsValue& arr);

// ---- properties (objects and functions) ---------------------------------------
void jsrt_set(const JsValue& obj, const std::string& key, JsValue v);
JsValue jsrt_get(const JsValue& obj, const std::string& key);  // full JS property read
bool jsrt_has_own(const JsValue& obj, const std::string& key);
std::vector<std::string> jsrt_keys(const JsValue& obj);      // own enumerable keys in JS order
void jsrt_set_native(const JsValue& obj, const char* name, JsRtNative fn);

// Opaque native state attached to an object (a hash context, a handle); freed
// with the object.
void jsrt_set_host(const JsValue& obj, void* data, void (*free_fn)(void*));
void* jsrt_get_host(const JsValue& obj);

// A module object built from a table of natives.
struct JsRtNativeEntry {
    const char* name;
    JsRtNative fn;
};
JsValue jsrt_module(const JsRtNativeEntry* table, std::size_t count);
template <std::size_t N>
JsValue jsrt_module(const JsRtNativeEntry (&table)[N]) { return jsrt_module(table, N); }

// Marks an object as the module `module`: reading a member it lacks yields a
// function that throws Error "orvan: <module>.<name> is not supported".
void jsrt_mark_module(const JsValue& obj, const char* module);

// Installs the native members of the `Orvan` object (GUI builds add some).
void jsc_orvan_native_install(const JsValue& orvan);

// Whether the entry module has a top-level function of this name that the
// by-name dispatcher can call (false in a stripped program).
bool jsrt_entry_function_exists(const std::string& name);

// Prototype object consulted for property reads and method calls on Buffer
// values (filled by the Buffer implementation).
JsValue& jsrt_buffer_prototype();

// ---- calls ------------------------------------------------------------------
JsValue jsrt_call(const JsValue& fn, const JsValue& self, int argc, const JsValue* argv);
JsValue jsrt_arg(int argc, const JsValue* argv, int i);  // argv[i] or undefined

// ---- errors -----------------------------------------------------------------
// The C++ exception that carries a thrown JavaScript value; what() is the
// text Node prints as the error's first line ("TypeError: message").
class JsThrow : public std::runtime_error {
public:
    JsThrow(const JsValue& value, const std::string& text) : std::runtime_error(text), value_(value) {}
    const JsValue& value() const { return value_; }

private:
    JsValue value_;
};

// An error object of a constructor name ("Error", "TypeError", "RangeError",
// "SyntaxError", ...) with `message`; add `code` and the like with jsrt_set.
JsValue jsrt_make_error(const char* ctor, const std::string& message);
[[noreturn]] void jsrt_throw_error(const char* ctor, const std::string& message);
// Node's TypeError [ERR_INVALID_ARG_TYPE] for argument `name` ("The \"callback\"
// argument must be of type function. Received undefined"), for the runtime's
// parts outside the Node modules.
[[noreturn]] void jsrt_throw_arg_type(const std::string& name, const std::string& expected, const JsValue& got);
[[noreturn]] void jsrt_throw_value(const JsValue& error);
// Throws Error "orvan: <module>.<name> is not supported".
[[noreturn]] void jsrt_throw_unsupported(const char* module, const char* name);

// ---- formatting and JSON ---------------------------------------------------------
std::string jsrt_inspect(const JsValue& v);                 // util.inspect defaults
// util.inspect(v, options): depth, breakLength, compact and showHidden.
std::string jsrt_inspect_options(const JsValue& v, const JsValue& options);
std::string jsrt_format(int argc, const JsValue* argv);     // util.format / console.log line
JsValue jsrt_json_parse(const std::string& text);           // throws SyntaxError
std::string jsrt_json_stringify(const JsValue& v, bool* undefined_result);

// ---- text helpers ------------------------------------------------------------------
std::u16string jsrt_utf8_to_utf16(const std::string& s);
std::string jsrt_utf16_to_utf8(const std::u16string& s);
std::size_t jsrt_utf16_length(const std::string& utf8);
// The bytes Node writes for a text: each lone surrogate becomes U+FFFD.
std::string jsrt_utf8_well_formed(const std::string& s);

// ---- uncaught errors -----------------------------------------------------------
// The process module's part in an error nobody caught: `offer` gets the thrown
// value and says whether listeners took it (from main: having run the loop to
// its end too); `fatal` runs as the program ends for one, with its status.
typedef bool (*JsrtUncaughtHook)(const JsValue& error, bool from_main);
typedef void (*JsrtFatalHook)(int status);
void jsrt_set_uncaught_hooks(JsrtUncaughtHook offer, JsrtFatalHook fatal);
bool jsrt_offer_uncaught(std::exception_ptr e, bool from_main);
// Shows the error as uncaught and ends the program with `status`.
[[noreturn]] void jsrt_die_uncaught(std::exception_ptr e, int status);

// ---- process -----------------------------------------------------------------
// argc/argv as given to js_process_init (0 and null before it runs).
int jsrt_argc();
char** jsrt_argv();
