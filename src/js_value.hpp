// Value handles of the Orvan runtime.
//
// Ownership model: a JsValue is itself a reference-counted handle. Primitives
// (undefined, null, booleans, numbers) live inline; strings, objects, arrays,
// functions and buffers live in heap cells that count their holders. Every
// copy of a JsValue holds its own reference and its destructor drops it, so a
// handle that generated code shares without an explicit clone (a module static
// assigned another name's handle, a parameter stored in a static) stays valid
// for as long as any holder keeps it. js_clone_value adds a reference,
// js_dispose_value drops one early and leaves undefined behind. JsOwned is a
// thin owner around one JsValue with the API the generated code expects.
// Reference cycles are not collected; nothing reachable is ever freed.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <stdexcept>
#include <type_traits>
#include <utility>

// Generated code calls free and strcmp. They are declared here rather than
// through <cstring>, which would also declare index() and basename() and so
// clash with JavaScript variables of those names in the generated file scope.
extern "C" void free(void* ptr) noexcept;
extern "C" int strcmp(const char* a, const char* b) noexcept;

class JsOwned;

// The runtime's per-thread tables that inline code reads. Every program links
// the runtime into its executable, so their offsets from the thread pointer
// are fixed at link time: an access is one instruction, with no load of the
// offset first.
#define JS_THREAD_TABLE __thread __attribute__((tls_model("local-exec")))

// Common head of every heap cell; the runtime defines the concrete kinds.
struct JsCell {
    long refs;
    unsigned char kind;
};

// Frees a cell whose count reached zero (defined by the runtime).
void js_cell_free(JsCell* cell) noexcept;

class JsValue;
// A value as its two words, which calls pass and return in registers. The
// slow paths of the inline operators take and give values this way, so a
// temporary they might see never has its address taken and can live in
// registers on the fast path.
struct JsRaw {
    unsigned char tag;
    unsigned long long bits;
};
// Wraps a compiled function (JsOwned parameters, JsOwned result) as a value.
JsValue js_compiled_fn(void (*fp)(), JsValue (*thunk)(void (*)(), int, const JsValue*), int arity);

class JsValue {
public:
    enum Tag : unsigned char { UNDEF = 0, NUL, BOOL, NUM, CELL };

    constexpr JsValue() noexcept : tag_(UNDEF), bits_(0) {}
    JsValue(const JsValue& o) noexcept : tag_(o.tag_), bits_(o.bits_) {
        if (tag_ == CELL) ++cell_->refs;
    }
    JsValue(JsValue&& o) noexcept : tag_(o.tag_), bits_(o.bits_) {
        o.tag_ = UNDEF;
        o.bits_ = 0;
    }
    JsValue& operator=(const JsValue& o) noexcept {
        JsValue tmp(o);
        swap(tmp);
        return *this;
    }
    JsValue& operator=(JsValue&& o) noexcept {
        JsValue tmp(std::move(o));
        swap(tmp);
        return *this;
    }
    ~JsValue() { reset(); }

    // A compiled function named as a value: JsOwned f(JsOwned, ...).
    template <class... P,
              class = std::enable_if_t<(std::is_same<P, JsOwned>::value && ...)>>
    JsValue(JsOwned (*fn)(P...));

    // Calls the value as a function (TypeError when it is not one).
    template <class... A>
    JsOwned operator()(A&&... args) const;

    // Always inline, also on the paths that unwind an exception: a release
    // left as a call there takes the handle's address, and every temporary of
    // the expression then lives in memory on the straight path as well.
    __attribute__((always_inline)) void reset() noexcept {
        if (tag_ == CELL) {
            JsCell* c = cell_;
            tag_ = UNDEF;
            bits_ = 0;
            if (--c->refs == 0) js_cell_free(c);
        }
    }
    // Moves `o` into this handle, which holds undefined: neither side has
    // anything to release, and the caller's compiler sees `o` left empty.
    void fill_from(JsValue& o) noexcept {
        tag_ = o.tag_;
        bits_ = o.bits_;
        o.tag_ = UNDEF;
        o.bits_ = 0;
    }
    void swap(JsValue& o) noexcept {
        std::swap(tag_, o.tag_);
        std::swap(bits_, o.bits_);
    }

