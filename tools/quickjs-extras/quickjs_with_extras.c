/* The engine's object file, built from its source together with accessors
   its public header lacks. They need the engine's private structures, so
   they are compiled in the same translation unit. The build compiles it
   against a copy of quickjs.c made by patch_engine.sh. */

/* Strings built piece by piece. A concatenation longer than a few hundred
   bytes gets half its length again as room, and `s += x` on a local whose
   string nobody else holds writes into that room, so building a string of n
   characters costs n, not n squared. */
#define JSC_ALLOC_CONCAT_RESULT(ctx, len, is_wide_char)                              \
    ({                                                                                 \
        uint32_t jsc_room = (len) < 256 ? (len) : (len) + (len) / 2;                   \
        if (jsc_room > JS_STRING_LEN_MAX) jsc_room = JS_STRING_LEN_MAX;                \
        JSString *jsc_p = js_alloc_string(ctx, jsc_room, is_wide_char);                \
        if (jsc_p) jsc_p->len = (len);                                                 \
        jsc_p;                                                                         \
    })

/* Only a plain string (not an atom's) is written into; the local keeps its
   string when the append fails (an exception leaves the variable as it was). */
#define JSC_APPEND_TO_LOCAL(ctx, pv, op)                                               \
    ({                                                                                 \
        JSValue jsc_r;                                                                 \
        JSString *jsc_p1 = JS_VALUE_GET_STRING(*(pv));                                 \
        JSString *jsc_p2 = JS_VALUE_GET_TAG(op) == JS_TAG_STRING ? JS_VALUE_GET_STRING(op) : NULL; \
        if (jsc_p2 && jsc_p1->header.ref_count == 1 && jsc_p1->atom_type == 0 &&       \
            jsc_p1->is_wide_char >= jsc_p2->is_wide_char &&                           \
            jsc_p1->len + jsc_p2->len <= JS_STRING_LEN_MAX &&                          \
            js_malloc_usable_size(ctx, jsc_p1) >= sizeof(*jsc_p1) +                    \
                ((jsc_p1->len + jsc_p2->len) << jsc_p1->is_wide_char) + 1 - jsc_p1->is_wide_char) { \
            if (jsc_p1->is_wide_char)                                                  \
                copy_str16(jsc_p1->u.str16 + jsc_p1->len, jsc_p2, 0, jsc_p2->len);     \
            else                                                                       \
                memcpy(jsc_p1->u.str8 + jsc_p1->len, jsc_p2->u.str8, jsc_p2->len);     \
            jsc_p1->len += jsc_p2->len;                                                \
            if (!jsc_p1->is_wide_char) jsc_p1->u.str8[jsc_p1->len] = '\0';             \
            JS_FreeValue(ctx, op);                                                     \
            jsc_r = JS_DupValue(ctx, *(pv));                                           \
        } else {                                                                       \
            jsc_r = JS_ConcatString(ctx, JS_DupValue(ctx, *(pv)), op);                 \
        }                                                                              \
        jsc_r;                                                                         \
    })

/* Map keys. When either key is an object, SameValueZero is identity, so the
   address answers; the general comparison takes and drops a reference to both
   keys, which writes to the object of every record on the bucket's chain
   (Babel's path caches are maps keyed by syntax-tree nodes, a cache miss each). */
#define JSC_MAP_KEY_MATCHES(ctx, a, b)                                                 \
    (JS_VALUE_GET_TAG(a) == JS_TAG_OBJECT || JS_VALUE_GET_TAG(b) == JS_TAG_OBJECT      \
         ? JS_VALUE_GET_TAG(a) == JS_VALUE_GET_TAG(b) && JS_VALUE_GET_PTR(a) == JS_VALUE_GET_PTR(b) \
         : js_same_value_zero(ctx, a, b))

/* Property arrays. Growing by half from two slots gives 2, 3, 4, 6, 9, 13, 19:
   an object with 7 properties has 9 slots, one with 14 has 19, and Babel keeps
   millions of such objects (syntax-tree nodes, paths) alive at once. Up to 16
   slots the array takes exactly what it holds (the front end's heap has a size
   class for every slot count up to there); the copy that growing by one costs
   is paid once per property, while the object is being made. */
#define JSC_PROP_ARRAY_GROWTH(count, size)                                             \
    ((count) <= 16 ? (uint32_t)(count) : (uint32_t)max_int((count), (size) * 3 / 2))

#include "quickjs.c"

/* A promise's state: 0 pending, 1 fulfilled, 2 rejected, -1 for any other
   value. A settled promise's result is stored (a new reference) in *result. */
int jsc_qjs_promise_state(JSContext *ctx, JSValueConst promise, JSValue *result)
{
    JSPromiseData *s = JS_GetOpaque(promise, JS_CLASS_PROMISE);
    if (!s)
        return -1;
    if (s->promise_state == JS_PROMISE_PENDING)
        return 0;
    *result = JS_DupValue(ctx, s->promise_result);
    return s->promise_state == JS_PROMISE_FULFILLED ? 1 : 2;
}
