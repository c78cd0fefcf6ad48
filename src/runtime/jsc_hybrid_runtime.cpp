// The island of a hybrid program: its bundle runs in the engine's Node
// environment beside the compiled core, and calls the entry module's
// compiled functions by name through the global `orvan`:
//
//   orvan.callNative(name, payload)  ->  the function's result
//
// The payload reaches the compiled function as its JSON text (a string);
// the result comes back as a value. A name that names no function of the
// entry module is a TypeError.

// Built installations carry this source as assembly, made once at build time.
#if __has_include("prebuilt/jsc_hybrid_runtime.select.inc")
#include "prebuilt/jsc_hybrid_runtime.select.inc"
#endif
#ifndef JSC_RUNTIME_ASSEMBLED
#include "runtime/engine/engine.h"
#include "runtime/engine/node_environment.h"
#include "runtime/jsc_runtime.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include <elf.h>
#include <unistd.h>

namespace {

// The entry module's functions (and function-valued statics) as the program's
// symbol table names them: "_Z<len><name>" (with "L" for file-local ones)
// followed by the parameters, "v" or "7JsOwned". The dispatcher answers
// undefined for a name it does not know, so this is how an unknown name is
// told from a function that returned nothing. A stripped program has no
// table: every name is tried.
struct EntryNames {
    bool known = false;
    std::unordered_set<std::string> names;
};

void add_symbol(EntryNames& out, const char* sym) {
    if (std::strncmp(sym, "_Z", 2) != 0) return;
    const char* p = sym + 2;
    if (*p == 'L') ++p;
    char* end = nullptr;
    long len = std::strtol(p, &end, 10);
    if (len <= 0 || end == p || (long)std::strlen(end) < len) return;
    std::string name(end, (std::size_t)len);
    const char* rest = end + len;
    if (*rest == '\0' || *rest == 'v' || std::strncmp(rest, "7JsOwned", 8) == 0) out.names.insert(name);
}

const EntryNames& entry_names() {
    static EntryNames* names = nullptr;
    if (names) return *names;
    names = new EntryNames();  // lives for the whole run
    FILE* f = std::fopen("/proc/self/exe", "rb");
    if (!f) return *names;
    std::string image;
    char buf[65536];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) image.append(buf, n);
    std::fclose(f);
    if (image.size() < sizeof(Elf64_Ehdr) || std::memcmp(image.data(), ELFMAG, SELFMAG) != 0) return *names;
    Elf64_Ehdr eh;
    std::memcpy(&eh, image.data(), sizeof eh);
    if (eh.e_shoff == 0 || eh.e_shoff + (uint64_t)eh.e_shnum * sizeof(Elf64_Shdr) > image.size()) return *names;
    std::vector<Elf64_Shdr> sections(eh.e_shnum);
    std::memcpy(sections.data(), image.data() + eh.e_shoff, eh.e_shnum * sizeof(Elf64_Shdr));
    for (const Elf64_Shdr& sh : sections) {
        if (sh.sh_type != SHT_SYMTAB || sh.sh_link >= sections.size()) continue;
        const Elf64_Shdr& strtab = sections[sh.sh_link];
        if (sh.sh_offset + sh.sh_size > image.size() || strtab.sh_offset + strtab.sh_size > image.size()) continue;
        names->known = true;
        for (uint64_t off = 0; off + sizeof(Elf64_Sym) <= sh.sh_size; off += sizeof(Elf64_Sym)) {
            Elf64_Sym sym;
            std::memcpy(&sym, image.data() + sh.sh_offset + off, sizeof sym);
            int type = ELF64_ST_TYPE(sym.st_info);
            if ((type != STT_FUNC && type != STT_OBJECT) || sym.st_name >= strtab.sh_size) continue;
            add_symbol(*names, image.data() + strtab.sh_offset + sym.st_name);
        }
    }
    return *names;
}

JSValue call_native(JSContext* ctx, JSValueConst, int argc, JSValueConst* argv) {
    if (argc < 1 || !JS_IsString(argv[0]))
        return JS_ThrowTypeError(ctx, "orvan.callNative: the function name must be a string");
    std::string name = jsc_engine_string(ctx, argv[0]);
    JsAotDispatch dispatch = jsc_hybrid_get_aot_dispatch();
    const EntryNames& names = entry_names();
    if (!dispatch || name.empty() || (names.known && !names.names.count(name)))
        return JS_ThrowTypeError(ctx, "orvan.callNative: no compiled function named '%s'", name.c_str());
    // The payload travels as JSON text; a string payload is taken as JSON text already.
    std::string json;
    if (argc > 1 && JS_IsString(argv[1])) {
        json = jsc_engine_string(ctx, argv[1]);
    } else if (argc > 1 && !JS_IsUndefined(argv[1])) {
        JSValue text = JS_JSONStringify(ctx, argv[1], JS_UNDEFINED, JS_UNDEFINED);
        if (JS_IsException(text)) return text;
        json = jsc_engine_string(ctx, text);
        JS_FreeValue(ctx, text);
    }
    try {
        JsValue result = dispatch(name.c_str(), json.c_str());
        return jsc_engine_from_compiled(ctx, result);
    } catch (...) {
        return jsc_engine_throw_current(ctx);
    }
}

const JSCFunctionListEntry kOrvanFunctions[] = {
    JS_CFUNC_DEF("callNative", 2, call_native),
};

}  // namespace

void jsc_hybrid_boot_island(const unsigned char* bundle, unsigned long long len) {
    JSContext* ctx = jsc_engine_context();
    JSValue global = JS_GetGlobalObject(ctx);
    JSValue orvan = JS_NewObject(ctx);
    JS_SetPropertyFunctionList(ctx, orvan, kOrvanFunctions, sizeof kOrvanFunctions / sizeof kOrvanFunctions[0]);
    JS_DefinePropertyValueStr(ctx, global, "orvan", orvan, JS_PROP_CONFIGURABLE | JS_PROP_WRITABLE);
    JS_FreeValue(ctx, global);
    char exe[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    std::string path = n > 0 ? std::string(exe, (std::size_t)n) : std::string("/orvan-program");
    jsc_engine_run_program(bundle, (size_t)len, path + ".island.js");
}

#endif  // JSC_RUNTIME_ASSEMBLED