    // The two words, without a reference of their own.
    JsRaw raw() const noexcept { return {tag_, bits_}; }
    // Adopts the reference `r` carries.
    static JsValue from_raw(JsRaw r) noexcept { JsValue v; v.tag_ = Tag(r.tag); v.bits_ = r.bits; return v; }
    // Hands this handle's reference on as two words, leaving undefined.
    JsRaw into_raw() noexcept { JsRaw r = raw(); tag_ = UNDEF; bits_ = 0; return r; }

    // Raw access for the runtime library.
    Tag tag() const noexcept { return tag_; }
    double num() const noexcept { return num_; }
    bool boolean() const noexcept { return bits_ != 0; }
    JsCell* cell() const noexcept { return tag_ == CELL ? cell_ : nullptr; }
    static JsValue make_num(double d) noexcept { JsValue v; v.tag_ = NUM; v.num_ = d; return v; }
    static JsValue make_bool(bool b) noexcept { JsValue v; v.tag_ = BOOL; v.bits_ = b; return v; }
    static JsValue make_null() noexcept { JsValue v; v.tag_ = NUL; return v; }
    // Adopts a cell whose count already includes this reference.
    static JsValue adopt(JsCell* c) noexcept { JsValue v; v.tag_ = CELL; v.cell_ = c; return v; }

private:
    // The tag and payload sit inside one union with a plain byte view, so the
    // optimiser's points-to analysis sees each value as one variable rather
    // than two fields. Every top-level variable of a program is a static whose
    // destruction is registered at start-up, and with two fields apiece that
    // analysis took minutes on a program of a few thousand of them.
    union {
        struct {
            Tag tag_;
            // The payload is copied as one 64-bit word, whatever it holds. A
            // boolean fills the whole word: a copy that read 8 bytes just after
            // a 1-byte store would stall on every comparison a loop makes.
            union {
                double num_;
                unsigned long long bits_;
                JsCell* cell_;
            };
        };
        unsigned char whole_[16];
    };
};

// Owner of one value; compiled functions take and return it by value.
class JsOwned {
public:
    constexpr JsOwned() noexcept = default;
    JsOwned(const JsValue& v) noexcept : v_(v) {}
    JsOwned(JsValue&& v) noexcept : v_(std::move(v)) {}
    template <class... P,
              class = std::enable_if_t<(std::is_same<P, JsOwned>::value && ...)>>
    JsOwned(JsOwned (*fn)(P...)) : v_(fn) {}

    static JsOwned from_value(JsValue v) noexcept { return JsOwned(std::move(v)); }
    static JsOwned from_borrowed(const JsValue& v) noexcept { return JsOwned(v); }

    const JsValue& borrow() const noexcept { return v_; }
    JsValue* ptr() noexcept { return &v_; }
    JsOwned clone() const noexcept { return JsOwned(v_); }
    // Hands the value on, leaving undefined.
    JsValue release() noexcept { return std::move(v_); }

    template <class... A>
    JsOwned operator()(A&&... args) const { return v_(std::forward<A>(args)...); }

private:
    JsValue v_;
};

