#include "frontend/script_bytecode.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>

#include "frontend/engine_values.h"
#include "support/file_readers.h"

namespace {

const char kMagic[] = "orvan-script-bytecode\n";
const std::size_t kMagicSize = sizeof kMagic - 1;

std::uint64_t fnv1a(const char* data, std::size_t size) {
    std::uint64_t h = 1469598103934665603ull;
    for (std::size_t i = 0; i < size; ++i) {
        h ^= static_cast<unsigned char>(data[i]);
        h *= 1099511628211ull;
    }
    return h;
}

void putNumber(std::string& out, std::uint64_t n) {
    for (int i = 0; i < 8; ++i) out += static_cast<char>((n >> (8 * i)) & 0xff);
}

std::uint64_t getNumber(const std::string& in, std::size_t at) {
    std::uint64_t n = 0;
    for (int i = 7; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(in[at + i]);
    return n;
}

[[noreturn]] void throwException(JSContext* ctx, const char* name) {
    throw std::runtime_error(std::string("orvan: ") + name + ": " + takeExceptionText(ctx));
}

}  // namespace

std::string scriptBytecodeFile(JSContext* ctx, const std::string& text, const char* name) {
    JSValue fn = JS_Eval(ctx, text.c_str(), text.size(), name,
                         JS_EVAL_TYPE_GLOBAL | JS_EVAL_FLAG_COMPILE_ONLY);
    if (JS_IsException(fn)) throwException(ctx, name);
    std::size_t size = 0;
    std::uint8_t* bytes = JS_WriteObject(ctx, &size, fn, JS_WRITE_OBJ_BYTECODE);
    JS_FreeValue(ctx, fn);
    if (!bytes) throwException(ctx, name);
    std::string out(kMagic, kMagicSize);
    putNumber(out, fnv1a(text.data(), text.size()));
    putNumber(out, text.size());
    putNumber(out, size);
    out.append(reinterpret_cast<const char*>(bytes), size);
    putNumber(out, fnv1a(reinterpret_cast<const char*>(bytes), size));
    js_free(ctx, bytes);
    return out;
}

bool evalScriptBytecode(JSContext* ctx, const std::string& text, const std::string& file,
                        const char* name) {
    const std::optional<std::string> whole = readWholeFile(file);
    if (!whole) return false;
    const std::string& data = *whole;
    const std::size_t head = kMagicSize + 24;
    if (data.size() < head + 8 || data.compare(0, kMagicSize, kMagic) != 0) return false;
    if (getNumber(data, kMagicSize) != fnv1a(text.data(), text.size()) ||
        getNumber(data, kMagicSize + 8) != text.size())
        return false;
    const std::uint64_t size = getNumber(data, kMagicSize + 16);
    if (size != data.size() - head - 8) return false;
    if (getNumber(data, head + size) != fnv1a(data.data() + head, size)) return false;
    JSValue fn = JS_ReadObject(ctx, reinterpret_cast<const std::uint8_t*>(data.data() + head), size,
                               JS_READ_OBJ_BYTECODE);
    if (JS_IsException(fn)) {
        JS_FreeValue(ctx, JS_GetException(ctx));
        return false;
    }
    JSValue result = JS_EvalFunction(ctx, fn);
    const bool failed = JS_IsException(result);
    JS_FreeValue(ctx, result);
    if (failed) throwException(ctx, name);
    return true;
}
