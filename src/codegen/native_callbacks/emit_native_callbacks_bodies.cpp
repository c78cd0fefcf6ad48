// Bodies of the native functions that stand for function expressions, written with the names where each was first named.
#include <string_view>

#include "codegen/cemitter.h"

using namespace std::string_view_literals;

namespace {

bool mentionsName(const ASTNode& node, const std::string& name) {
    if (node.type == "Identifier"sv && CEmitter::identName(node) == name) return true;
    for (const ASTNode& child : node.children)
        if (mentionsName(child, name)) return true;
    return false;
}

}  // namespace

void CEmitter::emitNativeFeFunction(const ASTNode& fn, const std::string& name, std::ostringstream& out) {
    std::string ownName;
    std::vector<std::string> jsParams;
    const ASTNode* body = nullptr;
    extractFunctionSignature(fn, &ownName, &jsParams, &body);
    const std::vector<std::string> params = cxxParamNames(jsParams, ownName.empty() ? name : ownName);
    out << "static JsValue " << name << "(int argc, JsValue* argv) {\n";
    for (size_t i = 0; i < params.size(); ++i)
        out << "    JsOwned " << params[i] << " = argc > " << i << " ? JsOwned::from_value(js_clone_value(argv[" << i
            << "])) : JsOwned();\n";
    if (params.empty()) out << "    (void)argc;\n    (void)argv;\n";
    OwnedLocalsScope function(ownedLocals, {params.begin(), params.end()});
    const int savedInFe = inFeNative;
    const std::vector<JumpScope> savedJumps = std::move(jumpScopes);
    jumpScopes.clear();
    const LocalShadow shadow = enterFunctionLocals(params, body);
    inFeNative = 1;
    // A named function expression sees itself under its own name.
    if (!ownName.empty() && !ownedLocals.count(ownName) && body && mentionsName(*body, ownName)) {
        out << "    JsOwned " << ownName << " = JsOwned::from_value(" << unnamedFunctionValue(name, fn) << ");\n";
        ownedLocals.insert(ownName);
    }
    if (body)
        for (const ASTNode& stmt : body->children) emitStmt(stmt, out, 1);
    inFeNative = savedInFe;
    jumpScopes = savedJumps;
    leaveFunctionLocals(shadow);
    if (!body || body->children.empty() || body->children.back().type != "ReturnStatement"sv)
        out << "    return js_clone_value(JS_UNDEFINED());\n";
    out << "}\n\n";
}

// Each native is written with the names of the place where it was first named (its own module's,
// not the entry's), then the emitter's names are put back.
void CEmitter::emitPendingFeBodies(std::ostringstream& out) {
    const FeBinding saved = currentBinding();
    for (const ASTNode* node : pendingFe) {
        auto uid = feUids.find(node);
        if (uid == feUids.end()) continue;
        const FeBinding* binding = bindingFor(node);
        applyBinding(binding ? *binding : saved);
        emitNativeFeFunction(*node, "__jsc_fe_" + std::to_string(uid->second), out);
    }
    applyBinding(saved);
    pendingFe.clear();
    feUids.clear();
    feCount = 0;
    feBindings.clear();
    feModulePaths.clear();
    compiledArity.clear();
    closureCaptured.clear();
}

FeBinding CEmitter::currentBinding() const {
    return FeBinding{scope, bareRequireAliases, bareRequireDestructured, entryStatics, currentModulePath};
}

void CEmitter::applyBinding(const FeBinding& binding) {
    scope = binding.scope;
    bareRequireAliases = binding.bareRequireAliases;
    bareRequireDestructured = binding.bareRequireDestructured;
    entryStatics = binding.entryStatics;
    currentModulePath = binding.modulePath;
}

// The names recorded where the native was first named; for one never named while its module was
// written, those of another native of the same module; null when there are none.
const FeBinding* CEmitter::bindingFor(const ASTNode* fe) const {
    auto own = feBindings.find(fe);
    if (own != feBindings.end()) return &own->second;
    auto path = feModulePaths.find(fe);
    if (path == feModulePaths.end()) return nullptr;
    for (const auto& entry : feBindings)
        if (entry.second.modulePath == path->second) return &entry.second;
    return nullptr;
}