// ---- fresh values -------------------------------------------------------
inline JsValue JS_UNDEFINED() { return JsValue(); }
inline JsValue JS_NULL() { return JsValue::make_null(); }
inline JsValue JS_BOOL(int b) { return JsValue::make_bool(b != 0); }
inline JsValue JS_NUM(double d) { return JsValue::make_num(d); }
// A string from a literal's text. The runtime keeps, per thread, the string
// it made last from each literal address; a literal in read-only memory found
// again at its address is that string, with no call. Everything else (a first
// use, text in writable memory) goes to the runtime.
constexpr std::size_t JS_LITERAL_STRINGS = 1024;
extern JS_THREAD_TABLE JsCell* jsc_literal_strings[JS_LITERAL_STRINGS];
extern JS_THREAD_TABLE const char* jsc_literal_keys[JS_LITERAL_STRINGS];
JsValue js_literal_string(const char* s);
inline JsValue JS_STR(const char* s) {
    const std::size_t at = (std::size_t)s & (JS_LITERAL_STRINGS - 1);
    if (__builtin_expect(s && jsc_literal_keys[at] == s, 1)) {
        JsCell* c = jsc_literal_strings[at];
        ++c->refs;
        return JsValue::adopt(c);
    }
    return js_literal_string(s);
}
// A string literal that holds NUL characters.
JsValue js_str_len(const char* s, std::size_t len);
inline JsValue js_undefined() { return JsValue(); }
JsValue js_str(const char* s);
inline JsValue js_clone_value(const JsValue& v) { return v; }
// A clone of a value about to be dropped (a call's result) is that value.
inline JsValue js_clone_value(JsValue&& v) { return std::move(v); }
inline void js_dispose_value(JsValue* v) { if (v) v->reset(); }

// ToNumber result: a double, whose explicit (long long) cast applies
// JavaScript's ToInt32 as the bitwise operators need.
struct JsNumber {
    double value;
    operator double() const { return value; }
    explicit operator long long() const;
};
JsNumber js_to_num(const JsValue& v);
// Truthiness of a string, object, array, function or buffer.
int js_truthy_cell(const JsCell* c);
inline int js_truthy(const JsValue& v) {
    switch (v.tag()) {
    case JsValue::UNDEF:
    case JsValue::NUL: return 0;
    case JsValue::BOOL: return v.boolean();
    case JsValue::NUM: return v.num() != 0 && v.num() == v.num();  // 0, -0 and NaN are falsy
    default: return js_truthy_cell(v.cell());
    }
}
// ToString as a malloc'ed UTF-8 string that the caller frees.
char* js_to_cstr(const JsValue& v);

// ---- operators ------------------------------------------------------------
// Loops run through these with numbers nearly always, so the number-number case
// is inline and every other case goes to the runtime's general `_any` form,
// which borrows the operands and returns a new reference.
JsRaw js_add_any(JsRaw a, JsRaw b);
JsRaw js_sub_any(JsRaw a, JsRaw b);
JsRaw js_mul_any(JsRaw a, JsRaw b);
JsRaw js_div_any(JsRaw a, JsRaw b);
JsRaw js_mod_any(JsRaw a, JsRaw b);
JsRaw js_eq_any(JsRaw a, JsRaw b);
JsRaw js_lt_any(JsRaw a, JsRaw b);
JsRaw js_lte_any(JsRaw a, JsRaw b);
JsRaw js_gt_any(JsRaw a, JsRaw b);
JsRaw js_gte_any(JsRaw a, JsRaw b);
JsValue js_update_any(JsValue* p, double delta, bool prefix);

namespace js_detail {
// Marked likely, so the compiler lays the number case out as the straight path.
inline bool both_num(const JsValue& a, const JsValue& b) {
    return __builtin_expect(a.tag() == JsValue::NUM && b.tag() == JsValue::NUM, 1);
}
// x % y; whole positive operands, x below 2^64 and y below 2^53, take the
// integer remainder, which equals fmod for them (exactly: the remainder is
// below y) and costs far less; a hashing loop's product is often past 2^53,
// where fmod is slowest. -0 and the rest go to fmod.
inline double mod(double x, double y) {
    if (x > 0 && y > 0 && x < 18446744073709551616.0 && y < 9007199254740992.0) {
        unsigned long long i = (unsigned long long)x, j = (unsigned long long)y;
        if ((double)i == x && (double)j == y) return (double)(i % j);
    }
    return __builtin_fmod(x, y);
}
inline JsValue any(JsRaw (*op)(JsRaw, JsRaw), const JsValue& a, const JsValue& b) {
    return JsValue::from_raw(op(a.raw(), b.raw()));
}
inline JsValue update(JsValue* p, double delta, bool prefix) {
    if (p && p->tag() == JsValue::NUM) {
        double old = p->num();
        *p = JsValue::make_num(old + delta);
        return JsValue::make_num(prefix ? old + delta : old);
    }
    return js_update_any(p, delta, prefix);
}
}  // namespace js_detail

