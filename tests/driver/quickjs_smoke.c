#include <stdio.h>

#include "quickjs.h"

int main(void) {
    JSRuntime* rt = JS_NewRuntime();
    JSContext* ctx = JS_NewContext(rt);
    JSValue v = JS_Eval(ctx, "1+2", 3, "<smoke>", JS_EVAL_TYPE_GLOBAL);
    int32_t n = 0;
    JS_ToInt32(ctx, &n, v);
    printf("%d\n", n);
    JS_FreeValue(ctx, v);
    JS_FreeContext(ctx);
    JS_FreeRuntime(rt);
    return 0;
}
