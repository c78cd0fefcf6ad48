/* The engine's object file, built from its source together with accessors
   its public header lacks. They need the engine's private structures, so
   they are compiled in the same translation unit. */
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