inline JsValue js_add(const JsValue& a, const JsValue& b) {
    return js_detail::both_num(a, b) ? JsValue::make_num(a.num() + b.num()) : js_detail::any(js_add_any, a, b);
}
inline JsValue js_sub(const JsValue& a, const JsValue& b) {
    return js_detail::both_num(a, b) ? JsValue::make_num(a.num() - b.num()) : js_detail::any(js_sub_any, a, b);
}
inline JsValue js_mul(const JsValue& a, const JsValue& b) {
    return js_detail::both_num(a, b) ? JsValue::make_num(a.num() * b.num()) : js_detail::any(js_mul_any, a, b);
}
inline JsValue js_div(const JsValue& a, const JsValue& b) {
    return js_detail::both_num(a, b) ? JsValue::make_num(a.num() / b.num()) : js_detail::any(js_div_any, a, b);
}
inline JsValue js_mod(const JsValue& a, const JsValue& b) {
    return js_detail::both_num(a, b) ? JsValue::make_num(js_detail::mod(a.num(), b.num())) : js_detail::any(js_mod_any, a, b);
}
JsValue js_pow(const JsValue& a, const JsValue& b);
inline JsValue js_eq(const JsValue& a, const JsValue& b) {
    return js_detail::both_num(a, b) ? JsValue::make_bool(a.num() == b.num()) : js_detail::any(js_eq_any, a, b);
}
inline JsValue js_neq(const JsValue& a, const JsValue& b) {
    return JsValue::make_bool(!js_eq(a, b).boolean());
}
inline JsValue js_lt(const JsValue& a, const JsValue& b) {
    return js_detail::both_num(a, b) ? JsValue::make_bool(a.num() < b.num()) : js_detail::any(js_lt_any, a, b);
}
inline JsValue js_lte(const JsValue& a, const JsValue& b) {
    return js_detail::both_num(a, b) ? JsValue::make_bool(a.num() <= b.num()) : js_detail::any(js_lte_any, a, b);
}
inline JsValue js_gt(const JsValue& a, const JsValue& b) {
    return js_detail::both_num(a, b) ? JsValue::make_bool(a.num() > b.num()) : js_detail::any(js_gt_any, a, b);
}
inline JsValue js_gte(const JsValue& a, const JsValue& b) {
    return js_detail::both_num(a, b) ? JsValue::make_bool(a.num() >= b.num()) : js_detail::any(js_gte_any, a, b);
}
// == and != (=== and !== are js_eq and js_neq).
JsValue js_loose_eq(const JsValue& a, const JsValue& b);
JsValue js_loose_neq(const JsValue& a, const JsValue& b);
inline JsValue js_and(const JsValue& a, const JsValue& b) { return js_truthy(a) ? b : a; }
inline JsValue js_or(const JsValue& a, const JsValue& b) { return js_truthy(a) ? a : b; }
inline JsValue js_not(const JsValue& a) { return JsValue::make_bool(!js_truthy(a)); }
JsValue js_neg(const JsValue& a);
JsValue js_typeof(const JsValue& a);
inline JsValue js_preinc(JsValue* p) { return js_detail::update(p, 1, true); }
inline JsValue js_postinc(JsValue* p) { return js_detail::update(p, 1, false); }
inline JsValue js_predec(JsValue* p) { return js_detail::update(p, -1, true); }
inline JsValue js_postdec(JsValue* p) { return js_detail::update(p, -1, false); }
// Unary + and ~ are written by the generator as C++ operators.
JsValue operator+(const JsValue& a);
JsValue operator~(const JsValue& a);

