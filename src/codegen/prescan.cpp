// Pre-scans of the syntax trees: async warnings, the runtime parts a program needs, http handler names.
#include <cstdio>
#include <string_view>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"
#include "frontend/builtin_modules.h"

using namespace std::string_view_literals;

namespace {

bool isTimerName(const std::string& name) {
    return name == "setTimeout" || name == "setInterval" || name == "setImmediate";
}

bool isGlobalObjectName(const std::string& name) { return name == "globalThis" || name == "global"; }

}  // namespace

void CEmitter::warnAsyncSubtree(const ASTNode& node, const std::string& path) {
    const char* p = path.c_str();
    if (node.type == "AwaitExpression"sv) {
        std::fprintf(stderr,
                     "orvan: warning (%s): async code (await / Promise chaining) is only supported via QuickJS "
                     "runtime islands in this toolchain; static compilation skips async semantics.\n",
                     p);
        return;
    }
    if (node.type == "AsyncFunctionExpression"sv || node.type == "AsyncFunctionDeclaration"sv ||
        node.type == "AsyncArrowFunctionExpression"sv) {
        std::fprintf(stderr,
                     "orvan: warning (%s): `%s` is not statically compiled (use QuickJS-supported patterns or "
                     "refactor).\n",
                     p, node.type.c_str());
        return;
    }
    if (node.type == "Identifier"sv && jsonStringRef(node, "name") == "Promise") {
        std::fprintf(stderr,
                     "orvan: warning (%s): Promise/global async requires the embedded QuickJS + libuv path; "
                     "static codegen has no Promises.\n",
                     p);
        return;
    }
    if (node.type == "UnaryExpression"sv && jsonStringRef(node, "operator") == "typeof" && !node.children.empty() &&
        node.children[0].type == "Identifier"sv && jsonStringRef(node.children[0], "name") == "Promise") {
        std::fprintf(stderr,
                     "orvan: warning (%s): Promise/async detection at runtime is limited to QuickJS-hosted code.\n",
                     p);
        return;
    }
    for (const ASTNode& child : node.children) warnAsyncSubtree(child, path);
}

void CEmitter::scanLoweringSubtree(const ASTNode& node) {
    if (node.type == "Identifier"sv) {
        const std::string& name = jsonStringRef(node, "name");
        if (isTimerName(name)) needUv = true;
        if (name == "eval") needQuickJs = true;
    } else if (node.type == "CallExpression"sv && !node.children.empty()) {
        const ASTNode& callee = node.children[0];
        const std::string calleeName = identName(callee);
        if (calleeName == "eval") needQuickJs = true;
        if (callee.type == "MemberExpression"sv && callee.children.size() >= 2) {
            const std::string o = identName(callee.children[0]);
            const std::string p = identName(callee.children[1]);
            if (p == "eval" || o == "eval") needQuickJs = true;
            if (p == "open" && (o == "window" || isGlobalObjectName(o))) needWebview = true;
            if (isGlobalObjectName(o) && isTimerName(p)) needUv = true;
        }
        if (callee.type == "Identifier"sv && isTimerName(calleeName)) needUv = true;
    } else if (node.type == "NewExpression"sv && !node.children.empty() && node.children[0].type == "Identifier"sv &&
               identName(node.children[0]) == "Function") {
        needQuickJs = true;
    }
    for (const ASTNode& child : node.children) scanLoweringSubtree(child);
}

void CEmitter::noteBuiltinNeeds(const std::string& specifier) {
    const std::string bare = specifier.compare(0, 5, "node:") == 0 ? specifier.substr(5) : specifier;
    const BuiltinModule* m = findBuiltinModule(bare);
    if (!m) return;
    if (m->eventLoop) needUv = true;
    if (m->nodeIo) needNodeIo = true;
}

// Any require of a network or stream module, wherever it stands (inside a
// function, in an expression), needs the loop: a program whose server is made
// in a function must still serve.
void CEmitter::collectBareRequireRuntimeFlags(const ASTNode& node) {
    if (node.type == "CallExpression"sv && !node.children.empty()) {
        const ASTNode& callee = node.children[0];
        if (callee.type == "Identifier"sv && jsonStringRef(callee, "name") == "require") {
            const std::string specifier = requireArg(node);
            if (!isRelativeRequire(specifier)) noteBuiltinNeeds(specifier);
        }
    }
    for (const ASTNode& child : node.children) collectBareRequireRuntimeFlags(child);
}

void CEmitter::collectHttpCreateServerHandlerIds(const ASTNode& node) {
    if (node.type == "CallExpression"sv && node.children.size() >= 2) {
        const ASTNode& callee = node.children[0];
        if (callee.type == "MemberExpression"sv && callee.children.size() >= 2 &&
            callee.children[0].type == "Identifier"sv && identName(callee.children[0]) == "http" &&
            callee.children[1].type == "Identifier"sv && identName(callee.children[1]) == "createServer" &&
            node.children[1].type == "Identifier"sv)
            httpHandlerIds.insert(identName(node.children[1]));
    }
    for (const ASTNode& child : node.children) collectHttpCreateServerHandlerIds(child);
}
