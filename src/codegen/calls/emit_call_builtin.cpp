// Calls of built-in module functions that the runtime offers as direct C++ entries, and http.createServer.
#include <string_view>

#include "codegen/cemitter.h"

using namespace std::string_view_literals;

namespace {

// How a built-in method's arguments are written: a fixed number of places, or the count and every value.
constexpr int kCounted = -1;

struct BuiltinMethod {
    const char* module;
    const char* method;
    const char* function;
    int places;
};

const BuiltinMethod kBuiltinMethods[] = {
    {"fs", "readFileSync", "js_fs_readFileSync", 2},   {"fs", "writeFileSync", "js_fs_writeFileSync", 3},
    {"fs", "existsSync", "js_fs_existsSync", 1},       {"fs", "readdirSync", "js_fs_readdirSync", 1},
    {"path", "join", "js_path_join", kCounted},        {"path", "resolve", "js_path_resolve", 1},
    {"path", "dirname", "js_path_dirname", 1},         {"path", "basename", "js_path_basename", 2},
    {"path", "extname", "js_path_extname", 1},         {"os", "platform", "js_os_platform", 0},
    {"os", "homedir", "js_os_homedir", 0},             {"os", "tmpdir", "js_os_tmpdir", 0},
    {"process", "cwd", "js_process_cwd", 0},           {"process", "exit", "js_process_exit", 1},
    {"crypto", "randomBytes", "js_crypto_randomBytes", 2}, {"crypto", "createHash", "js_crypto_createHash", 1},
};

}  // namespace

void CEmitter::emitBuiltinMethodCall(const std::string& module, const std::string& method,
                                     const std::vector<const ASTNode*>& args, std::ostringstream& os) {
    // createServer({ options }, listener) goes through the module's own method, which takes both: the
    // direct entry takes one argument and would drop the listener.
    const bool withOptions = args.size() >= 2 && args[0]->type == "ObjectExpression";
    if ((module == "http" || module == "net") && method == "createServer" && !withOptions) {
        emitCreateServer(module, args, os);
        return;
    }
    // path.resolve joins every argument; its direct entry takes one, so a longer call goes
    // through the module's own method rather than losing the later segments.
    const bool resolvesSeveral = module == "path" && method == "resolve" && args.size() > 1;
    for (const BuiltinMethod& row : kBuiltinMethods) {
        if (resolvesSeveral) break;
        if (module != row.module || method != row.method) continue;
        os << row.function << "(";
        if (row.places == kCounted)
            emitCountedValues(args, os);
        else
            emitValuePlaces(args, static_cast<size_t>(row.places), os);
        os << ")";
        return;
    }
    os << "js_call(js_obj_get(js_node_require(JS_STR(\"" << escapeString(module) << "\")), JS_STR(\""
       << escapeString(method) << "\")), ";
    emitCountedValues(args, os);
    os << ")";
}

// A server's handler: an entry function through its adapter, a function expression through its native,
// anything else as the value it holds. Only the first argument is written and evaluated.
void CEmitter::emitCreateServer(const std::string& module, const std::vector<const ASTNode*>& args,
                                std::ostringstream& os) {
    os << (module == "http" ? "js_http_createServer(" : "js_net_createServer(");
    if (args.empty()) {
        os << "JS_UNDEFINED())";
        return;
    }
    const ASTNode& handler = *args[0];
    std::string native;
    if (module == "http" && handler.type == "Identifier"sv) {
        const std::string name = identName(handler);
        if (!isOwnedName(name) && !scope.count(name) && inEntryModule())
            for (const auto& adapter : httpAdapters())
                if (adapter.first == name) native = adapter.second;
    } else if (handler.type == "FunctionExpression"sv) {
        native = queueFeNative(handler);
    }
    if (native.empty())
        emitArgValue(handler, os);
    else
        os << "JsOwned::from_value(" << (handler.type == "FunctionExpression"sv ? unnamedFunctionValue(native, handler)
                                                                              : "js_native_fn(" + native + ")")
           << ").borrow()";
    os << ")";
}