// ---- call depth ---------------------------------------------------------------
// Every compiled function and every call through a function value first checks
// that its frame lies above the thread's stack floor, so runaway recursion ends
// in a catchable RangeError long before the stack itself runs out. A thread
// that never set a floor (null) is not checked.
extern JS_THREAD_TABLE const char* jsc_stack_floor;
[[noreturn]] void js_stack_exhausted();
// The stack pointer is read directly: asking for the frame address would make
// every function keep a frame pointer only for this test.
inline void js_stack_check() {
#if defined(__x86_64__)
    const char* sp;
    __asm__("mov %%rsp, %0" : "=r"(sp));
#elif defined(__aarch64__)
    const char* sp;
    __asm__("mov %0, sp" : "=r"(sp));
#else
    const char* sp = static_cast<const char*>(__builtin_frame_address(0));
#endif
    if (sp < jsc_stack_floor) js_stack_exhausted();
}

// ---- objects, functions, calls ----------------------------------------------
JsValue js_obj_new();

// Reads and writes of a property named by a string literal run in every loop,
// so their common case is inline: the runtime keeps per-thread hints, keyed by
// (literal address, shape), of the slot a key has in objects of one layout and
// of the layout that adding the key leads to. These tables hold only hints
// that cannot go stale (neither the literal nor the layout can change), so a
// match is taken as it is; everything else goes to the runtime's general
// forms. The hits are marked likely, so they are the straight path through a
// loop.
struct JsShape;
// The start of every plain object cell (the runtime's cells extend it).
struct JsObjectHead : JsCell {
    JsShape* shape;   // the keys, in property order
    JsValue* slots;   // the values, in the shape's key order
    unsigned room;    // slots available; those past the last value hold undefined
};
struct JsSlotHint {
    const char* key;
    const JsShape* shape;
    std::size_t slot;
};
struct JsStepHint {
    const char* key;
    const JsShape* from;
    JsShape* to;
    std::size_t slot;  // where the new value goes: the number of keys of `from`
};
constexpr unsigned char JS_OBJECT_KIND = 2;
constexpr std::size_t JS_KEY_HINTS = 512;
extern JS_THREAD_TABLE JsSlotHint jsc_slot_hints[JS_KEY_HINTS];
extern JS_THREAD_TABLE JsStepHint jsc_step_hints[JS_KEY_HINTS];
inline std::size_t js_key_hint(const char* key, const JsShape* s) {
    return ((std::size_t)key ^ ((std::size_t)s >> 4)) & (JS_KEY_HINTS - 1);
}
// The general forms give values, and take the value written, as two words
// (see JsRaw), so those of the inline fast paths never need an address of
// their own. A read returns a new reference; a write adopts `value`.
JsRaw js_obj_get_literal(const JsValue& obj, const char* key);
void js_obj_set_literal(JsValue* obj, const char* key, JsRaw value);

// The start of every string cell: its length in UTF-16 code units, kept
// current for pending concatenations too, so `s.length` reads one word.
struct JsStringHead : JsCell {
    std::size_t u16len = 0;
    bool ascii = false;  // every byte is below 0x80, so a byte is a code unit
    // Which String.prototype method this text names, found the first time a
    // call uses it as a method name (0: not looked up yet). A literal name's
    // cell is reused, so a call in a loop looks the name up once.
    unsigned char method_id = 0;
};
constexpr unsigned char JS_STRING_KIND = 1;
// The String.prototype methods that ASCII text runs without the general
// method call, by the number a name cell remembers (null: only the general
// call has it). A method gives its result as two words, or the tag
// JS_NOT_DONE when its arguments need the general call after all.
typedef JsRaw (*JsAsciiMethod)(const JsStringHead* text, int argc, const JsValue* argv);
constexpr std::size_t JS_STRING_METHOD_SLOTS = 32;
constexpr unsigned char JS_NOT_DONE = 0xFF;
extern const JsAsciiMethod jsc_ascii_methods[JS_STRING_METHOD_SLOTS];
// Whether the key is the literal "length", decided while compiling: a key the
// compiler cannot see (the function not inlined) answers false and costs nothing.
inline bool js_length_key(const char* key) {
    return __builtin_constant_p(__builtin_strcmp(key, "length")) && __builtin_strcmp(key, "length") == 0;
}

