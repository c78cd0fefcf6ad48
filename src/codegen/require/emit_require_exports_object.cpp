#include <algorithm>

#include "codegen/cemitter.h"
#include "codegen/text_helpers.h"

namespace {

// The property name of `module.exports.K` / `module.exports["K"]`, or "" for any other key.
std::string exportedKey(const ASTNode& target) {
    const ASTNode& key = target.children[1];
    if (key.type == "Identifier") return jsonString(key, "name");
    if (key.type == "Literal") return jsonString(key, "value");
    return std::string();
}

}  // namespace

// At the end of a module's initialiser, makes `<id>_exports` what Node's module.exports would be:
// the function itself after `module.exports = f`, otherwise an object (the one assigned whole, or a new
// one) carrying every property assigned through `module.exports.K = v` since the last whole assignment.
void CEmitter::emitModuleExportsObject(const Module& module, std::ostringstream& os) {
    std::string wholeFunction;
    bool wholeValue = false;
    std::vector<std::string> keys;
    for (const ASTNode& stmt : module.ast.children) {
        if (stmt.type != "ExpressionStatement" || stmt.children.empty()) continue;
        const ASTNode& assign = stmt.children[0];
        if (assign.type != "AssignmentExpression" || assign.children.size() < 2) continue;
        const ASTNode& left = assign.children[0];
        const ASTNode& right = assign.children[1];
        if (isModuleExprProp(left, "module", "exports")) {
            keys.clear();
            const std::string sym = module.id + "_" + jsonString(right, "name");
            const bool isFunction = right.type == "Identifier" && module.nativeFunctions.count(sym);
            wholeFunction = isFunction ? sym : std::string();
            wholeValue = !isFunction;
        } else if (isModuleExportsDotProp(left)) {
            const std::string key = exportedKey(left);
            if (!key.empty() && std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
        }
    }
    const std::string target = module.id + "_exports";
    // A function the module reassigns is exported with the value its name holds once the module has run.
    auto valueOf = [&](const std::string& sym) {
        const std::string prefix = module.id + "_";
        const bool held = sym.compare(0, prefix.size(), prefix) == 0 && compiledArity.count(sym) &&
                          reassignedFunctions.count(sym.substr(prefix.size()));
        return held ? "__jsc_fn_slot<" + sym + ">()" : sym;
    };
    if (!wholeFunction.empty())
        os << "    " << target << " = js_clone_value(" << valueOf(wholeFunction) << ");\n";
    else if (!wholeValue)
        os << "    " << target << " = js_obj_new();\n";
    for (const std::string& key : keys) {
        auto e = module.exports.find(key);
        if (e == module.exports.end()) continue;
        os << "    js_obj_set(&" << target << ", \"" << escapeString(key) << "\", js_clone_value(" << valueOf(e->second)
           << "));\n";
    }
}
