/* The engine's training run: loads the front end's parser and transformer
   from their text and runs them over a sample program as the compiler does
   (transform, then parse the result), so that the engine can then be
   compiled with the branch and call counts this run leaves behind.
   Usage: train_engine <esprima.js> <babel.min.js> <sample.js> */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "quickjs.h"

static char *read_file(const char *path, size_t *len)
{
    FILE *f = fopen(path, "rb");
    char *buf = NULL;
    long size;
    if (!f)
        return NULL;
    if (fseek(f, 0, SEEK_END) == 0 && (size = ftell(f)) >= 0 && fseek(f, 0, SEEK_SET) == 0 &&
        (buf = malloc((size_t)size + 1)) != NULL) {
        *len = fread(buf, 1, (size_t)size, f);
        buf[*len] = '\0';
    }
    fclose(f);
    return buf;
}

static int run(JSContext *ctx, const char *code, size_t len, const char *name)
{
    JSValue v = JS_Eval(ctx, code, len, name, 0);
    if (JS_IsException(v)) {
        JSValue e = JS_GetException(ctx);
        const char *text = JS_ToCString(ctx, e);
        fprintf(stderr, "train_engine: %s: %s\n", name, text ? text : "exception");
        JS_FreeCString(ctx, text);
        JS_FreeValue(ctx, e);
        return -1;
    }
    JS_FreeValue(ctx, v);
    return 0;
}

static int run_file(JSContext *ctx, const char *path)
{
    size_t len = 0;
    char *text = read_file(path, &len);
    int rc;
    if (!text) {
        fprintf(stderr, "train_engine: cannot read %s\n", path);
        return -1;
    }
    rc = run(ctx, text, len, path);
    free(text);
    return rc;
}

static const char shim[] =
    "if (typeof globalThis==='undefined'){var globalThis=this;}"
    "if(typeof console==='undefined'){var console={log:function(){},error:function(){},"
    "warn:function(){},info:function(){},debug:function(){}};}";

static const char work[] =
    "var out = Babel.transform(sample, { presets: [['env', { targets: { ie: '11' }, loose: true }]],"
    " compact: false }).code;"
    "JSON.stringify(esprima.parseScript(out));";

int main(int argc, char **argv)
{
    JSRuntime *rt;
    JSContext *ctx;
    size_t len = 0;
    char *sample;
    int rc = 1;

    if (argc != 4) {
        fprintf(stderr, "usage: train_engine <esprima.js> <babel.min.js> <sample.js>\n");
        return 2;
    }
    sample = read_file(argv[3], &len);
    rt = JS_NewRuntime();
    ctx = rt ? JS_NewContext(rt) : NULL;
    if (!sample || !ctx) {
        fprintf(stderr, "train_engine: cannot start (%s)\n", sample ? "engine" : argv[3]);
        return 1;
    }
    JS_SetMaxStackSize(rt, 4 << 20);
    JS_SetGCThreshold(rt, SIZE_MAX);
    if (run_file(ctx, argv[1]) == 0 && run(ctx, shim, strlen(shim), "<shim>") == 0 &&
        run_file(ctx, argv[2]) == 0) {
        JSValue global = JS_GetGlobalObject(ctx);
        JS_SetPropertyStr(ctx, global, "sample", JS_NewStringLen(ctx, sample, len));
        JS_FreeValue(ctx, global);
        rc = run(ctx, work, strlen(work), "<work>") == 0 ? 0 : 1;
    }
    free(sample);
    JS_FreeContext(ctx);
    JS_FreeRuntime(rt);
    return rc;
}