// What inline code reads of an array cell: its dense elements, as the three
// words of the runtime's std::vector<JsValue> (the runtime checks that layout
// where it defines the cell), and whether it has a sparse tail, whose arrays
// are longer than their dense part. The vector itself is not named here, as
// <vector> would add to the compile time of every program.
struct JsArrayView : JsCell {
    const JsValue* first;
    const JsValue* last;
    const JsValue* room;
    const void* tail;
    const void* named;  // properties under keys that are no index
};
constexpr unsigned char JS_ARRAY_KIND = 3;
inline const JsArrayView* js_array_view(const JsValue& v) {
    return v.tag() == JsValue::CELL && v.cell()->kind == JS_ARRAY_KIND ? reinterpret_cast<const JsArrayView*>(v.cell()) : nullptr;
}

// obj[key]: an index inside an array's dense part, what loops over an array
// read, is inline; everything else goes to the runtime.
JsRaw js_obj_get_any(const JsValue& obj, const JsValue& key);  // a new reference
inline JsValue js_obj_get(const JsValue& obj, const JsValue& key) {
    if (__builtin_expect(key.tag() == JsValue::NUM, 1)) {
        if (const JsArrayView* a = js_array_view(obj)) {
            // Indices are below 2^32, so the whole test is one 32-bit conversion and compare.
            const double d = key.num();
            if (d >= 0 && d < 4294967296.0) {
                const unsigned i = (unsigned)d;
                if (i == d && i < (std::size_t)(a->last - a->first)) return a->first[i];
            }
        }
    }
    return JsValue::from_raw(js_obj_get_any(obj, key));
}

inline JsValue js_obj_get_q(const JsValue& obj, const char* key) {
    if (__builtin_expect(obj.tag() == JsValue::CELL && obj.cell()->kind == JS_OBJECT_KIND, 1)) {
        const JsObjectHead* o = static_cast<const JsObjectHead*>(obj.cell());
        const JsSlotHint& h = jsc_slot_hints[js_key_hint(key, o->shape)];
        if (__builtin_expect(h.key == key && h.shape == o->shape, 1)) return o->slots[h.slot];
    } else if (js_length_key(key) && obj.tag() == JsValue::CELL) {
        // Lengths are far below 2^53: the conversions are exact.
        if (obj.cell()->kind == JS_STRING_KIND)
            return JsValue::make_num((double)(long long)static_cast<const JsStringHead*>(obj.cell())->u16len);
        if (obj.cell()->kind == JS_ARRAY_KIND) {
            const JsArrayView* a = reinterpret_cast<const JsArrayView*>(obj.cell());
            if (!a->tail) return JsValue::make_num((double)(a->last - a->first));
        }
    }
    return JsValue::from_raw(js_obj_get_literal(obj, key));
}
// Adopts the value; the value a property held before is dropped.
inline void js_obj_set(JsValue* obj, const char* key, JsValue value) {
    if (__builtin_expect(obj && obj->tag() == JsValue::CELL && obj->cell()->kind == JS_OBJECT_KIND, 1)) {
        JsObjectHead* o = static_cast<JsObjectHead*>(obj->cell());
        const std::size_t at = js_key_hint(key, o->shape);
        const JsSlotHint& h = jsc_slot_hints[at];
        if (h.key == key && h.shape == o->shape) {
            o->slots[h.slot].swap(value);
            return;
        }
        const JsStepHint& step = jsc_step_hints[at];
        if (step.key == key && step.from == o->shape && step.slot < o->room) {
            o->shape = step.to;
            o->slots[step.slot].fill_from(value);  // undefined before
            return;
        }
    }
    js_obj_set_literal(obj, key, value.into_raw());
}
// obj[key] = value with a key computed at run time (adopts the value).
void js_obj_set_computed(JsValue* obj, const JsValue& key, JsValue value);
// `key in obj`, `value instanceof ctor` and `delete obj[key]`.
JsValue js_in(const JsValue& key, const JsValue& obj);
JsValue js_instanceof(const JsValue& value, const JsValue& ctor);
JsValue js_delete(const JsValue& obj, const JsValue& key);
// `throw value`: a catch clause receives the value itself.
[[noreturn]] void js_throw(const JsValue& value);
// A name that nothing declares: throws ReferenceError "<name> is not defined".
[[noreturn]] JsValue js_not_defined(const char* name);
// A function expression's native; `length` is what the function reports as fn.length.
JsValue js_native_fn(JsValue (*fn)(int, JsValue*), int length = 0);
// A function expression's native with the name the function carries.
JsValue js_native_fn_named(JsValue (*fn)(int, JsValue*), const char* name, int length = 0);
// The JavaScript name of a compiled function whose C++ name differs (module functions, renamed names).
void js_name_compiled_fn(void (*fp)(), const char* name);
// The length of a compiled function whose parameter count does not give it (parameters with defaults).
void js_length_compiled_fn(void (*fp)(), int length);

// Array-taking entry points behind the variadic templates.
JsValue js_call_argv(const JsValue& fn, int argc, const JsValue* argv);
JsValue js_method_call_argv(const JsValue& obj, const JsValue& name, int argc, const JsValue* argv);
// A method call with the caller's own argument values lent for the call: the
// array holds their two words and no references of its own, so passing them
// costs no count changes (the runtime takes references where the call could
// run code that drops the originals).
JsValue js_method_call_lent(const JsValue& obj, const JsValue& name, int argc, const JsRaw* argv);

namespace js_detail {
inline const JsValue& as_value(const JsValue& v) { return v; }
inline const JsValue& as_value(const JsOwned& v) { return v.borrow(); }
template <class... P>
JsValue as_value(JsOwned (*fn)(P...)) { return JsValue(fn); }

template <class... A>
JsValue call(const JsValue& fn, const A&... args) {
    const JsValue argv[sizeof...(A) + 1] = {JsValue(as_value(args))...};
    return js_call_argv(fn, (int)sizeof...(A), argv);
}
template <std::size_t N>
struct LentArgs {
    JsRaw words[N + 1];
};
// A method of ASCII text, called by a name that already knows which method
// it names (a literal name in a loop) and with arguments whose conversions
// run no code of the program, is called here straight away: the runtime's
// general method call would only find the same method again. Such a method
// cannot drop the receiver or an argument, so it reads them as lent.
inline JsValue method_lent(const JsValue& obj, const JsValue& name, int argc, const JsRaw* argv) {
    if (obj.tag() == JsValue::CELL && obj.cell()->kind == JS_STRING_KIND && name.tag() == JsValue::CELL &&
        name.cell()->kind == JS_STRING_KIND) {
        const JsStringHead* text = static_cast<const JsStringHead*>(obj.cell());
        const JsAsciiMethod fast = jsc_ascii_methods[static_cast<const JsStringHead*>(name.cell())->method_id];
        bool plain = text->ascii && fast;
        for (int i = 0; plain && i < argc; ++i)
            plain = argv[i].tag != JsValue::CELL || reinterpret_cast<const JsCell*>(argv[i].bits)->kind == JS_STRING_KIND;
        if (plain) {
            const JsRaw r = fast(text, argc, reinterpret_cast<const JsValue*>(argv));
            if (__builtin_expect(r.tag != JS_NOT_DONE, 1)) return JsValue::from_raw(r);
        }
    }
    return js_method_call_lent(obj, name, argc, argv);
}
// One expression, so the values lent (a compiled function's value made for
// the call among them) outlive the call.
template <class... A>
JsValue method(const JsValue& obj, const JsValue& name, const A&... args) {
    return method_lent(obj, name, (int)sizeof...(A), LentArgs<sizeof...(A)>{{as_value(args).raw()...}}.words);
}

template <class... P, std::size_t... I>
JsValue invoke_compiled(JsOwned (*f)(P...), int argc, const JsValue* argv, std::index_sequence<I...>) {
    return f(JsOwned((int)I < argc ? argv[I] : JsValue())...).release();
}
template <class... P>
JsValue compiled_thunk(void (*fp)(), int argc, const JsValue* argv) {
    return invoke_compiled(reinterpret_cast<JsOwned (*)(P...)>(fp), argc, argv,
                           std::index_sequence_for<P...>{});
}
}  // namespace js_detail

template <class... P, class>
JsValue::JsValue(JsOwned (*fn)(P...)) : JsValue() {
    *this = js_compiled_fn(reinterpret_cast<void (*)()>(fn), &js_detail::compiled_thunk<P...>,
                           (int)sizeof...(P));
}

template <class... A>
JsOwned JsValue::operator()(A&&... args) const {
    return JsOwned::from_value(js_detail::call(*this, args...));
}

// js_call(fn, argc, values...): argc is the number of values that follow.
template <class... A>
JsValue js_call(const JsValue& fn, int argc, const A&... args) {
    (void)argc;
    return js_detail::call(fn, args...);
}

// Method calls with the object as `this`; the digit is the argument count.
template <class... A>
JsValue js_jsc_cm0(const JsValue& o, const JsValue& n, const A&... a) { return js_detail::method(o, n, a...); }
template <class... A>
JsValue js_jsc_cm1(const JsValue& o, const JsValue& n, const A&... a) { return js_detail::method(o, n, a...); }
template <class... A>
JsValue js_jsc_cm2(const JsValue& o, const JsValue& n, const A&... a) { return js_detail::method(o, n, a...); }
template <class... A>
JsValue js_jsc_cm3(const JsValue& o, const JsValue& n, const A&... a) { return js_detail::method(o, n, a...); }
template <class... A>
JsValue js_jsc_cm4(const JsValue& o, const JsValue& n, const A&... a) { return js_detail::method(o, n, a...); }
template <class... A>
JsValue js_jsc_cm5(const JsValue& o, const JsValue& n, const A&... a) { return js_detail::method(o, n, a...); }
template <class... A>
JsValue js_jsc_cm6(const JsValue& o, const JsValue& n, const A&... a) { return js_detail::method(o, n, a...); }
template <class... A>
JsValue js_jsc_cm7(const JsValue& o, const JsValue& n, const A&... a) { return js_detail::method(o, n, a...); }
template <class... A>
JsValue js_jsc_cm8(const JsValue& o, const JsValue& n, const A&... a) { return js_detail::method(o, n, a...); }

// ---- console --------------------------------------------------------------
JsValue js_console_write(int fd, int argc, const JsValue* argv);

namespace js_detail {
template <class... A>
JsValue console(int fd, const A&... args) {
    const JsValue argv[sizeof...(A) + 1] = {JsValue(as_value(args))...};
    return js_console_write(fd, (int)sizeof...(A), argv);
}
}  // namespace js_detail

// console.log / console.error(argc, values...): argc is the number of values.
template <class... A>
JsValue js_console_log(int argc, const A&... args) {
    (void)argc;
    return js_detail::console(1, args...);
}
template <class... A>
JsValue js_console_error(int argc, const A&... args) {
    (void)argc;
    return js_detail::console(2, args...);
}
